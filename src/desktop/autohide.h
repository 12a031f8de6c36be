// Auto-hide: a clock window that touches an outer edge of its monitor jumps out of sight, two
// pixels of it left on the monitor, while the mouse is elsewhere, and comes back when the mouse
// touches that strip. An edge with another monitor beside the window is no edge to hide at: the
// window would only move onto that monitor. Whether a window is hidden follows from its place
// alone; nothing is remembered.
#pragma once

#include <string>
#include <vector>

#include "config/globals.h"
#include "platform/platform.h"

namespace horalune {

class Menu;

inline constexpr int kAutoHideInterval = 300;  // the timer's, as designed
// What stays on screen of a hidden window.
inline constexpr int kDockStrip = 2;
// A window this close to the bottom counts as docked there when it comes back.
inline constexpr int kBottomReach = 20;

// The edges of a monitor a window may hide at.
struct DockEdges {
    bool left = true, top = true, right = true, bottom = true;
    bool operator==(const DockEdges&) const = default;
};

// The edges of `monitor` with no other monitor beside the window's span (the rows it covers
// for the left and right edges, the columns for the top and bottom).
DockEdges dock_edges(const std::vector<Rect>& monitors, const Rect& monitor, const Rect& window);

// One step for a window at `window` (desktop coordinates) on `monitor`, with the mouse at
// `mouse`: the window's new top-left corner, the same when it stays. Only `edges` dock. The
// left edge wins over the right, both over the top and the bottom.
Point dock_step(const Rect& window, const Rect& monitor, DockEdges edges, Point mouse);

// Runs dock_step on the window, on the monitor it is on, and moves it when the step says so.
void dock_window(Platform& platform, WindowId window);

// The auto-hide timer: the analog clock when `时钟配置`/`自动隐藏` is on, the digital clock
// when `数字钟配置`/`自动隐藏` is on and the window is open (kNoWindow when it is not).
// Both switches are read at every tick.
// Whether the auto-hide timer has anything to do: the clock's switch is on, or the digital
// clock is open with its own switch on.
bool autohide_wanted(Globals& globals, bool digital_open);
bool autohide_wanted(const Settings& settings, bool digital_open);
void autohide_tick(Platform& platform, Globals& globals, WindowId analog, WindowId digital);

// "自动隐藏" of the tray menu: flips its check mark and writes the new state.
void toggle_clock_autohide(Menu& tray_menu, Globals& globals);

}  // namespace horalune
