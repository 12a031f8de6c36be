// A picture brought to another size with a smoothing filter: each output pixel averages the
// part of the source it covers when shrinking, and blends its nearest four source pixels when
// enlarging, so a user's own picture stays smooth at any scale (never blocks of repeats).
#pragma once

#include "platform/image.h"

namespace horalune {

// Colours are weighted by their alpha, so see-through pixels lend no colour to their
// neighbours. An empty source or size gives an empty picture.
Image resample(const Image& source, int width, int height);

}  // namespace horalune
