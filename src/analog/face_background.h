// Which picture the clock face shows behind the hands, from `时钟配置`/`底图` and the style.
#pragma once

#include <string_view>

#include "platform/image.h"
#include "ui/canvas.h"

namespace horalune {

// "默认1" and "默认2" name the built-in pictures; anything else is a picture file. A file
// that gives no picture falls back to "默认1" for style 5 and "默认2" for every other style.
Image choose_face_background(std::string_view value, int style);

// The face's background as the value and style choose it; the built-in pictures are drawn
// afresh at each scale the face is shown at, a user's picture is resampled.
void set_face_background(Canvas& face, std::string_view value, int style);
void set_builtin_background(Canvas& face, int number);

// Number 1 or 2 at the dpi: scaled(164, dpi) a side. At 96, the picture embedded in the program.
Image builtin_background(int number, int dpi = 96);

}  // namespace horalune
