// The built-in pictures only this tool draws (the faces and pictograms are in ui/art/).
#pragma once

#include <vector>

#include "ui/art/raster.h"

namespace horalune::assets {

RgbImage window_mask();  // 164 x 164; pure white outside the window
RgbImage heart();        // 40 x 40; pure white around the heart
RgbaImage clock_icon(int size);

}  // namespace horalune::assets
