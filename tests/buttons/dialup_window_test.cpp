// The dial-up window on the headless desktop, opened by a "上网下网" button: its entries and
// number, dialling and stopping, the seconds counted, closing once online.
#include "buttons/dialup_window.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "buttons/icon_store.h"
#include "config/gb18030.h"
#include "support/app_fixture.h"
#include "support/form_driver.h"

namespace horalune {
namespace {

namespace dn = dialup_names;

class DialupWindowTest : public testing::AppFixture {
  protected:
    void SetUp() override {
        std::vector<IconRecord> records(12);
        records[0].command = "上网下网";
        ASSERT_TRUE(save_icon_store(icon_store_path(dir.path(), kIconStoreName), records));
        platform.set_dialup_entries({{"我的连接", "alice"}, {"163 拨号", "guest"}});
    }
    void click_dial_button() {
        const Rect r = analog().form().controls()[1].rect;  // button 1
        platform.mouse_down(analog().form().window(), MouseButton::left, r.left + 16, r.top + 16);
        platform.mouse_up(analog().form().window(), MouseButton::left, r.left + 16, r.top + 16);
    }
    testing::FormDriver open() {
        if (!app) start();
        click_dial_button();
        EXPECT_NE(app->dialup_window(), nullptr);
        return {platform, app->dialup_window()->form()};
    }
    bool open_now() { return app->dialup_window() != nullptr; }
    std::int16_t elapsed() { return app->globals().dial_elapsed; }
    // Idle or dialling, as the window shows it.
    void expect_state(testing::FormDriver& d, bool dialling) {
        EXPECT_EQ(platform.window_rect(d.form.window()).height, dialling ? 103 : 192);
        EXPECT_EQ(d.shown(dn::kElapsed).visible, dialling);
        EXPECT_EQ(d.shown(dn::kStatus).visible, dialling);
        for (std::string_view c :
             {"标签1", "组合框1", "标签2", "帐号", "标签3", "密码", "标签4", "号码", "开始1"}) {
            EXPECT_EQ(d.shown(c).visible, !dialling) << c;
        }
        EXPECT_EQ(d.shown(dn::kStart).rect.top, dialling ? 70 : 160);
        EXPECT_EQ(d.shown(dn::kStart).caption, dialling ? "不上了" : "开始吧");
    }
};

TEST_F(DialupWindowTest, OpensWithTheEntriesAndTheConfiguredNumber) {
    write_config("[其它]\n默认拨号号码=16300\n");
    auto d = open();
    const auto* w = platform.window(d.form.window());
    EXPECT_EQ(w->rect, (Rect{50, 50, 220, 192}));
    EXPECT_EQ(w->request.title, "　　　　★准备上网了★");
    EXPECT_EQ(d.shown(dn::kEntries).items, (std::vector<std::string>{"我的连接", "163 拨号"}));
    EXPECT_EQ(d.shown(dn::kEntries).selected, 0);
    EXPECT_EQ(d.shown(dn::kUser).caption, "alice");
    EXPECT_EQ(d.shown(dn::kNumber).caption, "16300");
    expect_state(d, false);
    d.type(dn::kPassword, "pw");
    d.pick(dn::kEntries, 1);
    EXPECT_EQ(d.shown(dn::kUser).caption, "guest");
    EXPECT_EQ(d.form.text(dn::kPassword), "pw");  // left as typed
    click_dial_button();  // still offline: the open window comes forward, no second one
    EXPECT_EQ(platform.live_windows().size(), 2u);
    EXPECT_EQ(platform.window(d.form.window())->activations, 1);
    d.event(dn::kTitleStrip, ControlEvent::left_down);
    EXPECT_EQ(platform.window(d.form.window())->drags, 1);

    // No entries and no number: empty boxes.
    d.press(dn::kLater);
    platform.set_dialup_entries({});
    write_config("");
    auto bare = open();
    EXPECT_TRUE(bare.shown(dn::kEntries).items.empty());
    EXPECT_EQ(bare.form.text(dn::kUser) + bare.form.text(dn::kNumber), "");
}

TEST_F(DialupWindowTest, DiallingCountsSecondsAndShowsTheStatus) {
    auto d = open();
    d.type(dn::kNumber, "169");
    d.type(dn::kPassword, "秘密 pw");
    d.press(dn::kStart);
    expect_state(d, true);
    ASSERT_EQ(platform.dial_calls().size(), 1u);
    EXPECT_EQ(platform.dial_calls()[0].number, "169");
    EXPECT_EQ(platform.dial_calls()[0].user, "alice");
    EXPECT_EQ(platform.dial_calls()[0].password, "秘密 pw");
    EXPECT_EQ(d.shown(dn::kElapsed).caption, "");  // the designed "已用时1秒" never shows
    platform.dialup_report("正在拨号...");
    EXPECT_EQ(d.shown(dn::kStatus).caption, "正在拨号...");
    platform.advance(999);
    EXPECT_EQ(elapsed(), 0);
    platform.advance(1);
    EXPECT_EQ(d.shown(dn::kElapsed).caption, "已用时1秒　");
    platform.advance(2000);
    EXPECT_EQ(d.shown(dn::kElapsed).caption, "已用时3秒　");
    EXPECT_EQ(elapsed(), 3);
}

TEST_F(DialupWindowTest, StoppingAndStartingAgainCountsFromOne) {
    // Started again at once, or after the timer ticked while idle.
    for (const int pause : {0, 1000, 1500}) {
        auto d = open();
        d.press(dn::kStart);
        platform.advance(5000);
        d.press(dn::kStart);  // "不上了"
        expect_state(d, false);
        platform.advance(pause);
        d.press(dn::kStart);
        expect_state(d, true);
        platform.advance(1000);
        EXPECT_EQ(d.shown(dn::kElapsed).caption, "已用时1秒　") << pause;
        EXPECT_EQ(elapsed(), 1) << pause;
        d.press(dn::kLater);
    }
    EXPECT_EQ(platform.hang_ups(), 3);
}

TEST_F(DialupWindowTest, ClosesOnceOnlineAndTheButtonThenHangsUp) {
    auto d = open();
    const WindowId window = d.form.window();
    d.press(dn::kStart);
    platform.advance(2000);
    platform.set_dialup_connected(true);
    platform.advance(1000);
    EXPECT_FALSE(open_now());
    EXPECT_FALSE(platform.window(window)->alive);
    EXPECT_EQ(elapsed(), 0);
    click_dial_button();
    EXPECT_EQ(platform.hang_ups(), 1);
    EXPECT_EQ(platform.messages().at(0).text, "下网成功了，收获不小吧！");
    EXPECT_FALSE(open_now());

    // Closed from outside (Alt+F4) it is gone too, and opens again afterwards.
    auto again = open();
    platform.request_close(again.form.window());
    EXPECT_FALSE(open_now());
    open();
}

TEST_F(DialupWindowTest, ThePasswordIsMaskedOnScreenAndStoredNowhere) {
    const std::string password = "Pa55-密码-Xyz";
    auto d = open();
    d.type(dn::kPassword, password);
    // One bullet a character on screen; the program still has the text to dial with.
    const int box = d.form.control(dn::kPassword).native_id;
    EXPECT_TRUE(d.shown(dn::kPassword).password);
    EXPECT_EQ(platform.displayed_text(d.form.window(), box), "●●●●●●●●●●●");  // 11 characters
    EXPECT_EQ(d.form.text(dn::kPassword), password);
    // The other boxes show what they hold.
    for (const std::string_view other : {dn::kUser, dn::kNumber}) {
        d.type(other, "abc");
        EXPECT_FALSE(d.shown(other).password) << other;
        EXPECT_EQ(platform.displayed_text(d.form.window(), d.form.control(other).native_id), "abc");
    }
    d.press(dn::kStart);
    platform.advance(3000);
    d.press(dn::kStart);
    d.press(dn::kLater);
    app.reset();  // the program ends and writes what it writes on the way out
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.fs())) {
        if (!entry.is_regular_file()) continue;
        const std::string bytes = testing::read_bytes(entry.path().string());
        EXPECT_EQ(bytes.find("Pa55"), std::string::npos) << entry.path();
        EXPECT_EQ(bytes.find(utf8_to_gb18030(password)), std::string::npos) << entry.path();
    }
}

}  // namespace
}  // namespace horalune
