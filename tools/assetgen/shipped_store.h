// The icon store shipped beside the program: twelve default commands with their icons, and
// the button faces cut from the two built-in backgrounds.
#pragma once

#include <string>
#include <vector>

#include "encoders.h"
#include "ui/builtin_assets.h"

namespace horalune::assets {

struct ShippedStore {
    std::string bytes;                            // the file
    std::vector<builtin::StorePicture> pictures;  // how the program knows its 36 pictures
};

// The faces are cut from the pixels the given JPEGs decode to, so they fit the backgrounds
// exactly as the program shows them.
ShippedStore shipped_icon_store(const Bytes& background1_jpg, const Bytes& background2_jpg);

}  // namespace horalune::assets
