// Whatever the user types into a box of the settings dialog or the reminder popup is stored
// and read back as typed, or met with the time check, and config.ini keeps one item per line.
#include <gtest/gtest.h>

#include <set>

#include "buttons/button_page.h"
#include "buttons/dialup_window.h"
#include "buttons/icon_store.h"
#include "config/config.h"
#include "config/gb18030.h"
#include "events/reminder_page.h"
#include "events/reminder_popup.h"
#include "events/shutdown_page.h"
#include "settings/settings_dialog.h"
#include "support/app_fixture.h"
#include "support/form_driver.h"
#include "support/utf8.h"

namespace horalune {
namespace {

namespace rp = reminder_page;
namespace sp = shutdown_page;

// Texts a user can type or paste.
std::vector<std::string> nasty_texts() {
    return {
        std::string(100000, 'x') + "尾",
        "a\r\nb\nc\rd",                                         // line breaks of every kind
        std::string("\x01\x02\t\x7f", 4) + "ctl",               // control characters
        testing::utf8(0x1F600) + testing::utf8(0x20000) + "€",  // outside GBK
        "[定时关机]\r\n是否定时关机=真",                        // looks like file structure
        "\"quoted\" ",                                          // a leading quote, a trailing blank
        " =;#",
        "",
    };
}

class BadInputTest : public testing::AppFixture {
  protected:
    void SetUp() override {
        platform.set_now({2026, 12, 8, 14, 5, 9, 0, 2});
        write_config(
            "[其它]\n时钟状态=显示\n; a comment the user wrote\n[整点报时]\n整点是否报时=假\n");
        start();
    }
    std::string read(std::string_view section, std::string_view key) {
        return config_read(config_path(), section, key);
    }
    // Every line of the file is blank, a comment, a section header or a key=value item, and
    // no section is there twice.
    void expect_well_formed() {
        const std::string text = gb18030_to_utf8(config_bytes());
        std::set<std::string> sections;
        std::size_t start = 0;
        while (start < text.size()) {
            std::size_t end = text.find('\n', start);
            if (end == std::string::npos) end = text.size();
            std::string line = text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            start = end + 1;
            if (line.empty() || line[0] == ';') continue;
            if (line[0] == '[') {
                EXPECT_TRUE(sections.insert(line).second) << "section twice: " << line;
                continue;
            }
            EXPECT_NE(line.find('='), std::string::npos) << "a stray line: " << line.substr(0, 60);
        }
        EXPECT_EQ(read("其它", "时钟状态"), "显示");
    }
};

TEST_F(BadInputTest, ReminderTabStoresEveryTextAsTyped) {
    for (const std::string& text : nasty_texts()) {
        app->open_settings(2);
        testing::FormDriver d{platform, app->settings_dialog()->form()};
        d.type(rp::kChimeSoundPath, text);
        d.type(rp::kReminderSoundPath, text + "2");
        d.type(rp::kReminderText, text + "3");
        d.press(settings::kOk);
        ASSERT_FALSE(app->settings_dialog_open());
        EXPECT_EQ(read("整点报时", "声音路径"), text);
        EXPECT_EQ(read("定时提醒", "声音路径"), text + "2");
        EXPECT_EQ(read("定时提醒", "提醒文字"), text + "3");
        expect_well_formed();
    }
}

TEST_F(BadInputTest, TimeAndCountdownBoxesTakeAnythingWithoutHarm) {
    for (const std::string& text : nasty_texts()) {
        app->open_settings(3);
        testing::FormDriver d{platform, app->settings_dialog()->form()};
        d.type(sp::kHourBox, text);
        d.type(sp::kMinuteBox, text);
        d.type(sp::kSecondBox, text);
        d.type(sp::kCountdownBox, text);
        d.type(sp::kSoundPath, text);
        d.press(settings::kOk);  // non-numbers count as 0 and pass the check
        ASSERT_FALSE(app->settings_dialog_open());
        EXPECT_EQ(read("定时关机", "倒计时间"), text);
        EXPECT_EQ(read("定时关机", "关机时间"), "2000年1月1日" + text + ":" + text + ":" + text);
        expect_well_formed();
        platform.advance(3000);  // the tick reads what was stored and fires nothing
        EXPECT_TRUE(platform.power_calls().empty());
    }
}

TEST_F(BadInputTest, ExtremeNumbersInBoxesAndLevels) {
    // Countdowns far outside a day and levels far outside the list: the tick and the shaking
    // work with them without overflow (the sanitizer build checks the arithmetic).
    for (const char* number : {"99999999999", "-99999999999", "2147483647", "-2147483648", "1e308",
                               "-1e308", "nan", "inf"}) {
        write_config(
            std::string("[定时关机]\n是否定时关机=真\n关机时间=2000年1月1日14:5:20\n倒计时间=") +
            number + "\n[整点报时]\n震动级别=" + number + "\n[定时提醒]\n震动级别=" + number +
            "\n");
        analog().form().set_interval(analog_names::kVibrateTimer, 250);
        platform.advance(2000);
        analog().form().set_interval(analog_names::kVibrateTimer, 251);
        platform.advance(2000);
        analog().form().set_interval(analog_names::kVibrateTimer, 0);
    }
    // A typed level list value cannot exist: the lists are drop-down lists. Out-of-range stored
    // levels load as no selection and save as "0".
    write_config("[整点报时]\n震动级别=99\n[定时提醒]\n震动级别=-4\n");
    app->open_settings(2);
    testing::FormDriver d{platform, app->settings_dialog()->form()};
    EXPECT_EQ(d.form.selected(rp::kChimeLevel), -1);
    EXPECT_EQ(d.form.selected(rp::kReminderLevel), -1);
    d.press(settings::kOk);
    EXPECT_EQ(read("整点报时", "震动级别"), "0");
}

TEST_F(BadInputTest, PopupTextSurvivesTheSnooze) {
    for (const std::string& text : nasty_texts()) {
        config_write(config_path(), "定时提醒", "是否定时提醒", "真");
        config_write(config_path(), "定时提醒", "是否文字提醒", "真");
        const DateTime now = platform.now();
        config_write(config_path(), "定时提醒", "提醒时间",
                     "2000年1月1日" + std::to_string(now.hour) + ":" + std::to_string(now.minute) +
                         ":" + std::to_string(now.second + 1));
        platform.advance(1000);
        ASSERT_NE(app->reminder_popup(), nullptr);
        testing::FormDriver p{platform, app->reminder_popup()->form()};
        p.type(reminder_popup_names::kTextBox, text);
        platform.answer_next_question(true);
        p.event(reminder_popup_names::kPresetList, ControlEvent::drop_down);
        p.pick(reminder_popup_names::kPresetList, 0);
        p.event(reminder_popup_names::kPresetList, ControlEvent::close_up);
        ASSERT_EQ(app->reminder_popup(), nullptr);
        EXPECT_EQ(read("定时提醒", "提醒文字"), text);
        expect_well_formed();
        platform.advance(61000);  // the snoozed reminder comes back with the same text
        ASSERT_NE(app->reminder_popup(), nullptr);
        EXPECT_EQ(app->reminder_popup()->form().text(reminder_popup_names::kTextBox), text);
        testing::FormDriver{platform, app->reminder_popup()->form()}.press(
            reminder_popup_names::kCloseButton);
        // Keep the seconds away from the minute's end so that +1 stays a valid time.
        platform.advance(5000);
        if (platform.now().second > 50) platform.advance(15000);
    }
}

TEST_F(BadInputTest, ButtonPageBoxesReachTheStoreAsTyped) {
    ASSERT_TRUE(
        save_icon_store(icon_store_path(dir.path(), kIconStoreName), std::vector<IconRecord>(12)));
    for (const std::string& text : nasty_texts()) {
        app->open_settings(0);
        testing::FormDriver d{platform, app->settings_dialog()->form()};
        d.pick(button_page::kButtonList, 2);
        d.type(button_page::kCommandBox, text);
        d.type(button_page::kSoundBox, text + "s");
        d.type(button_page::kTooltipBox, text + "t");
        d.press(settings::kOk);
        ASSERT_FALSE(app->settings_dialog_open());
        const auto record = load_icon_record(icon_store_path(dir.path(), kIconStoreName), 3);
        ASSERT_TRUE(record.has_value());
        EXPECT_EQ(record->command, text);
        EXPECT_EQ(record->sound, text + "s");
        EXPECT_EQ(record->tooltip, text + "t");
        EXPECT_TRUE(load_icon_store(icon_store_path(dir.path(), kIconStoreName)).has_value());
    }
}

TEST_F(BadInputTest, DialUpFieldsGoToTheDialAndThePasswordNowhere) {
    for (const std::string& text : nasty_texts()) {
        app->open_dialup_window();
        ASSERT_NE(app->dialup_window(), nullptr);
        testing::FormDriver d{platform, app->dialup_window()->form()};
        const std::string password = "pw" + text;
        d.type(dialup_names::kNumber, text + "1");
        d.type(dialup_names::kUser, text + "2");
        d.type(dialup_names::kPassword, password);
        d.press(dialup_names::kStart);
        ASSERT_FALSE(platform.dial_calls().empty());
        EXPECT_EQ(platform.dial_calls().back().number, text + "1");
        EXPECT_EQ(platform.dial_calls().back().user, text + "2");
        EXPECT_EQ(platform.dial_calls().back().password, password);
        d.press(dialup_names::kStart);  // 不上了
        d.press(dialup_names::kLater);  // 以后再来
        EXPECT_EQ(app->dialup_window(), nullptr);
        if (password.size() > 4) {
            EXPECT_EQ(config_bytes().find(utf8_to_gb18030(password)), std::string::npos);
        }
        expect_well_formed();
    }
}

}  // namespace
}  // namespace horalune
