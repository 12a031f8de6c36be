// Reading back what the encoders wrote, so derived pictures match what the program shows.
#pragma once

#include "encoders.h"
#include "ui/art/raster.h"

namespace horalune::assets {

// The pixels a JPEG decodes to with the same decoder the program uses.
RgbImage decode_jpeg(const Bytes& jpeg);

}  // namespace horalune::assets
