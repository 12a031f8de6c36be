#include "events/shutdown_page.h"

#include "events/quick_presets.h"
#include "settings/sound_row.h"

namespace horalune {

using namespace shutdown_page;

namespace {
constexpr TimeBoxes kTimeBoxes{.hour = kHourBox, .minute = kMinuteBox, .second = kSecondBox};
}  // namespace

std::span<const Binding> shutdown_page::bindings() {
    // The box is the switch: an unticked shutdown must never end the session.
    static const Binding kTable[] = {
        check_binding(kShutdownOn, &ShutdownSettings::on),
        time_binding(kTimeBoxes, &ShutdownSettings::time),
        check_binding(kForce, &ShutdownSettings::force_close),
        check_binding(kCountdownOn, &ShutdownSettings::countdown_on),
        text_binding(kCountdownBox, &ShutdownSettings::countdown_seconds),
        level_binding(kModes, &ShutdownSettings::mode),
        check_binding(kSoundOn, &ShutdownSettings::sound_on),
        text_binding(kSoundPath, &ShutdownSettings::sound_path),
    };
    return kTable;
}

std::vector<ControlDesign> shutdown_page::controls() {
    const Rect group{1, 25, 377, 216};
    const ControlDesign presets = quick_preset_list(kPresets, {284, 23, 72, 20}, kTabPresetCaption);
    ControlDesign modes{kModes, ControlKind::check_list, {14, 56, 250, 35}};
    modes.items = {"关闭系统", "重新启动", "注销登录", "转入睡眠"};
    const std::vector<ControlDesign> inside = {
        {kShutdownOn, ControlKind::check_box, {14, 22, 106, 24}, "定时关机时间："},
        {kHourBox, ControlKind::edit, {126, 22, 25, 20}},
        {"标签6", ControlKind::label, {156, 22, 20, 24}, "时"},
        {kMinuteBox, ControlKind::edit, {178, 22, 25, 20}},
        {"标签7", ControlKind::label, {208, 22, 20, 24}, "分"},
        {kSecondBox, ControlKind::edit, {230, 22, 25, 20}},
        {"标签8", ControlKind::label, {260, 22, 20, 24}, "秒"},
        presets,
        modes,
        {kForce, ControlKind::check_box, {272, 72, 96, 24}, "是否强制关闭"},
        // The edit box sits in the gap the five ideographic spaces leave in the caption, so it
        // comes first and lies on top.
        {kCountdownBox, ControlKind::edit, {77, 112, 40, 20}},
        {kCountdownOn,
         ControlKind::check_box,
         {14, 112, 248, 24},
         "到时前　　　　　秒开始倒计时。"},
        {kSoundOn, ControlKind::check_box, {14, 144, 80, 24}, "倒计时声音"},
        {kSoundPath, ControlKind::edit, {96, 144, 156, 20}},
        {kSoundPicker, ControlKind::button, {256, 144, 65, 20}, "选择声音"},
        {kSoundPreview, ControlKind::button, {327, 144, 32, 20}, "试听"},
    };
    std::vector<ControlDesign> all;
    for (const ControlDesign& c : inside) all.push_back(placed_in(group, c));
    all.push_back({"分组框5", ControlKind::group_box, group, "定时关机配置"});
    return all;
}

void ShutdownPage::bind(Form& form) {
    bind_time_presets(form, kPresets, kTimeBoxes);
    bind_sound_row(form, platform_, {kSoundPicker, kSoundPreview, kSoundPath, kSoundOn});
    form.on_control(kForce, ControlEvent::clicked, [&form, &platform = platform_] {
        if (!form.checked(kForce)) return;  // unticking needs no confirmation
        const bool ok =
            platform.ask_ok_cancel(form.window(), std::string(kForceQuestion),
                                   std::string(kForceTitle), MessageIcon::question, true);
        if (!ok) form.set_checked(kForce, false);
    });
}

void ShutdownPage::load(Form& form) {
    const Settings saved = globals_.settings();
    load_bindings(bindings(), form, {saved, platform_.now()});
}

bool ShutdownPage::check(Form& form) {
    return check_bindings(bindings(), form, platform_);
}

void ShutdownPage::save(Form& form) {
    save_bindings(bindings(), form, globals_);
}

}  // namespace horalune
