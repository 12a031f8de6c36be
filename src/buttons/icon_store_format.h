// The icon store's records and their byte format, without any file access (the asset
// generator builds the shipped store with this same code).
//
// Layout, all integers little-endian:
//
//   offset  size  content
//   0       4     magic "HRIS"
//   4       2     format version, 1
//   6       2     record count, always 12 (record n belongs to function button n)
//   8       ...   the records in order; each is its six fields in order, and each field is
//                 a 32-bit byte length followed by that many bytes (UTF-8 text, or the
//                 encoded picture: PNG, BMP, JPEG or GIF; empty = no picture)
//   end-4   4     CRC-32 (the zlib/PNG one) of every byte before it
//
// A reader accepts a file only when all of it checks out; anything else counts as no store.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace horalune {

// One function button's record. Fields 1..4 are named; 5 and 6 are the faces for clock
// styles 5 and 6, which is why the faces are also reached by position.
struct IconRecord {
    std::string command;  // 命令: a command line, or "光驱开关" / "上网下网"
    std::string sound;    // 提示声音: full path of the right-button sound, may be empty
    std::string tooltip;  // 提示文字
    std::string icon;     // 图标: encoded picture, 32 x 32
    std::string face5;    // face picture for clock style 5
    std::string face6;    // face picture for clock style 6

    friend bool operator==(const IconRecord&, const IconRecord&) = default;
};

constexpr int kIconRecordCount = 12;
constexpr int kIconFieldCount = 6;

// Field positions as the records count them.
constexpr int kFieldCommand = 1;
constexpr int kFieldSound = 2;
constexpr int kFieldTooltip = 3;
constexpr int kFieldIcon = 4;

// The field at position 1..6; nullptr for any other position.
std::string* field(IconRecord& record, int position);
const std::string* field(const IconRecord& record, int position);

constexpr std::string_view kIconStoreMagic = "HRIS";
constexpr std::uint16_t kIconStoreVersion = 1;

// CRC-32 with the reflected polynomial 0xEDB88320, as zlib and PNG compute it.
std::uint32_t crc32(std::string_view bytes);

// The store's bytes for these records. Every field must be shorter than 4 GiB; the count
// is written as given, so only a list of exactly 12 makes a store that decodes.
std::string encode_icon_store(const std::vector<IconRecord>& records);

// The 12 records, or nothing when the bytes are not an intact store of this version.
// Allocates no more than the input's size, whatever its length fields claim.
std::optional<std::vector<IconRecord>> decode_icon_store(std::string_view bytes);

}  // namespace horalune
