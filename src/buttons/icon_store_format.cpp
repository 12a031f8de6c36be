#include "buttons/icon_store_format.h"

#include <array>

namespace horalune {

namespace {

constexpr std::size_t kHeaderSize = 8;  // magic, version, count
constexpr std::size_t kCrcSize = 4;

constexpr std::array<std::uint32_t, 256> make_crc_table() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t i = 0; i < 256; ++i) {
        std::uint32_t c = i;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[i] = c;
    }
    return table;
}

constexpr std::array<std::uint32_t, 256> kCrcTable = make_crc_table();

void put_le(std::string& out, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
}

std::uint32_t get_le(std::string_view in, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<std::uint8_t>(in[at + i]);
    return v;
}

}  // namespace

std::string* field(IconRecord& record, int position) {
    switch (position) {
        case 1:
            return &record.command;
        case 2:
            return &record.sound;
        case 3:
            return &record.tooltip;
        case 4:
            return &record.icon;
        case 5:
            return &record.face5;
        case 6:
            return &record.face6;
        default:
            return nullptr;
    }
}

const std::string* field(const IconRecord& record, int position) {
    return field(const_cast<IconRecord&>(record), position);
}

std::uint32_t crc32(std::string_view bytes) {
    std::uint32_t c = 0xFFFFFFFFu;
    for (const char ch : bytes)
        c = kCrcTable[(c ^ static_cast<std::uint8_t>(ch)) & 0xFFu] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::string encode_icon_store(const std::vector<IconRecord>& records) {
    std::string out(kIconStoreMagic);
    put_le(out, kIconStoreVersion, 2);
    put_le(out, static_cast<std::uint32_t>(records.size()), 2);
    for (const IconRecord& record : records) {
        for (int position = 1; position <= kIconFieldCount; ++position) {
            const std::string& value = *field(record, position);
            put_le(out, static_cast<std::uint32_t>(value.size()), 4);
            out += value;
        }
    }
    put_le(out, crc32(out), 4);
    return out;
}

std::optional<std::vector<IconRecord>> decode_icon_store(std::string_view bytes) {
    if (bytes.size() < kHeaderSize + kCrcSize) return std::nullopt;
    if (bytes.substr(0, kIconStoreMagic.size()) != kIconStoreMagic) return std::nullopt;
    if (get_le(bytes, 4, 2) != kIconStoreVersion) return std::nullopt;
    const std::size_t end = bytes.size() - kCrcSize;
    if (get_le(bytes, end, 4) != crc32(bytes.substr(0, end))) return std::nullopt;
    // A matching checksum only says the bytes arrived as written; the structure is still
    // checked, so a file written wrongly cannot send a length past the end.
    if (get_le(bytes, 6, 2) != kIconRecordCount) return std::nullopt;

    std::vector<IconRecord> records(kIconRecordCount);
    std::size_t at = kHeaderSize;
    for (IconRecord& record : records) {
        for (int position = 1; position <= kIconFieldCount; ++position) {
            if (end - at < 4) return std::nullopt;
            const std::size_t length = get_le(bytes, at, 4);
            at += 4;
            if (length > end - at) return std::nullopt;
            field(record, position)->assign(bytes.substr(at, length));
            at += length;
        }
    }
    if (at != end) return std::nullopt;
    return records;
}

}  // namespace horalune
