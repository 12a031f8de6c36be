#include "config/config.h"

#include <optional>

#include "config/ini_encoding.h"
#include "config/ini_text.h"
#include "config/stored_value.h"
#include "platform/files.h"

namespace horalune {

std::string config_read(const std::string& file, std::string_view section, std::string_view key) {
    const std::optional<std::string> bytes = files::read_all(file);
    if (!bytes) return {};
    const std::string text = decode_ini(*bytes).text;
    const std::optional<std::string_view> stored = find_ini_value(text, section, key);
    return stored ? load_value(*stored) : std::string();
}

void config_write(const std::string& file, std::string_view section, std::string_view key,
                  std::string_view value) {
    std::optional<std::string> bytes = files::read_all(file);
    // A file that exists but cannot be read must not be replaced by one holding a single item.
    if (!bytes && files::exists(file)) return;
    IniDecoded decoded = decode_ini(bytes.value_or(std::string()));
    IniText ini(decoded.text);
    ini.set(section, key, store_value(value));
    decoded.text = ini.text();
    const std::string out = encode_ini(decoded);
    if (bytes && out == *bytes) return;  // nothing changes: spare the disk
    files::write_atomic(file, out);
}

}  // namespace horalune
