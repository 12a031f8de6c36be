#include "pictures.h"
#include "window_geometry.h"

namespace horalune::assets {

RgbImage window_mask() {
    const Colour deep = rgb(16, 32, 120);
    // Lighter towards the rim but capped below white, which would cut the pixel away.
    const Colour pale = rgb(200, 214, 245);
    RgbImage out{kWindowSize, kWindowSize, {}};
    out.rgb.reserve(std::size_t(kWindowSize) * kWindowSize * 3);
    for (int y = 0; y < kWindowSize; ++y) {
        for (int x = 0; x < kWindowSize; ++x) {
            Colour c{1, 1, 1};
            if (inside_window(x, y)) {
                const double cover = coverage(x, y, 8, inside_window);
                c = mix(pale, deep, cover);
            }
            out.rgb.insert(out.rgb.end(), {to_byte(c.r), to_byte(c.g), to_byte(c.b)});
        }
    }
    return out;
}

}  // namespace horalune::assets
