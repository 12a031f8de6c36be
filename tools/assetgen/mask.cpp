#include "pictures.h"
#include "ui/clock_art.h"

namespace horalune::assets {

// The program draws these at any scale; the shipped files are its 100 % pictures.
RgbImage window_mask() {
    return to_rgb(draw_window_mask(96));
}

RgbImage heart() {
    return to_rgb(draw_heart(96));
}

}  // namespace horalune::assets
