// The monitors: their rectangles, and a display change passed on to the program. Does not
// report work areas or the monitors' scales.
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"

namespace horalune::win32 {
namespace {

struct Found {
    std::vector<Rect> rects;
    bool primary_seen = false;
};

BOOL CALLBACK add_monitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto& found = *reinterpret_cast<Found*>(data);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return TRUE;
    const RECT& r = info.rcMonitor;
    const Rect rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
    if ((info.dwFlags & MONITORINFOF_PRIMARY) != 0 && !found.primary_seen) {
        found.primary_seen = true;
        found.rects.insert(found.rects.begin(), rect);
    } else {
        found.rects.push_back(rect);
    }
    return TRUE;
}

}  // namespace

std::vector<Rect> Win32Platform::monitor_rects() {
    Found found;
    EnumDisplayMonitors(nullptr, nullptr, add_monitor, reinterpret_cast<LPARAM>(&found));
    if (found.rects.empty()) found.rects.push_back(screen_rect());
    return found.rects;
}

bool handle_display_message(NativeWindow& window, UINT message, WPARAM, LPARAM lparam,
                            LRESULT& result) {
    if (message != WM_DISPLAYCHANGE) return false;
    // Every top-level window hears of it; the program is told once per window, which it
    // takes calmly (it only looks at where its windows are).
    trace("display changed to " + std::to_string(LOWORD(lparam)) + " x " +
          std::to_string(HIWORD(lparam)));
    window.owner->refresh_tray_icon(window);
    if (EventSink* sink = window.owner->sink()) sink->on_display_changed();
    result = 0;
    return true;
}

}  // namespace horalune::win32
