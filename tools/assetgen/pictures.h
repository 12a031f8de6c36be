// Every built-in picture, drawn from code.
#pragma once

#include <vector>

#include "platform/image.h"
#include "raster.h"

namespace horalune::assets {

RgbImage window_mask();  // 164 x 164; pure white outside the window
RgbImage warm_face();    // "默认1": ivory dial, gold bezel, amber jewel buttons
RgbImage cool_face();    // "默认2": frosted blue dial, chrome bezel, blue glass buttons
RgbImage heart();        // 40 x 40; pure white around the heart
RgbaImage clock_icon(int size);

RgbImage to_rgb(const Image& picture);  // alpha dropped

}  // namespace horalune::assets
