// Auto-hide: a clock window that touches a screen edge jumps out of sight, two pixels of it
// left on screen, while the mouse is elsewhere, and comes back when the mouse touches that
// strip. Whether a window is hidden follows from its place alone; nothing is remembered.
#pragma once

#include <string>

#include "config/globals.h"
#include "platform/platform.h"

namespace horalune {

class Menu;

inline constexpr int kAutoHideInterval = 300;  // the timer's, as designed
// What stays on screen of a hidden window.
inline constexpr int kDockStrip = 2;
// A window this close to the bottom counts as docked there when it comes back.
inline constexpr int kBottomReach = 20;

// One step for a window at `window` (screen coordinates), with the mouse at `mouse` on a screen
// of screen_width x screen_height: the window's new top-left corner, the same when it stays.
// The left edge wins over the right, both over the top and the bottom.
Point dock_step(const Rect& window, int screen_width, int screen_height, Point mouse);

// Runs dock_step on the window and moves it when the step says so.
void dock_window(Platform& platform, WindowId window);

// The auto-hide timer: the analog clock when `时钟配置`/`自动隐藏` is on, the digital clock
// when `数字钟配置`/`自动隐藏` is on and the window is open (kNoWindow when it is not).
// Both switches are read at every tick.
// Whether the auto-hide timer has anything to do: the clock's switch is on, or the digital
// clock is open with its own switch on.
bool autohide_wanted(Globals& globals, bool digital_open);
void autohide_tick(Platform& platform, Globals& globals, WindowId analog, WindowId digital);

// "自动隐藏" of the tray menu: flips its check mark and writes the new state.
void toggle_clock_autohide(Menu& tray_menu, Globals& globals);

}  // namespace horalune
