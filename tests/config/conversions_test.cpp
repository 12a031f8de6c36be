// Conversions every reader of config.ini relies on, and the time-of-day forms.
#include <gtest/gtest.h>

#include <climits>

#include "config/convert.h"
#include "config/time_of_day.h"

namespace horalune {
namespace {

TEST(ConvertTest, TextToIntegerTruncatesTowardZero) {
    const struct {
        const char* text;
        int expected;
    } cases[] = {
        {"12.9", 12},
        {"-3.7", -3},
        {"50.8", 50},
        {"", 0},
        {"abc", 0},
        {"-0.5", 0},
        {"+4", 4},
        {" 7", 7},
        {"7abc", 7},
        {"1e3", 1000},
        {".5", 0},
        {"-", 0},
        {"255", 255},
        {"0x1F", 0},
        {"3.", 3},
        {"1e999", INT_MAX},
        {"-99999999999", INT_MIN},
        {"16777215", 16777215},
    };
    for (const auto& c : cases) EXPECT_EQ(to_integer(c.text), c.expected) << '"' << c.text << '"';
}

TEST(ConvertTest, OnlyTheWordTrueSwitchesOn) {
    EXPECT_TRUE(is_on("真"));
    for (const char* off : {"", "假", "true", "1", "是", "真真", "TRUE"}) {
        EXPECT_FALSE(is_on(off)) << off;
    }
    EXPECT_EQ(bool_text(true), "真");
    EXPECT_EQ(bool_text(false), "假");
}

TEST(TimeOfDayTest, ReadsWhatThePagesAndThePopupWrite) {
    const struct {
        const char* text;
        TimeOfDay expected;
    } valid[] = {
        {"2000年1月1日7:5:30", {7, 5, 30}},
        {"2000年1月1日07:05:30", {7, 5, 30}},
        {"2000年1月1日07:5:", {7, 5, 0}},
        {"2000年1月1日0:0:0", {0, 0, 0}},
        {"2000年1月1日23:59:59", {23, 59, 59}},
        {"7:5:30", {7, 5, 30}},
        {"7:05", {7, 5, 0}},
        {"2026年12月8日13:00:00", {13, 0, 0}},
        {" 2000年1月1日 7:5:30 ", {7, 5, 30}},
        {"2000-01-01 07:30:00", {7, 30, 0}},
    };
    for (const auto& c : valid) {
        const auto t = parse_time_of_day(c.text);
        ASSERT_TRUE(t.has_value()) << c.text;
        EXPECT_EQ(*t, c.expected) << c.text;
    }
}

TEST(TimeOfDayTest, TextThatDoesNotConvertIsNoValidTime) {
    for (const char* text : {"", "abc", "2000年1月1日", "24:00:00", "2000年1月1日7:60:00", "7:5:60",
                             "2000年1月1日-5:3:2", "7.5:0:0", "7:5:30:1", "7",
                             "2000年1月1日7:5:30x", "99999999999999:1:1", "\n", "年月日1:2:3"}) {
        EXPECT_FALSE(parse_time_of_day(text).has_value()) << text;
    }
}

TEST(TimeOfDayTest, WrittenFormsRoundTrip) {
    EXPECT_EQ(time_of_day_text("07", "5", ""), "2000年1月1日07:5:");
    EXPECT_EQ(time_of_day_text("7", "5", "30"), "2000年1月1日7:5:30");
    for (int s = 0; s < 86400; s += 37) {
        const TimeOfDay t = TimeOfDay::from_seconds(s);
        EXPECT_EQ(parse_time_of_day(time_of_day_text(t)), t);
    }
    EXPECT_EQ(TimeOfDay::from_seconds(-30), (TimeOfDay{23, 59, 30}));
    EXPECT_EQ(TimeOfDay::from_seconds(86400 + 10), (TimeOfDay{0, 0, 10}));
}

}  // namespace
}  // namespace horalune
