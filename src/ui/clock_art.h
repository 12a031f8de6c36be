// The analog clock's pictures that are drawn from code at the window's dpi (96 = 100 %), so
// they are as sharp at 200 % as at 100 %: the window's mask and the heart. At 96 dpi they are
// the pictures shipped beside the program, pixel for pixel.
#pragma once

#include "platform/image.h"

namespace horalune {

// The window's shape at the device's size: pure white outside, a blue that pales towards the
// edge inside (never pure white, which would cut the pixel away).
Image draw_window_mask(int dpi);

// The heart on its square (40 logical pixels a side): pure white around it, its edge blended
// towards pink.
Image draw_heart(int dpi);

}  // namespace horalune
