// A window moved to a monitor of another scale, or its monitor's scale changed: it takes the
// place the system suggests, its controls their boxes and fonts at the new scale, then the
// program draws its pictures again.
#include "platform/win32/backend.h"
#include "platform/win32/trace.h"

namespace horalune::win32 {

void Win32Platform::change_dpi(NativeWindow& window, int dpi, const RECT& suggested) {
    forget_monitors();
    if (forced_dpi_ > 0) dpi = forced_dpi_;
    if (dpi <= 0 || dpi == window.dpi) return;
    trace("window " + std::to_string(window.id) + " now at " + std::to_string(dpi) + " dpi");
    window.dpi = dpi;
    SetWindowPos(window.hwnd, nullptr, suggested.left, suggested.top,
                 suggested.right - suggested.left, suggested.bottom - suggested.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    for (NativeControl& control : window.controls) rescale_control(control, dpi);
    refresh_tray_icon(window);
    const WindowId id = window.id;
    if (sink_ != nullptr) sink_->on_dpi_changed(id);
}

bool handle_dpi_message(NativeWindow& window, UINT message, WPARAM wparam, LPARAM lparam,
                        LRESULT& result) {
    if (message != WM_DPICHANGED) return false;
    const RECT suggested = *reinterpret_cast<const RECT*>(lparam);
    window.owner->change_dpi(window, HIWORD(wparam), suggested);
    result = 0;
    return true;
}

}  // namespace horalune::win32
