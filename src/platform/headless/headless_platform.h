// The in-memory desktop: virtual local time and uptime that tests set and advance, windows
// that only record their state, timers on virtual time, recorded sounds.
// It shows nothing and plays nothing; it answers every call as a real desktop would.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/calendar.h"
#include "platform/platform.h"

namespace horalune {

class HeadlessPlatform : public Platform {
public:
    struct WindowState {
        WindowSpec spec;
        Rect rect;
        bool visible = false;
        bool alive = true;
        Image shape;    // empty until cut
        Image content;  // the last picture presented
        int presents = 0;
    };
    struct SoundCall {
        enum class Kind { play, play_mp3, stop } kind;
        std::string path;
        bool repeat = false;
        std::int64_t at_ms = 0;
    };

    HeadlessPlatform();

    // --- what tests control ----------------------------------------------------------------
    void set_program_dir(std::string dir) { program_dir_ = std::move(dir); }
    void set_now(const DateTime& t);
    void set_uptime_ms(std::uint64_t ms) { uptime_base_ = ms; uptime_anchor_ = virtual_ms_; }
    // Moves virtual time forward, firing every timer that falls due, in time order.
    void advance(std::int64_t ms);
    // Moves the wall clock without firing anything (a system clock that jumps).
    void jump_clock(std::int64_t ms) { clock_ms_ += ms; }

    void mouse_down(WindowId w, MouseButton b, int x, int y);
    void mouse_up(WindowId w, MouseButton b, int x, int y);
    bool key_down(WindowId w, int key);
    // A close request from outside; returns whether the window closed.
    bool request_close(WindowId w);

    // --- what tests observe -----------------------------------------------------------------
    const WindowState* window(WindowId w) const;
    std::vector<WindowId> live_windows() const;
    int timer_interval(WindowId w, int timer_id) const;
    const std::vector<SoundCall>& sound_log() const { return sounds_; }
    // The sound a real player would be making now: the last play call not stopped since.
    std::optional<SoundCall> sounding() const;
    bool quit_requested() const { return exit_code_.has_value(); }
    std::optional<int> exit_code() const { return exit_code_; }
    void set_capability(Capability c, bool on) { capabilities_[c] = on; }

    // --- Platform ---------------------------------------------------------------------------
    bool can(Capability capability) const override;
    std::string program_dir() override { return program_dir_; }
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
    void set_event_sink(EventSink* sink) override { sink_ = sink; }
    int run_event_loop() override;
    void quit(int exit_code) override { exit_code_ = exit_code; }
    void play_sound(const std::string& path, bool repeat) override;
    void play_mp3(const std::string& path) override;
    void stop_sound() override;

private:
    struct Timer {
        int interval = 0;
        std::int64_t due = 0;
        std::uint64_t generation = 0;  // restarts make earlier dues stale
    };
    WindowState* live(WindowId w);

    std::string program_dir_ = ".";
    std::int64_t clock_ms_ = 0;  // local time, ms since 2000-01-01 00:00:00
    std::int64_t virtual_ms_ = 0;  // how far time has been advanced in all
    std::uint64_t uptime_base_ = 3'600'000;
    std::int64_t uptime_anchor_ = 0;
    std::map<WindowId, WindowState> windows_;
    WindowId next_window_ = 1;
    std::map<std::pair<WindowId, int>, Timer> timers_;
    std::uint64_t timer_generation_ = 0;
    std::vector<SoundCall> sounds_;
    std::map<Capability, bool> capabilities_;
    EventSink* sink_ = nullptr;
    std::optional<int> exit_code_;
};

}  // namespace horalune
