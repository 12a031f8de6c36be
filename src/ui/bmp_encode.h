// Pictures written as BMP files (24 bits, rows bottom-up): the form the program stores the
// icons it takes from files in, read back by decode_picture.
#pragma once

#include <string>

#include "platform/image.h"

namespace horalune {

// The file's bytes; empty for an empty picture. White means transparent wherever pictures are
// shown, so pixels less than half opaque become white and opaque pure white becomes
// (254, 254, 254).
std::string encode_bmp_keyed(const Image& image);

}  // namespace horalune
