// The window procedure and message loop: Win32 messages and timers become EventSink calls; keys
// in controls reach the program first. Does not translate accelerators; modal loops: modal.cpp.
#include <windowsx.h>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"

namespace horalune::win32 {
namespace {

NativeWindow* window_of(HWND hwnd) {
    return reinterpret_cast<NativeWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

}  // namespace

LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* window =
            static_cast<NativeWindow*>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams);
        window->hwnd = hwnd;
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(window));
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    NativeWindow* window = window_of(hwnd);
    if (window == nullptr) return DefWindowProcW(hwnd, message, wparam, lparam);
    LRESULT result = 0;
    if (handle_control_message(*window, message, wparam, lparam, result) ||
        handle_tray_message(*window, message, wparam, lparam, result) ||
        handle_display_message(*window, message, wparam, lparam, result) ||
        handle_dpi_message(*window, message, wparam, lparam, result)) {
        return result;
    }
    // The sink may destroy this window; after a call into it only the locals are safe.
    const WindowId id = window->id;
    EventSink* sink = window->owner->sink();
    // The program hit-tests in logical pixels.
    const int x = logical_floor(GET_X_LPARAM(lparam), window->dpi);
    const int y = logical_floor(GET_Y_LPARAM(lparam), window->dpi);

    if (message == WM_MOUSEMOVE || message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN ||
        message == WM_LBUTTONUP || message == WM_RBUTTONUP) {
        relay_to_tooltip(*window, message, wparam, lparam);
    }

    switch (message) {
        case WM_PAINT:
            paint(*window);
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT covers the whole client area
        case WM_DESTROY:
            remove_tray(*window);
            break;
        case WM_NCDESTROY: {
            Win32Platform* owner = window->owner;
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            trace("window " + std::to_string(id) + " destroyed");
            owner->forget(id);  // frees *window
            return DefWindowProcW(hwnd, message, wparam, lparam);
        }
        case WM_CLOSE: {
            const bool may_close = sink == nullptr || sink->on_close_request(id);
            if (may_close && IsWindow(hwnd)) DestroyWindow(hwnd);
            return 0;
        }
        case WM_ENDSESSION:
            // The process may be ended as soon as this returns: the program's exit routine
            // (disarming a timed shutdown among others) has to run now, not from the loop.
            if (wparam != FALSE && sink != nullptr) sink->on_close_request(id);
            return 0;
        case WM_CANCELMODE:
            if (keep_menu_open(*window)) return 0;
            break;
        case kRefocusMessage:
            SetForegroundWindow(hwnd);
            return 0;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
            // A consumed key never reaches DefWindowProc, so Alt+F4 can be swallowed.
            if (sink != nullptr && sink->on_key_down(id, static_cast<int>(wparam))) return 0;
            break;
        case WM_TIMER: {
            const int timer_id = platform_timer_id(wparam);
            if (!aligned_tick(*window, timer_id)) return 0;
            if (sink != nullptr) sink->on_timer(id, timer_id);
            return 0;
        }
        case WM_SETCURSOR: {
            // A press on a window that a modal loop disabled comes only as this: it is
            // reported all the same, so that the program can bring the modal window forward.
            const UINT pressed = HIWORD(lparam);
            if (LOWORD(lparam) != static_cast<WORD>(HTERROR) || IsWindowEnabled(hwnd)) break;
            if (pressed != WM_LBUTTONDOWN && pressed != WM_RBUTTONDOWN) break;
            POINT at{};
            GetCursorPos(&at);
            ScreenToClient(hwnd, &at);
            const MouseButton button =
                pressed == WM_LBUTTONDOWN ? MouseButton::left : MouseButton::right;
            if (sink != nullptr) {
                sink->on_mouse_down(id, button, logical_floor(at.x, window->dpi),
                                    logical_floor(at.y, window->dpi));
            }
            break;
        }
        case WM_LBUTTONDOWN:
            if (sink != nullptr) sink->on_mouse_down(id, MouseButton::left, x, y);
            return 0;
        case WM_RBUTTONDOWN:
            if (sink != nullptr) sink->on_mouse_down(id, MouseButton::right, x, y);
            return 0;
        case WM_LBUTTONUP:
            if (sink != nullptr) sink->on_mouse_up(id, MouseButton::left, x, y);
            return 0;
        case WM_RBUTTONUP:
            if (sink != nullptr) sink->on_mouse_up(id, MouseButton::right, x, y);
            return 0;
        case WM_MOUSEMOVE:
            if (!window->tracking_leave) {
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE, hwnd, 0};
                window->tracking_leave = TrackMouseEvent(&track) != 0;
            }
            if (sink != nullptr) sink->on_mouse_move(id, x, y);
            return 0;
        case WM_MOUSELEAVE:
            window->tracking_leave = false;  // the next move asks again
            if (sink != nullptr) sink->on_mouse_leave(id);
            return 0;
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

void Win32Platform::set_timer(WindowId window, int timer_id, int interval_ms) {
    NativeWindow* record = record_of(window);
    if (record == nullptr || timer_id < 0) return;
    record->aligned_timers.erase(timer_id);  // a plain timer from now on
    const HWND hwnd = record->hwnd;
    if (interval_ms <= 0) {
        KillTimer(hwnd, native_timer_id(timer_id));
    } else {
        SetTimer(hwnd, native_timer_id(timer_id), static_cast<UINT>(interval_ms), nullptr);
    }
}

void Win32Platform::set_event_sink(EventSink* sink) {
    sink_ = sink;
}

bool Win32Platform::control_key_consumed(const MSG& msg) {
    if ((msg.message != WM_KEYDOWN && msg.message != WM_SYSKEYDOWN) || sink_ == nullptr) {
        return false;
    }
    // Top-level windows hear their own keys in the window procedure.
    const HWND root = msg.hwnd != nullptr ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
    if (root == nullptr || root == msg.hwnd) return false;
    for (const auto& [id, window] : windows_) {
        if (window->hwnd != root) continue;
        // An open drop-down list closes on Esc and picks with the arrows: its keys are its own.
        for (const NativeControl& control : window->controls) {
            if (control.hwnd == msg.hwnd && control.shown.type == ControlType::drop_list &&
                SendMessageW(msg.hwnd, CB_GETDROPPEDSTATE, 0, 0)) {
                return false;
            }
        }
        return sink_->on_key_down(id, static_cast<int>(msg.wParam));
    }
    return false;
}

int Win32Platform::run_event_loop() {
    MSG msg;
    for (;;) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(msg.wParam);  // WM_QUIT
        if (got == -1) return -1;
        if (control_key_consumed(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

void Win32Platform::quit(int exit_code) {
    PostQuitMessage(exit_code);
}

}  // namespace horalune::win32
