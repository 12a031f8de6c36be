#include "desktop/monitors.h"

#include <algorithm>

#include "platform/dpi.h"
#include "platform/rect_math.h"

namespace horalune {

Rect monitor_of(const std::vector<Rect>& monitors, const Rect& window) {
    return monitors[static_cast<std::size_t>(monitor_index(monitors, window))];
}

bool on_a_monitor(const std::vector<Rect>& monitors, const Rect& window) {
    return std::ranges::any_of(monitors,
                               [&](const Rect& m) { return !is_empty(intersected(m, window)); });
}

Point onto_nearest_monitor(const std::vector<Rect>& monitors, const Rect& window) {
    return within(monitor_of(monitors, window), window);
}

bool keep_on_a_monitor(Platform& platform, WindowId window) {
    const std::vector<Rect> monitors = platform.monitor_rects();
    const Rect place = platform.window_rect(window);
    if (monitors.empty() || on_a_monitor(monitors, place)) return false;
    const Point to = onto_nearest_monitor(monitors, place);
    platform.move_window(window, to.x, to.y);
    return true;
}

}  // namespace horalune
