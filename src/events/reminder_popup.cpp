#include "events/reminder_popup.h"

#include "analog/time_text.h"
#include "config/names.h"
#include "config/time_of_day.h"
#include "events/quick_presets.h"
#include "platform/calendar.h"

namespace horalune {

namespace {

using namespace reminder_popup_names;

WindowDesign make_design() {
    WindowDesign d{"提醒窗口", "", {300, 100, 208, 117}, {}};
    // The strip reaches past the left edge; its text is centred, so it shows in full.
    ControlDesign strip{kTitleStrip, ControlKind::label, {-74, 0, 282, 22}, "Horalune 提醒您"};
    strip.centred = true;
    d.controls.push_back(strip);
    ControlDesign text{kTextBox,
                       ControlKind::edit,
                       {5, 22, 197, 66},
                       "选择[快速设置提醒]后，可以以提醒框中的内容再次设置提醒。"};
    text.multiline = true;
    d.controls.push_back(text);
    d.controls.push_back(quick_preset_list(kPresetList, {10, 91, 96, 20}, kPopupPresetCaption));
    d.controls.push_back({kAdvancedButton, ControlKind::button, {89, 92, 65, 20}, "高级设置"});
    d.controls.push_back({kCloseButton, ControlKind::button, {154, 92, 40, 20}, "关闭"});
    return d;
}

}  // namespace

const WindowDesign& reminder_popup_design() {
    static const WindowDesign design = make_design();
    return design;
}

ReminderPopup::ReminderPopup(Platform& platform, Globals& globals, OpenForms& forms, Hooks hooks)
    : platform_(platform), globals_(globals), hooks_(std::move(hooks)) {
    form_ = std::make_unique<ListedForm>(forms, platform_, reminder_popup_design());
    Form& f = *form_;
    f.on_control(kTitleStrip, ControlEvent::left_down,
                 [this] { platform_.begin_window_drag(form_->window()); });
    f.on_control(kCloseButton, ControlEvent::clicked, [this] {
        platform_.stop_sound();  // the shaking goes on until the clock is pressed
        close();
    });
    f.on_control(kAdvancedButton, ControlEvent::clicked, [this] {
        if (hooks_.open_advanced_settings) hooks_.open_advanced_settings();
        platform_.stop_sound();
        close();
    });
    bind_quick_presets(f, kPresetList, std::string(kPopupPresetCaption),
                       [this](int minutes) { snooze(minutes); });
}

ReminderPopup::~ReminderPopup() = default;

void ReminderPopup::show_text(const std::string& text) {
    if (form_) form_->set_text(kTextBox, text);
}

void ReminderPopup::snooze(int minutes) {
    const DateTime at = from_local_ms(to_local_ms(platform_.now()) + minutes * 60'000LL);
    // The text as it is now: the user may have edited it in the popup.
    const std::string text = form_->text(kTextBox);
    const std::string question =
        "将在 " + time_text(at, kTwentyFourHourFormat) + " 再次提醒您！\r\n提醒内容：" + text;
    if (!platform_.ask_ok_cancel(form_->window(), question, "", MessageIcon::information, false)) {
        return;
    }
    globals_.save(&ReminderSettings::time, time_of_day_text(TimeOfDay::of(at)));
    globals_.save(&ReminderSettings::text, text);
    platform_.stop_sound();
    close();
}

void ReminderPopup::close() {
    // The owner hands this popup to OpenForms::drop_later: the window goes after the event.
    if (hooks_.closed) hooks_.closed();
}

}  // namespace horalune
