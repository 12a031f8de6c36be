// The function buttons' pictures at a window's dpi. The icon store holds them at 100 % (32 x 32,
// white transparent); larger screens get the shipped ones drawn afresh from code, never
// stretched, and the user's own resampled smoothly.
#pragma once

#include "platform/image.h"

namespace horalune {

// `stored` (a hover icon or a button face from the store) at scaled(side, dpi). At 96 dpi:
// `stored` itself. A shipped picture is drawn again at the dpi (a face cut from the face picture
// drawn at that dpi, never pure white); any other is resampled. Pure white stays pure white
// around what is drawn, since white is where the button shows through.
Image button_picture_at(const Image& stored, int dpi);

}  // namespace horalune
