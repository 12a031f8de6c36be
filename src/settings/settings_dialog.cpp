#include "settings/settings_dialog.h"

#include <string>

#include "analog/appearance_page.h"
#include "buttons/button_page.h"
#include "buttons/sound_pickers.h"
#include "config/config.h"
#include "config/convert.h"
#include "config/names.h"
#include "config/time_of_day.h"
#include "events/reminder_page.h"
#include "events/shutdown_page.h"

namespace horalune {

using namespace settings;

namespace {

constexpr int kWidth = 375;
constexpr int kHeight = 283;
constexpr int kShutdownPageHeight = 240;
constexpr int kFrameTop = 242;
constexpr int kShutdownFrameTop = 200;
// The three buttons' places inside their frame.
constexpr Rect kOkInFrame{49, 9, 80, 20};
constexpr Rect kApplyInFrame{144, 9, 80, 20};
constexpr Rect kCancelInFrame{240, 9, 80, 20};
constexpr Rect kTabRect{-1, 0, 376, 264};
// A page's controls carry their page in the tag.
constexpr std::string_view kPageTags[4] = {"0", "1", "2", "3"};

WindowDesign make_design() {
    WindowDesign d{"设置窗口", "Horalune 配置", {50, 50, kWidth, kHeight}, {}, true, true};
    d.controls.push_back(
        {kTitleStrip, ControlKind::label, {0, 0, 378, 22}, "Horalune v1.0　＊配置＊"});
    const auto framed = [](Rect r) { return Rect{r.left, r.top + kFrameTop, r.width, r.height}; };
    d.controls.push_back({kOk, ControlKind::button, framed(kOkInFrame), "功德圆满"});
    d.controls.push_back({kApply, ControlKind::button, framed(kApplyInFrame), "立竿见影"});
    d.controls.push_back({kCancel, ControlKind::button, framed(kCancelInFrame), "半途而废"});
    d.controls.push_back({kNote,
                          ControlKind::label,
                          {0, 234, kWidth, 20},
                          "＊本处更改后立即生效！＊按ESC键退出＊",
                          0,
                          false});
    const std::vector<ControlDesign> pages[4] = {
        button_page::controls(), appearance_page::controls(), reminder_page::controls(),
        shutdown_page::controls()};
    for (int p = 0; p < 4; ++p) {
        for (ControlDesign c : pages[p]) {
            c = placed_in({kTabRect.left, kTabRect.top, 0, 0}, c);
            c.tag = kPageTags[p];
            c.visible = false;  // shown with their page
            d.controls.push_back(c);
        }
    }
    ControlDesign tabs{kTabs, ControlKind::tab, kTabRect};
    tabs.items = {"程序命令", "钟表设置", "报时提醒", "定时关机"};
    tabs.selected = 0;
    d.controls.push_back(tabs);
    return d;
}

}  // namespace

const WindowDesign& settings_dialog_design() {
    static const WindowDesign design = make_design();
    return design;
}

SettingsDialog::SettingsDialog(Context context) : context_(std::move(context)) {
    // Made hidden: the page is filled before the user sees it.
    form_ = std::make_unique<ListedForm>(context_.forms, context_.platform,
                                         settings_dialog_design(), false);
    Form& f = *form_;
    f.on_control(kTitleStrip, ControlEvent::left_down,
                 [this] { context_.platform.begin_window_drag(form_->window()); });
    f.on_control(kOk, ControlEvent::clicked, [this] { ok(); });
    f.on_control(kApply, ControlEvent::clicked, [this] { apply(); });
    f.on_control(kCancel, ControlEvent::clicked, [this] { cancel(); });
    f.on_key(kKeyEscape, [this] { close(); });  // nothing saved, the working copy stays
    bind_button_page(f, context_.platform, context_.globals);
    bind_sound_pickers(f, context_.platform);
    appearance_page::bind(f, {context_.platform, context_.globals, context_.clock, context_.digital,
                              context_.platform.program_dir()});
    reminder_page::bind(f);
    shutdown_page::bind(f, context_.platform);
}

SettingsDialog::~SettingsDialog() {
    form_.reset();
}

std::string SettingsDialog::read(std::string_view section, std::string_view key) const {
    return config_read(context_.globals.config_path, section, key);
}

void SettingsDialog::write(std::string_view section, std::string_view key,
                           std::string_view value) const {
    config_write(context_.globals.config_path, section, key, value);
}

int SettingsDialog::page() const {
    return form_->selected(kTabs);
}

void SettingsDialog::open_on(int page) {
    form_->set_selected(kTabs, page);
    load_page();
    form_->show(true);
    context_.platform.activate_window(form_->window());
}

void SettingsDialog::show_page_controls(int page) {
    for (const Control& c : form_->controls()) {
        if (c.tag.empty()) continue;
        const bool on_page = c.tag == kPageTags[std::clamp(page, 0, 3)];
        if (c.visible != on_page) form_->set_visible(c.name, on_page);
    }
}

void SettingsDialog::move_button_frame(int top) {
    form_->move_control(kOk, kOkInFrame.left, top + kOkInFrame.top);
    form_->move_control(kApply, kApplyInFrame.left, top + kApplyInFrame.top);
    form_->move_control(kCancel, kCancelInFrame.left, top + kCancelInFrame.top);
}

void SettingsDialog::load_page() {
    Form& f = *form_;
    const int p = page();
    show_page_controls(p);
    move_button_frame(kFrameTop);
    // A dialog reopened on another page starts from the frame every page but the clock's has.
    const bool clock_page = p == kClockPage;
    f.set_visible(kNote, false);
    for (std::string_view button : {kOk, kApply, kCancel}) f.set_visible(button, !clock_page);
    f.resize(kWidth, kHeight);
    if (p == kButtonPage) {
        prepare_button_page(f, context_.platform.program_dir());
    } else if (clock_page) {
        load_clock_page();
    } else if (p == kReminderPage) {
        load_reminder_page();
    } else {
        load_shutdown_page();
    }
}

void SettingsDialog::load_clock_page() {
    Form& f = *form_;
    const bool was_visible = f.visible();
    f.show(false);
    f.move_control(kNote, 0, 234);
    f.set_visible(kNote, true);
    for (std::string_view button : {kOk, kApply, kCancel}) f.set_visible(button, false);
    const bool digital_open = context_.digital && context_.digital() != nullptr;
    appearance_page::load(f, context_.globals.config_path, digital_open);
    f.show(was_visible);
}

void SettingsDialog::load_reminder_page() {
    using namespace reminder_page;
    Form& f = *form_;
    const auto level = [this](std::string_view section) {
        return to_integer(read(section, cfg::kVibrateLevel)) - 1;
    };
    const auto tick = [&f](std::string_view box, const std::string& value) {
        if (is_on(value)) f.set_checked(box, true);
    };
    tick(kChimeOn, read(cfg::kChime, cfg::kChimeOn));
    tick(kChimeVibrate, read(cfg::kChime, cfg::kVibrate));
    f.set_selected(kChimeLevel, level(cfg::kChime));
    tick(kChimeSoundOn, read(cfg::kChime, cfg::kSoundOn));
    f.set_text(kChimeSoundPath, read(cfg::kChime, cfg::kSoundPath));
    tick(kReminderOn, read(cfg::kReminder, cfg::kReminderOn));
    tick(kReminderVibrate, read(cfg::kReminder, cfg::kVibrate));
    f.set_selected(kReminderLevel, level(cfg::kReminder));
    tick(kReminderSoundOn, read(cfg::kReminder, cfg::kSoundOn));
    f.set_text(kReminderSoundPath, read(cfg::kReminder, cfg::kSoundPath));
    tick(kReminderTextOn, read(cfg::kReminder, cfg::kReminderTextOn));
    f.set_text(kReminderText, read(cfg::kReminder, cfg::kReminderText));
    const DateTime now = context_.platform.now();
    f.set_text(kHourBox, int_text(now.hour));
    f.set_text(kMinuteBox, int_text(now.minute));
    f.set_text(kSecondBox, int_text(now.second));
}

void SettingsDialog::load_shutdown_page() {
    using namespace shutdown_page;
    Form& f = *form_;
    move_button_frame(kShutdownFrameTop);
    f.resize(kWidth, kShutdownPageHeight);
    const auto tick = [&f](std::string_view box, const std::string& value) {
        if (is_on(value)) f.set_checked(box, true);
    };
    tick(kShutdownOn, read(cfg::kShutdown, cfg::kShutdownOn));
    const DateTime now = context_.platform.now();
    f.set_text(kHourBox, int_text(now.hour));
    f.set_text(kMinuteBox, int_text(now.minute));
    f.set_text(kSecondBox, int_text(now.second));
    f.set_selected(kModes, to_integer(read(cfg::kShutdown, cfg::kShutdownMode)) - 1);
    tick(kForce, read(cfg::kShutdown, cfg::kForceClose));
    tick(kCountdownOn, read(cfg::kShutdown, cfg::kCountdownOn));
    f.set_text(kCountdownBox, read(cfg::kShutdown, cfg::kCountdownSeconds));
    tick(kSoundOn, read(cfg::kShutdown, cfg::kSoundOn));
    f.set_text(kSoundPath, read(cfg::kShutdown, cfg::kSoundPath));
}

bool SettingsDialog::check_times() {
    const int p = page();
    std::string_view boxes[3];
    if (p == kReminderPage) {
        boxes[0] = reminder_page::kHourBox, boxes[1] = reminder_page::kMinuteBox,
        boxes[2] = reminder_page::kSecondBox;
    } else if (p == kShutdownPage) {
        boxes[0] = shutdown_page::kHourBox, boxes[1] = shutdown_page::kMinuteBox,
        boxes[2] = shutdown_page::kSecondBox;
    } else {
        return true;
    }
    constexpr double kLimits[3] = {23, 59, 59};
    constexpr double kTolerance = 0.0000001;
    for (int i = 0; i < 3; ++i) {
        if (to_number(form_->text(boxes[i])) - kLimits[i] > kTolerance) {
            context_.platform.message_box(form_->window(), std::string(kTimeError), "",
                                          MessageIcon::error);
            return false;
        }
    }
    return true;
}

void SettingsDialog::save_page() {
    const int p = page();
    if (p == kButtonPage) {
        apply_button_page(context_.platform.program_dir(), context_.clock);
    } else if (p == kReminderPage) {
        save_reminder_page();
    } else if (p != kClockPage) {
        save_shutdown_page();
    }
}

void SettingsDialog::save_reminder_page() {
    using namespace reminder_page;
    const Form& f = *form_;
    const auto flag = [&f](std::string_view box) { return bool_text(f.checked(box)); };
    const auto level = [&f](std::string_view list) { return int_text(f.selected(list) + 1); };
    write(cfg::kChime, cfg::kChimeOn, flag(kChimeOn));
    write(cfg::kChime, cfg::kVibrate, flag(kChimeVibrate));
    write(cfg::kChime, cfg::kVibrateLevel, level(kChimeLevel));
    write(cfg::kChime, cfg::kSoundOn, flag(kChimeSoundOn));
    write(cfg::kChime, cfg::kSoundPath, f.text(kChimeSoundPath));
    write(cfg::kReminder, cfg::kReminderOn, flag(kReminderOn));
    write(cfg::kReminder, cfg::kVibrate, flag(kReminderVibrate));
    write(cfg::kReminder, cfg::kVibrateLevel, level(kReminderLevel));
    write(cfg::kReminder, cfg::kSoundOn, flag(kReminderSoundOn));
    write(cfg::kReminder, cfg::kSoundPath, f.text(kReminderSoundPath));
    write(cfg::kReminder, cfg::kReminderTextOn, flag(kReminderTextOn));
    write(cfg::kReminder, cfg::kReminderText, f.text(kReminderText));
    write(cfg::kReminder, cfg::kReminderTime,
          time_of_day_text(f.text(kHourBox), f.text(kMinuteBox), f.text(kSecondBox)));
}

void SettingsDialog::save_shutdown_page() {
    using namespace shutdown_page;
    const Form& f = *form_;
    const auto flag = [&f](std::string_view box) { return bool_text(f.checked(box)); };
    // The box is the switch: an unticked shutdown must never end the session.
    write(cfg::kShutdown, cfg::kShutdownOn, flag(kShutdownOn));
    write(cfg::kShutdown, cfg::kShutdownTime,
          time_of_day_text(f.text(kHourBox), f.text(kMinuteBox), f.text(kSecondBox)));
    write(cfg::kShutdown, cfg::kForceClose, flag(kForce));
    write(cfg::kShutdown, cfg::kCountdownOn, flag(kCountdownOn));
    write(cfg::kShutdown, cfg::kCountdownSeconds, f.text(kCountdownBox));
    write(cfg::kShutdown, cfg::kShutdownMode, int_text(f.selected(kModes) + 1));
    write(cfg::kShutdown, cfg::kSoundOn, flag(kSoundOn));
    write(cfg::kShutdown, cfg::kSoundPath, f.text(kSoundPath));
}

void SettingsDialog::ok() {
    if (!check_times()) return;
    save_page();
    discard_button_page(context_.platform.program_dir());
    close();
}

void SettingsDialog::apply() {
    if (check_times()) save_page();
}

void SettingsDialog::cancel() {
    if (page() == kButtonPage) discard_button_page(context_.platform.program_dir());
    close();
}

void SettingsDialog::close() {
    // The owner destroys the dialog in this call: nothing of it may be touched afterwards.
    const auto closed = context_.closed;
    if (closed) closed();
}

}  // namespace horalune
