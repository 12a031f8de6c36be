// The clock's texts: three time formats, the date, the weekday and the tray tip.
#include "analog/time_text.h"

#include <gtest/gtest.h>

namespace horalune {
namespace {

DateTime at(int h, int m, int s) {
    return {2026, 12, 7, h, m, s, 0, 1};
}

TEST(TimeTextTest, Formats) {
    const struct {
        DateTime t;
        int format;
        const char* text;
    } cases[] = {
        {at(9, 5, 7), 0, "09:05:07"},    {at(9, 5, 7), 1, "09时05分07秒"},
        {at(0, 15, 9), 2, "00:15:09"},   {at(12, 15, 9), 2, "12:15:09"},
        {at(13, 15, 9), 2, "01:15:09"},  {at(23, 59, 59), 2, "11:59:59"},
        {at(23, 59, 59), 7, "23:59:59"}, {at(13, 0, 0), -1, "13:00:00"},
    };
    for (const auto& c : cases) EXPECT_EQ(time_text(c.t, c.format), c.text) << c.format;
    EXPECT_EQ(time_text(at(13, 15, 9)), "13:15:09");
}

TEST(TimeTextTest, DateWeekdayAndTrayTip) {
    EXPECT_EQ(date_text(at(0, 0, 0)), "2026年12月07日");
    const char* names[] = {"星期日", "星期一", "星期二", "星期三", "星期四", "星期五", "星期六"};
    for (int d = 0; d < 7; ++d) {
        DateTime t = at(0, 0, 0);
        t.weekday = d;
        EXPECT_EQ(weekday_text(t), names[d]);
    }
    EXPECT_EQ(tray_tip_text({2026, 3, 1, 10, 0, 0, 0, 0}), "Horalune  2026年03月01日 星期日");
}

}  // namespace
}  // namespace horalune
