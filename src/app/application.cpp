#include "app/application.h"

#include "analog/face_background.h"
#include "app/settings_pages.h"
#include "buttons/function_buttons.h"
#include "config/convert.h"
#include "config/names.h"
#include "desktop/about_window.h"
#include "desktop/autohide.h"
#include "desktop/heart.h"
#include "desktop/menus.h"
#include "desktop/monitors.h"
#include "events/shutdown_prompt.h"
#include "events/vibration.h"

namespace horalune {

using namespace analog_names;

Application::Application(Platform& platform)
    : platform_(platform), tray_menu_(make_tray_menu()), digital_menu_(make_digital_menu()) {
    platform_.set_event_sink(this);
}

Application::~Application() {
    exit_routine();
    platform_.set_event_sink(nullptr);
}

void Application::create() {
    analog_ = std::make_unique<AnalogWindow>(platform_);
    start_up();
}

int Application::run() {
    const int code = platform_.run_event_loop();
    exit_routine();
    return code;
}

void Application::start_up() {
    globals_.config_path = platform_.program_dir() + "\\" + std::string(cfg::kConfigFileName);
    load_hand_settings();
    analog_->fit_to_face();
    analog_->cut_to_mask();
    restore_windows();
    const ClockSettings& clock = globals_.settings().clock;
    if (clock.auto_hide.on()) tray_menu_.item(menu_text::kAutoHide).checked = true;
    clock_style_ = static_cast<std::uint8_t>(to_integer(clock.style));
    analog_->face().set_picture_mode(clock.picture_mode);
    choose_background();
    load_button_faces(*analog_, platform_.program_dir(), clock_style_);
    load_button_icons(*analog_, platform_.program_dir());
    buttons_ = std::make_unique<ButtonContext>(
        ButtonContext{.platform = platform_,
                      .window = *analog_,
                      .program_dir = platform_.program_dir(),
                      .open_dialup_window = [this] { open_dialup_window(); }});
    share_button_handlers(*buttons_);
    if (globals_.settings().other.heart.off()) {
        analog_->form().set_interval(kHeartTimer, 0);
        tray_menu_.item(menu_text::kHeart).checked = false;
        analog_->form().control(kHeart).visible = false;
    }
    // Until the first tick the face shows its background only.
    analog_->face().clear();
    analog_->refresh();
    tick_ = std::make_unique<SecondTick>(platform_, globals_, *analog_, *this);
    analog_->form().on_timer(kSecondTimer, [this] {
        (*tick_)();
        // The tick has just looked at config.ini: a second look would find the same.
        arm_autohide(globals_.config.last_read());
    });
    analog_->form().on_timer(kVibrateTimer, [this] {
        vibrate_step(platform_, globals_, *analog_, digital_ ? digital_->window() : kNoWindow);
    });
    analog_->form().on_timer(kHeartTimer,
                             [this] { heart_tick(platform_, *analog_, heart_random_); });
    analog_->form().on_timer(kAutoHideTimer, [this] {
        autohide_tick(platform_, globals_, analog_->form().window(),
                      digital_ ? digital_->window() : kNoWindow);
    });
    arm_autohide();
}

void Application::arm_autohide(const Settings* seen) {
    // The timer wakes the program three times a second: it runs only while a switch is on.
    // The second tick looks again, so a switch edited in config.ini counts from the next second.
    const bool digital_open = digital_ != nullptr;
    const bool wanted =
        seen ? autohide_wanted(*seen, digital_open) : autohide_wanted(globals_, digital_open);
    const int interval = wanted ? kAutoHideInterval : 0;
    Form& form = analog_->form();
    if (form.interval(kAutoHideTimer) != interval) form.set_interval(kAutoHideTimer, interval);
}

void Application::load_hand_settings() {
    const ClockSettings& c = globals_.settings().clock;
    globals_.hand_colour = {c.hour_colour, c.minute_colour, c.second_colour};
    globals_.hand_length = {c.hour_length, c.minute_length, c.second_length};
    globals_.hand_width = {c.hour_width, c.minute_width, c.second_width};
}

void Application::restore_windows() {
    const OtherSettings& other = globals_.settings().other;
    if (other.digital_shown) open_digital_clock();
    if (other.clock_shown) analog_->form().show(true);
    keep_clocks_reachable();
    // The clock was created visible: the items name what they do to the windows as they are.
    name_show_items();
}

void Application::name_show_items() {
    const auto set_both = [this](std::string_view key, std::string_view caption) {
        tray_menu_.item(key).caption = caption;
        digital_menu_.item(key).caption = caption;
    };
    set_both(menu_text::kShowClock,
             analog_->form().visible() ? menu_text::kHideClock : menu_text::kShowClock);
    set_both(menu_text::kShowDigital, digital_ ? menu_text::kHideDigital : menu_text::kShowDigital);
}

void Application::choose_background() {
    set_face_background(analog_->face(), globals_.settings().clock.background, clock_style_);
}

void Application::disarm_shutdown() {
    globals_.save(&ShutdownSettings::on, false);
}

void Application::exit_routine() {
    if (exited_) return;
    exited_ = true;
    globals_.config_path.clear();
    globals_.digital_kind.clear();
    globals_.hand_length = {};
    globals_.hand_colour = {};
    globals_.hand_width = {};
}

// Every event from the desktop is one turn: a window that closes itself while it is handled is
// destroyed after the event has returned.
void Application::on_timer(WindowId window, int timer_id) {
    const OpenForms::Turn turn(open_forms_);
    if (analog_ && window == analog_->form().window()) {
        analog_->form().dispatch_timer(timer_id);
    } else {
        open_forms_.route_timer(window, timer_id);
    }
}

bool Application::is_clock(WindowId window) const {
    return (analog_ && window == analog_->form().window()) ||
           (digital_ && window == digital_->window());
}

void Application::on_mouse_down(WindowId window, MouseButton button, int x, int y) {
    const OpenForms::Turn turn(open_forms_);
    // While a modal window is open a press on a clock only brings that window forward.
    if (is_clock(window) && platform_.activate_modal()) return;
    if (digital_ && window == digital_->window()) {
        // The label fills the digital clock, so a press on the window is a press on its text.
        if (button == MouseButton::left) {
            digital_->left_pressed(x, y);
        } else {
            pop_up_menu(digital_menu_, window);
        }
        return;
    }
    if (!analog_ || window != analog_->form().window()) return;
    if (analog_->button_mouse_down(button, x, y)) return;
    const AnalogHit hit = analog_->hit_test(x, y);
    if (hit.kind == AnalogHit::Kind::heart) {
        heart_pressed_ = button == MouseButton::left;  // its click comes with the release
        return;
    }
    if (hit.kind != AnalogHit::Kind::face) return;
    if (button == MouseButton::left) {
        face_left_pressed();
    } else {
        pop_up_menu(tray_menu_, window);
    }
}

void Application::on_mouse_up(WindowId window, MouseButton button, int x, int y) {
    const OpenForms::Turn turn(open_forms_);
    if (!analog_ || window != analog_->form().window()) return;
    analog_->button_mouse_up(button, x, y);
    if (button != MouseButton::left) return;
    // A click on the heart: pressed on it and released on it.
    const bool heart_click =
        heart_pressed_ && analog_->hit_test(x, y).kind == AnalogHit::Kind::heart;
    heart_pressed_ = false;
    if (heart_click) heart_clicked(platform_, *analog_);
}

void Application::on_mouse_move(WindowId window, int x, int y) {
    const OpenForms::Turn turn(open_forms_);
    if (analog_ && window == analog_->form().window()) analog_->pointer_at(std::pair{x, y});
}

void Application::on_mouse_leave(WindowId window) {
    const OpenForms::Turn turn(open_forms_);
    if (analog_ && window == analog_->form().window()) analog_->pointer_at(std::nullopt);
}

bool Application::on_key_down(WindowId window, int key) {
    const OpenForms::Turn turn(open_forms_);
    // F4 with any modifier is swallowed, so Alt+F4 cannot close a clock window.
    if (analog_ && window == analog_->form().window()) return key == kKeyF4;
    return open_forms_.route_key(window, key);
}

void Application::on_tray_click(WindowId owner, MouseButton button) {
    const OpenForms::Turn turn(open_forms_);
    if (!analog_ || owner != analog_->form().window()) return;
    if (platform_.activate_modal()) return;  // the open modal window comes forward, no more
    if (button == MouseButton::right) {
        pop_up_menu(tray_menu_, owner);
        return;
    }
    // The way back to a hidden clock: shown as "显示时钟" shows it, and brought forward.
    if (!analog_->form().visible()) show_analog_clock(true);
    platform_.activate_window(owner);
}

void Application::on_control(WindowId window, int control, ControlEvent event) {
    const OpenForms::Turn turn(open_forms_);
    // The digital clock's text reports its presses as a control's.
    if (event == ControlEvent::left_down && is_clock(window) && platform_.activate_modal()) return;
    open_forms_.route_control(window, control, event);
}

void Application::on_control_input(WindowId window, int control, const ControlValue& value) {
    const OpenForms::Turn turn(open_forms_);
    open_forms_.route_input(window, control, value);
}

void Application::face_left_pressed() {
    // A press on the face silences an alert, then starts a move; without a move it only silences.
    stop_shaking(*analog_);
    platform_.stop_sound();
    platform_.begin_window_drag(analog_->form().window());
}

void Application::pop_up_menu(Menu& menu, WindowId owner) {
    if (settings_dialog_open()) return;
    name_show_items();
    std::vector<PopupItem> items;
    for (const MenuItem& item : menu.items()) items.push_back({item.caption, item.checked});
    const int picked = platform_.popup_menu(owner, items);
    if (picked < 0 || picked >= static_cast<int>(menu.items().size())) return;
    const std::string key = menu.items()[static_cast<std::size_t>(picked)].key;
    if (key.empty()) return;
    if (&menu == &digital_menu_) {
        run_digital_menu_command(key);
    } else {
        run_menu_command(key);
    }
}

void Application::run_digital_menu_command(std::string_view item) {
    // "自动隐藏" is the digital clock's own here; every other item does what the tray's does.
    if (item == menu_text::kAutoHide) {
        toggle_digital_autohide();
    } else if (item == menu_text::kUptime) {
        toggle_running_time();
    } else {
        run_menu_command(item);
    }
}

void Application::run_menu_command(std::string_view item) {
    if (item == menu_text::kExit) {
        exit_program();
    } else if (item == menu_text::kAbout) {
        show_about();
    } else if (item == menu_text::kShowClock) {
        toggle_analog_clock();
    } else if (item == menu_text::kHeart) {
        toggle_heart(*analog_, tray_menu_, globals_);
    } else if (item == menu_text::kAutoHide) {
        toggle_clock_autohide(tray_menu_, globals_);
        arm_autohide();
    } else if (item == menu_text::kShowDigital) {
        toggle_digital_clock();
    } else if (item == menu_text::kButtonSettings) {
        open_settings(settings::kButtonPage);
    } else if (item == menu_text::kClockSettings) {
        open_settings(settings::kClockPage);
    } else if (item == menu_text::kReminderSettings) {
        open_settings(settings::kReminderPage);
    } else if (item == menu_text::kShutdownSettings) {
        open_settings(settings::kShutdownPage);
    }
}

void Application::exit_program() {
    disarm_shutdown();
    platform_.remove_tray_icon(analog_->form().window());
    tray_tip_.reset();
    platform_.quit(0);
}

void Application::open_settings(int page) {
    if (!settings_) {
        settings_ = std::make_unique<SettingsDialog>(SettingsDialog::Context{
            .platform = platform_,
            .forms = open_forms_,
            .pages = make_settings_pages(platform_, globals_, *analog_,
                                         [this] { return digital_.get(); }),
            .closed = [this] { open_forms_.drop_later(std::move(settings_)); }});
    }
    settings_->open_on(page);
}

void Application::show_about() {
    AboutWindow about(platform_);
    // The entry outlives the form by a moment; it only forgets the form's address.
    const OpenForms::Entry listed(open_forms_, about.form());
    about.run();
}

void Application::toggle_analog_clock() {
    // Toggles the window's real visibility, whatever the items said before.
    show_analog_clock(!analog_->form().visible());
}

void Application::show_analog_clock(bool show) {
    Form& form = analog_->form();
    form.show(show);
    if (show) {
        // A hidden clock was not drawn, and its heart rested.
        tick_->redraw_face();
        if (tray_menu_.item(menu_text::kHeart).checked)
            form.set_interval(kHeartTimer, heart::kStartInterval);
    }
    name_show_items();
    globals_.save(&OtherSettings::clock_shown, show);
}

void Application::open_digital_clock() {
    digital_ = std::make_unique<DigitalWindow>(
        DigitalWindow::Context{platform_, globals_, open_forms_, digital_menu_, *analog_});
}

void Application::toggle_digital_clock() {
    const bool open = digital_ == nullptr;
    if (open) {
        open_digital_clock();
    } else {
        digital_.reset();
    }
    name_show_items();
    globals_.save(&OtherSettings::digital_shown, open);
    arm_autohide();
}

void Application::toggle_running_time() {
    MenuItem& item = digital_menu_.item(menu_text::kUptime);
    const bool uptime_shown = item.caption == menu_text::kTimeNow;
    item.caption = uptime_shown ? menu_text::kUptime : menu_text::kTimeNow;
    globals_.save(&DigitalSettings::kind, uptime_shown ? cfg::kKindTime : cfg::kKindUptime);
    // Read back, as set-up does: the tick shows whatever the file now says.
    globals_.digital_kind = globals_.settings().digital.kind;
}

void Application::toggle_digital_autohide() {
    MenuItem& item = digital_menu_.item(menu_text::kAutoHide);
    item.checked = !item.checked;
    globals_.save(&DigitalSettings::auto_hide, item.checked);
    arm_autohide();
}

bool Application::digital_clock_open() {
    return digital_ != nullptr;
}

void Application::set_digital_text(const std::string& text) {
    if (digital_) digital_->set_text(text);
}

void Application::open_reminder_popup(const std::string& text) {
    // One popup at a time: a reminder that comes while it is open takes it over.
    if (!reminder_popup_) {
        reminder_popup_ = std::make_unique<ReminderPopup>(
            platform_, globals_, open_forms_,
            ReminderPopup::Hooks{[this] { open_settings(settings::kReminderPage); },
                                 [this] { open_forms_.drop_later(std::move(reminder_popup_)); }});
    }
    reminder_popup_->show_text(text);
}

void Application::open_shutdown_prompt() {
    ShutdownPrompt prompt(platform_, globals_, open_forms_);
    prompt.run();
}

void Application::set_tray_tip(const std::string& tip) {
    // The tip is the date: the shell hears of it once a day, not every second.
    if (tray_tip_ == tip) return;
    tray_tip_ = tip;
    platform_.set_tray_icon(analog_->form().window(), tip);
}

void Application::open_dialup_window() {
    if (dialup_) {
        platform_.activate_window(dialup_->form().window());
        return;
    }
    dialup_ = std::make_unique<DialupWindow>(DialupWindow::Context{
        platform_, globals_, open_forms_, [this] { open_forms_.drop_later(std::move(dialup_)); }});
}

void Application::on_dialup_status(const std::string& text) {
    const OpenForms::Turn turn(open_forms_);
    if (dialup_) dialup_->show_status(text);
}

void Application::on_display_changed() {
    keep_clocks_reachable();
}

void Application::keep_clocks_reachable() {
    // A clock left on a monitor that is gone, beyond a shrunken one, or placed by a scale that
    // leaves the screen smaller in logical pixels, could not be reached to drag it back.
    if (analog_) keep_on_a_monitor(platform_, analog_->form().window());
    if (digital_) keep_on_a_monitor(platform_, digital_->window());
}

void Application::on_dpi_changed(WindowId window) {
    const OpenForms::Turn turn(open_forms_);
    if (analog_ && window == analog_->form().window()) {
        analog_->set_dpi(platform_.window_dpi(window));
        analog_->cut_to_mask();
        analog_->face().clear();
        if (tick_) tick_->redraw_face();
        analog_->refresh();
        return;
    }
    open_forms_.route_dpi_change(window);
}

bool Application::on_close_request(WindowId window) {
    const OpenForms::Turn turn(open_forms_);
    if (dialup_ && window == dialup_->form().window()) {
        // Closed the way "以后再来" closes it; the window is gone already.
        dialup_->close();
        return false;
    }
    if (analog_ && window == analog_->form().window()) {
        disarm_shutdown();
        // The start window going away ends the program.
        platform_.quit(0);
    }
    return true;
}

int process_entry(Platform& platform) {
    Application app(platform);
    app.create();
    return app.run();
}

}  // namespace horalune
