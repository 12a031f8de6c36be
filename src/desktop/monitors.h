// Where a window stands among the monitors: the one it is on, and a place on the nearest one
// for a window that is on none (its monitor was removed, or a resolution shrank).
#pragma once

#include <vector>

#include "platform/platform.h"

namespace horalune {

// The monitor the window overlaps most; when it overlaps none, the nearest one. `monitors`
// must not be empty.
Rect monitor_of(const std::vector<Rect>& monitors, const Rect& window);

// Whether any pixel of the window lies on a monitor.
bool on_a_monitor(const std::vector<Rect>& monitors, const Rect& window);

// The top-left corner that puts the window wholly on the nearest monitor (its top-left part
// when the window is the larger), moved no further than needed.
Point onto_nearest_monitor(const std::vector<Rect>& monitors, const Rect& window);

// Brings the window back onto the nearest monitor when it is on none; true when it moved.
bool keep_on_a_monitor(Platform& platform, WindowId window);

}  // namespace horalune
