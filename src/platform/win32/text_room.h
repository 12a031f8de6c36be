// The room a native control needs to show its whole text, measured with the font selected into
// a device context: shared by measure_text and the checks that look at real controls.
#pragma once

#include <windows.h>

#include "platform/platform.h"

namespace horalune::win32 {

// In device pixels, for the font selected into `dc` and the system's parts at `dpi`. See
// Platform::measure_text for what is asked of each kind of control; `control.rect` is in
// device pixels too.
Size text_room(HDC dc, const ControlSpec& control, int dpi);

}  // namespace horalune::win32
