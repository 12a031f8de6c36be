// The clock on the desktop: the tray, the popup menu, the face's mouse and keys, exit, about.
#include <gtest/gtest.h>

#include <functional>

#include "config/config.h"
#include "desktop/heart.h"
#include "desktop/menus.h"
#include "support/app_fixture.h"

namespace horalune {
namespace {

using analog_names::kVibrateTimer;

class ClockDesktopTest : public testing::AppFixture {
  protected:
    WindowId clock() { return analog().form().window(); }
    void right_click_face() {
        const Point at = face_point();
        platform.mouse_down(clock(), MouseButton::right, at.x, at.y);
    }
    std::vector<std::string> captions(const HeadlessPlatform::ShownMenu& m) {
        std::vector<std::string> out;
        for (const auto& i : m.items) out.push_back(i.caption);
        return out;
    }
};

TEST_F(ClockDesktopTest, TrayMenuHasFourteenItemsInOrder) {
    start();
    platform.advance(1000);  // the first tick puts the tray icon up
    EXPECT_EQ(platform.tray_tip(clock()), "Horalune  2026年12月08日 星期二");
    platform.tray_click(clock(), MouseButton::right);
    ASSERT_EQ(platform.shown_menus().size(), 1u);
    const auto& menu = platform.shown_menus()[0];
    EXPECT_EQ(captions(menu),
              (std::vector<std::string>{"自动隐藏", "", "跳动的心", "隐藏时钟", "显示数字钟", "",
                                        "功能配置", "钟表配置", "", "定时提醒", "定时关机", "",
                                        "退出", "关于"}));
    EXPECT_FALSE(menu.items[0].checked);
    EXPECT_TRUE(menu.items[2].checked);
    right_click_face();  // the face pops up the same menu
    EXPECT_EQ(platform.shown_menus().size(), 2u);
    platform.tray_click(clock(), MouseButton::left);  // a left click brings the clock forward
    EXPECT_EQ(analog_state().activations, 1);
}

// The tip is the date: a whole day of ticks goes to the shell once at start and once at midnight.
TEST_F(ClockDesktopTest, ADayOfTicksSetsTheTrayOnlyWhenItsTipChanges) {
    platform.set_now({2026, 12, 8, 0, 0, 0, 500, 2});
    start();
    platform.advance(1000);
    EXPECT_EQ(platform.tray_updates(), 1);
    // Hidden, the clock draws no face and its heart rests; without a config.ini nothing is
    // read: a day of ticks runs fast.
    analog().form().show(false);
    platform.advance(24 * 3600 * 1000 - 2000);  // to 23:59:59.5
    EXPECT_EQ(platform.tray_updates(), 1);
    EXPECT_EQ(platform.tray_tip(clock()), "Horalune  2026年12月08日 星期二");
    platform.advance(1000);  // the first tick of the next day
    EXPECT_EQ(platform.tray_updates(), 2);
    EXPECT_EQ(platform.tray_tip(clock()), "Horalune  2026年12月09日 星期三");
    platform.advance(60 * 1000);
    EXPECT_EQ(platform.tray_updates(), 2);
}

TEST_F(ClockDesktopTest, NoMenuWhileTheSettingsDialogExists) {
    start();
    platform.advance(1000);
    app->open_settings(2);
    right_click_face();
    platform.tray_click(clock(), MouseButton::right);
    EXPECT_TRUE(platform.shown_menus().empty());
    app->settings_dialog()->cancel();
    right_click_face();
    EXPECT_EQ(platform.shown_menus().size(), 1u);
}

TEST_F(ClockDesktopTest, ExitDisarmsTheShutdownAndEnds) {
    write_config("[定时关机]\n是否定时关机=真\n");
    start();
    platform.answer_next_menu("退出");
    right_click_face();
    EXPECT_EQ(platform.exit_code(), 0);
    EXPECT_EQ(config_read(config_path(), "定时关机", "是否定时关机"), "假");
    EXPECT_FALSE(platform.tray_tip(clock()).has_value());  // the tray icon went with it
}

TEST_F(ClockDesktopTest, LeftPressOnTheFaceSilencesThenDrags) {
    start();
    analog().form().set_interval(kVibrateTimer, 250);
    platform.play_sound("chime.wav", true);
    platform.set_drag_offset(30, 40);
    platform.mouse_down(clock(), MouseButton::left, 50, 60);
    EXPECT_EQ(analog().form().interval(kVibrateTimer), 0);
    EXPECT_EQ(platform.timer_interval(clock(), analog().form().timer_id(kVibrateTimer)), 0);
    EXPECT_FALSE(platform.sounding().has_value());
    EXPECT_EQ(analog_state().drags, 1);
    EXPECT_EQ(analog_state().rect.left, 580);
    EXPECT_EQ(analog_state().rect.top, 40);
    // Outside the round shape nothing happens.
    platform.mouse_down(clock(), MouseButton::left, 2, 2);
    EXPECT_EQ(analog_state().drags, 1);
}

TEST_F(ClockDesktopTest, F4IsSwallowedWithAnyModifier) {
    start();
    EXPECT_TRUE(platform.key_down(clock(), kKeyF4));  // F4, and Alt+F4 (a system key-down)
    EXPECT_FALSE(platform.key_down(clock(), 116));    // F5 (Alt+F5) passes
    EXPECT_FALSE(platform.key_down(clock(), 'A'));
    EXPECT_TRUE(analog_state().visible);
}

TEST_F(ClockDesktopTest, ShowClockTogglesOnTheRealVisibility) {
    write_config("[其它]\n时钟状态=隐藏\n");
    start();
    platform.advance(1000);
    platform.answer_next_menu("隐藏时钟");  // visible as created, and named so
    platform.tray_click(clock(), MouseButton::right);
    EXPECT_FALSE(analog_state().visible);
    EXPECT_EQ(app->tray_menu().item(menu_text::kShowClock).caption, "显示时钟");
    platform.answer_next_menu("显示时钟");
    platform.tray_click(clock(), MouseButton::right);
    EXPECT_TRUE(analog_state().visible);
    EXPECT_EQ(app->tray_menu().item(menu_text::kShowClock).caption, "隐藏时钟");
    EXPECT_EQ(app->digital_menu().item(menu_text::kShowClock).caption, "隐藏时钟");
    platform.advance(3000);  // hidden or not, the clock keeps ticking
}

TEST_F(ClockDesktopTest, ALeftClickOnTheTrayIconBringsAHiddenClockBack) {
    start();
    platform.advance(1000);
    for (const char* hide_from : {"托盘菜单", "设置"}) {
        if (std::string(hide_from) == "托盘菜单") {
            platform.answer_next_menu("隐藏时钟");
            platform.tray_click(clock(), MouseButton::right);
        } else {
            app->run_menu_command(menu_text::kShowClock);
        }
        ASSERT_FALSE(analog_state().visible) << hide_from;
        EXPECT_EQ(config_read(config_path(), "其它", "时钟状态"), "隐藏");
        const int activations = analog_state().activations;
        platform.tray_click(clock(), MouseButton::left);
        EXPECT_TRUE(analog_state().visible) << hide_from;
        EXPECT_EQ(analog_state().activations, activations + 1);
        EXPECT_EQ(config_read(config_path(), "其它", "时钟状态"), "显示");
        EXPECT_EQ(app->tray_menu().item(menu_text::kShowClock).caption, "隐藏时钟");
        EXPECT_EQ(app->digital_menu().item(menu_text::kShowClock).caption, "隐藏时钟");
    }
    // On a visible clock it only brings it forward; nothing is written.
    write_config("");
    platform.tray_click(clock(), MouseButton::left);
    EXPECT_TRUE(analog_state().visible);
    EXPECT_EQ(config_read(config_path(), "其它", "时钟状态"), "");
}

TEST_F(ClockDesktopTest, AboutOpensModallyAndCloses) {
    start();
    WindowId about = kNoWindow;
    platform.answer_next_modal([&](WindowId w) {
        about = w;
        const auto* s = platform.window(w);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->request.title, "关于 Horalune");
        EXPECT_EQ(s->rect, (Rect{50, 50, 355, 235}));
        EXPECT_EQ(s->controls[0].caption, "  关于 Horalune v1.0");
        EXPECT_EQ(s->controls[0].font.face, "宋体");
        platform.click_control(w, "  关于 Horalune v1.0", ControlEvent::left_down);
        EXPECT_EQ(platform.window(w)->drags, 1);
        EXPECT_TRUE(platform.click_control(w, "看够了"));
    });
    platform.answer_next_menu("关于");
    right_click_face();
    ASSERT_NE(about, kNoWindow);
    EXPECT_FALSE(platform.window(about)->alive);  // closing destroyed it
    EXPECT_FALSE(platform.quit_requested());
}

TEST_F(ClockDesktopTest, ModalWindowsHoldTheTrayAndBothClocks) {
    // Whatever the user does to the tray icon or a clock while a modal window is open only
    // brings that window forward: no menu, no move, no resize, nothing shown or hidden.
    enum class Modal { about, countdown, message_box };
    platform.set_now({2026, 12, 8, 22, 59, 0, 0, 2});
    write_config(
        "[其它]\n数字钟状态=显示\n[定时关机]\n是否定时关机=真\n关机时间=2000年1月1日23:00:00\n"
        "是否倒计时=真\n倒计时间=30\n关机方式=3\n");
    start();
    platform.advance(1000);
    ASSERT_NE(app->digital_window(), nullptr);
    const WindowId digital = app->digital_window()->window();
    int checked = 0;
    // Plays the user; `activations` counts how often the modal window came forward.
    const auto try_everything = [&](const std::function<int()>& activations, const char* name) {
        const auto menus = platform.shown_menus().size();
        const Rect digital_rect = platform.window_rect(digital);
        const int analog_activations = analog_state().activations;
        const int before = activations();
        const Point at = face_point();
        platform.tray_click(clock(), MouseButton::right);
        platform.tray_click(clock(), MouseButton::left);
        platform.mouse_down(clock(), MouseButton::right, at.x, at.y);
        platform.mouse_down(clock(), MouseButton::left, at.x, at.y);
        platform.mouse_up(clock(), MouseButton::left, at.x, at.y);
        platform.mouse_down(digital, MouseButton::right, 80, 20);
        platform.mouse_down(digital, MouseButton::left, 2, 20);   // would narrow it
        platform.mouse_down(digital, MouseButton::left, 80, 20);  // would move it
        EXPECT_EQ(platform.shown_menus().size(), menus) << name;
        EXPECT_EQ(analog_state().drags, 0) << name;
        EXPECT_EQ(platform.window(digital)->drags, 0) << name;
        EXPECT_EQ(platform.window_rect(digital), digital_rect) << name;
        EXPECT_EQ(analog_state().activations, analog_activations) << name;
        EXPECT_TRUE(analog_state().visible) << name;
        EXPECT_EQ(activations() - before, 7) << name;
        ++checked;
    };
    for (const Modal modal : {Modal::about, Modal::message_box, Modal::countdown}) {
        switch (modal) {
            case Modal::about:
                platform.answer_next_modal([&](WindowId w) {
                    try_everything([&] { return platform.window(w)->activations; }, "about");
                    platform.click_control(w, "看够了");
                });
                app->show_about();
                break;
            case Modal::message_box:
                platform.during_next_dialog([&] {
                    try_everything([&] { return platform.dialog_activations(); }, "message box");
                });
                heart_clicked(platform, analog());
                ASSERT_EQ(platform.messages().size(), 1u);
                break;
            case Modal::countdown:
                platform.answer_next_modal([&](WindowId w) {
                    try_everything([&] { return platform.window(w)->activations; }, "countdown");
                    platform.click_control(w, "取消");
                });
                platform.advance(60'000);
                break;
        }
    }
    EXPECT_EQ(checked, 3);
    // Afterwards they work again.
    platform.tray_click(clock(), MouseButton::right);
    EXPECT_EQ(platform.shown_menus().size(), 1u);
    platform.mouse_down(digital, MouseButton::left, 80, 20);
    EXPECT_EQ(platform.window(digital)->drags, 1);
}

}  // namespace
}  // namespace horalune
