// The Win32 desktop behind the platform interface: all the program needs to start it.
// Does not expose any Win32 type; the program sees Platform only.
#pragma once

#include <memory>

#include "platform/platform.h"

namespace horalune {

std::unique_ptr<Platform> make_win32_platform();

}  // namespace horalune
