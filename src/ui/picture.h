// Pictures from file bytes: JPEG, GIF (first frame), BMP and PNG, the same code on every target.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "platform/image.h"

namespace horalune {

// Pictures beyond this many pixels a side are refused rather than decoded into memory.
constexpr int kMaxPictureSide = 8192;

// No picture for empty, broken, truncated or oversized data; never a crash.
std::optional<Image> decode_picture(std::span<const std::uint8_t> bytes);
std::optional<Image> decode_picture(const std::string& bytes);
// The picture in a file; nothing when the file is missing, unreadable or no picture.
std::optional<Image> load_picture(const std::string& path);

}  // namespace horalune

namespace horalune {

// The entry of the given size from an .ico file (32-bit entries with alpha, or 24-bit with
// the AND mask); no picture when there is none or the data is damaged.
std::optional<Image> decode_icon(std::span<const std::uint8_t> ico, int size);

}  // namespace horalune
