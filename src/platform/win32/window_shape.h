// Window regions cut from a mask picture.
// Does not keep the region: the caller hands it to SetWindowRgn or deletes it.
#pragma once

#include <windows.h>

#include "platform/image.h"

namespace horalune::win32 {

// The region of the mask's non-white pixels (alpha ignored), built from one rectangle per
// horizontal run. Null for an empty mask; the caller owns the region.
HRGN region_from_mask(const Image& mask);

}  // namespace horalune::win32
