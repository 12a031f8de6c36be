#include "analog/second_tick.h"

#include "analog/analog_window.h"
#include "analog/face.h"
#include "analog/time_text.h"
#include "config/names.h"
#include "config/time_of_day.h"
#include "events/vibration.h"
#include "platform/calendar.h"

namespace horalune {

namespace {

// Seconds that a timer may come late by and still have every second checked; a larger gap
// is a clock that was set, not a late timer, and is not caught up.
constexpr std::int64_t kCatchUpSeconds = 3;

}  // namespace

void SecondTick::operator()() {
    digital_text();

    const DateTime now = platform_.now();
    const std::int64_t ms = to_local_ms(now);
    const std::int64_t second = ms / 1000 - (ms % 1000 < 0 ? 1 : 0);
    const std::int64_t delta = last_second_ ? second - *last_second_ : kCatchUpSeconds + 1;
    // One look at config.ini for the whole tick; every check below sees it as it is now.
    const Settings& settings = globals_.settings();
    // The mark moves before each check: the shutdown prompt is modal and ticks run inside it.
    // They go on from the second being checked, and once they have moved the mark this
    // (outer) tick leaves the rest to them.
    if (delta > 0 && delta <= kCatchUpSeconds) {
        for (std::int64_t s = *last_second_ + 1; s <= second && *last_second_ == s - 1; ++s) {
            last_second_ = s;
            check_events(from_local_ms(s * 1000), settings);
        }
    } else if (delta > kCatchUpSeconds || delta < -kCatchUpSeconds) {
        last_second_ = second;
        check_events(now, settings);
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
    check_events(at, globals_.settings());
}

void SecondTick::check_events(const DateTime& at, const Settings& settings) {
    if (on_check_) on_check_(at);
    chime(at, settings.chime);
    reminder(at, settings.reminder);
    shutdown(at, settings.shutdown);
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
    actions_.set_digital_text(time_text(t, kTwentyFourHourFormat));
}

void SecondTick::chime(const DateTime& at, const ChimeSettings& chime) {
    if (!chime.on.on() || at.minute != 0 || at.second != 0) return;
    if (chime.sound_on.on()) platform_.play_sound(chime.sound_path, true);
    if (chime.vibrate.on()) {
        start_shaking(analog_, ShakeSource::chime);
    }
}

void SecondTick::reminder(const DateTime& at, const ReminderSettings& reminder) {
    if (!reminder.on.on()) return;
    const auto when = parse_time_of_day(reminder.time);
    if (!when || *when != TimeOfDay::of(at)) return;
    // Copies: opening the popup may run a tick that reads the file again.
    const bool sound = reminder.sound_on.on(), vibrate = reminder.vibrate.on();
    const std::string sound_path = reminder.sound_path;
    if (reminder.text_on.on()) actions_.open_reminder_popup(reminder.text);
    if (sound) platform_.play_sound(sound_path, true);
    if (vibrate) {
        start_shaking(analog_, ShakeSource::reminder);
    }
}

void SecondTick::shutdown(const DateTime& at, const ShutdownSettings& shutdown) {
    if (!shutdown.on.on()) return;
    const std::int64_t lead = shutdown.countdown_number();
    const TimeOfDay prompt_end =
        TimeOfDay::from_seconds(TimeOfDay::of(at).seconds_since_midnight() + lead);
    const auto when = parse_time_of_day(shutdown.time);
    if (when && *when == prompt_end) actions_.open_shutdown_prompt();
}

}  // namespace horalune
