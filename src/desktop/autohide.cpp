#include "desktop/autohide.h"

#include "config/names.h"
#include "desktop/menus.h"

namespace horalune {

Point dock_step(const Rect& window, int screen_width, int screen_height, Point mouse) {
    const int l = window.left, t = window.top, w = window.width, h = window.height;
    Point to{l, t};
    // The column l + w and the row t + h still count as inside.
    const bool outside = mouse.x < l || mouse.x > l + w || mouse.y < t || mouse.y > t + h;
    if (outside) {
        if (l <= 0) {
            to.x = kDockStrip - w;
        } else if (l + w >= screen_width) {
            to.x = screen_width - kDockStrip;
        } else if (t <= 0) {
            to.y = kDockStrip - h;
        } else if (t + h >= screen_height) {
            to.y = screen_height - kDockStrip;
        }
    } else {
        if (l <= 0) {
            to.x = 0;
        } else if (l == screen_width - kDockStrip) {
            to.x = screen_width - w;
        } else if (t <= 0) {
            to.y = 0;
        } else if (t >= screen_height - kBottomReach) {
            to.y = screen_height - h;
        }
    }
    return to;
}

void dock_window(Platform& platform, WindowId window) {
    const Rect place = platform.window_rect(window);
    const Rect screen = platform.screen_rect();
    const Point to = dock_step(place, screen.width, screen.height, platform.cursor_pos());
    if (to.x != place.left || to.y != place.top) platform.move_window(window, to.x, to.y);
}

void autohide_tick(Platform& platform, Globals& globals, WindowId analog, WindowId digital) {
    const Settings& settings = globals.settings();
    // Hidden windows too: that is how a hidden clock comes back.
    if (settings.clock.auto_hide.on()) dock_window(platform, analog);
    // The digital clock's switch matters only while that window is open.
    if (digital != kNoWindow && settings.digital.auto_hide.on()) dock_window(platform, digital);
}

bool autohide_wanted(Globals& globals, bool digital_open) {
    const Settings& settings = globals.settings();
    return settings.clock.auto_hide.on() || (digital_open && settings.digital.auto_hide.on());
}

void toggle_clock_autohide(Menu& tray_menu, Globals& globals) {
    MenuItem& item = tray_menu.item(menu_text::kAutoHide);
    item.checked = !item.checked;
    globals.save(&ClockSettings::auto_hide, item.checked);
}

}  // namespace horalune
