// Shaking the clock windows as a visual alarm: each event of the vibration timer pushes the
// windows level x 3 pixels right and down, or back. The timer's interval says whose level
// counts.
#pragma once

#include "config/globals.h"
#include "platform/platform.h"

namespace horalune {

class AnalogWindow;

// Whose alarm shakes the windows; its level is read from that section at each step.
enum class ShakeSource { chime, reminder };

// Starts the vibration timer for an alarm (a running one takes the new source), or stops it.
void start_shaking(AnalogWindow& analog, ShakeSource source);
void stop_shaking(AnalogWindow& analog);

// One vibration timer event. `digital` is the digital clock window, or kNoWindow when closed.
void vibrate_step(Platform& platform, Globals& globals, AnalogWindow& analog, WindowId digital);

}  // namespace horalune
