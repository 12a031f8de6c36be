#include "platform/dpi.h"

#include <algorithm>
#include <cstdint>

namespace horalune {

namespace {

std::int64_t overlap(const Rect& a, const Rect& b) {
    const std::int64_t w = std::min(a.left + a.width, b.left + b.width) - std::max(a.left, b.left);
    const std::int64_t h = std::min(a.top + a.height, b.top + b.height) - std::max(a.top, b.top);
    return w > 0 && h > 0 ? w * h : 0;
}

// Squared distance between the boxes; 0 when they touch or overlap.
std::int64_t distance2(const Rect& a, const Rect& b) {
    const std::int64_t dx =
        std::max<std::int64_t>({0, b.left - (a.left + a.width), a.left - (b.left + b.width)});
    const std::int64_t dy =
        std::max<std::int64_t>({0, b.top - (a.top + a.height), a.top - (b.top + b.height)});
    return dx * dx + dy * dy;
}

}  // namespace

int monitor_index(const std::vector<Rect>& monitors, const Rect& box) {
    if (monitors.empty()) return -1;
    int best = 0;
    std::int64_t best_overlap = overlap(monitors[0], box);
    for (std::size_t i = 1; i < monitors.size(); ++i) {
        if (overlap(monitors[i], box) > best_overlap) {
            best = static_cast<int>(i);
            best_overlap = overlap(monitors[i], box);
        }
    }
    if (best_overlap > 0) return best;
    for (std::size_t i = 1; i < monitors.size(); ++i) {
        if (distance2(monitors[i], box) < distance2(monitors[best], box))
            best = static_cast<int>(i);
    }
    return best;
}

std::vector<Rect> logical_rects(const std::vector<MonitorScale>& monitors) {
    std::vector<Rect> rects;
    rects.reserve(monitors.size());
    for (const MonitorScale& m : monitors) rects.push_back(m.logical());
    return rects;
}

Point to_device(const std::vector<MonitorScale>& monitors, Point logical) {
    const int i = monitor_index(logical_rects(monitors), {logical.x, logical.y, 1, 1});
    if (i < 0) return logical;
    const MonitorScale& m = monitors[static_cast<std::size_t>(i)];
    return {m.device.left + scaled(logical.x - m.device.left, m.dpi),
            m.device.top + scaled(logical.y - m.device.top, m.dpi)};
}

Point to_logical(const std::vector<MonitorScale>& monitors, Point device) {
    std::vector<Rect> rects;
    for (const MonitorScale& m : monitors) rects.push_back(m.device);
    const int i = monitor_index(rects, {device.x, device.y, 1, 1});
    if (i < 0) return device;
    const MonitorScale& m = monitors[static_cast<std::size_t>(i)];
    return {m.device.left + logical_floor(device.x - m.device.left, m.dpi),
            m.device.top + logical_floor(device.y - m.device.top, m.dpi)};
}

int dpi_at(const std::vector<MonitorScale>& monitors, const Rect& logical) {
    const int i = monitor_index(logical_rects(monitors), logical);
    return i < 0 ? kLogicalDpi : monitors[static_cast<std::size_t>(i)].dpi;
}

}  // namespace horalune
