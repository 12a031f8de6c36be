// Writes the C++ source that compiles the built-in pictures into the program.
#pragma once

#include <string>
#include <vector>

#include "encoders.h"
#include "ui/builtin_assets.h"

namespace horalune::assets {

struct Embedded {
    std::string function;  // name of the accessor in horalune::builtin
    Bytes bytes;
};

std::string builtin_assets_source(const std::vector<Embedded>& items,
                                  const std::vector<builtin::StorePicture>& store_pictures);

}  // namespace horalune::assets
