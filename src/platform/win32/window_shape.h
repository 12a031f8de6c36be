// Window regions cut from a mask picture, and the parts of a presented picture that changed.
// Does not keep the region: the caller hands it to SetWindowRgn or deletes it.
#pragma once

#include <windows.h>

#include <vector>

#include "platform/image.h"

namespace horalune::win32 {

// The region of the mask's non-white pixels (alpha ignored), built from one rectangle per
// horizontal run. Null for an empty mask; the caller owns the region.
HRGN region_from_mask(const Image& mask);

// Rectangles that together cover every pixel where two pictures of the same size differ: one
// per band of changed rows (bands a few rows apart are joined), as wide as the changes in it.
// Empty when nothing changed. A repaint of these alone is what a tick costs on screen.
std::vector<RECT> changed_bands(const Image& before, const Image& after);

}  // namespace horalune::win32
