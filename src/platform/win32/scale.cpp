#include "platform/win32/scale.h"

namespace horalune::win32 {

int system_dpi() {
    static const int dpi = [] {
        const auto get_dpi_for_system = look_up<UINT(WINAPI*)()>(L"user32.dll", "GetDpiForSystem");
        if (get_dpi_for_system != nullptr) return static_cast<int>(get_dpi_for_system());
        const HDC screen = GetDC(nullptr);
        const int found = screen != nullptr ? GetDeviceCaps(screen, LOGPIXELSY) : 0;
        if (screen != nullptr) ReleaseDC(nullptr, screen);
        return found > 0 ? found : 96;
    }();
    return dpi;
}

int window_dpi_of(HWND hwnd) {
    static const auto get_dpi_for_window =
        look_up<UINT(WINAPI*)(HWND)>(L"user32.dll", "GetDpiForWindow");
    const UINT dpi =
        get_dpi_for_window != nullptr && hwnd != nullptr ? get_dpi_for_window(hwnd) : 0;
    return dpi > 0 ? static_cast<int>(dpi) : system_dpi();
}

int monitor_dpi_of(HMONITOR monitor) {
    // MDT_EFFECTIVE_DPI = 0.
    using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    static const auto get_dpi_for_monitor =
        look_up<GetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
    UINT x = 0, y = 0;
    if (get_dpi_for_monitor != nullptr && SUCCEEDED(get_dpi_for_monitor(monitor, 0, &x, &y)) &&
        y > 0) {
        return static_cast<int>(y);
    }
    return system_dpi();
}

int metric(int index, int dpi) {
    static const auto metrics_for_dpi =
        look_up<int(WINAPI*)(int, UINT)>(L"user32.dll", "GetSystemMetricsForDpi");
    if (metrics_for_dpi != nullptr) return metrics_for_dpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, system_dpi());
}

}  // namespace horalune::win32
