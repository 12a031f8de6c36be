// A window's one tooltip: a native tooltip control with a single tool whose area and text the
// program sets as the pointer moves; the control keeps the desktop's delays. Does not show
// balloon tips or more than one tool per window.
// <commctrl.h> needs <windows.h>, which the back-end's header brings, before it.
// clang-format off
#include "platform/win32/backend.h"
#include <commctrl.h>
// clang-format on

#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {

namespace {

constexpr UINT_PTR kToolId = 1;

bool tooltip_class_ready() {
    static const bool ready = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};  // tabs and tooltips
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    return ready;
}

// The tool record of comctl32 5, which version 6 (asked for by the manifest) also accepts.
TTTOOLINFOW tool_of(HWND owner, const Rect& area, std::wstring& text) {
    TTTOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.uFlags = TTF_TRANSPARENT;
    tool.hwnd = owner;
    tool.uId = kToolId;
    tool.rect = {area.left, area.top, area.left + area.width, area.top + area.height};
    tool.lpszText = text.data();
    return tool;
}

}  // namespace

void Win32Platform::set_tooltip(WindowId window, const Rect& logical_area,
                                const std::string& text) {
    NativeWindow* record = record_of(window);
    if (record == nullptr) return;
    const Rect area = scaled(logical_area, record->dpi);
    if (text.empty()) {
        if (record->tooltip != nullptr && record->tool_added) {
            std::wstring none;
            TTTOOLINFOW tool = tool_of(record->hwnd, area, none);
            SendMessageW(record->tooltip, TTM_POP, 0, 0);
            SendMessageW(record->tooltip, TTM_DELTOOL, 0, reinterpret_cast<LPARAM>(&tool));
            record->tool_added = false;
        }
        return;
    }
    if (record->tooltip == nullptr) {
        if (!tooltip_class_ready()) return;
        // Owned by the window: it goes with it.
        record->tooltip = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, record->hwnd,
                                          nullptr, GetModuleHandleW(nullptr), nullptr);
        if (record->tooltip == nullptr) return;
    }
    std::wstring wide = widen(text);
    TTTOOLINFOW tool = tool_of(record->hwnd, area, wide);
    if (record->tool_added) {
        SendMessageW(record->tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&tool));
        SendMessageW(record->tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
    } else {
        record->tool_added =
            SendMessageW(record->tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != 0;
    }
    trace("tooltip \"" + text + "\" at " + std::to_string(area.left) + "," +
          std::to_string(area.top));
    // The move that brought the pointer here came before the tool: let the control see it.
    POINT at{};
    GetCursorPos(&at);
    ScreenToClient(record->hwnd, &at);
    relay_to_tooltip(*record, WM_MOUSEMOVE, 0, MAKELPARAM(at.x, at.y));
}

void relay_to_tooltip(NativeWindow& window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (window.tooltip == nullptr || !window.tool_added) return;
    MSG msg{window.hwnd, message, wparam, lparam, static_cast<DWORD>(GetMessageTime()), {}};
    SendMessageW(window.tooltip, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&msg));
}

}  // namespace horalune::win32
