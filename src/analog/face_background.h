// Which picture the clock face shows behind the hands, from `时钟配置`/`底图` and the style.
#pragma once

#include <string_view>

#include "platform/image.h"

namespace horalune {

// "默认1" and "默认2" name the built-in pictures; anything else is a picture file. A file
// that gives no picture falls back to "默认1" for style 5 and "默认2" for every other style.
Image choose_face_background(std::string_view value, int style);

Image builtin_background(int number);  // 1 or 2

}  // namespace horalune
