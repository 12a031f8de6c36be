#include "pictures.h"
#include "ui/clock_art.h"

namespace horalune::assets {

RgbImage to_rgb(const Image& picture) {
    RgbImage out{picture.width, picture.height, {}};
    out.rgb.reserve(picture.pixels.size() * 3);
    for (const std::uint32_t p : picture.pixels) {
        out.rgb.insert(out.rgb.end(),
                       {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
    }
    return out;
}

// The program draws these at any scale; the shipped files are its 100 % pictures.
RgbImage window_mask() {
    return to_rgb(draw_window_mask(96));
}

RgbImage heart() {
    return to_rgb(draw_heart(96));
}

}  // namespace horalune::assets
