#include "events/vibration.h"

#include <cmath>
#include <cstdint>

#include "analog/analog_window.h"

namespace horalune {

namespace {

// The two intervals differ by a millisecond only so that the timer itself says whose it is.
constexpr int kChimeInterval = 250;
constexpr int kReminderInterval = 251;

void shift(Platform& platform, WindowId window, double d) {
    const Rect r = platform.window_rect(window);
    platform.move_window(window, static_cast<int>(std::trunc(r.left + d)),
                         static_cast<int>(std::trunc(r.top + d)));
}

}  // namespace

void start_shaking(AnalogWindow& analog, ShakeSource source) {
    analog.form().set_interval(analog_names::kVibrateTimer,
                               source == ShakeSource::chime ? kChimeInterval : kReminderInterval);
}

void stop_shaking(AnalogWindow& analog) {
    analog.form().set_interval(analog_names::kVibrateTimer, 0);
}

void vibrate_step(Platform& platform, Globals& globals, AnalogWindow& analog, WindowId digital) {
    const int interval = analog.form().interval(analog_names::kVibrateTimer);
    const Settings& settings = globals.settings();
    const auto level =
        static_cast<std::uint8_t>(interval == kChimeInterval ? settings.chime.vibrate_level
                                                             : settings.reminder.vibrate_level);
    const double d = (globals.vibrate_phase == 1 ? -3.0 : 3.0) * level;
    shift(platform, analog.form().window(), d);
    if (digital != kNoWindow) shift(platform, digital, d);
    globals.vibrate_phase = globals.vibrate_phase == 1 ? 0 : 1;
}

}  // namespace horalune
