#include "analog/time_text.h"

#include <cstdio>

namespace horalune {

namespace {

std::string two_digits(int v) {
    char b[8];
    std::snprintf(b, sizeof b, "%02d", v);
    return b;
}

}  // namespace

std::string time_text(const DateTime& t, int format) {
    const std::string mm = two_digits(t.minute), ss = two_digits(t.second);
    if (format == 1) return two_digits(t.hour) + "时" + mm + "分" + ss + "秒";
    const int hour = format == 2 && t.hour > 12 ? t.hour - 12 : t.hour;
    return two_digits(hour) + ":" + mm + ":" + ss;
}

std::string date_text(const DateTime& t) {
    return std::to_string(t.year) + "年" + two_digits(t.month) + "月" + two_digits(t.day) + "日";
}

std::string weekday_text(const DateTime& t) {
    static constexpr const char* kNames[7] = {"星期日", "星期一", "星期二", "星期三",
                                              "星期四", "星期五", "星期六"};
    return kNames[((t.weekday % 7) + 7) % 7];
}

std::string tray_tip_text(const DateTime& t) {
    return "Horalune  " + date_text(t) + " " + weekday_text(t);
}

}  // namespace horalune
