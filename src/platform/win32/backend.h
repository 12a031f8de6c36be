// The Win32 platform's class, shared by the files that implement it (system, windows, event
// loop, sound). Only the back-end includes this; the program sees win32_platform.h.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "platform/platform.h"
#include "platform/win32/sound.h"

namespace horalune::win32 {

class Win32Platform;

// What the window procedure knows about one of the program's top-level windows.
struct NativeWindow {
    Win32Platform* owner = nullptr;
    WindowId id = kNoWindow;
    HWND hwnd = nullptr;
    std::string title;  // for the trace
    Image content;      // the last presented picture, painted on WM_PAINT
};

class Win32Platform final : public Platform {
  public:
    Win32Platform() = default;
    ~Win32Platform() override;

    bool can(Capability capability) const override;

    std::string program_dir() override;
    DateTime now() override;
    std::uint64_t uptime_ms() override;

    WindowId create_window(const WindowSpec& spec) override;
    void destroy_window(WindowId window) override;
    void show_window(WindowId window, bool visible) override;
    bool window_visible(WindowId window) override;
    void move_window(WindowId window, int left, int top) override;
    void resize_window(WindowId window, int width, int height) override;
    Rect window_rect(WindowId window) override;
    void set_window_shape(WindowId window, const Image& mask) override;
    void present(WindowId window, const Image& content) override;

    void set_timer(WindowId window, int timer_id, int interval_ms) override;
    void set_event_sink(EventSink* sink) override;
    int run_event_loop() override;
    void quit(int exit_code) override;

    void play_sound(const std::string& path, bool repeat) override;
    void play_mp3(const std::string& path) override;
    void stop_sound() override;

    // For the window procedure.
    EventSink* sink() const { return sink_; }
    // The native window is gone (WM_NCDESTROY): drop our record of it.
    void forget(WindowId window);

  private:
    HWND hwnd_of(WindowId window) const;

    std::map<WindowId, std::unique_ptr<NativeWindow>> windows_;
    WindowId next_id_ = 1;
    EventSink* sink_ = nullptr;
    SoundPlayer sound_;
};

// The window procedure of every top-level window (event_loop.cpp).
LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Paints the window's last presented picture (window.cpp).
void paint(NativeWindow& window);

// SetTimer refuses nothing, but 0 reads as "no id" in places; the native id is one more.
constexpr UINT_PTR native_timer_id(int timer_id) {
    return static_cast<UINT_PTR>(timer_id) + 1;
}
constexpr int platform_timer_id(UINT_PTR native_id) {
    return static_cast<int>(native_id) - 1;
}

}  // namespace horalune::win32
