// Moving a window with the mouse from a press anywhere in it, as if on its title bar.
// Does not resize windows or snap them to screen edges.
#include <string>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"

namespace horalune::win32 {

void Win32Platform::begin_window_drag(WindowId window) {
    const HWND hwnd = hwnd_of(window);
    if (hwnd == nullptr) return;
    trace("window drag begun window " + std::to_string(window));
    POINT at{};
    GetCursorPos(&at);
    ReleaseCapture();
    // The system's move loop runs inside this call until the button goes up.
    SendMessageW(hwnd, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(at.x, at.y));
    const Rect moved = window_rect(window);
    trace("window drag ended at " + std::to_string(moved.left) + "," + std::to_string(moved.top));
}

}  // namespace horalune::win32
