// Shaking the clock windows as a visual alarm: each event of the vibration timer pushes the
// windows level x 3 pixels right and down, or back. The timer's interval says whose level
// counts: 250 is the chime's, anything else the reminder's.
#pragma once

#include "config/globals.h"
#include "platform/platform.h"

namespace horalune {

class AnalogWindow;

// One vibration timer event. `digital` is the digital clock window, or kNoWindow when closed.
void vibrate_step(Platform& platform, Globals& globals, AnalogWindow& analog, WindowId digital);

}  // namespace horalune
