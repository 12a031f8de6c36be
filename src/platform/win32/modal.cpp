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
    trace("modal left window " + std::to_string(window));
}

void Win32Platform::end_modal(WindowId window) {
    NativeWindow* record = record_of(window);
    if (record == nullptr || !record->modal) return;
    record->modal = false;
    PostMessageW(record->hwnd, WM_NULL, 0, 0);  // wakes the loop if it waits for a message
}

void Win32Platform::activate_window(WindowId window) {
    const HWND hwnd = hwnd_of(window);
    if (hwnd == nullptr) return;
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

}  // namespace horalune::win32
