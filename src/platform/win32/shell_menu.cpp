// Popup menus at the mouse position and message boxes, both modal to their owner window.
// Does not build submenus, icons or keyboard accelerators in menus.
#include <string>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {
namespace {

UINT icon_flag(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::information:
            return MB_ICONINFORMATION;
        case MessageIcon::warning:
            return MB_ICONWARNING;
        case MessageIcon::error:
            return MB_ICONERROR;
        case MessageIcon::question:
            return MB_ICONQUESTION;
        case MessageIcon::none:
            break;
    }
    return 0;
}

}  // namespace

bool keep_menu_open(NativeWindow& window) {
    // The click that led to the menu (on the tray, say) may hand the focus to the clicked window
    // only after the menu opened; the focus loss then cancels the menu before the user saw it.
    constexpr std::uint64_t kSettleMs = 400;
    if (window.menu_opened_at == 0 || GetTickCount64() - window.menu_opened_at > kSettleMs) {
        return false;
    }
    // The loss is still being handled; once it is, taking the foreground back brings the
    // menu's keys here again.
    PostMessageW(window.hwnd, kRefocusMessage, 0, 0);
    return true;
}

int Win32Platform::popup_menu(WindowId owner, const std::vector<PopupItem>& items) {
    const HWND hwnd = hwnd_of(owner);
    if (hwnd == nullptr || items.empty()) return -1;
    const HMENU menu = CreatePopupMenu();
    if (menu == nullptr) return -1;
    // Command ids are the item's index plus one: TrackPopupMenu returns 0 for "nothing picked".
    for (std::size_t i = 0; i < items.size(); ++i) {
        const PopupItem& item = items[i];
        if (item.caption.empty()) {
            AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuW(menu, MF_STRING | (item.checked ? MF_CHECKED : MF_UNCHECKED), i + 1,
                        widen(item.caption).c_str());
        }
    }
    POINT at{};
    GetCursorPos(&at);
    trace("menu shown (" + std::to_string(items.size()) + " items)");
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(hwnd);
    record_of(owner)->menu_opened_at = GetTickCount64();
    const int command = static_cast<int>(TrackPopupMenu(
        menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY, at.x, at.y, 0, hwnd, nullptr));
    if (NativeWindow* record = record_of(owner)) record->menu_opened_at = 0;
    // Lets the menu's closing take effect before the next click (a known menu quirk).
    PostMessageW(hwnd, WM_NULL, 0, 0);
    DestroyMenu(menu);
    const int picked = command > 0 && command <= static_cast<int>(items.size()) ? command - 1 : -1;
    trace("menu picked " + std::to_string(picked));
    return picked;
}

void Win32Platform::message_box(WindowId owner, const std::string& text, const std::string& title,
                                MessageIcon icon) {
    trace("message box \"" + title + "\": " + text);
    const DialogOpen open(*this);
    MessageBoxW(hwnd_of(owner), widen(text).c_str(), widen(title).c_str(), MB_OK | icon_flag(icon));
}

bool Win32Platform::ask_ok_cancel(WindowId owner, const std::string& text, const std::string& title,
                                  MessageIcon icon, bool default_cancel) {
    trace("question \"" + title + "\": " + text);
    const DialogOpen open(*this);
    const UINT flags = MB_OKCANCEL | icon_flag(icon) | (default_cancel ? MB_DEFBUTTON2 : 0);
    const bool ok =
        MessageBoxW(hwnd_of(owner), widen(text).c_str(), widen(title).c_str(), flags) == IDOK;
    trace(ok ? "answered OK" : "answered Cancel");
    return ok;
}

}  // namespace horalune::win32
