// Local calendar arithmetic (proleptic Gregorian, no time zones): a DateTime to and from a
// count of milliseconds since 2000-01-01 00:00:00.
#pragma once

#include <cstdint>

#include "platform/platform.h"

namespace horalune {

constexpr std::int64_t days_from_civil(std::int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;  // days since 1970-01-01
}

constexpr std::int64_t kDays1970To2000 = days_from_civil(2000, 1, 1);

constexpr std::int64_t to_local_ms(const DateTime& t) {
    const std::int64_t days =
        days_from_civil(t.year, static_cast<unsigned>(t.month), static_cast<unsigned>(t.day)) -
        kDays1970To2000;
    return ((days * 24 + t.hour) * 60 + t.minute) * 60'000LL + t.second * 1000LL + t.millisecond;
}

constexpr DateTime from_local_ms(std::int64_t ms) {
    std::int64_t days = ms / 86'400'000;
    std::int64_t rest = ms % 86'400'000;
    if (rest < 0) {
        rest += 86'400'000;
        --days;
    }
    const std::int64_t z = days + kDays1970To2000 + 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = static_cast<unsigned>(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    DateTime t;
    t.year = static_cast<int>(static_cast<std::int64_t>(yoe) + era * 400 + (m <= 2));
    t.month = static_cast<int>(m);
    t.day = static_cast<int>(d);
    t.hour = static_cast<int>(rest / 3'600'000);
    t.minute = static_cast<int>(rest / 60'000 % 60);
    t.second = static_cast<int>(rest / 1000 % 60);
    t.millisecond = static_cast<int>(rest % 1000);
    const std::int64_t unix_days = days + kDays1970To2000;  // 1970-01-01 was a Thursday
    t.weekday = static_cast<int>(((unix_days % 7) + 7 + 4) % 7);
    return t;
}

}  // namespace horalune
