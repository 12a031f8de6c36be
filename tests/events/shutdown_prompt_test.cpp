// The shutdown countdown prompt on virtual time: what it shows each second, when and how it
// performs the power operation, and how it ends. The headless desktop records power operations
// instead of performing them.
#include "events/shutdown_prompt.h"

#include <gtest/gtest.h>

#include <functional>

#include "config/time_of_day.h"
#include "support/form_sink.h"

namespace horalune {
namespace {

using namespace shutdown_prompt_names;

class ShutdownPromptTest : public testing::FormTest {
  protected:
    ShutdownPromptTest() { platform.set_now({2026, 12, 8, 22, 59, 30, 0, 2}); }

    // Runs the prompt; `inside` plays the user while it is open, then 取消任务 ends it.
    void run(const std::function<void(Form&)>& inside) {
        platform.answer_next_modal([&](WindowId w) {
            window = w;
            ASSERT_NE(prompt.form(), nullptr);
            inside(*prompt.form());
            if (prompt.form() != nullptr) sink.press(*prompt.form(), kCancel);
        });
        prompt.run();
    }
    void seconds(int n) { platform.advance(n * 1000LL); }
    std::string number() { return prompt.form()->text(kSeconds); }
    // What the desktop shows of a label of the prompt.
    std::string shown(std::string_view name) {
        const Form& f = *prompt.form();
        const auto id = static_cast<std::size_t>(f.control(name).native_id);
        return platform.window(f.window())->controls[id - 1].caption;
    }
    std::string sentence() { return prompt.form()->text(kSentence); }
    const auto& power() const { return platform.power_calls(); }
    std::size_t plays() const {
        std::size_t n = 0;
        for (const auto& call : platform.sound_log()) {
            n += call.path == "C:\\tick.wav" && !call.repeat;
        }
        return n;
    }

    ShutdownPrompt prompt{platform, globals, forms};
    WindowId window = kNoWindow;
};

TEST_F(ShutdownPromptTest, CountsDownAndShutsDownAtTheShutdownTime) {
    write_config(
        "[定时关机]\n关机方式=1\n是否强制关闭=真\n是否倒计时=真\n倒计时间=30\n是否发声=真\n"
        "声音路径=C:\\tick.wav\n");
    run([&](Form& f) {
        EXPECT_TRUE(platform.window_visible(f.window()));
        EXPECT_EQ(number(), "30");
        EXPECT_EQ(sentence(), "30秒后将关闭系统！");
        seconds(1);
        EXPECT_EQ(number(), "29");
        EXPECT_EQ(sentence(), "29秒后将关闭系统！");
        seconds(28);
        EXPECT_EQ(number(), "1");
        EXPECT_TRUE(power().empty());
        seconds(1);
        EXPECT_EQ(sentence(), "0秒后将关闭系统！");
        ASSERT_EQ(power().size(), 1u);
        EXPECT_EQ(power()[0].mode, PowerMode::shut_down);
        EXPECT_TRUE(power()[0].force);
        EXPECT_EQ(TimeOfDay::of(power()[0].at), (TimeOfDay{23, 0, 0}));
        EXPECT_EQ(plays(), 30u);  // once a second, never repeating
        // The machine kept running: the count goes on from 255 and the prompt stays.
        seconds(1);
        EXPECT_EQ(number(), "255");
        EXPECT_TRUE(platform.window_visible(f.window()));
        seconds(255);
        ASSERT_EQ(power().size(), 2u);
        EXPECT_EQ(to_local_ms(power()[1].at) - to_local_ms(power()[0].at), 256'000);
    });
}

TEST_F(ShutdownPromptTest, FirstSecondShowsTheRealCountAndTheModesSentence) {
    const struct {
        const char* mode;
        const char* stored;  // 倒计时间
        const char* count;   // from the moment the prompt appears
        const char* sentence;
        const char* next;  // one second later
    } cases[] = {
        {"3", "15", "15", "15秒后将注销登录！", "14秒后将注销登录！"},
        {"1", "10", "10", "10秒后将关闭系统！", "9秒后将关闭系统！"},
        {"2", "60", "60", "60秒后将重新启动！", "59秒后将重新启动！"},
        {"4", "5", "5", "5秒后将转入睡眠！", "4秒后将转入睡眠！"},
        {"", "300", "44", "44秒后将转入睡眠！", "43秒后将转入睡眠！"},  // low eight bits
        {"1", "", "0", "0秒后将关闭系统！", "255秒后将关闭系统！"},
    };
    for (const auto& c : cases) {
        write_config(std::string("[定时关机]\n倒计时间=") + c.stored + "\n关机方式=" + c.mode +
                     "\n");
        run([&](Form& f) {
            // Created with these texts: the first window the desktop saw already shows them.
            EXPECT_EQ(number(), c.count) << c.mode << "/" << c.stored;
            EXPECT_EQ(sentence(), c.sentence) << c.mode << "/" << c.stored;
            EXPECT_EQ(shown(kSeconds), c.count) << c.mode << "/" << c.stored;
            EXPECT_EQ(shown(kSentence), c.sentence) << c.mode << "/" << c.stored;
            EXPECT_TRUE(platform.window_visible(f.window()));
            seconds(1);
            EXPECT_EQ(sentence(), c.next) << c.mode << "/" << c.stored;
        });
    }
}

TEST_F(ShutdownPromptTest, ModeAndForceAsStored) {
    const struct {
        const char* mode;
        const char* force;
        PowerMode expected;
        bool forced;
        const char* sentence;
    } cases[] = {
        {"1", "真", PowerMode::shut_down, true, "秒后将关闭系统！"},
        {"2", "", PowerMode::restart, false, "秒后将重新启动！"},
        {"3", "假", PowerMode::log_off, false, "秒后将注销登录！"},
        {"4", "真 ", PowerMode::sleep, false, "秒后将转入睡眠！"},
        {"0", "1", PowerMode::sleep, false, "秒后将转入睡眠！"},
        {"5", "是", PowerMode::sleep, false, "秒后将转入睡眠！"},
        {"", "真", PowerMode::sleep, true, "秒后将转入睡眠！"},
        {"2.7", "真", PowerMode::restart, true, "秒后将重新启动！"},
        {"259", "真", PowerMode::sleep, true, "秒后将转入睡眠！"},
    };
    for (const auto& c : cases) {
        write_config(std::string("[定时关机]\n倒计时间=3\n关机方式=") + c.mode +
                     "\n是否强制关闭=\"" + c.force + "\"\n");
        const std::size_t before = power().size();
        run([&](Form& f) {
            seconds(1);
            EXPECT_EQ(sentence(), std::string("2") + c.sentence) << c.mode;
            sink.press(f, kRunNow);  // at once, and the prompt carries on
            EXPECT_EQ(power().size(), before + 1) << c.mode;
            EXPECT_TRUE(platform.window_visible(f.window()));
            seconds(2);
        });
        ASSERT_EQ(power().size(), before + 2) << c.mode;
        for (std::size_t i = before; i < power().size(); ++i) {
            EXPECT_EQ(power()[i].mode, c.expected) << c.mode;
            EXPECT_EQ(power()[i].force, c.forced) << c.mode << " [" << c.force << "]";
        }
        EXPECT_EQ(plays(), 0u);
    }
}

TEST_F(ShutdownPromptTest, CancelClosesWithoutThePowerOperation) {
    write_config("[定时关机]\n关机方式=1\n倒计时间=30\n是否发声=真\n声音路径=C:\\tick.wav\n");
    int timer = 0;
    run([&](Form& f) {
        timer = f.timer_id(kTimer);
        EXPECT_EQ(platform.timer_interval(f.window(), timer), 1000);
        seconds(15);
    });
    EXPECT_EQ(prompt.form(), nullptr);
    EXPECT_FALSE(platform.window(window)->alive);
    EXPECT_EQ(platform.timer_interval(window, timer), 0);
    EXPECT_EQ(forms.find(window), nullptr);
    seconds(60);
    EXPECT_TRUE(power().empty());
    EXPECT_EQ(plays(), 15u);
}

TEST_F(ShutdownPromptTest, HiddenPromptStillCounts) {
    const struct {
        const char* shown;
        bool visible;
    } cases[] = {{"假", false}, {"真", true}, {"", true}, {"否", true}};
    for (const auto& c : cases) {
        write_config(std::string("[定时关机]\n关机方式=4\n倒计时间=5\n是否倒计时=") + c.shown +
                     "\n");
        const std::size_t before = power().size();
        run([&](Form& f) {
            for (int i = 0; i < 5; ++i) {
                EXPECT_EQ(platform.window_visible(f.window()), c.visible) << c.shown;
                seconds(1);
            }
        });
        // Made that way, not shown first and hidden after.
        EXPECT_EQ(platform.window_history().back().visible, c.visible) << c.shown;
        ASSERT_EQ(power().size(), before + 1) << c.shown;
        EXPECT_EQ(power().back().mode, PowerMode::sleep);
    }
}

TEST_F(ShutdownPromptTest, CountKeepsTheLowEightBits) {
    const struct {
        const char* stored;
        const char* first;  // shown after the first event
        int events;         // until the power operation
    } cases[] = {{"0", "255", 256},  {"300", "43", 44},  {"1", "0", 1},    {"255", "254", 255},
                 {"-1", "254", 255}, {"12.9", "11", 12}, {"", "255", 256}, {"abc", "255", 256}};
    for (const auto& c : cases) {
        write_config(std::string("[定时关机]\n关机方式=1\n倒计时间=") + c.stored + "\n");
        const std::size_t before = power().size();
        run([&](Form&) {
            seconds(1);
            EXPECT_EQ(number(), c.first) << c.stored;
            if (c.events == 1) return;
            seconds(c.events - 2);
            EXPECT_EQ(power().size(), before) << c.stored;
            seconds(1);
        });
        EXPECT_EQ(power().size(), before + 1) << c.stored;
    }
}

}  // namespace
}  // namespace horalune
