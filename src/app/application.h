// The application object: owns the program-wide values, the analog clock window and the menus,
// runs the start-up handler, and routes the platform's events to the windows.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "analog/analog_window.h"
#include "analog/second_tick.h"
#include "buttons/dialup_window.h"
#include "buttons/function_buttons.h"
#include "config/globals.h"
#include "desktop/heart.h"
#include "digital/digital_window.h"
#include "events/reminder_popup.h"
#include "platform/platform.h"
#include "settings/settings_dialog.h"
#include "ui/menu.h"
#include "ui/open_forms.h"

namespace horalune {

class Application : public EventSink, public TickActions {
  public:
    explicit Application(Platform& platform);
    ~Application() override;

    // Process entry up to the event loop: creates the analog clock window, whose created
    // event runs the start-up handler.
    void create();
    // The event loop; runs the exit routine when it ends and returns the exit code.
    int run();

    Platform& platform() { return platform_; }
    Globals& globals() { return globals_; }
    AnalogWindow& analog() { return *analog_; }
    Menu& tray_menu() { return tray_menu_; }
    Menu& digital_menu() { return digital_menu_; }
    int clock_style() const { return clock_style_; }

    // Writes "假" to `定时关机`/`是否定时关机`: a timed shutdown never survives the program.
    void disarm_shutdown();

    // Menu commands (both menus run the same ones).
    void run_menu_command(std::string_view item);
    void exit_program();             // "退出"
    void show_about();               // "关于"
    void toggle_analog_clock();      // "显示时钟" / "隐藏时钟"
    void toggle_digital_clock();     // "显示数字钟" / "隐藏数字钟"
    void toggle_running_time();      // "已运行时间" / "现在时间" of "设置"
    void toggle_digital_autohide();  // "自动隐藏" of "设置"
    // The digital clock window while it is open, or null.
    DigitalWindow* digital_window() { return digital_.get(); }
    // The settings dialog on one of its pages (0 buttons, 1 clock, 2 reminder, 3 shutdown);
    // opened when closed, switched to the page when open. Popup menus stay shut meanwhile.
    void open_settings(int page);
    bool settings_dialog_open() const { return settings_ != nullptr; }
    SettingsDialog* settings_dialog() { return settings_.get(); }
    // The dial-up window: opened when closed, brought to the front when open.
    void open_dialup_window();
    DialupWindow* dialup_window() { return dialup_.get(); }
    // The reminder popup while it is open, or null.
    ReminderPopup* reminder_popup() { return reminder_popup_.get(); }

    // EventSink
    void on_timer(WindowId window, int timer_id) override;
    void on_mouse_down(WindowId window, MouseButton button, int x, int y) override;
    void on_mouse_up(WindowId window, MouseButton button, int x, int y) override;
    void on_mouse_move(WindowId window, int x, int y) override;
    bool on_key_down(WindowId window, int key) override;
    bool on_close_request(WindowId window) override;
    void on_mouse_leave(WindowId window) override;
    void on_tray_click(WindowId owner, MouseButton button) override;
    void on_control(WindowId window, int control, ControlEvent event) override;
    void on_control_input(WindowId window, int control, const ControlValue& value) override;
    void on_dialup_status(const std::string& text) override;
    void on_display_changed() override;
    void on_dpi_changed(WindowId window) override;

    // The open windows besides the analog clock, which get their events from here.
    OpenForms& open_forms() { return open_forms_; }

  private:
    // Runs the auto-hide timer while a switch asks for it, stops it otherwise; after `seen`
    // when given (settings just looked at), else after config.ini as it is now.
    void arm_autohide(const Settings* seen = nullptr);
    // TickActions: the windows the tick reaches into.
    bool digital_clock_open() override;
    void set_digital_text(const std::string& text) override;
    void open_reminder_popup(const std::string& text) override;
    void open_shutdown_prompt() override;
    void set_tray_tip(const std::string& tip) override;

    bool is_clock(WindowId window) const;  // the analog or the digital clock window
    void keep_clocks_reachable();
    void pop_up_menu(Menu& menu, WindowId owner);
    void run_digital_menu_command(std::string_view item);
    void open_digital_clock();
    void face_left_pressed();
    void start_up();
    void load_hand_settings();
    void restore_windows();
    // Both menus' "显示时钟" and "显示数字钟" items name what choosing them does now.
    void name_show_items();
    void show_analog_clock(bool show);  // also writes 其它/时钟状态
    void choose_background();
    void exit_routine();

    Platform& platform_;
    Globals globals_;
    Menu tray_menu_;
    std::optional<std::string> tray_tip_;  // what the shell shows; none without an icon
    Menu digital_menu_;
    std::unique_ptr<AnalogWindow> analog_;
    std::unique_ptr<SecondTick> tick_;
    std::unique_ptr<ButtonContext> buttons_;
    OpenForms open_forms_;
    std::unique_ptr<DigitalWindow> digital_;
    std::unique_ptr<SettingsDialog> settings_;
    std::unique_ptr<ReminderPopup> reminder_popup_;
    std::unique_ptr<DialupWindow> dialup_;
    int clock_style_ = 0;
    bool exited_ = false;
    bool heart_pressed_ = false;
    HeartRandom heart_random_;
};

// Process entry: the whole life of the program on the given desktop; returns the exit code.
int process_entry(Platform& platform);

}  // namespace horalune
