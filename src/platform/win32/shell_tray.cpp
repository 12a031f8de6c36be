// The tray icon of a window: added or updated with its tip, brought back after the shell
// restarts, clicks reported to the program. Does not show balloons or animate the icon.
// These headers need <windows.h> before them.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <algorithm>
#include <iterator>
#include <string>

#include "platform/win32/backend.h"
#include "platform/win32/scale.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {
namespace {

UINT taskbar_created() {
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

NOTIFYICONDATAW tray_data(const NativeWindow& window) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window.hwnd;
    data.uID = kTrayIconId;
    return data;
}

// Copies as much of the tip as fits, never half of a surrogate pair.
template <std::size_t N>
void copy_tip(wchar_t (&field)[N], const std::wstring& tip) {
    std::size_t n = std::min(tip.size(), N - 1);
    if (n > 0 && n < tip.size() && IS_HIGH_SURROGATE(tip[n - 1])) --n;
    tip.copy(field, n);
    field[n] = L'\0';
}

// The side of a small icon as the shell asks for it now (16 at 100 %, 24 at 150 %, ...).
int small_icon_size() {
    const int size = metric(SM_CXSMICON, system_dpi());
    return size > 0 ? size : 16;
}

// The program icon at that size: the image of that size from the icon, or the next larger one
// scaled down (never a smaller one blown up) where the system can.
HICON load_program_icon(int size) {
    const HINSTANCE program = GetModuleHandleW(nullptr);
    // The program icon holds these sizes drawn for themselves; user32 loads them as they are.
    // Only another size needs comctl32's scaling down, which costs its mapping at start.
    constexpr int kDrawnSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};
    if (std::find(std::begin(kDrawnSizes), std::end(kDrawnSizes), size) != std::end(kDrawnSizes)) {
        return static_cast<HICON>(
            LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
    }
    static const auto load_with_scale_down =
        look_up<HRESULT(WINAPI*)(HINSTANCE, PCWSTR, int, int, HICON*)>(L"comctl32.dll",
                                                                       "LoadIconWithScaleDown");
    HICON icon = nullptr;
    if (load_with_scale_down != nullptr &&
        SUCCEEDED(load_with_scale_down(program, MAKEINTRESOURCEW(1), size, size, &icon))) {
        return icon;
    }
    return static_cast<HICON>(
        LoadImageW(program, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

enum class TrayResult { updated, added, failed };

TrayResult show_tray(NativeWindow& window, HICON icon) {
    NOTIFYICONDATAW data = tray_data(window);
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon;
    copy_tip(data.szTip, widen(window.tray_tip.value_or("")));
    // Modify first: after the shell restarted the icon is gone and is simply added again.
    if (Shell_NotifyIconW(NIM_MODIFY, &data)) return TrayResult::updated;
    return Shell_NotifyIconW(NIM_ADD, &data) ? TrayResult::added : TrayResult::failed;
}

}  // namespace

HICON Win32Platform::tray_icon() {
    const int size = small_icon_size();
    if (size != tray_icon_size_) {
        tray_icon_size_ = size;
        tray_icon_.reset(load_program_icon(size));
        trace("tray icon " + std::to_string(size) + " px" + (tray_icon_ ? "" : ": none"));
    }
    return tray_icon_.get();
}

void Win32Platform::refresh_tray_icon(NativeWindow& window) {
    if (!window.tray_tip || small_icon_size() == tray_icon_size_) return;
    show_tray(window, tray_icon());
}

void Win32Platform::set_tray_icon(WindowId owner, const std::string& tip) {
    NativeWindow* record = record_of(owner);
    // The same tip again costs a round trip to the shell for nothing; a shell that restarts
    // gets the icon back through TaskbarCreated.
    if (record == nullptr || record->tray_tip == tip) return;
    record->tray_tip = tip;
    const TrayResult result = show_tray(*record, tray_icon());
    trace((result == TrayResult::failed ? "tray failed \"" : "tray set \"") + tip + "\"");
}

void Win32Platform::remove_tray_icon(WindowId owner) {
    if (NativeWindow* record = record_of(owner)) remove_tray(*record);
}

void remove_tray(NativeWindow& window) {
    if (!window.tray_tip) return;
    window.tray_tip.reset();
    NOTIFYICONDATAW data = tray_data(window);
    Shell_NotifyIconW(NIM_DELETE, &data);
    trace("tray removed");
}

bool handle_tray_message(NativeWindow& window, UINT message, WPARAM, LPARAM lparam,
                         LRESULT& result) {
    if (message == taskbar_created() && taskbar_created() != 0) {
        if (window.tray_tip && show_tray(window, window.owner->tray_icon()) != TrayResult::failed) {
            trace("tray set again after the shell restarted");
        }
        result = 0;
        return true;
    }
    if (message != kTrayMessage) return false;
    result = 0;
    EventSink* sink = window.owner->sink();
    if (sink == nullptr || !window.tray_tip) return true;
    // Without NOTIFYICON_VERSION_4 lParam is the mouse message itself.
    switch (LOWORD(lparam)) {
        case WM_LBUTTONUP:
            sink->on_tray_click(window.id, MouseButton::left);
            break;
        case WM_RBUTTONUP:
            sink->on_tray_click(window.id, MouseButton::right);
            break;
        default:
            break;
    }
    return true;
}

}  // namespace horalune::win32
