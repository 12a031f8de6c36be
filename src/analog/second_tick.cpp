#include "analog/second_tick.h"

#include "analog/analog_window.h"
#include "analog/face.h"
#include "analog/time_text.h"
#include "config/config.h"
#include "config/convert.h"
#include "config/names.h"
#include "config/time_of_day.h"
#include "platform/calendar.h"

namespace horalune {

namespace {

// Seconds that a timer may come late by and still have every second checked; a larger gap
// is a clock that was set, not a late timer, and is not caught up.
constexpr std::int64_t kCatchUpSeconds = 3;

}  // namespace

std::string SecondTick::read(std::string_view section, std::string_view key) const {
    return config_read(globals_.config_path, section, key);
}

void SecondTick::operator()() {
    digital_text();

    const DateTime now = platform_.now();
    const std::int64_t ms = to_local_ms(now);
    const std::int64_t second = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    const std::int64_t delta = last_second_ ? second - *last_second_ : kCatchUpSeconds + 1;
    // The mark moves before each check: the shutdown prompt is modal and ticks run inside it.
    // They go on from the second being checked, and once they have moved the mark this
    // (outer) tick leaves the rest to them.
    if (delta > 0 && delta <= kCatchUpSeconds) {
        for (std::int64_t s = *last_second_ + 1; s <= second && *last_second_ == s - 1; ++s) {
            last_second_ = s;
            check_events(from_local_ms(s * 1000));
        }
    } else if (delta > kCatchUpSeconds || delta < -kCatchUpSeconds) {
        last_second_ = second;
        check_events(now);
    }  // otherwise this second (or one just before it) was checked already

    actions_.set_tray_tip(tray_tip_text(platform_.now()));
    redraw_face();
}

void SecondTick::redraw_face() {
    // Nothing to show on a hidden clock; it is drawn again when shown.
    if (!analog_.form().visible()) return;
    horalune::redraw_face(analog_.face(),
                          {globals_.hand_length, globals_.hand_colour, globals_.hand_width},
                          platform_);
    analog_.refresh();
}

void SecondTick::check_events(const DateTime& at) {
    if (on_check_) on_check_(at);
    chime(at);
    reminder(at);
    shutdown(at);
}

void SecondTick::digital_text() {
    if (!actions_.digital_clock_open()) return;
    if (globals_.digital_kind == cfg::kKindTime) {
        actions_.set_digital_text(time_text(platform_.now(), globals_.digital_format));
        return;
    }
    const auto seconds = static_cast<std::int64_t>(platform_.uptime_ms() / 1000);
    DateTime t;
    t.hour = static_cast<int>(seconds / 3600 % 24);
    t.minute = static_cast<int>(seconds / 60 % 60);
    t.second = static_cast<int>(seconds % 60);
    actions_.set_digital_text(time_text(t, 0));
}

void SecondTick::chime(const DateTime& at) {
    if (!is_on(read(cfg::kChime, cfg::kChimeOn)) || at.minute != 0 || at.second != 0) return;
    if (is_on(read(cfg::kChime, cfg::kSoundOn))) {
        platform_.play_sound(read(cfg::kChime, cfg::kSoundPath), true);
    }
    if (is_on(read(cfg::kChime, cfg::kVibrate))) {
        analog_.form().set_interval(analog_names::kVibrateTimer, 250);
    }
}

void SecondTick::reminder(const DateTime& at) {
    if (!is_on(read(cfg::kReminder, cfg::kReminderOn))) return;
    const auto when = parse_time_of_day(read(cfg::kReminder, cfg::kReminderTime));
    if (!when || *when != TimeOfDay::of(at)) return;
    if (is_on(read(cfg::kReminder, cfg::kReminderTextOn))) {
        actions_.open_reminder_popup(read(cfg::kReminder, cfg::kReminderText));
    }
    if (is_on(read(cfg::kReminder, cfg::kSoundOn))) {
        platform_.play_sound(read(cfg::kReminder, cfg::kSoundPath), true);
    }
    if (is_on(read(cfg::kReminder, cfg::kVibrate))) {
        analog_.form().set_interval(analog_names::kVibrateTimer, 251);
    }
}

void SecondTick::shutdown(const DateTime& at) {
    if (!is_on(read(cfg::kShutdown, cfg::kShutdownOn))) return;
    const std::int64_t lead = to_integer(read(cfg::kShutdown, cfg::kCountdownSeconds));
    const TimeOfDay prompt_end =
        TimeOfDay::from_seconds(TimeOfDay::of(at).seconds_since_midnight() + lead);
    const auto when = parse_time_of_day(read(cfg::kShutdown, cfg::kShutdownTime));
    if (when && *when == prompt_end) actions_.open_shutdown_prompt();
}

}  // namespace horalune
