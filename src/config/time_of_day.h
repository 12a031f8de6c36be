// Times of day as config.ini carries them: a date-time on the fixed date 2000-01-01.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace horalune {

struct TimeOfDay {
    int hour = 0;
    int minute = 0;
    int second = 0;

    int seconds_since_midnight() const { return hour * 3600 + minute * 60 + second; }
    static TimeOfDay from_seconds(long long seconds);  // wraps into one day
    static TimeOfDay of(const DateTime& t) { return {t.hour, t.minute, t.second}; }
    bool operator==(const TimeOfDay&) const = default;
};

// Reads "2000年1月1日7:5:30", "2000年1月1日07:05:30" (what the program writes), the same without
// the date, and "h:m" (seconds 0). A field left empty, as an empty box saves it ("07:5:"), is 0.
// Anything else - letters, signs, fractions, an hour above 23, a minute or second above 59 -
// is no valid time.
std::optional<TimeOfDay> parse_time_of_day(std::string_view text);

// The form the program writes for a computed time: "2000年1月1日HH:MM:SS".
std::string time_of_day_text(const TimeOfDay& time);

// The form the settings pages write: the three boxes joined exactly as typed.
std::string time_of_day_text(std::string_view hour, std::string_view minute,
                             std::string_view second);

}  // namespace horalune
