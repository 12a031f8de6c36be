// The alerts of the whole program on virtual time: the reminder popup that the tick opens and
// its snooze, and the timed shutdown's countdown prompt with the power operation.
#include <gtest/gtest.h>

#include "analog/analog_window.h"
#include "config/config.h"
#include "config/time_of_day.h"
#include "events/reminder_popup.h"
#include "events/shutdown_prompt.h"
#include "support/app_fixture.h"
#include "support/form_driver.h"

namespace horalune {
namespace {

namespace rn = reminder_popup_names;
namespace sn = shutdown_prompt_names;

class AlertsTest : public testing::AppFixture {
  protected:
    void start_at(int h, int m, int s) {
        platform.set_now({2026, 12, 8, h, m, s, 0, 2});
        start();
    }
    std::string read(std::string_view section, std::string_view key) {
        return config_read(config_path(), section, key);
    }
    int vibration() { return analog().form().interval(analog_names::kVibrateTimer); }
    testing::FormDriver popup() { return {platform, app->reminder_popup()->form()}; }
    std::string clock_time() {
        const DateTime t = platform.now();
        return std::to_string(t.hour) + ":" + std::to_string(t.minute) + ":" +
               std::to_string(t.second);
    }
};

TEST_F(AlertsTest, ReminderOpensOnePopupWithItsTextSoundAndShaking) {
    write_config(
        "[定时提醒]\n是否定时提醒=真\n提醒时间=2000年1月1日7:30:00\n是否文字提醒=真\n"
        "提醒文字=喝水\n是否发声=真\n声音路径=C:\\r.wav\n是否震动=真\n震动级别=2\n");
    start_at(7, 29, 58);
    platform.advance(1500);
    EXPECT_EQ(app->reminder_popup(), nullptr);
    platform.advance(1000);
    ASSERT_NE(app->reminder_popup(), nullptr);
    EXPECT_EQ(popup().form.text(rn::kTextBox), "喝水");
    ASSERT_TRUE(platform.sounding());
    EXPECT_EQ(platform.sounding()->path, "C:\\r.wav");
    EXPECT_TRUE(platform.sounding()->repeat);
    EXPECT_EQ(vibration(), 251);

    // A day later the open popup is reused with the new text.
    config_write(config_path(), "定时提醒", "提醒文字", "再喝水");
    const WindowId window = popup().form.window();
    platform.advance(24 * 3600 * 1000);
    ASSERT_NE(app->reminder_popup(), nullptr);
    EXPECT_EQ(popup().form.window(), window);
    EXPECT_EQ(popup().form.text(rn::kTextBox), "再喝水");

    // 关闭 silences the sound but the clock keeps shaking until it is pressed.
    popup().press(rn::kCloseButton);
    EXPECT_EQ(app->reminder_popup(), nullptr);
    EXPECT_FALSE(platform.sounding());
    EXPECT_EQ(vibration(), 251);
    const Point face = face_point();
    platform.mouse_down(analog().form().window(), MouseButton::left, face.x, face.y);
    EXPECT_EQ(vibration(), 0);
}

TEST_F(AlertsTest, SnoozeThroughThePopupFiresAgainAfterMidnight) {
    write_config(
        "[定时提醒]\n是否定时提醒=真\n提醒时间=2000年1月1日23:50:30\n是否文字提醒=真\n"
        "提醒文字=睡觉\n");
    start_at(23, 50, 29);
    platform.advance(1500);
    ASSERT_NE(app->reminder_popup(), nullptr);
    auto p = popup();
    p.type(rn::kTextBox, "真的该睡了");
    p.event(rn::kPresetList, ControlEvent::drop_down);
    platform.answer_next_question(true);
    p.pick(rn::kPresetList, 4);  // "20分钟后"
    p.event(rn::kPresetList, ControlEvent::close_up);
    ASSERT_EQ(app->reminder_popup(), nullptr);
    ASSERT_EQ(platform.questions().size(), 1u);
    EXPECT_EQ(platform.questions()[0].text, "将在 00:10:30 再次提醒您！\r\n提醒内容：真的该睡了");
    EXPECT_EQ(parse_time_of_day(read("定时提醒", "提醒时间")), (TimeOfDay{0, 10, 30}));
    EXPECT_EQ(read("定时提醒", "提醒文字"), "真的该睡了");

    platform.advance(20 * 60 * 1000 - 1500);
    EXPECT_EQ(app->reminder_popup(), nullptr);
    platform.advance(1000);
    ASSERT_NE(app->reminder_popup(), nullptr) << clock_time();
    EXPECT_EQ(popup().form.text(rn::kTextBox), "真的该睡了");
}

TEST_F(AlertsTest, AdvancedSettingsOpensTheReminderTab) {
    write_config("[定时提醒]\n是否定时提醒=真\n提醒时间=2000年1月1日9:00:00\n是否文字提醒=真\n");
    start_at(8, 59, 59);
    platform.advance(1500);
    ASSERT_NE(app->reminder_popup(), nullptr);
    popup().press(rn::kAdvancedButton);
    EXPECT_EQ(app->reminder_popup(), nullptr);
    ASSERT_TRUE(app->settings_dialog_open());
    EXPECT_EQ(app->settings_dialog()->page(), 2);
}

class ShutdownAlertTest : public AlertsTest {
  protected:
    void arm(const std::string& extra) {
        write_config("[定时关机]\n是否定时关机=真\n关机时间=2000年1月1日23:00:00\n倒计时间=30\n" +
                     extra);
    }
    // What the prompt shows after each of its seconds, while it is open.
    std::vector<std::string> shown;
    void watch_prompt(int seconds_then_cancel) {
        platform.answer_next_modal([this, seconds_then_cancel](WindowId w) {
            for (int i = 0; i < seconds_then_cancel; ++i) {
                platform.advance(1000);
                Form* f = app->open_forms().find(w);
                if (!f) return;
                shown.push_back(f->text(sn::kSeconds) + "|" + f->text(sn::kSentence));
            }
            Form* f = app->open_forms().find(w);
            if (f) testing::FormDriver{platform, *f}.press(sn::kCancel);
        });
    }
};

TEST_F(ShutdownAlertTest, PromptOpensAheadAndThePowerGoesOffOnTheDot) {
    arm("关机方式=1\n是否强制关闭=真\n");
    start_at(22, 59, 28);
    watch_prompt(31);
    platform.advance(2500);
    ASSERT_GE(shown.size(), 30u);
    EXPECT_EQ(shown[0], "29|29秒后将关闭系统！");
    EXPECT_EQ(shown[29], "0|0秒后将关闭系统！");
    ASSERT_EQ(platform.power_calls().size(), 1u);
    const auto& call = platform.power_calls()[0];
    EXPECT_EQ(call.mode, PowerMode::shut_down);
    EXPECT_TRUE(call.force);
    EXPECT_EQ(TimeOfDay::of(call.at), (TimeOfDay{23, 0, 0}));
}

TEST_F(ShutdownAlertTest, CancelledTodayComesBackTomorrow) {
    arm("关机方式=2\n");
    start_at(22, 59, 29);
    watch_prompt(15);
    platform.advance(1500);
    EXPECT_TRUE(platform.power_calls().empty());
    EXPECT_EQ(shown.front(), "29|29秒后将重新启动！");
    EXPECT_EQ(read("定时关机", "是否定时关机"), "真");  // the switch stays on
    watch_prompt(40);
    shown.clear();
    platform.advance(24 * 3600 * 1000);
    ASSERT_EQ(platform.power_calls().size(), 1u);
    EXPECT_EQ(platform.power_calls()[0].mode, PowerMode::restart);
    EXPECT_FALSE(platform.power_calls()[0].force);
    EXPECT_EQ(platform.power_calls()[0].at.day, 9);
}

TEST_F(ShutdownAlertTest, HiddenCountdownStillEndsInThePowerOperation) {
    arm("关机方式=3\n是否倒计时=假\n");
    start_at(22, 59, 29);
    bool ever_visible = false;
    platform.answer_next_modal([&](WindowId w) {
        for (int i = 0; i < 31; ++i) {
            ever_visible = ever_visible || platform.window_visible(w);
            platform.advance(1000);
        }
        if (Form* f = app->open_forms().find(w))
            testing::FormDriver{platform, *f}.press(sn::kCancel);
    });
    platform.advance(1500);
    EXPECT_FALSE(ever_visible);
    ASSERT_EQ(platform.power_calls().size(), 1u);
    EXPECT_EQ(platform.power_calls()[0].mode, PowerMode::log_off);
    EXPECT_EQ(TimeOfDay::of(platform.power_calls()[0].at), (TimeOfDay{23, 0, 0}));
}

}  // namespace
}  // namespace horalune
