// The two built-in face pictures, drawn from code at any dpi (96 = 100 %): "默认1" (warm: ivory
// dial, gold bezel, amber jewel buttons) and "默认2" (cool: frosted blue dial, chrome bezel,
// blue glass buttons).
#pragma once

#include "raster.h"

namespace horalune::assets {

// The faces' colour at a point in logical pixels of the 164 x 164 window.
Colour warm_face_colour(double x, double y);
Colour cool_face_colour(double x, double y);

// Face `number` (1 warm, 2 cool) at the dpi: scaled(164, dpi) pixels a side.
RgbImage face_picture(int number, int dpi = 96);

// The square of face_picture(number, dpi) under button `button` (1..12): scaled(32, dpi) a side
// from the button's scaled place, the same pixels a cut from the whole picture would give.
RgbImage face_under_button(int number, int button, int dpi);

}  // namespace horalune::assets
