// Pictures from any bytes (JPEG, GIF, BMP, PNG, and .ico entries): no crash, no leak, and a
// picture that decodes has a size within the limits and a pixel for every position.
#include <cstdint>
#include <span>

#include "check.h"
#include "ui/picture.h"

using namespace horalune;

namespace {

void check_image(const Image& image, int max_side) {
    FUZZ_CHECK(image.width > 0 && image.width <= max_side);
    FUZZ_CHECK(image.height > 0 && image.height <= max_side);
    FUZZ_CHECK(image.pixels.size() == static_cast<std::size_t>(image.width) * image.height);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    if (const auto picture = decode_picture(bytes)) check_image(*picture, kMaxPictureSide);
    // The sizes the program asks of an icon, and the largest an entry can claim.
    for (const int side : {16, 32, 256}) {
        if (const auto icon = decode_icon(bytes, side)) {
            check_image(*icon, side);
            FUZZ_CHECK(icon->width == side && icon->height == side);
        }
    }
    return 0;
}
