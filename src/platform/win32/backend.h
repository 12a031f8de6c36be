// The Win32 platform's class, shared by the files that implement it (windows, event loop,
// controls, shell, sound, ...). Only the back-end includes this; the program sees win32_platform.h.
#pragma once

#include <windows.h>

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <type_traits>
#include <vector>

#include "platform/dpi.h"
#include "platform/platform.h"
#include "platform/win32/sound.h"

namespace horalune::win32 {

class Win32Platform;

struct GdiDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;

struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A native child control of a top-level window.
struct NativeControl {
    HWND hwnd = nullptr;
    // What it shows: the program's last request, with the user's changes since. Pictures keep
    // theirs here, drawn on WM_DRAWITEM.
    ControlSpec shown;
    // Set while the back-end itself changes the control: notifications then are not the user's.
    bool quiet = false;
    OwnedFont font;  // null: the stock dialog font
    int dpi = 96;    // its window's: `shown` is logical, the native control is scaled by it
};

// What the window procedure knows about one of the program's top-level windows.
struct NativeWindow {
    Win32Platform* owner = nullptr;
    WindowId id = kNoWindow;
    HWND hwnd = nullptr;
    std::string title;                    // for the trace
    int dpi = 96;                         // its monitor's scale, as last reported
    Image content;                        // the last presented picture, painted on WM_PAINT
    std::vector<NativeControl> controls;  // control id = index + 1
    std::map<int, int> aligned_timers;    // timer id -> interval, re-armed after each tick
    bool tracking_leave = false;          // TrackMouseEvent asked for WM_MOUSELEAVE
    bool modal = false;                   // a run_modal loop runs until end_modal
    std::uint64_t menu_opened_at = 0;     // GetTickCount64() while a popup menu is tracked
    std::optional<std::string> tray_tip;  // set while the window owns a tray icon
    HWND tooltip = nullptr;               // the window's tooltip control, made on first use
    bool tool_added = false;              // it holds the window's one tool
};

class Win32Platform final : public Platform {
  public:
    Win32Platform() = default;
    ~Win32Platform() override;

    bool can(Capability capability) const override;

    std::string program_dir() override;
    DateTime now() override;
    std::uint64_t uptime_ms() override;

    WindowId create_window(const WindowSpec& request) override;
    void destroy_window(WindowId window) override;
    void show_window(WindowId window, bool visible) override;
    bool window_visible(WindowId window) override;
    void move_window(WindowId window, int left, int top) override;
    void resize_window(WindowId window, int width, int height) override;
    Rect window_rect(WindowId window) override;
    int window_dpi(WindowId window) override;
    void set_window_shape(WindowId window, const Image& mask) override;
    void present(WindowId window, const Image& content) override;
    void present_part(WindowId window, const Image& content, const Rect& changed) override;
    void activate_window(WindowId window) override;
    void begin_window_drag(WindowId window) override;
    int popup_menu(WindowId owner, const std::vector<PopupItem>& items) override;
    int create_control(WindowId window, const ControlSpec& request) override;
    void set_control_text(WindowId window, int control, const std::string& text) override;
    void update_control(WindowId window, int control, const ControlSpec& state) override;
    void run_modal(WindowId window) override;
    void end_modal(WindowId window) override;
    bool activate_modal() override;
    void open_link(const std::string& target) override;
    void set_tooltip(WindowId window, const Rect& area, const std::string& text) override;
    void message_box(WindowId owner, const std::string& text, const std::string& title,
                     MessageIcon icon) override;
    bool ask_ok_cancel(WindowId owner, const std::string& text, const std::string& title,
                       MessageIcon icon, bool default_cancel) override;

    void set_timer(WindowId window, int timer_id, int interval_ms) override;
    void set_aligned_timer(WindowId window, int timer_id, int interval_ms) override;
    void set_event_sink(EventSink* sink) override;
    int run_event_loop() override;
    void quit(int exit_code) override;

    void play_sound(const std::string& path, bool repeat) override;
    void play_mp3(const std::string& path) override;
    void stop_sound() override;

    void set_tray_icon(WindowId owner, const std::string& tip) override;
    void remove_tray_icon(WindowId owner) override;
    bool start_process(const std::string& command_line) override;
    void send_media_command(const std::string& command) override;
    bool dialup_connected() override;
    void dialup_hang_up() override;
    void power_operation(PowerMode mode, bool force) override;
    std::vector<DialEntry> dialup_entries() override;
    void dialup_dial(const std::string& number, const std::string& user,
                     const std::string& password) override;
    std::optional<std::string> choose_file(WindowId owner, const std::string& title,
                                           const std::string& filter) override;
    std::optional<int> choose_colour(WindowId owner, int colour) override;
    std::optional<FontSpec> choose_font(WindowId owner, const FontSpec& initial, int min_height,
                                        int max_height) override;
    std::optional<std::string> input_box(WindowId owner, const std::string& prompt,
                                         const std::string& title,
                                         const std::string& initial) override;
    Size measure_text(WindowId window, const ControlSpec& control) override;
    Rect screen_rect() override;
    Point cursor_pos() override;
    bool is_nt_family() override;
    Image file_icon(const std::string& path) override;
    std::vector<Rect> monitor_rects() override;

    // Every window and monitor at this dpi, whatever the system reports (0: as reported), so
    // the layout checks can look at each scale in one run.
    void force_dpi(int dpi) {
        forced_dpi_ = dpi;
        monitor_scales_.clear();
    }

    // For the window procedure.
    EventSink* sink() const { return sink_; }
    // The monitors with their scales, primary first; read again after a display change.
    const std::vector<MonitorScale>& monitor_scales();
    void forget_monitors() { monitor_scales_.clear(); }
    // The scale the window is drawn at now.
    int dpi_of(HWND hwnd) const;
    // WM_DPICHANGED: the window takes its new scale and place, its controls their new boxes
    // and fonts, then the program hears of it (dpi_change.cpp).
    void change_dpi(NativeWindow& window, int dpi, const RECT& suggested);
    // The record of an open window; null once it is gone (a sink call may have closed it).
    NativeWindow* record_of(WindowId window) const;
    // Whether the window is one of the program's own (not a dialog of the desktop's).
    bool owns(HWND hwnd) const;
    // The native window is gone (WM_NCDESTROY): drop our record of it.
    void forget(WindowId window);
    // The small program icon for the tray at the size the shell asks for now; null when the
    // executable has none.
    HICON tray_icon();
    // Shows the window's tray icon again when the shell's icon size changed (a new DPI).
    void refresh_tray_icon(NativeWindow& window);

    // A message box, common dialog or input box of the desktop's own is open while this lives.
    class DialogOpen {
      public:
        explicit DialogOpen(Win32Platform& platform) : platform_(platform) {
            platform_.modal_stack_.push_back(kNoWindow);
        }
        ~DialogOpen() { platform_.modal_stack_.pop_back(); }
        DialogOpen(const DialogOpen&) = delete;
        DialogOpen& operator=(const DialogOpen&) = delete;

      private:
        Win32Platform& platform_;
    };

  private:
    HWND hwnd_of(WindowId window) const;
    // A key pressed in a native control goes to the program first, as if pressed in its window;
    // true when the program consumed it (event_loop.cpp).
    bool control_key_consumed(const MSG& msg);

    std::map<WindowId, std::unique_ptr<NativeWindow>> windows_;
    // The modal windows open, innermost last; kNoWindow for a dialog of the desktop's own.
    std::vector<WindowId> modal_stack_;
    WindowId next_id_ = 1;
    EventSink* sink_ = nullptr;
    SoundPlayer sound_;
    OwnedIcon tray_icon_;
    int tray_icon_size_ = 0;  // the side of tray_icon_; 0 before the first load
    int forced_dpi_ = 0;
    std::vector<MonitorScale> monitor_scales_;  // empty until asked
};

// The window procedure of every top-level window (event_loop.cpp).
LRESULT CALLBACK window_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam);

// Lets the window's tooltip see a mouse message, so it can show and hide itself (tooltip.cpp).
void relay_to_tooltip(NativeWindow& window, UINT message, WPARAM wparam, LPARAM lparam);

// Paints the window's last presented picture (window.cpp).
void paint(NativeWindow& window);

// Messages a top-level window passes on before its own handling. Each returns true when it
// handled the message, with the result in `result`.
// Notifications, colours and drawing of the native controls (control_events.cpp).
bool handle_control_message(NativeWindow& window, UINT message, WPARAM wparam, LPARAM lparam,
                            LRESULT& result);
// The tray icon's callback and the shell's restart (shell_tray.cpp).
bool handle_tray_message(NativeWindow& window, UINT message, WPARAM wparam, LPARAM lparam,
                         LRESULT& result);
// Takes the window's tray icon away; the window is going (shell_tray.cpp).
void remove_tray(NativeWindow& window);
// A monitor was added or removed, or a resolution changed: WM_DISPLAYCHANGE (monitors.cpp).
bool handle_display_message(NativeWindow& window, UINT message, WPARAM wparam, LPARAM lparam,
                            LRESULT& result);
// WM_DPICHANGED (dpi_change.cpp).
bool handle_dpi_message(NativeWindow& window, UINT message, WPARAM wparam, LPARAM lparam,
                        LRESULT& result);
// The native control's box and font at its dpi (controls.cpp).
void rescale_control(NativeControl& control, int dpi);
// WM_CANCELMODE while the window's popup menu has just opened: true when the menu stays open
// (shell_menu.cpp).
bool keep_menu_open(NativeWindow& window);
// An aligned timer ticked: re-arms it for the next boundary. False when the tick came early and
// must not reach the program (aligned_timer.cpp).
bool aligned_tick(NativeWindow& window, int timer_id);

constexpr UINT kTrayMessage = WM_APP + 1;
constexpr UINT kTrayIconId = 1;               // one icon per window; the window tells them apart
constexpr UINT kRefocusMessage = WM_APP + 2;  // takes the foreground back for an open menu

// SetTimer refuses nothing, but 0 reads as "no id" in places; the native id is one more.
constexpr UINT_PTR native_timer_id(int timer_id) {
    return static_cast<UINT_PTR>(timer_id) + 1;
}
constexpr int platform_timer_id(UINT_PTR native_id) {
    return static_cast<int>(native_id) - 1;
}

}  // namespace horalune::win32
