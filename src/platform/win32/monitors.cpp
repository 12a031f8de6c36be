// The monitors: their rectangles and scales, and a display change passed on to the program.
// Does not report work areas.
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/scale.h"
#include "platform/win32/trace.h"

namespace horalune::win32 {
namespace {

// One monitor has the system's scale; asking the monitor maps shcore, which costs memory at
// start, so only several monitors are asked.
bool several_monitors() {
    return GetSystemMetrics(SM_CMONITORS) > 1;
}

int monitor_dpi(HMONITOR monitor) {
    return several_monitors() ? monitor_dpi_of(monitor) : system_dpi();
}

struct Found {
    std::vector<MonitorScale> monitors;
    bool primary_seen = false;
    int forced_dpi = 0;
};

BOOL CALLBACK add_monitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& found = *reinterpret_cast<Found*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    const MonitorScale scale{{r.left, r.top, r.right - r.left, r.bottom - r.top},
                             found.forced_dpi > 0 ? found.forced_dpi : monitor_dpi(monitor)};
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0 && !found.primary_seen) {
        found.primary_seen = true;
        found.monitors.insert(found.monitors.begin(), scale);
    } else {
        found.monitors.push_back(scale);
    }
    return TRUE;
}

}  // namespace

const std::vector<MonitorScale>& Win32Platform::monitor_scales() {
    if (!monitor_scales_.empty()) return monitor_scales_;
    Found found;
    found.forced_dpi = forced_dpi_;
    EnumDisplayMonitors(nullptr, nullptr, add_monitor, reinterpret_cast<LPARAM>(&found));
    if (found.monitors.empty()) {
        found.monitors.push_back(
            {{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
             forced_dpi_ > 0 ? forced_dpi_ : system_dpi()});
    }
    monitor_scales_ = std::move(found.monitors);
    return monitor_scales_;
}

std::vector<Rect> Win32Platform::monitor_rects() {
    return logical_rects(monitor_scales());
}

Rect Win32Platform::screen_rect() {
    return monitor_scales().front().logical();
}

Point Win32Platform::cursor_pos() {
    POINT at{};
    GetCursorPos(&at);
    return to_logical(monitor_scales(), {at.x, at.y});
}

bool handle_display_message(NativeWindow& window, UINT message, WPARAM, LPARAM lparam,
                            LRESULT& result) {
    if (message != WM_DISPLAYCHANGE) return false;
    // Every top-level window hears of it; the program is told once per window, which it
    // takes calmly (it only looks at where its windows are).
    trace("display changed to " + std::to_string(LOWORD(lparam)) + " x " +
          std::to_string(HIWORD(lparam)));
    window.owner->forget_monitors();
    window.owner->refresh_tray_icon(window);
    if (EventSink* sink = window.owner->sink()) sink->on_display_changed();
    result = 0;
    return true;
}

}  // namespace horalune::win32
