#include "events/reminder_page.h"

#include "events/quick_presets.h"
#include "settings/sound_row.h"

namespace horalune {

using namespace reminder_page;

const std::vector<std::string_view> reminder_page::kLevelItems = {"一级", "二级", "三级", "四级",
                                                                  "五级"};

namespace {
constexpr TimeBoxes kTimeBoxes{.hour = kHourBox, .minute = kMinuteBox, .second = kSecondBox};
}  // namespace

std::span<const Binding> reminder_page::bindings() {
    static const Binding kTable[] = {
        check_binding(kChimeOn, &ChimeSettings::on),
        check_binding(kChimeVibrate, &ChimeSettings::vibrate),
        level_binding(kChimeLevel, &ChimeSettings::vibrate_level),
        check_binding(kChimeSoundOn, &ChimeSettings::sound_on),
        text_binding(kChimeSoundPath, &ChimeSettings::sound_path),
        check_binding(kReminderOn, &ReminderSettings::on),
        check_binding(kReminderVibrate, &ReminderSettings::vibrate),
        level_binding(kReminderLevel, &ReminderSettings::vibrate_level),
        check_binding(kReminderSoundOn, &ReminderSettings::sound_on),
        text_binding(kReminderSoundPath, &ReminderSettings::sound_path),
        check_binding(kReminderTextOn, &ReminderSettings::text_on),
        text_binding(kReminderText, &ReminderSettings::text),
        time_binding(kTimeBoxes, &ReminderSettings::time),
    };
    return kTable;
}

std::vector<ControlDesign> reminder_page::controls() {
    const Rect chime{1, 25, 376, 80};
    const Rect reminder{1, 105, 376, 139};
    const auto check = [](std::string_view name, Rect r, std::string_view caption) {
        return ControlDesign{name, ControlKind::check_box, r, caption};
    };
    const auto label = [](std::string_view name, Rect r, std::string_view caption) {
        return ControlDesign{name, ControlKind::label, r, caption};
    };
    const auto edit = [](std::string_view name, Rect r, std::string_view text = {}) {
        return ControlDesign{name, ControlKind::edit, r, text};
    };
    const auto button = [](std::string_view name, Rect r, std::string_view caption) {
        return ControlDesign{name, ControlKind::button, r, caption};
    };
    ControlDesign chime_level{kChimeLevel, ControlKind::drop_list, {264, 16, 100, 20}};
    chime_level.items = kLevelItems;
    ControlDesign reminder_level{kReminderLevel, ControlKind::drop_list, {160, 46, 100, 20}};
    reminder_level.items = kLevelItems;
    const ControlDesign presets = quick_preset_list(kPresets, {288, 17, 72, 20}, kTabPresetCaption);

    std::vector<ControlDesign> in_chime = {
        check(kChimeOn, {16, 14, 80, 24}, "整点报时"),
        check(kChimeVibrate, {100, 14, 80, 24}, "震动时钟"),
        label("标签13", {192, 14, 64, 24}, "震动级别："),
        chime_level,
        check(kChimeSoundOn, {16, 44, 80, 24}, "声音提示"),
        edit(kChimeSoundPath, {100, 44, 160, 20}),
        button(kChimeSoundPicker, {262, 44, 65, 20}, "选择声音"),
        button(kChimeSoundPreview, {335, 44, 32, 20}, "试听"),
    };
    std::vector<ControlDesign> in_reminder = {
        check(kReminderOn, {16, 16, 96, 24}, "定时提醒设置"),
        edit(kHourBox, {119, 16, 25, 20}),
        label("标签1", {149, 16, 20, 24}, "时"),
        edit(kMinuteBox, {171, 16, 25, 20}),
        label("标签2", {201, 16, 20, 24}, "分"),
        edit(kSecondBox, {223, 16, 25, 20}),
        label("标签3", {253, 16, 20, 24}, "秒"),
        presets,
        check(kReminderVibrate, {16, 46, 80, 24}, "震动时钟"),
        label("标签10", {100, 45, 64, 24}, "震动级别："),
        reminder_level,
        check(kReminderSoundOn, {16, 74, 80, 24}, "声音提示"),
        edit(kReminderSoundPath, {100, 77, 160, 20}),
        button(kReminderSoundPicker, {262, 77, 65, 20}, "选择声音"),
        button(kReminderSoundPreview, {335, 77, 32, 20}, "试听"),
        check(kReminderTextOn, {16, 106, 80, 24}, "文字提醒"),
        edit(kReminderText, {100, 106, 265, 20}, "感谢您使用本软件。"),
    };
    // Group boxes after their contents: what comes first lies on top.
    std::vector<ControlDesign> all;
    for (const ControlDesign& c : in_chime) all.push_back(placed_in(chime, c));
    for (const ControlDesign& c : in_reminder) all.push_back(placed_in(reminder, c));
    all.push_back({"分组框3", ControlKind::group_box, chime, "整点闹钟"});
    all.push_back({"分组框2", ControlKind::group_box, reminder, "定时提醒"});
    return all;
}

void ReminderPage::bind(Form& form) {
    bind_time_presets(form, kPresets, kTimeBoxes);
    bind_sound_row(form, platform_,
                   {kChimeSoundPicker, kChimeSoundPreview, kChimeSoundPath, kChimeSoundOn});
    bind_sound_row(
        form, platform_,
        {kReminderSoundPicker, kReminderSoundPreview, kReminderSoundPath, kReminderSoundOn});
}

void ReminderPage::load(Form& form) {
    // A copy: nothing a control does may change what is being shown.
    const Settings saved = globals_.settings();
    load_bindings(bindings(), form, {saved, platform_.now()});
}

bool ReminderPage::check(Form& form) {
    return check_bindings(bindings(), form, platform_);
}

void ReminderPage::save(Form& form) {
    save_bindings(bindings(), form, globals_);
}

}  // namespace horalune
