// The icon store shipped beside the program: twelve default commands with their icons, and
// the button faces cut from the two built-in backgrounds.
#pragma once

#include <string>

#include "encoders.h"

namespace horalune::assets {

// The store's file bytes. The faces are cut from the pixels the given JPEGs decode to, so
// they fit the backgrounds exactly as the program shows them.
std::string shipped_icon_store(const Bytes& background1_jpg, const Bytes& background2_jpg);

}  // namespace horalune::assets
