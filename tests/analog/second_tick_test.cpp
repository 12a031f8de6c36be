// The second tick on virtual time: which events it starts, in which second, and how often.
#include "analog/second_tick.h"

#include <gtest/gtest.h>

#include <memory>

#include "analog/analog_window.h"
#include "config/config.h"
#include "config/time_of_day.h"
#include "platform/headless/headless_platform.h"
#include "support/quiet_sink.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

using analog_names::kSecondTimer;
using analog_names::kVibrateTimer;

struct RecordingActions : TickActions {
    bool digital_open = false;
    std::vector<std::string> digital_texts, popups, tips;
    std::vector<DateTime> prompts;
    HeadlessPlatform* platform = nullptr;
    bool digital_clock_open() override { return digital_open; }
    void set_digital_text(const std::string& t) override { digital_texts.push_back(t); }
    void open_reminder_popup(const std::string& t) override { popups.push_back(t); }
    void open_shutdown_prompt() override { prompts.push_back(platform->now()); }
    void set_tray_tip(const std::string& t) override { tips.push_back(t); }
};

class SecondTickTest : public ::testing::Test, public testing::QuietSink {
  protected:
    SecondTickTest() {
        globals.config_path = dir.file("config.ini");
        actions.platform = &platform;
        platform.set_event_sink(this);
    }
    // Starts the clock at the given local time; the tick then runs on its designed timer.
    void start_at(int h, int m, int s, int ms = 0) {
        platform.set_now({2026, 12, 8, h, m, s, ms, 2});
        window = std::make_unique<AnalogWindow>(platform);
        tick = std::make_unique<SecondTick>(platform, globals, *window, actions);
        window->form().on_timer(kSecondTimer, [this] { (*tick)(); });
    }
    void set(std::string_view section, std::string_view key, std::string_view value) {
        config_write(globals.config_path, section, key, value);
    }
    int vibrate_interval() { return window->form().interval(kVibrateTimer); }
    std::vector<HeadlessPlatform::SoundCall> plays() const {
        std::vector<HeadlessPlatform::SoundCall> out;
        for (const auto& s : platform.sound_log()) {
            if (s.kind == HeadlessPlatform::SoundCall::Kind::play) out.push_back(s);
        }
        return out;
    }

    void on_timer(WindowId, int id) override { window->form().dispatch_timer(id); }

    testing::TempDir dir;
    HeadlessPlatform platform;
    Globals globals;
    RecordingActions actions;
    std::unique_ptr<AnalogWindow> window;
    std::unique_ptr<SecondTick> tick;
};

TEST_F(SecondTickTest, ChimesAtEveryFullHourOnly) {
    set("整点报时", "整点是否报时", "真");
    set("整点报时", "是否发声", "真");
    set("整点报时", "声音路径", "C:\\chime.wav");
    set("整点报时", "是否震动", "真");
    start_at(0, 0, 0, 500);
    platform.advance(24LL * 3600 * 1000);  // a whole day of ticks
    const auto p = plays();
    ASSERT_EQ(p.size(), 24u);
    for (std::size_t i = 0; i < p.size(); ++i) {
        EXPECT_EQ(p[i].path, "C:\\chime.wav");
        EXPECT_TRUE(p[i].repeat);
        // Played in the tick just after hh:00:00 (the clock started at 00:00:00.500).
        EXPECT_EQ(p[i].at_ms, static_cast<std::int64_t>(i + 1) * 3'600'000 - 500) << i;
    }
    EXPECT_EQ(vibrate_interval(), 250);
}

TEST_F(SecondTickTest, ChimeSwitchesAreReadEverySecond) {
    start_at(13, 59, 58);
    platform.advance(5000);
    EXPECT_TRUE(plays().empty());  // off: nothing
    set("整点报时", "整点是否报时", "true");
    set("整点报时", "是否发声", "真");
    platform.set_now({2026, 12, 8, 14, 59, 58, 0, 2});
    platform.advance(5000);
    EXPECT_TRUE(plays().empty());  // "true" is not on
    set("整点报时", "整点是否报时", "真");
    platform.set_now({2026, 12, 8, 15, 59, 58, 0, 2});
    platform.advance(5000);
    EXPECT_EQ(plays().size(), 1u);
    EXPECT_EQ(vibrate_interval(), 0);  // vibration was not switched on
}

TEST_F(SecondTickTest, ReminderAtItsSecondEveryDay) {
    set("定时提醒", "是否定时提醒", "真");
    set("定时提醒", "提醒时间", "2000年1月1日7:30:0");
    set("定时提醒", "是否文字提醒", "真");
    set("定时提醒", "提醒文字", "开会");
    set("定时提醒", "是否发声", "真");
    set("定时提醒", "声音路径", "r.mid");
    start_at(7, 29, 0);
    platform.advance(3600 * 1000);
    // The next day, same second (the hours between are covered by the chime's whole day).
    platform.set_now({2026, 12, 9, 7, 29, 50, 0, 3});
    platform.advance(20 * 1000);
    EXPECT_EQ(actions.popups, (std::vector<std::string>{"开会", "开会"}));
    ASSERT_EQ(plays().size(), 2u);
    EXPECT_EQ(plays()[0].path, "r.mid");
    EXPECT_TRUE(plays()[0].repeat);
    EXPECT_EQ(vibrate_interval(), 0);
}

TEST_F(SecondTickTest, ReminderWithoutTextOpensNoPopup) {
    set("定时提醒", "是否定时提醒", "真");
    set("定时提醒", "提醒时间", "2000年1月1日07:30:00");
    set("定时提醒", "是否发声", "真");
    start_at(7, 29, 59);
    platform.advance(3000);
    EXPECT_TRUE(actions.popups.empty());
    EXPECT_EQ(plays().size(), 1u);
}

TEST_F(SecondTickTest, ChimeAndReminderInTheSameSecondLeaveTheRemindersLevel) {
    set("整点报时", "整点是否报时", "真");
    set("整点报时", "是否震动", "真");
    set("定时提醒", "是否定时提醒", "真");
    set("定时提醒", "提醒时间", "2000年1月1日9:0:0");
    set("定时提醒", "是否震动", "真");
    start_at(8, 59, 59);
    platform.advance(1500);
    EXPECT_EQ(vibrate_interval(), 251);
}

TEST_F(SecondTickTest, ShutdownPromptOpensCountdownSecondsEarly) {
    const struct {
        const char* time;
        const char* lead;
        int h, m, s;  // when the prompt opens
    } cases[] = {
        {"2000年1月1日23:0:0", "30", 22, 59, 30},
        {"2000年1月1日0:0:10", "30", 23, 59, 40},  // wraps over midnight
        {"2000年1月1日12:0:0", "", 12, 0, 0},
        {"2000年1月1日12:0:0", "90.9", 11, 58, 30},
        {"2000年1月1日0:0:5", "-10", 0, 0, 15},
    };
    set("定时关机", "是否定时关机", "真");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.time);
        set("定时关机", "关机时间", c.time);
        set("定时关机", "倒计时间", c.lead);
        actions.prompts.clear();
        const int open_at = c.h * 3600 + c.m * 60 + c.s;
        const TimeOfDay start = TimeOfDay::from_seconds(open_at - 10);
        start_at(start.hour, start.minute, start.second);
        platform.advance(20'000);
        ASSERT_EQ(actions.prompts.size(), 1u);
        const DateTime& p = actions.prompts[0];
        EXPECT_EQ((TimeOfDay{p.hour, p.minute, p.second}), TimeOfDay::from_seconds(open_at));
    }
    set("定时关机", "是否定时关机", "假");
    actions.prompts.clear();
    start_at(22, 59, 20);
    platform.advance(20'000);
    EXPECT_TRUE(actions.prompts.empty());
}

TEST_F(SecondTickTest, LateAndEarlyTicksSeeEverySecondOnce) {
    set("整点报时", "整点是否报时", "真");
    set("整点报时", "是否发声", "真");
    start_at(13, 59, 58, 900);
    platform.advance(1000);  // 13:59:59.900
    // The next tick comes late, at 14:00:02.400: the skipped 14:00:00 still chimes, once.
    platform.jump_clock(1500);
    platform.advance(1000);
    EXPECT_EQ(plays().size(), 1u);
    // A clock set back a second, then ticks as usual: no second is checked twice.
    platform.jump_clock(-1000);
    platform.advance(3000);
    EXPECT_EQ(plays().size(), 1u);
    // A clock set back an hour is a new time of day: the next full hour chimes again.
    platform.jump_clock(-3'600'000);
    platform.advance(3'600'000);
    EXPECT_EQ(plays().size(), 2u);
}

TEST_F(SecondTickTest, TrayTipAndDigitalText) {
    start_at(10, 0, 0);
    platform.set_now({2026, 3, 1, 10, 0, 0, 0, 0});
    actions.digital_open = true;
    globals.digital_kind = "已运行时间";
    platform.set_uptime_ms((26LL * 3600 + 3 * 60 + 4) * 1000 - 1000);
    platform.advance(1000);
    EXPECT_EQ(actions.tips.back(), "Horalune  2026年03月01日 星期日");
    EXPECT_EQ(actions.digital_texts.back(), "02:03:04");
    globals.digital_kind = "时间";
    globals.digital_format = 2;
    platform.set_now({2026, 3, 1, 13, 15, 8, 0, 0});
    platform.advance(1000);
    EXPECT_EQ(actions.digital_texts.back(), "01:15:09");
    actions.digital_open = false;
    platform.advance(1000);
    EXPECT_EQ(actions.digital_texts.size(), 2u);
}

TEST_F(SecondTickTest, FaceIsRedrawnEachTick) {
    start_at(10, 0, 0);
    const int before = platform.window(window->form().window())->presents;
    platform.advance(3000);
    EXPECT_EQ(platform.window(window->form().window())->presents, before + 3);
    EXPECT_FALSE(std::filesystem::exists(dir.fs() / "config.ini"));  // ticks only read
}

}  // namespace
}  // namespace horalune
