// The in-memory desktop: virtual local time and uptime that tests set and advance, windows
// that only record their state, timers on virtual time, recorded sounds.
// It shows nothing and plays nothing; it answers every call as a real desktop would.
#pragma once

#include <cstdint>
#include <functional>
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
        WindowSpec request;
        Rect rect;
        bool visible = false;
        bool alive = true;
        Image shape;    // empty until cut
        Image content;  // the last picture presented
        int presents = 0;
        int activations = 0;
        int drags = 0;
        std::vector<ControlSpec> controls;  // control id = index + 1
        bool modal = false;
        int dpi = 96;
        int dpi_changes = 0;
    };
    struct ShownMenu {
        WindowId owner;
        std::vector<PopupItem> items;
    };
    struct Message {
        std::string text, title;
        MessageIcon icon;
    };
    struct Question {
        std::string text, title;
        MessageIcon icon;
        bool default_cancel;
    };
    // A common dialog or input box the program opened, with what it was given.
    struct DialogCall {
        enum class Kind { file, colour, font, input } kind;
        std::string title, text;  // file: filter; input: prompt
        std::string initial;      // input: initial text; font: face
        int number = 0;           // colour: initial colour; font: height
        bool bold = false;        // font: the initial style
        int min = 0, max = 0;     // font: the heights offered
    };
    struct PowerCall {
        PowerMode mode;
        bool force;
        DateTime at;
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
    void set_uptime_ms(std::uint64_t ms) {
        uptime_base_ = ms;
        uptime_anchor_ = virtual_ms_;
    }
    // Moves virtual time forward, firing every timer that falls due, in time order.
    void advance(std::int64_t ms);
    // Moves the wall clock without firing anything (a system clock that jumps).
    void jump_clock(std::int64_t ms) { clock_ms_ += ms; }

    void mouse_down(WindowId w, MouseButton b, int x, int y);
    void mouse_move(WindowId w, int x, int y);
    void mouse_leave(WindowId w);
    void tray_click(WindowId owner, MouseButton b);
    // Clicks the window's native control with this caption; false when there is none.
    bool click_control(WindowId w, const std::string& caption,
                       ControlEvent e = ControlEvent::clicked);
    // Scripted answers for what the user would do in the next popup menu (the caption of the
    // item to pick; an unknown caption dismisses it) and inside the next modal window.
    void answer_next_menu(std::string caption) { menu_answers_.push_back(std::move(caption)); }
    void answer_next_modal(std::function<void(WindowId)> script) {
        modal_answers_.push_back(std::move(script));
    }
    // What the user does while the next message box, question, common dialog or input box is
    // open, before it is answered.
    void during_next_dialog(std::function<void()> action) {
        dialog_actions_.push_back(std::move(action));
    }
    // The user changes a control (types a text, ticks a box, picks an item): the value is shown
    // and reported, then `event` follows (changed, or clicked for boxes and radios).
    void user_input(WindowId w, int control, const ControlValue& value,
                    ControlEvent event = ControlEvent::changed);
    // A bare control event (a drop-down list opening or closing, a label pressed, ...).
    void control_event(WindowId w, int control, ControlEvent event);
    // A drop-down list used as the desktop's own does it: opened with the mouse, moved through
    // with the keys (the virtual-key codes below, or a typed character), closed with Return or
    // Esc or by a click on an item. Each step shows and reports what a real list reports.
    static constexpr int kKeyReturn = 13, kKeyPageUp = 33, kKeyPageDown = 34, kKeyEnd = 35,
                         kKeyHome = 36, kKeyUp = 38, kKeyDown = 40;
    static constexpr int kDroppedRows = 10;  // rows an open list shows: a page
    void drop_open(WindowId w, int control);
    void drop_key(WindowId w, int control, int key);
    void drop_type(WindowId w, int control, char first_letter);
    void drop_click(WindowId w, int control, int item);
    void drop_close(WindowId w, int control, int key);  // kKeyReturn or kKeyEscape
    // The item an open list highlights; -1 for none.
    int dropped_highlight(WindowId w, int control) const;
    // Answers for the next common dialogs (nullopt: the user cancels); unanswered ones cancel.
    void answer_next_file(std::optional<std::string> path) { file_answers_.push_back(path); }
    void answer_next_colour(std::optional<int> colour) { colour_answers_.push_back(colour); }
    void answer_next_font(std::optional<FontSpec> font) { font_answers_.push_back(font); }
    void answer_next_input(std::optional<std::string> text) { input_answers_.push_back(text); }
    void set_screen(Rect screen) { screen_ = screen; }
    // The monitors (the primary one first); without any, the screen is the one monitor.
    // set_monitors arranges them quietly, change_display as the user would: the program hears
    // of it.
    void set_monitors(std::vector<Rect> monitors) { monitors_ = std::move(monitors); }
    void change_display(std::vector<Rect> monitors);
    // Each monitor's dpi, in the order of the monitors (missing ones: 96). Windows on a
    // monitor whose scale changes hear of it, as they would on a real desktop.
    void set_monitor_dpis(std::vector<int> dpis);
    // The user drags the window to a new place; crossing onto a monitor of another scale
    // changes its dpi.
    void user_moves_window(WindowId w, int left, int top) { move_window(w, left, top); }
    // What the window and a control cover on the device at the window's dpi.
    Rect device_rect(WindowId w) const;
    Rect device_control(WindowId w, int control) const;
    int dpi_changes(WindowId w) const;
    void set_cursor(Point at) { cursor_ = at; }
    void set_nt_family(bool nt) { nt_family_ = nt; }
    void set_file_icon(const std::string& path, Image icon) { file_icons_[path] = std::move(icon); }
    void set_dialup_entries(std::vector<DialEntry> entries) { dial_entries_ = std::move(entries); }
    // The dial-up layer reports progress, as a real one does while it dials.
    void dialup_report(const std::string& status) {
        if (sink_) sink_->on_dialup_status(status);
    }
    // Answers for the next OK/Cancel questions (true = OK); unanswered ones take the default.
    void answer_next_question(bool ok) { question_answers_.push_back(ok); }
    // Where the window manager would move a window being dragged (relative move).
    void set_drag_offset(int dx, int dy) { drag_dx_ = dx, drag_dy_ = dy; }
    void set_dialup_connected(bool on) { dialup_connected_ = on; }
    void set_process_start_result(bool ok) { process_start_ok_ = ok; }
    void mouse_up(WindowId w, MouseButton b, int x, int y);
    bool key_down(WindowId w, int key);
    // A close request from outside; returns whether the window closed.
    bool request_close(WindowId w);

    // --- what tests observe -----------------------------------------------------------------
    const WindowState* window(WindowId w) const;
    // The text a control shows on screen: a password box shows a bullet per character.
    std::string displayed_text(WindowId w, int control) const;
    // The tooltip the desktop shows now over the window: its text once the pointer has rested
    // in the tooltip's area for kTooltipDelayMs; empty otherwise.
    static constexpr std::int64_t kTooltipDelayMs = 500;
    std::string tooltip_shown(WindowId w) const;
    // The tooltip as the program last set it (empty text: none).
    struct Tooltip {
        Rect area;
        std::string text;
    };
    Tooltip tooltip(WindowId w) const;
    std::vector<WindowId> live_windows() const;
    int timer_interval(WindowId w, int timer_id) const;
    const std::vector<SoundCall>& sound_log() const { return sounds_; }
    // The sound a real player would be making now: the last play call not stopped since.
    std::optional<SoundCall> sounding() const;
    const std::vector<ShownMenu>& shown_menus() const { return shown_menus_; }
    const std::vector<Message>& messages() const { return messages_; }
    const std::vector<Question>& questions() const { return questions_; }
    const std::vector<PowerCall>& power_calls() const { return power_calls_; }
    const std::vector<DialogCall>& dialogs() const { return dialogs_; }
    struct DialCall {
        std::string number, user, password;
    };
    const std::vector<DialCall>& dial_calls() const { return dial_calls_; }
    const std::vector<std::string>& started_processes() const { return processes_; }
    const std::vector<std::string>& media_commands() const { return media_commands_; }
    const std::vector<std::string>& opened_links() const { return links_; }
    int hang_ups() const { return hang_ups_; }
    std::optional<std::string> tray_tip(WindowId owner) const;
    int tray_updates() const { return tray_updates_; }
    // How often a message box, question, common dialog or input box was brought to the front.
    int dialog_activations() const { return dialog_activations_; }
    // The windows created while a modal loop ran (modal windows close before it returns).
    const std::vector<WindowSpec>& window_history() const { return window_history_; }
    bool quit_requested() const { return exit_code_.has_value(); }
    std::optional<int> exit_code() const { return exit_code_; }
    void set_capability(Capability c, bool on) { capabilities_[c] = on; }

    // --- Platform ---------------------------------------------------------------------------
    bool can(Capability capability) const override;
    std::string program_dir() override { return program_dir_; }
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
    void message_box(WindowId owner, const std::string& text, const std::string& title,
                     MessageIcon icon) override;
    int create_control(WindowId window, const ControlSpec& request) override;
    void set_control_text(WindowId window, int control, const std::string& text) override;
    void update_control(WindowId window, int control, const ControlSpec& state) override;
    bool ask_ok_cancel(WindowId owner, const std::string& text, const std::string& title,
                       MessageIcon icon, bool default_cancel) override;
    std::optional<std::string> choose_file(WindowId owner, const std::string& title,
                                           const std::string& filter) override;
    std::optional<int> choose_colour(WindowId owner, int colour) override;
    std::optional<FontSpec> choose_font(WindowId owner, const FontSpec& initial, int min_height,
                                        int max_height) override;
    std::optional<std::string> input_box(WindowId owner, const std::string& prompt,
                                         const std::string& title,
                                         const std::string& initial) override;
    Size measure_text(WindowId window, const ControlSpec& control) override;
    Rect screen_rect() override { return screen_; }
    std::vector<Rect> monitor_rects() override {
        return monitors_.empty() ? std::vector<Rect>{screen_} : monitors_;
    }
    Point cursor_pos() override { return cursor_; }
    bool is_nt_family() override { return nt_family_; }
    Image file_icon(const std::string& path) override;
    std::vector<DialEntry> dialup_entries() override { return dial_entries_; }
    void dialup_dial(const std::string& number, const std::string& user,
                     const std::string& password) override {
        dial_calls_.push_back({number, user, password});
    }
    void power_operation(PowerMode mode, bool force) override {
        power_calls_.push_back({mode, force, now()});
    }
    void run_modal(WindowId window) override;
    void end_modal(WindowId window) override;
    bool activate_modal() override;
    void open_link(const std::string& target) override { links_.push_back(target); }
    void set_tooltip(WindowId window, const Rect& area, const std::string& text) override;
    void set_timer(WindowId window, int timer_id, int interval_ms) override;
    void set_aligned_timer(WindowId window, int timer_id, int interval_ms) override;
    void set_event_sink(EventSink* sink) override { sink_ = sink; }
    int run_event_loop() override;
    void quit(int exit_code) override { exit_code_ = exit_code; }
    void play_sound(const std::string& path, bool repeat) override;
    void play_mp3(const std::string& path) override;
    void stop_sound() override;
    void set_tray_icon(WindowId owner, const std::string& tip) override;
    void remove_tray_icon(WindowId owner) override { tray_.erase(owner); }
    bool start_process(const std::string& command_line) override;
    void send_media_command(const std::string& command) override {
        media_commands_.push_back(command);
    }
    bool dialup_connected() override { return dialup_connected_; }
    void dialup_hang_up() override {
        ++hang_ups_;
        dialup_connected_ = false;
    }

  private:
    struct Timer {
        int interval = 0;
        std::int64_t due = 0;
        std::uint64_t generation = 0;  // restarts make earlier dues stale
        bool aligned = false;
    };
    std::int64_t next_due(const Timer& t) const;
    WindowState* live(WindowId w);
    // The dpi of the monitor the window lies on most; tells the program when it changed.
    void follow_dpi(WindowId w);
    ControlSpec* control_of(WindowId w, int control);
    // The user moved the highlight of an open list to `item`: shown and reported.
    void drop_move(WindowId w, int control, int item);
    struct Dropped {
        int selected_at_open = -1;
    };
    std::map<std::pair<WindowId, int>, Dropped> dropped_;
    // A message box, question, common dialog or input box is open while this lives.
    class DialogOpen {
      public:
        explicit DialogOpen(HeadlessPlatform& platform);
        ~DialogOpen();
        DialogOpen(const DialogOpen&) = delete;
        DialogOpen& operator=(const DialogOpen&) = delete;

      private:
        HeadlessPlatform& platform_;
    };

    std::string program_dir_ = ".";
    std::int64_t clock_ms_ = 0;    // local time, ms since 2000-01-01 00:00:00
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
    std::vector<std::string> menu_answers_;
    std::vector<std::function<void(WindowId)>> modal_answers_;
    std::vector<std::function<void()>> dialog_actions_;
    // The modal windows open, innermost last; kNoWindow for a dialog of the desktop's own.
    std::vector<WindowId> modal_stack_;
    int dialog_activations_ = 0;
    std::vector<ShownMenu> shown_menus_;
    std::vector<Message> messages_;
    std::vector<Question> questions_;
    std::vector<bool> question_answers_;
    std::vector<PowerCall> power_calls_;
    std::vector<DialogCall> dialogs_;
    std::vector<std::optional<std::string>> file_answers_, input_answers_;
    std::vector<std::optional<int>> colour_answers_;
    std::vector<std::optional<FontSpec>> font_answers_;
    Rect screen_{0, 0, 1024, 768};
    std::vector<Rect> monitors_;
    std::vector<int> monitor_dpis_;
    Point cursor_{512, 384};
    bool nt_family_ = true;
    std::map<std::string, Image> file_icons_;
    std::vector<DialEntry> dial_entries_;
    std::vector<DialCall> dial_calls_;
    std::vector<std::string> processes_, media_commands_, links_;
    std::map<WindowId, std::string> tray_;
    // A window's tooltip and where the pointer rests on the window, for tooltip_shown().
    struct TooltipState {
        Tooltip tool;
        std::optional<Point> pointer;
        bool inside = false;             // the pointer lies in the tool's area
        std::int64_t resting_since = 0;  // virtual ms: the pointer came into the area
        bool dismissed = false;          // a button was pressed since
    };
    void tooltip_pointer(WindowId w, std::optional<Point> pointer);
    std::map<WindowId, TooltipState> tooltips_;
    std::vector<WindowSpec> window_history_;
    int tray_updates_ = 0;
    int hang_ups_ = 0;
    int drag_dx_ = 0, drag_dy_ = 0;
    bool dialup_connected_ = false;
    bool process_start_ok_ = true;
};

}  // namespace horalune
