// The reminder popup on the headless desktop: the snooze and what it stores, and the ways the
// popup closes (each silences the reminder's sound).
#include "events/reminder_popup.h"

#include <gtest/gtest.h>

#include <memory>

#include "config/config.h"
#include "config/time_of_day.h"
#include "support/form_sink.h"

namespace horalune {
namespace {

using namespace reminder_popup_names;

constexpr int k20Minutes = 4;
constexpr const char* kSound = "C:\\sounds\\ring.wav";

int line_count(std::string_view text) {
    int lines = 0;
    for (const char c : text) lines += c == '\n';
    return lines;
}

class ReminderPopupTest : public testing::FormTest {
  protected:
    ReminderPopupTest() {
        write_config(
            "[定时提醒]\n是否定时提醒=真\n提醒时间=2000年1月1日23:50:30\n提醒文字=交报告\n"
            "是否发声=真\n[定时关机]\n关机方式=2\n");
        platform.set_now({2026, 12, 8, 23, 50, 30, 0, 2});
    }

    // Opens the popup as the tick does: the reminder's text, its sound repeating.
    void open(const std::string& text = "交报告") {
        ReminderPopup::Hooks hooks;
        hooks.open_advanced_settings = [this] { ++advanced; };
        hooks.closed = [this] {
            ++closed;
            popup.reset();  // as the owner does
        };
        popup = std::make_unique<ReminderPopup>(platform, globals, forms, std::move(hooks));
        popup->show_text(text);
        window = popup->form().window();
        platform.play_sound(kSound, true);
    }
    Form& form() { return popup->form(); }
    std::string stored(std::string_view key) const {
        return config_read(globals.config_path, "定时提醒", key);
    }
    bool open_on_desktop() const { return platform.window(window)->alive; }

    std::unique_ptr<ReminderPopup> popup;
    WindowId window = kNoWindow;
    int advanced = 0;
    int closed = 0;
};

TEST_F(ReminderPopupTest, SnoozePastMidnightStoresTheEditedText) {
    const int lines = line_count(config_bytes());
    open();
    sink.type(form(), kTextBox, "交报告\r\n给老王");
    platform.answer_next_question(true);
    sink.pick(form(), kPresetList, k20Minutes);

    ASSERT_EQ(platform.questions().size(), 1u);
    const auto& q = platform.questions()[0];
    EXPECT_EQ(q.text, "将在 00:10:30 再次提醒您！\r\n提醒内容：交报告\r\n给老王");
    EXPECT_EQ(q.title, "");
    EXPECT_EQ(q.icon, MessageIcon::information);
    EXPECT_FALSE(q.default_cancel);

    EXPECT_EQ(parse_time_of_day(stored("提醒时间")), (TimeOfDay{0, 10, 30}));
    EXPECT_EQ(stored("提醒文字"), "交报告\r\n给老王");
    EXPECT_EQ(line_count(config_bytes()), lines);  // still one item per line
    EXPECT_EQ(config_read(globals.config_path, "定时关机", "关机方式"), "2");
    EXPECT_EQ(stored("是否定时提醒"), "真");
    EXPECT_EQ(stored("是否发声"), "真");
    EXPECT_EQ(platform.sounding(), std::nullopt);
    EXPECT_EQ(closed, 1);
    EXPECT_EQ(popup, nullptr);
    EXPECT_FALSE(open_on_desktop());
    EXPECT_EQ(forms.find(window), nullptr);
}

TEST_F(ReminderPopupTest, SnoozeCancelledChangesNothing) {
    open();
    const std::string before = config_bytes();
    platform.answer_next_question(false);
    sink.pick(form(), kPresetList, 0);

    ASSERT_EQ(platform.questions().size(), 1u);
    EXPECT_EQ(platform.questions()[0].text, "将在 23:51:30 再次提醒您！\r\n提醒内容：交报告");
    EXPECT_EQ(config_bytes(), before);
    ASSERT_NE(popup, nullptr);
    EXPECT_TRUE(open_on_desktop());
    EXPECT_EQ(closed, 0);
    ASSERT_TRUE(platform.sounding());
    EXPECT_EQ(platform.sounding()->path, kSound);
    // The list reads as designed after use, and a second try still asks.
    EXPECT_EQ(form().items(kPresetList).back(), "快速设置提醒");
    EXPECT_EQ(form().selected(kPresetList), 10);
    platform.answer_next_question(false);
    sink.pick(form(), kPresetList, 9);
    ASSERT_EQ(platform.questions().size(), 2u);
    EXPECT_EQ(platform.questions()[1].text, "将在 01:50:30 再次提醒您！\r\n提醒内容：交报告");
}

TEST_F(ReminderPopupTest, KeysInTheDroppedListSnoozeByTheHighlightedPreset) {
    using H = HeadlessPlatform;
    const struct {
        std::vector<int> keys;
        const char* again;
    } cases[] = {
        {{H::kKeyHome}, "23:51:30"},
        {{H::kKeyDown, H::kKeyDown}, "23:53:30"},
        {{H::kKeyEnd}, "01:50:30"},
        {{H::kKeyEnd, H::kKeyUp}, "01:20:30"},
    };
    for (const auto& c : cases) {
        open();
        const int list = form().control(kPresetList).native_id;
        platform.drop_open(window, list);
        for (const int key : c.keys) platform.drop_key(window, list, key);
        platform.answer_next_question(true);
        platform.drop_close(window, list, H::kKeyReturn);
        ASSERT_FALSE(platform.questions().empty());
        EXPECT_EQ(platform.questions().back().text,
                  std::string("将在 ") + c.again + " 再次提醒您！\r\n提醒内容：交报告");
        EXPECT_EQ(stored("提醒时间"), std::string("2000年1月1日") + c.again);
        EXPECT_EQ(popup, nullptr);
    }
}

TEST_F(ReminderPopupTest, ButtonsStopTheSoundAndClose) {
    const struct {
        std::string_view button;
        int advanced;
    } cases[] = {{kCloseButton, 0}, {kAdvancedButton, 1}};
    for (const auto& c : cases) {
        advanced = closed = 0;
        open();
        sink.press(form(), c.button);
        EXPECT_EQ(platform.sounding(), std::nullopt) << c.button;
        EXPECT_EQ(advanced, c.advanced) << c.button;
        EXPECT_EQ(closed, 1) << c.button;
        EXPECT_FALSE(open_on_desktop()) << c.button;
        EXPECT_TRUE(platform.questions().empty());
    }
}

TEST_F(ReminderPopupTest, OpensWithTheReminderTextAndDragsByItsTitle) {
    open("开会");
    EXPECT_EQ(form().text(kTextBox), "开会");
    EXPECT_TRUE(platform.window(window)->visible);
    platform.set_drag_offset(30, -20);
    sink.event(form(), kTitleStrip, ControlEvent::left_down);
    EXPECT_EQ(platform.window(window)->drags, 1);
    // The designed size, and what the text fit added.
    const Size grown = form().fit().growth;
    EXPECT_EQ(platform.window_rect(window),
              (Rect{330, 80, 208 + grown.width, 117 + grown.height}));
    popup->show_text("开会\r\n带电脑");  // a reminder that fires again reuses the popup
    EXPECT_EQ(form().text(kTextBox), "开会\r\n带电脑");
}

}  // namespace
}  // namespace horalune
