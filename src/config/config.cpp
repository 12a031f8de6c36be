#include "config/config.h"

#include <optional>

#include "config/gb18030.h"
#include "config/ini_text.h"
#include "config/stored_value.h"
#include "platform/files.h"

namespace horalune {

namespace {

// The file is GBK; read as GB18030 so that anything we wrote ourselves reads back too. A file
// saved by an editor as UTF-8 with a byte-order mark is read and written as UTF-8.
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

struct Decoded {
    std::string text;
    bool utf8 = false;
};

Decoded decode(std::string_view bytes) {
    if (bytes.starts_with(kUtf8Bom)) return {std::string(bytes.substr(kUtf8Bom.size())), true};
    return {gb18030_to_utf8(bytes), false};
}

std::string encode(const Decoded& d) {
    if (d.utf8) return std::string(kUtf8Bom) + d.text;
    return utf8_to_gb18030(d.text);
}

}  // namespace

std::string config_read(const std::string& file, std::string_view section, std::string_view key) {
    const std::optional<std::string> bytes = files::read_all(file);
    if (!bytes) return {};
    const std::string text = decode(*bytes).text;
    const std::optional<std::string_view> stored = find_ini_value(text, section, key);
    return stored ? load_value(*stored) : std::string();
}

void config_write(const std::string& file, std::string_view section, std::string_view key,
                  std::string_view value) {
    std::optional<std::string> bytes = files::read_all(file);
    // A file that exists but cannot be read must not be replaced by one holding a single item.
    if (!bytes && files::exists(file)) return;
    Decoded decoded = decode(bytes.value_or(std::string()));
    IniText ini(decoded.text);
    ini.set(section, key, store_value(value));
    decoded.text = ini.text();
    const std::string out = encode(decoded);
    if (bytes && out == *bytes) return;  // nothing changes: spare the disk
    files::write_atomic(file, out);
}

}  // namespace horalune
