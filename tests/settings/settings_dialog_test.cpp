// The settings dialog on the headless desktop: opening on a page, loading, the time check,
// saving with 功德圆满 / 立竿见影, 半途而废 and Esc, and the button page's working copy.
#include "settings/settings_dialog.h"

#include <gtest/gtest.h>

#include <array>

#include "buttons/button_page.h"
#include "buttons/icon_store.h"
#include "config/config.h"
#include "config/gb18030.h"
#include "events/reminder_page.h"
#include "events/shutdown_page.h"
#include "platform/files.h"
#include "support/app_fixture.h"
#include "support/form_driver.h"

namespace horalune {
namespace {

namespace rp = reminder_page;
namespace sp = shutdown_page;

class SettingsDialogTest : public testing::AppFixture {
  protected:
    void SetUp() override {
        DateTime t;
        t.year = 2026, t.month = 12, t.day = 8, t.hour = 14, t.minute = 5, t.second = 9;
        platform.set_now(t);
    }
    testing::FormDriver open(int page) {
        if (!app) start();
        app->open_settings(page);
        return {platform, app->settings_dialog()->form()};
    }
    std::string read(std::string_view section, std::string_view key) {
        return config_read(config_path(), section, key);
    }
    std::size_t count_of(const std::string& utf8_needle) {
        const std::string bytes = config_bytes();
        const std::string needle = utf8_to_gb18030(utf8_needle);
        std::size_t n = 0;
        for (auto at = bytes.find(needle); at != std::string::npos; at = bytes.find(needle, at + 1))
            ++n;
        return n;
    }
};

TEST_F(SettingsDialogTest, MenusOpenItOnTheirPageAndNoMenuOpensMeanwhile) {
    start();
    platform.advance(1000);  // the tray icon comes with the first tick
    const WindowId clock = analog().form().window();
    const std::pair<const char*, int> items[] = {
        {"功能配置", 0}, {"钟表配置", 1}, {"定时提醒", 2}, {"定时关机", 3}};
    for (const auto& [item, page] : items) {
        platform.answer_next_menu(item);
        platform.tray_click(clock, MouseButton::right);
        ASSERT_TRUE(app->settings_dialog_open()) << item;
        SettingsDialog& dialog = *app->settings_dialog();
        EXPECT_EQ(dialog.page(), page);
        EXPECT_TRUE(dialog.form().visible());
        // Only the page's own controls show.
        for (const Control& c : dialog.form().controls()) {
            if (c.tag.empty()) continue;
            EXPECT_EQ(c.visible, c.tag == std::to_string(page)) << c.name;
        }
        const std::size_t menus = platform.shown_menus().size();
        platform.tray_click(clock, MouseButton::right);
        EXPECT_EQ(platform.shown_menus().size(), menus) << "a menu opened over the dialog";
        EXPECT_TRUE(platform.key_down(dialog.form().window(), kKeyEscape));
        EXPECT_FALSE(app->settings_dialog_open());
    }
}

TEST_F(SettingsDialogTest, FrameFollowsThePage) {
    auto page1 = open(1);
    EXPECT_TRUE(page1.form.control(settings::kNote).visible);
    EXPECT_EQ(page1.form.control(settings::kNote).rect.top, 234);
    EXPECT_FALSE(page1.form.control(settings::kOk).visible);
    // The reminder popup's 高级设置 may switch an open dialog to page 2: the buttons return.
    app->open_settings(2);
    auto& f = app->settings_dialog()->form();
    EXPECT_TRUE(f.control(settings::kOk).visible);
    EXPECT_FALSE(f.control(settings::kNote).visible);
    EXPECT_EQ(f.control(settings::kOk).rect.top, 242 + 9);
    app->open_settings(3);
    EXPECT_EQ(f.control(settings::kApply).rect.top, 200 + 9);
    EXPECT_EQ(platform.window_rect(f.window()).height, 240 + f.fit().growth.height);
    EXPECT_EQ(platform.window_rect(f.window()).width, 375 + f.fit().growth.width);
}

TEST_F(SettingsDialogTest, ReminderPageLoadsEveryControlAndShowsTheCurrentTime) {
    write_config(
        "[整点报时]\n整点是否报时=真\n是否震动=假\n震动级别=3\n是否发声=真\n声音路径=C:\\a.wav\n"
        "[定时提醒]\n是否定时提醒=真\n提醒时间=2000年1月1日7:30:00\n是否震动=真\n震动级别=0\n"
        "是否文字提醒=真\n提醒文字=开会\n");
    auto d = open(2);
    EXPECT_TRUE(d.form.checked(rp::kChimeOn));
    EXPECT_FALSE(d.form.checked(rp::kChimeVibrate));
    EXPECT_EQ(d.form.selected(rp::kChimeLevel), 2);
    EXPECT_EQ(d.shown(rp::kChimeLevel).selected, 2);  // the desktop shows what the model holds
    EXPECT_EQ(d.form.text(rp::kChimeSoundPath), "C:\\a.wav");
    EXPECT_TRUE(d.form.checked(rp::kReminderVibrate));
    EXPECT_EQ(d.form.selected(rp::kReminderLevel), -1);  // level 0: nothing selected
    EXPECT_FALSE(d.form.checked(rp::kReminderSoundOn));
    EXPECT_EQ(d.form.text(rp::kReminderText), "开会");
    EXPECT_EQ(d.form.text(rp::kHourBox), "14");
    EXPECT_EQ(d.form.text(rp::kMinuteBox), "5");
    EXPECT_EQ(d.form.text(rp::kSecondBox), "9");
    const std::string before = config_bytes();
    d.press(settings::kOk);  // saves the moment of opening
    EXPECT_FALSE(app->settings_dialog_open());
    EXPECT_EQ(read("定时提醒", "提醒时间"), "2000年1月1日14:5:9");
    EXPECT_EQ(read("整点报时", "震动级别"), "3");
    EXPECT_EQ(read("定时提醒", "震动级别"), "0");
    EXPECT_EQ(read("整点报时", "是否震动"), "假");
    EXPECT_NE(config_bytes(), before);
}

TEST_F(SettingsDialogTest, TimeCheckStopsOutOfRangeTimes) {
    struct Case {
        const char *hour, *minute, *second;
        bool passes;
    };
    const Case cases[] = {
        {"24", "0", "0", false},   {"23.00000005", "0", "0", true},
        {"-5", "0", "0", true},    {"1", "60", "0", false},
        {"1", "0", "59.5", false}, {"abc", "", "", true},  // not numbers: 0
    };
    for (int page : {2, 3}) {
        for (const Case& c : cases) {
            write_config("");
            auto d = open(page);
            const bool reminder = page == 2;
            d.type(reminder ? rp::kHourBox : sp::kHourBox, c.hour);
            d.type(reminder ? rp::kMinuteBox : sp::kMinuteBox, c.minute);
            d.type(reminder ? rp::kSecondBox : sp::kSecondBox, c.second);
            const std::size_t messages = platform.messages().size();
            d.press(settings::kOk);
            const std::string stored =
                reminder ? read("定时提醒", "提醒时间") : read("定时关机", "关机时间");
            if (c.passes) {
                EXPECT_EQ(stored,
                          std::string("2000年1月1日") + c.hour + ":" + c.minute + ":" + c.second);
                EXPECT_FALSE(app->settings_dialog_open());
                EXPECT_EQ(platform.messages().size(), messages);
            } else {
                EXPECT_EQ(stored, "") << c.hour << ":" << c.minute << ":" << c.second;
                ASSERT_TRUE(app->settings_dialog_open());
                ASSERT_EQ(platform.messages().size(), messages + 1);
                EXPECT_EQ(platform.messages().back().text, settings::kTimeError);
                EXPECT_EQ(platform.messages().back().icon, MessageIcon::error);
                app->settings_dialog()->cancel();
            }
        }
    }
}

TEST_F(SettingsDialogTest, ShutdownPageWritesWhatIsShown) {
    write_config("[定时关机]\n是否定时关机=假\n倒计时间=30秒\n");
    auto d = open(3);
    EXPECT_FALSE(d.form.checked(sp::kShutdownOn));
    EXPECT_EQ(d.form.selected(sp::kModes), -1);  // no 关机方式: no way current
    EXPECT_EQ(d.form.text(sp::kCountdownBox), "30秒");
    d.type(sp::kCountdownBox, "45 ");
    d.tick(sp::kShutdownOn, true);
    d.press(settings::kOk);
    EXPECT_EQ(read("定时关机", "是否定时关机"), "真");
    EXPECT_EQ(read("定时关机", "关机方式"), "0");
    EXPECT_EQ(read("定时关机", "倒计时间"), "45 ");  // as typed
    EXPECT_EQ(read("定时关机", "是否强制关闭"), "假");

    auto again = open(3);
    EXPECT_TRUE(again.form.checked(sp::kShutdownOn));
    again.pick(sp::kModes, 2);
    again.press(settings::kApply);
    again.press(settings::kApply);
    EXPECT_EQ(read("定时关机", "关机方式"), "3");
    EXPECT_EQ(count_of("关机方式="), 1u);  // two saves, one line per key
    EXPECT_EQ(count_of("是否定时关机="), 1u);
    EXPECT_TRUE(app->settings_dialog_open());
}

// The box is the switch: an unticked timed shutdown is never armed by saving the page.
TEST_F(SettingsDialogTest, ShutdownSwitchFollowsTheBox) {
    const struct {
        const char* stored;  // 是否定时关机 before
        bool ticked;         // the box when saved
        const char* save;    // 功德圆满 or 立竿见影
        const char* after;
    } cases[] = {
        {"假", false, "ok", "假"},    {"假", true, "ok", "真"},   {"真", false, "ok", "假"},
        {"真", true, "ok", "真"},     {"", false, "apply", "假"}, {"", true, "apply", "真"},
        {"真", false, "apply", "假"},
    };
    for (const auto& c : cases) {
        write_config(std::string("[定时关机]\n是否定时关机=") + c.stored + "\n关机方式=3\n");
        auto d = open(3);
        d.tick(sp::kShutdownOn, c.ticked);
        d.press(std::string(c.save) == "ok" ? settings::kOk : settings::kApply);
        EXPECT_EQ(read("定时关机", "是否定时关机"), c.after) << c.stored << c.ticked << c.save;
        EXPECT_EQ(read("定时关机", "关机方式"), "3");
        EXPECT_EQ(count_of("是否定时关机="), 1u);
        if (app->settings_dialog_open()) app->settings_dialog()->cancel();
    }
}

TEST_F(SettingsDialogTest, ForceBoxAsksBeforeItIsTicked) {
    auto d = open(3);
    platform.answer_next_question(false);
    d.tick(sp::kForce, true);
    ASSERT_EQ(platform.questions().size(), 1u);
    EXPECT_EQ(platform.questions()[0].title, sp::kForceTitle);
    EXPECT_EQ(platform.questions()[0].text, sp::kForceQuestion);
    EXPECT_EQ(platform.questions()[0].icon, MessageIcon::question);
    EXPECT_TRUE(platform.questions()[0].default_cancel);
    EXPECT_FALSE(d.form.checked(sp::kForce));
    EXPECT_FALSE(d.shown(sp::kForce).checked);  // unticked on the screen too
    platform.answer_next_question(true);
    d.tick(sp::kForce, true);
    EXPECT_TRUE(d.form.checked(sp::kForce));
    d.tick(sp::kForce, false);  // unticking asks nothing
    EXPECT_EQ(platform.questions().size(), 2u);
}

TEST_F(SettingsDialogTest, QuickPresetsAddToTheTimeBoxes) {
    auto d = open(2);
    d.type(rp::kHourBox, "23");
    d.type(rp::kMinuteBox, "58");
    d.type(rp::kSecondBox, "07");
    d.event(rp::kPresets, ControlEvent::drop_down);
    EXPECT_EQ(d.form.items(rp::kPresets).size(), 10u);
    d.pick(rp::kPresets, 2);  // "5 分钟后"
    d.event(rp::kPresets, ControlEvent::close_up);
    EXPECT_EQ(d.form.text(rp::kHourBox), "0");
    EXPECT_EQ(d.form.text(rp::kMinuteBox), "3");
    EXPECT_EQ(d.form.text(rp::kSecondBox), "7");
    EXPECT_EQ(d.form.items(rp::kPresets).back(), "快速输入");
    EXPECT_EQ(read("定时提醒", "提醒时间"), "");  // nothing stored before a save
    // The shutdown tab's list works on its own boxes.
    auto s = open(3);
    s.type(sp::kHourBox, "10");
    s.type(sp::kMinuteBox, "0");
    s.type(sp::kSecondBox, "0");
    s.event(sp::kPresets, ControlEvent::drop_down);
    s.pick(sp::kPresets, 7);  // "1 小时后"
    s.event(sp::kPresets, ControlEvent::close_up);
    EXPECT_EQ(s.form.text(sp::kHourBox), "11");
}

TEST_F(SettingsDialogTest, KeysInTheDroppedPresetListsAddTheHighlightedPreset) {
    using H = HeadlessPlatform;
    // Both tabs: Home takes the first preset, Down Down the second, End the last.
    const struct {
        int page;
        std::vector<int> keys;
        const char* time;
    } cases[] = {
        {2, {H::kKeyHome}, "10:1:0"},
        {2, {H::kKeyDown, H::kKeyDown}, "10:3:0"},
        {3, {H::kKeyEnd}, "12:0:0"},
        {3, {H::kKeyDown, H::kKeyDown}, "10:3:0"},
    };
    for (const auto& c : cases) {
        auto d = open(c.page);
        const auto boxes = c.page == 2 ? std::array{rp::kHourBox, rp::kMinuteBox, rp::kSecondBox}
                                       : std::array{sp::kHourBox, sp::kMinuteBox, sp::kSecondBox};
        d.type(boxes[0], "10");
        d.type(boxes[1], "0");
        d.type(boxes[2], "0");
        const std::string_view list = c.page == 2 ? rp::kPresets : sp::kPresets;
        const WindowId w = d.form.window();
        const int id = d.form.control(list).native_id;
        platform.drop_open(w, id);
        for (const int key : c.keys) platform.drop_key(w, id, key);
        platform.drop_close(w, id, H::kKeyReturn);
        EXPECT_EQ(d.form.text(boxes[0]) + ":" + d.form.text(boxes[1]) + ":" + d.form.text(boxes[2]),
                  c.time)
            << c.page;
        EXPECT_EQ(d.form.items(list).back(), "快速输入");
        EXPECT_EQ(d.form.selected(list), 10);
    }
}

class ButtonPageTest : public SettingsDialogTest {
  protected:
    std::string store() { return icon_store_path(dir.path(), kIconStoreName); }
    std::string working() { return icon_store_path(dir.path(), kWorkingCopyName); }
    void SetUp() override {
        SettingsDialogTest::SetUp();
        std::vector<IconRecord> records(12);
        for (int i = 0; i < 12; ++i) records[i].command = "cmd" + std::to_string(i + 1) + ".exe";
        ASSERT_TRUE(save_icon_store(store(), records));
    }
};

TEST_F(ButtonPageTest, WorkingCopyLivesFromOpeningToOkOrCancel) {
    auto d = open(0);
    EXPECT_TRUE(files::exists(working()));
    EXPECT_EQ(d.form.selected(button_page::kButtonList), 0);
    EXPECT_EQ(d.form.text(button_page::kCommandBox), "cmd1.exe");
    d.pick(button_page::kButtonList, 6);
    EXPECT_EQ(d.form.text(button_page::kCommandBox), "cmd7.exe");
    d.press(settings::kCancel);
    EXPECT_FALSE(files::exists(working()));

    auto esc = open(0);
    platform.key_down(esc.form.window(), kKeyEscape);
    EXPECT_FALSE(app->settings_dialog_open());
    EXPECT_TRUE(files::exists(working()));  // Esc runs no handler: the copy stays

    auto ok = open(3);  // OK removes the copy whatever the page
    ok.press(settings::kOk);
    EXPECT_FALSE(files::exists(working()));
}

TEST_F(ButtonPageTest, ApplyWritesTheCopyBackAndCancelDoesNotUndoIt) {
    auto d = open(0);
    auto records = *load_icon_store(working());
    records[2].command = "edited.exe";
    ASSERT_TRUE(save_icon_store(working(), records));
    d.press(settings::kApply);
    EXPECT_EQ(load_icon_record(store(), 3)->command, "edited.exe");
    d.press(settings::kCancel);
    EXPECT_EQ(load_icon_record(store(), 3)->command, "edited.exe");
    EXPECT_FALSE(files::exists(working()));
}

}  // namespace
}  // namespace horalune
