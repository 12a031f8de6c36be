// The analog clock window's shape, as the program itself knows it (ui/clock_shape.h).
#pragma once

#include "ui/clock_shape.h"

namespace horalune::assets {
using namespace horalune::clock_shape;
}  // namespace horalune::assets
