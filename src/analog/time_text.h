// Texts made from a date-time: the clock formats, the date, the weekday, the tray tip.
#pragma once

#include <string>

#include "platform/platform.h"

namespace horalune {

// The time formats: "09:05:07"; "09时05分07秒"; the 12-hour clock without a mark ("01:15:09"
// at 13:15:09; hours 0 and 12 stay). Any other number is the first.
enum TimeFormat : int { kTwentyFourHourFormat = 0, kChineseFormat = 1, kTwelveHourFormat = 2 };
std::string time_text(const DateTime& t, int format = kTwentyFourHourFormat);
std::string date_text(const DateTime& t);      // "2026年12月07日"
std::string weekday_text(const DateTime& t);   // "星期日" ... "星期六"
std::string tray_tip_text(const DateTime& t);  // "Horalune  2026年12月07日 星期一"

}  // namespace horalune
