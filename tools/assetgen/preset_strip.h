// The preset icons of the button settings page: one strip of 32 x 32 cells side by side, cell k
// for preset k, white transparent.
#pragma once

#include "ui/art/raster.h"

namespace horalune::assets {

constexpr int kPresetCount = 10;

RgbImage preset_strip();

}  // namespace horalune::assets
