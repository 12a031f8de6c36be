// The scales the desktop reports: the system's, a window's, a monitor's, and the system's
// metrics at a dpi. Every function the oldest supported Windows lacks is looked up, with the
// system's scale as the answer where it is missing.
#pragma once

#include <windows.h>

namespace horalune::win32 {

// A function of a system DLL that older systems lack; null there. The DLL is mapped on first
// use only.
template <class Function>
Function look_up(const wchar_t* dll, const char* name) {
    HMODULE module = GetModuleHandleW(dll);
    if (module == nullptr) module = LoadLibraryW(dll);
    if (module == nullptr) return nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

// The scale the session started at; the stock fonts and plain GetSystemMetrics follow it.
int system_dpi();
// The scale the window is drawn at now (its monitor's, for a per-monitor aware program).
int window_dpi_of(HWND hwnd);
int monitor_dpi_of(HMONITOR monitor);
// GetSystemMetrics at a dpi.
int metric(int index, int dpi);

}  // namespace horalune::win32
