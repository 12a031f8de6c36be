// Modal windows: a nested message loop with the program's other windows disabled, and bringing
// a window to the foreground. Does not handle dialog keys (Tab, Enter) in the nested loop.
#include <string>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"

namespace horalune::win32 {

void Win32Platform::run_modal(WindowId window) {
    NativeWindow* record = record_of(window);
    if (record == nullptr) return;
    const HWND hwnd = record->hwnd;
    std::vector<HWND> disabled;
    for (const auto& [id, other] : windows_) {
        // Windows that a modal loop further out disabled stay as they are.
        if (id != window && IsWindowEnabled(other->hwnd)) disabled.push_back(other->hwnd);
    }
    for (HWND other : disabled) EnableWindow(other, FALSE);
    record->modal = true;
    modal_stack_.push_back(window);
    EnableWindow(hwnd, TRUE);
    // A window made hidden stays hidden: some modal windows run unseen.
    if (IsWindowVisible(hwnd)) SetForegroundWindow(hwnd);
    trace("modal entered window " + std::to_string(window));

    MSG msg;
    // The record goes when the window is destroyed: look it up afresh after every message.
    for (;;) {
        const NativeWindow* current = record_of(window);
        if (current == nullptr || !current->modal) break;
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
            break;
        }
        if (got == -1) break;
        if (control_key_consumed(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }

    // Enabled again before the modal window goes, so that the activation returns to them.
    for (HWND other : disabled) {
        if (IsWindow(other)) EnableWindow(other, TRUE);
    }
    if (NativeWindow* current = record_of(window)) current->modal = false;
    modal_stack_.pop_back();
    trace("modal left window " + std::to_string(window));
}

void Win32Platform::end_modal(WindowId window) {
    NativeWindow* record = record_of(window);
    if (record == nullptr || !record->modal) return;
    record->modal = false;
    PostMessageW(record->hwnd, WM_NULL, 0, 0);  // wakes the loop if it waits for a message
}

namespace {

void bring_forward(HWND hwnd) {
    if (IsIconic(hwnd)) ShowWindow(hwnd, SW_RESTORE);
    // The foreground is refused to a process the user is not working with, unless its thread
    // shares input with the foreground window's for the moment.
    const DWORD ours = GetCurrentThreadId();
    const HWND foreground = GetForegroundWindow();
    const DWORD theirs =
        foreground != nullptr ? GetWindowThreadProcessId(foreground, nullptr) : ours;
    const bool attached = theirs != ours && AttachThreadInput(ours, theirs, TRUE);
    BringWindowToTop(hwnd);
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
    if (attached) AttachThreadInput(ours, theirs, FALSE);
}

struct DialogSearch {
    const Win32Platform* platform;
    HWND found = nullptr;
};

// The first (topmost) shown and enabled window of the thread that is not one of the program's
// own: the desktop's dialog that is open.
BOOL CALLBACK find_dialog(HWND hwnd, LPARAM data) {
    auto& search = *reinterpret_cast<DialogSearch*>(data);
    if (!IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd)) return TRUE;
    if (search.platform->owns(hwnd)) return TRUE;
    search.found = hwnd;
    return FALSE;
}

}  // namespace

void Win32Platform::activate_window(WindowId window) {
    const HWND hwnd = hwnd_of(window);
    if (hwnd != nullptr) bring_forward(hwnd);
}

bool Win32Platform::activate_modal() {
    if (modal_stack_.empty()) return false;
    trace("modal window brought forward");
    const WindowId innermost = modal_stack_.back();
    if (innermost != kNoWindow) {
        // A modal window run unseen stays unseen.
        const HWND hwnd = hwnd_of(innermost);
        if (hwnd != nullptr && IsWindowVisible(hwnd)) bring_forward(hwnd);
        return true;
    }
    DialogSearch search{this};
    EnumThreadWindows(GetCurrentThreadId(), find_dialog, reinterpret_cast<LPARAM>(&search));
    if (search.found != nullptr) bring_forward(search.found);
    return true;
}

}  // namespace horalune::win32
