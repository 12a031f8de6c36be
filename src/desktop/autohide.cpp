#include "desktop/autohide.h"

#include "config/names.h"
#include "desktop/menus.h"
#include "desktop/monitors.h"

namespace horalune {

DockEdges dock_edges(const std::vector<Rect>& monitors, const Rect& monitor, const Rect& window) {
    const int right = monitor.left + monitor.width, bottom = monitor.top + monitor.height;
    // Whether [a, a + n) and [b, b + m) share a pixel.
    const auto spans_meet = [](int a, int n, int b, int m) { return a < b + m && b < a + n; };
    DockEdges edges;
    for (const Rect& m : monitors) {
        if (m == monitor) continue;
        const bool beside_rows = spans_meet(m.top, m.height, window.top, window.height);
        const bool beside_columns = spans_meet(m.left, m.width, window.left, window.width);
        // Touching or overlapping the edge from the outside.
        if (beside_rows && m.left < monitor.left && m.left + m.width >= monitor.left) {
            edges.left = false;
        }
        if (beside_rows && m.left + m.width > right && m.left <= right) edges.right = false;
        if (beside_columns && m.top < monitor.top && m.top + m.height >= monitor.top) {
            edges.top = false;
        }
        if (beside_columns && m.top + m.height > bottom && m.top <= bottom) edges.bottom = false;
    }
    return edges;
}

Point dock_step(const Rect& window, const Rect& monitor, DockEdges edges, Point mouse) {
    const int l = window.left, t = window.top, w = window.width, h = window.height;
    const int ml = monitor.left, mt = monitor.top;
    const int mr = monitor.left + monitor.width, mb = monitor.top + monitor.height;
    Point to{l, t};
    // The column l + w and the row t + h still count as inside.
    const bool outside = mouse.x < l || mouse.x > l + w || mouse.y < t || mouse.y > t + h;
    if (outside) {
        if (edges.left && l <= ml) {
            to.x = ml + kDockStrip - w;
        } else if (edges.right && l + w >= mr) {
            to.x = mr - kDockStrip;
        } else if (edges.top && t <= mt) {
            to.y = mt + kDockStrip - h;
        } else if (edges.bottom && t + h >= mb) {
            to.y = mb - kDockStrip;
        }
    } else {
        if (edges.left && l <= ml) {
            to.x = ml;
        } else if (edges.right && l == mr - kDockStrip) {
            to.x = mr - w;
        } else if (edges.top && t <= mt) {
            to.y = mt;
        } else if (edges.bottom && t >= mb - kBottomReach) {
            to.y = mb - h;
        }
    }
    return to;
}

void dock_window(Platform& platform, WindowId window) {
    const Rect place = platform.window_rect(window);
    const std::vector<Rect> monitors = platform.monitor_rects();
    if (monitors.empty()) return;
    const Rect monitor = monitor_of(monitors, place);
    const Point to =
        dock_step(place, monitor, dock_edges(monitors, monitor, place), platform.cursor_pos());
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
    return autohide_wanted(globals.settings(), digital_open);
}

bool autohide_wanted(const Settings& settings, bool digital_open) {
    return settings.clock.auto_hide.on() || (digital_open && settings.digital.auto_hide.on());
}

void toggle_clock_autohide(Menu& tray_menu, Globals& globals) {
    MenuItem& item = tray_menu.item(menu_text::kAutoHide);
    item.checked = !item.checked;
    globals.save(&ClockSettings::auto_hide, item.checked);
}

}  // namespace horalune
