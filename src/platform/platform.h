// The one interface between the program and the desktop. Behaviour code talks to the desktop
// only through this class; each target (headless, Win32) implements it in its own folder.
#pragma once

#include <cstdint>
#include <string>

#include "platform/image.h"

namespace horalune {

// A local date and time, to the millisecond. weekday: 0 Sunday ... 6 Saturday.
struct DateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
    int weekday = 6;  // 2000-01-01 was a Saturday
};

struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const Rect&) const = default;
};

using WindowId = int;
constexpr WindowId kNoWindow = 0;

enum class MouseButton { left, right };

constexpr int kKeyF4 = 115;  // virtual-key code

// What a back-end can and cannot do, asked instead of guessed.
enum class Capability {
    window_shape,  // windows cut to a mask
    sound_wav,
    sound_midi,
    sound_mp3,
};

// How a top-level window is made.
struct WindowSpec {
    std::string title;
    Rect rect;
    bool borderless = true;
    bool in_taskbar = false;
    bool visible = true;
};

// Events the back-end delivers, one at a time, from its event loop.
class EventSink {
public:
    virtual ~EventSink() = default;
    virtual void on_timer(WindowId window, int timer_id) = 0;
    virtual void on_mouse_down(WindowId window, MouseButton button, int x, int y) = 0;
    virtual void on_mouse_up(WindowId window, MouseButton button, int x, int y) = 0;
    virtual void on_mouse_move(WindowId window, int x, int y) = 0;
    // Returns true when the key is consumed (not passed to default processing).
    virtual bool on_key_down(WindowId window, int key) = 0;
    // A close request from outside (the window manager, Alt+F4 that got through, ...).
    // Returns true when the window may close.
    virtual bool on_close_request(WindowId window) = 0;
};

class Platform {
public:
    virtual ~Platform() = default;

    virtual bool can(Capability capability) const = 0;

    // --- system -----------------------------------------------------------------------------
    // The folder that holds the program file, without a trailing separator.
    virtual std::string program_dir() = 0;
    virtual DateTime now() = 0;
    virtual std::uint64_t uptime_ms() = 0;

    // --- windows ----------------------------------------------------------------------------
    virtual WindowId create_window(const WindowSpec& spec) = 0;
    virtual void destroy_window(WindowId window) = 0;
    virtual void show_window(WindowId window, bool visible) = 0;
    virtual bool window_visible(WindowId window) = 0;
    virtual void move_window(WindowId window, int left, int top) = 0;
    virtual void resize_window(WindowId window, int width, int height) = 0;
    virtual Rect window_rect(WindowId window) = 0;
    // Cuts the window to the mask's shape: pure white pixels (RGB 255, 255, 255) lie outside.
    virtual void set_window_shape(WindowId window, const Image& mask) = 0;
    // Shows a program-drawn picture as the window's whole content (origin at top-left).
    virtual void present(WindowId window, const Image& content) = 0;

    // --- timers and the event loop ------------------------------------------------------------
    // Starts, restarts or (interval 0) stops a timer of a window.
    virtual void set_timer(WindowId window, int timer_id, int interval_ms) = 0;
    virtual void set_event_sink(EventSink* sink) = 0;
    // Runs the event loop until quit(); returns the exit code.
    virtual int run_event_loop() = 0;
    virtual void quit(int exit_code) = 0;

    // --- sound --------------------------------------------------------------------------------
    // WAV or MIDI; returns at once. With repeat the sound starts again each time it ends.
    virtual void play_sound(const std::string& path, bool repeat) = 0;
    virtual void play_mp3(const std::string& path) = 0;
    virtual void stop_sound() = 0;
};

}  // namespace horalune
