#include "buttons/icon_store.h"

#include <cstdint>
#include <limits>
#include <utility>

#include "platform/files.h"

namespace horalune {

std::string icon_store_path(const std::string& program_dir, std::string_view name) {
    return program_dir + "\\" + std::string(name) + std::string(kIconStoreExtension);
}

std::optional<std::vector<IconRecord>> load_icon_store(const std::string& path) {
    const std::optional<std::string> bytes = files::read_all(path);
    if (!bytes) return std::nullopt;
    return decode_icon_store(*bytes);
}

bool save_icon_store(const std::string& path, const std::vector<IconRecord>& records) {
    if (records.size() != kIconRecordCount) return false;
    for (const IconRecord& record : records) {
        for (int position = 1; position <= kIconFieldCount; ++position) {
            if (field(record, position)->size() > std::numeric_limits<std::uint32_t>::max()) {
                return false;
            }
        }
    }
    return files::write_atomic(path, encode_icon_store(records));
}

std::optional<IconRecord> load_icon_record(const std::string& path, int n) {
    if (n < 1 || n > kIconRecordCount) return std::nullopt;
    std::optional<std::vector<IconRecord>> records = load_icon_store(path);
    if (!records) return std::nullopt;
    return std::move((*records)[static_cast<std::size_t>(n - 1)]);
}

bool copy_icon_store(const std::string& from, const std::string& to) {
    const std::optional<std::string> bytes = files::read_all(from);
    if (!bytes || !decode_icon_store(*bytes)) return false;
    return files::write_atomic(to, *bytes);
}

}  // namespace horalune
