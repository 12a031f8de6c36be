#include "desktop/monitors.h"

#include <algorithm>
#include <cstdint>

#include "platform/dpi.h"

namespace horalune {

namespace {

std::int64_t overlap(const Rect& a, const Rect& b) {
    const std::int64_t w = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
    const std::int64_t h = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

int clamp_into(int start, int length, int area_start, int area_length) {
    return std::max(area_start, std::min(start, area_start + area_length - length));
}

}  // namespace

Rect monitor_of(const std::vector<Rect>& monitors, const Rect& window) {
    return monitors[static_cast<std::size_t>(monitor_index(monitors, window))];
}

bool on_a_monitor(const std::vector<Rect>& monitors, const Rect& window) {
    return std::ranges::any_of(monitors, [&](const Rect& m) { return overlap(m, window) > 0; });
}

Point onto_nearest_monitor(const std::vector<Rect>& monitors, const Rect& window) {
    const Rect m = monitor_of(monitors, window);
    return {clamp_into(window.left, window.width, m.left, m.width),
            clamp_into(window.top, window.height, m.top, m.height)};
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
