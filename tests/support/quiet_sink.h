// An event sink that ignores everything; tests override what they watch.
#pragma once

#include "platform/platform.h"

namespace horalune::testing {

struct QuietSink : EventSink {
    void on_timer(WindowId, int) override {}
    void on_mouse_down(WindowId, MouseButton, int, int) override {}
    void on_mouse_up(WindowId, MouseButton, int, int) override {}
    void on_mouse_move(WindowId, int, int) override {}
    bool on_key_down(WindowId, int) override { return false; }
    bool on_close_request(WindowId) override { return true; }
    void on_mouse_leave(WindowId) override {}
    void on_tray_click(WindowId, MouseButton) override {}
    void on_control(WindowId, int, ControlEvent) override {}
};

}  // namespace horalune::testing
