#include "events/shutdown_prompt.h"

#include <cstdint>
#include <string>

namespace horalune {

namespace {

using namespace shutdown_prompt_names;

WindowDesign make_design() {
    WindowDesign d{"关机提示窗口", "", {50, 50, 207, 191}, {}};
    // Both labels are centred on the window: the sentence's label reaches past both sides.
    ControlDesign seconds{kSeconds, ControlKind::label, {53, 1, 100, 100}, "10"};
    seconds.font = {.face = "Westwood LET", .height = 80, .bold = true};
    seconds.centred = true;
    d.controls.push_back(seconds);
    ControlDesign sentence{kSentence, ControlKind::label, {-48, 104, 304, 32}, "10秒后将关闭系统"};
    sentence.centred = true;
    d.controls.push_back(sentence);
    d.controls.push_back({kRunNow, ControlKind::button, {45, 144, 57, 24}, "立即执行"});
    d.controls.push_back({kCancel, ControlKind::button, {108, 144, 57, 24}, "取消任务"});
    d.controls.push_back(
        {.name = kTimer, .kind = ControlKind::timer, .rect = {}, .interval = 1000});
    return d;
}

}  // namespace

const WindowDesign& shutdown_prompt_design() {
    static const WindowDesign design = make_design();
    return design;
}

PowerMode power_mode_of(int stored) {
    switch (stored) {
        case 1:
            return PowerMode::shut_down;
        case 2:
            return PowerMode::restart;
        case 3:
            return PowerMode::log_off;
        default:
            return PowerMode::sleep;
    }
}

std::string_view power_sentence(PowerMode mode) {
    switch (mode) {
        case PowerMode::shut_down:
            return "秒后将关闭系统！";
        case PowerMode::restart:
            return "秒后将重新启动！";
        case PowerMode::log_off:
            return "秒后将注销登录！";
        case PowerMode::sleep:
            break;
    }
    return "秒后将转入睡眠！";
}

std::string count_sentence(std::uint8_t left, PowerMode mode) {
    return std::to_string(left) + std::string(power_sentence(mode));
}

ShutdownPrompt::ShutdownPrompt(Platform& platform, Globals& globals, OpenForms& forms)
    : platform_(platform), globals_(globals), forms_(forms) {}

ShutdownPrompt::~ShutdownPrompt() {
    close();
}

void ShutdownPrompt::run() {
    // Made hidden from the start rather than shown and hidden again.
    const ShutdownSettings& settings = globals_.settings().shutdown;
    const bool shown = !settings.countdown_on.off();
    globals_.shutdown_countdown = static_cast<std::uint8_t>(settings.countdown_number());
    // Made with the real count and the mode's sentence, so its first second tells the truth.
    const std::string count = std::to_string(globals_.shutdown_countdown);
    const std::string sentence =
        count_sentence(globals_.shutdown_countdown, power_mode_of(settings.mode));
    WindowDesign design = shutdown_prompt_design();
    for (ControlDesign& control : design.controls) {
        if (control.name == kSeconds) control.caption = count;
        if (control.name == kSentence) control.caption = sentence;
    }
    form_ = std::make_unique<ListedForm>(forms_, platform_, design, shown);

    Form& f = *form_;
    f.on_timer(kTimer, [this] { count_down(); });
    f.on_control(kRunNow, ControlEvent::clicked, [this] {
        const ShutdownSettings& now = globals_.settings().shutdown;
        power_operation(power_mode_of(now.mode), now.force_close);
    });
    // The loop ends; the window goes when run() returns from it, not inside this handler.
    f.on_control(kCancel, ControlEvent::clicked, [this] { platform_.end_modal(form_->window()); });
    platform_.run_modal(f.window());
    close();
}

void ShutdownPrompt::count_down() {
    const std::uint8_t left = --globals_.shutdown_countdown;
    const ShutdownSettings& settings = globals_.settings().shutdown;
    const PowerMode mode = power_mode_of(settings.mode);
    form_->set_text(kSeconds, std::to_string(left));
    form_->set_text(kSentence, count_sentence(left, mode));
    if (settings.sound_on.on()) platform_.play_sound(settings.sound_path, false);
    // The prompt stays open: should the machine keep running, the count goes on from 255.
    if (left == 0) power_operation(mode, settings.force_close);
}

void ShutdownPrompt::power_operation(PowerMode mode, Switch force) {
    // Forced only by exactly "真": anything else waits for the running programs.
    platform_.power_operation(mode, force.on());
}

void ShutdownPrompt::close() {
    form_.reset();
}

}  // namespace horalune
