// Logical pixels (the designed unit: a pixel at 96 dpi) and device pixels at a dpi, and where a
// point lies on monitors of different scales.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "platform/platform.h"

namespace horalune {

constexpr int kLogicalDpi = 96;

// Rounded half away from zero, as MulDiv rounds.
inline int scaled(int logical, int dpi) {
    return logical >= 0 ? (logical * dpi + kLogicalDpi / 2) / kLogicalDpi
                        : -((-logical * dpi + kLogicalDpi / 2) / kLogicalDpi);
}
inline int unscaled(int device, int dpi) {
    if (dpi <= 0) return device;
    return device >= 0 ? (device * kLogicalDpi + dpi / 2) / dpi
                       : -((-device * kLogicalDpi + dpi / 2) / dpi);
}
// The logical pixel a device pixel lies in (rounded down, so every device pixel of a logical
// one maps back to it).
inline int logical_floor(int device, int dpi) {
    if (dpi <= 0) return device;
    const int product = device * kLogicalDpi;
    return product >= 0 ? product / dpi : -((-product + dpi - 1) / dpi);
}
// The device pixels that cover a logical box: its scaled corners.
inline Rect scaled(const Rect& logical, int dpi) {
    const int left = scaled(logical.left, dpi), top = scaled(logical.top, dpi);
    return {left, top, scaled(logical.left + logical.width, dpi) - left,
            scaled(logical.top + logical.height, dpi) - top};
}

// The monitor a box overlaps most; when it overlaps none, the nearest one. -1 when there are
// no monitors.
int monitor_index(const std::vector<Rect>& monitors, const Rect& box);

// The top-left corner that puts `box` wholly inside `area` (its top-left part when the box is
// the larger), moved no further than needed.
inline Point within(const Rect& area, const Rect& box) {
    const auto into = [](int start, int length, int area_start, int area_length) {
        return std::max(area_start, std::min(start, area_start + area_length - length));
    };
    return {into(box.left, box.width, area.left, area.width),
            into(box.top, box.height, area.top, area.height)};
}

// A monitor in device pixels with its dpi. In logical coordinates a monitor keeps its top-left
// corner and its size shrinks by its scale, so monitors side by side stay side by side and a
// single monitor at the origin maps by its scale alone.
struct MonitorScale {
    Rect device;
    int dpi = kLogicalDpi;
    bool operator==(const MonitorScale&) const = default;
    Rect logical() const {
        return {device.left, device.top, unscaled(device.width, dpi), unscaled(device.height, dpi)};
    }
};

std::vector<Rect> logical_rects(const std::vector<MonitorScale>& monitors);
// A point from one coordinate system to the other, through the monitor it lies on (or the
// nearest one). Without monitors, the point as it is.
Point to_device(const std::vector<MonitorScale>& monitors, Point logical);
Point to_logical(const std::vector<MonitorScale>& monitors, Point device);
// The dpi of the monitor a logical box lies on most.
int dpi_at(const std::vector<MonitorScale>& monitors, const Rect& logical);

}  // namespace horalune
