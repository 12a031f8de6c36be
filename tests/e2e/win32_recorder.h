// What the Win32 end-to-end tests share: an event sink that writes down every event as a line,
// and a fixture that opens real windows under Wine (skipping when there is no display).
#pragma once
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace horalune::testing {

struct Recorder : EventSink {
    std::vector<std::string> events;
    ControlValue last_input;
    WindowId key_window = kNoWindow;  // the window the last key was reported for
    bool consume_keys = false;
    bool allow_close = false;
    std::function<void(int)> timer_action;
    std::function<void(int, ControlEvent)> control_action;

    void on_timer(WindowId, int id) override {
        events.push_back("timer " + std::to_string(id));
        if (timer_action) timer_action(id);
    }
    void on_mouse_down(WindowId, MouseButton b, int x, int y) override { mouse("down", b, x, y); }
    void on_dpi_changed(WindowId) override { events.push_back("dpi changed"); }
    void on_mouse_up(WindowId, MouseButton b, int x, int y) override { mouse("up", b, x, y); }
    void on_mouse_move(WindowId, int x, int y) override {
        events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
    bool on_key_down(WindowId window, int key) override {
        events.push_back("key " + std::to_string(key));
        key_window = window;
        return consume_keys;
    }
    bool on_close_request(WindowId) override {
        events.push_back("close");
        return allow_close;
    }
    void on_mouse_leave(WindowId) override { events.push_back("leave"); }
    void on_tray_click(WindowId, MouseButton b) override {
        events.push_back(b == MouseButton::left ? "tray left" : "tray right");
    }
    void on_control(WindowId, int control, ControlEvent e) override {
        events.push_back("control " + std::to_string(control) + " " + name_of(e));
        if (control_action) control_action(control, e);
    }
    // Long texts are written down by their length.
    void on_control_input(WindowId, int control, const ControlValue& value) override {
        last_input = value;
        const std::string text = value.text.size() <= 40
                                     ? "\"" + value.text + "\""
                                     : "<" + std::to_string(value.text.size()) + " bytes>";
        events.push_back("input " + std::to_string(control) + " " + text + " " +
                         std::to_string(value.selected) + (value.checked ? " checked" : ""));
    }
    static const char* name_of(ControlEvent e) {
        switch (e) {
            case ControlEvent::clicked:
                return "clicked";
            case ControlEvent::left_down:
                return "left_down";
            case ControlEvent::changed:
                return "changed";
            case ControlEvent::drop_down:
                return "drop_down";
            case ControlEvent::close_up:
                return "close_up";
        }
        return "?";
    }
    void mouse(const char* what, MouseButton b, int x, int y) {
        events.push_back(std::string(what) + (b == MouseButton::left ? " left " : " right ") +
                         std::to_string(x) + "," + std::to_string(y));
    }
    int count(const std::string& event) const {
        int n = 0;
        for (const std::string& e : events) n += e == event;
        return n;
    }
};

class Win32Test : public ::testing::Test {
  protected:
    std::unique_ptr<Platform> platform = make_win32_platform();
    Recorder sink;
    WindowId window = kNoWindow;
    HWND hwnd = nullptr;

    void SetUp() override {
        platform->set_event_sink(&sink);
        // Wine without an X display cannot make windows at all: say so instead of failing.
        const WindowId probe =
            platform->create_window(WindowSpec{"probe", Rect{0, 0, 1, 1}, true, false, false});
        if (probe == kNoWindow) GTEST_SKIP() << "no window can be created here (no display?)";
        platform->destroy_window(probe);
    }

    // A window with a title unique to the test, so that the native handle can be found.
    std::pair<WindowId, HWND> open_window(Rect rect, bool visible, const std::string& suffix = "") {
        const std::string title = std::string("horalune test ") +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name() +
                                  suffix;
        const WindowId id = platform->create_window(WindowSpec{title, rect, true, false, visible});
        return {id, FindWindowW(nullptr, widen(title).c_str())};
    }
    bool open(Rect rect, bool visible) {
        std::tie(window, hwnd) = open_window(rect, visible);
        return window != kNoWindow && hwnd != nullptr;
    }

    // Handles everything posted so far, then returns.
    void drain() {
        platform->quit(0);
        EXPECT_EQ(platform->run_event_loop(), 0);
    }

    // Handles messages until the condition holds; false when it did not within the time.
    static bool pump_until(const std::function<bool()>& done, int timeout_ms) {
        const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(timeout_ms);
        MSG msg;
        while (!done()) {
            if (GetTickCount64() > end) return false;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        }
        return true;
    }
};

}  // namespace horalune::testing
#endif  // _WIN32
