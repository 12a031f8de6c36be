// The digital clock window on the headless desktop: set-up, the resize and move zones, its menu,
// and how it opens and closes with the rest of the program.
#include "digital/digital_window.h"

#include <gtest/gtest.h>

#include "analog/time_text.h"
#include "config/config.h"
#include "desktop/menus.h"
#include "support/app_fixture.h"

namespace horalune {
namespace {

using analog_names::kVibrateTimer;
using digital_names::kLabel;

// A 2 x 2 red BMP.
std::string red_bmp() {
    std::string bmp(54, '\0');
    bmp[0] = 'B', bmp[1] = 'M', bmp[10] = 54, bmp[14] = 40, bmp[18] = 2, bmp[22] = 2;
    bmp[26] = 1, bmp[28] = 24;
    for (int row = 0; row < 2; ++row) bmp += std::string("\0\0\xff\0\0\xff\0\0", 8);
    return bmp;
}

class DigitalWindowTest : public testing::AppFixture {
  protected:
    // The program started with the digital clock open, as the last run left it.
    DigitalWindow& start_open(const std::string& digital_section = "") {
        write_config("[其它]\n数字钟状态=显示\n[数字钟配置]\n" + digital_section);
        start();
        EXPECT_NE(app->digital_window(), nullptr);
        return *app->digital_window();
    }
    WindowId digital() { return app->digital_window()->window(); }
    Rect rect() { return platform.window_rect(digital()); }
    const ControlSpec& shown_label() {
        const int id = app->digital_window()->form().control(kLabel).native_id;
        return platform.window(digital())->controls[static_cast<std::size_t>(id) - 1];
    }
    // A press on the label, where the back-end reports it: as the label's own event with the
    // pointer over it, or as a press on the window.
    void press_label(int x, int y, bool as_window) {
        if (as_window) {
            platform.mouse_down(digital(), MouseButton::left, x, y);
            return;
        }
        platform.set_cursor({rect().left + x, rect().top + y});
        platform.control_event(digital(), app->digital_window()->form().control(kLabel).native_id,
                               ControlEvent::left_down);
    }
    void pick_in_digital_menu(const std::string& caption) {
        platform.answer_next_menu(caption);
        platform.mouse_down(digital(), MouseButton::right, 80, 20);
    }
    void pick_in_tray_menu(const std::string& caption) {
        platform.answer_next_menu(caption);
        platform.tray_click(analog().form().window(), MouseButton::right);
    }
    std::string digital_key(std::string_view key) {
        return config_read(config_path(), "数字钟配置", key);
    }
};

TEST_F(DigitalWindowTest, SetUpDressesTheWindowFromTheConfiguration) {
    testing::write_bytes(dir.file("bg.bmp"), red_bmp());
    start_open(
        "宽度=200\n高度=50\n类型=已运行时间\n自动隐藏=真\n有无底图=真\n底图=" + dir.file("bg.bmp") +
        "\n方式=1\n背景颜色=255\n文本颜色=65280\n字体名称=宋体\n"
        "字体大小=20\n格式=258\n");
    EXPECT_EQ(rect(), (Rect{50, 0, 200, 50}));
    EXPECT_TRUE(platform.window(digital())->visible);
    const ControlSpec& label = shown_label();
    EXPECT_EQ(label.rect, (Rect{0, 0, 200, 50}));
    EXPECT_EQ(label.caption, "15:34:01");
    EXPECT_EQ(label.font, (FontSpec{"宋体", 20, true}));  // the designed weight stays
    EXPECT_EQ(label.back_colour, 255);
    EXPECT_EQ(label.text_colour, 65280);
    EXPECT_EQ(label.picture.width, 2);
    EXPECT_EQ(label.picture.at(0, 0), 0xFFFF0000u);
    EXPECT_EQ(label.picture_mode, 1);
    EXPECT_EQ(app->globals().digital_format, 2);  // low 8 bits of 258
    EXPECT_EQ(app->globals().digital_kind, "已运行时间");
    const Menu& menu = app->digital_menu();
    EXPECT_EQ(menu.item(menu_text::kUptime).caption, "现在时间");
    EXPECT_TRUE(menu.item(menu_text::kAutoHide).checked);
    EXPECT_EQ(menu.item(menu_text::kShowClock).caption, "隐藏时钟");  // the clock is visible
    EXPECT_EQ(menu.item(menu_text::kShowDigital).caption, "隐藏数字钟");
    EXPECT_EQ(app->tray_menu().item(menu_text::kShowDigital).caption, "隐藏数字钟");
    // Without a picture switch the picture file is not read.
    write_config("[其它]\n数字钟状态=显示\n[数字钟配置]\n底图=" + dir.file("bg.bmp") + "\n");
    start();
    EXPECT_TRUE(shown_label().picture.empty());
}

TEST_F(DigitalWindowTest, MissingOrTinySizesOpenAtTheDefaultOrTheMinimum) {
    const struct {
        const char *width, *height;
        int w, h;
    } cases[] = {{"", "", 168, 40},        {"0", "-5", 168, 40}, {"abc", "45", 168, 45},
                 {"200.9", "50", 200, 50}, {"10", "3", 60, 20},  {"62", "21", 62, 21}};
    for (const auto& c : cases) {
        start_open(std::string("宽度=") + c.width + "\n高度=" + c.height + "\n");
        EXPECT_EQ(rect(), (Rect{50, 0, c.w, c.h})) << c.width << " x " << c.height;
        EXPECT_EQ(digital_key("宽度"), c.width);  // opening writes nothing back
        EXPECT_EQ(digital_key("高度"), c.height);
    }
    press_label(5, 10, false);  // 57 is held at 60
    press_label(30, 2, false);
    EXPECT_EQ(digital_key("宽度"), "60");
    EXPECT_EQ(digital_key("高度"), "20");
    // At the minimum the shrinking zones hold and write nothing; the others still work.
    const std::string at_minimum = config_bytes();
    press_label(5, 10, false);
    press_label(30, 2, false);
    EXPECT_EQ(config_bytes(), at_minimum);
    press_label(30, 10, false);
    EXPECT_EQ(platform.window(digital())->drags, 1);
    press_label(45, 10, false);
    press_label(30, 17, false);
    EXPECT_EQ(rect(), (Rect{50, 0, 65, 22}));
}

TEST_F(DigitalWindowTest, FreshInstallationReadsBlackOnWhiteInTheDesignedFont) {
    start_open();
    EXPECT_EQ(shown_label().back_colour, 0xFFFFFF);
    EXPECT_EQ(shown_label().text_colour, 0);
    EXPECT_EQ(shown_label().font, (FontSpec{"Arial Black", 35, true}));
    // Saved looks count as saved, even black on black.
    start_open("背景颜色=0\n文本颜色=0\n字体名称=宋体\n字体大小=12\n");
    EXPECT_EQ(shown_label().back_colour, 0);
    EXPECT_EQ(shown_label().font, (FontSpec{"宋体", 12, true}));
}

TEST_F(DigitalWindowTest, EdgeZonesResizeAndTheMiddleMoves) {
    const struct {
        int x, y;
        int width, height;  // 0: unchanged, and not written
        bool moves;
    } cases[] = {{19, 20, 163, 0, false},  {20, 20, 0, 0, true},  {148, 20, 0, 0, true},
                 {149, 20, 173, 0, false}, {80, 4, 0, 38, false}, {80, 36, 0, 42, false},
                 {80, 35, 0, 0, true},     {5, 2, 163, 0, false}};
    for (const bool as_window : {false, true}) {
        for (const auto& c : cases) {
            start_open("宽度=168\n高度=40\n");
            analog().form().set_interval(kVibrateTimer, 251);
            platform.play_sound("alarm.wav", true);
            press_label(c.x, c.y, as_window);
            const std::string at = std::to_string(c.x) + "," + std::to_string(c.y);
            const Rect r = rect();
            EXPECT_EQ(r.width, c.width ? c.width : 168) << at;
            EXPECT_EQ(r.height, c.height ? c.height : 40) << at;
            EXPECT_EQ(shown_label().rect, (Rect{0, 0, r.width, r.height})) << at;
            EXPECT_EQ(digital_key("宽度"), c.width ? std::to_string(c.width) : "168") << at;
            EXPECT_EQ(digital_key("高度"), c.height ? std::to_string(c.height) : "40") << at;
            EXPECT_EQ(platform.window(digital())->drags, c.moves ? 1 : 0) << at;
            // Every press ends the shaking; only a move silences the alert.
            EXPECT_EQ(analog().form().interval(kVibrateTimer), 0) << at;
            EXPECT_EQ(platform.sounding().has_value(), !c.moves) << at;
        }
    }
}

TEST_F(DigitalWindowTest, ShakingMovesTheDigitalClockToo) {
    write_config("[其它]\n数字钟状态=显示\n[定时提醒]\n震动级别=2\n");
    start();
    analog().form().set_interval(kVibrateTimer, 251);
    platform.advance(251);
    EXPECT_EQ(rect().left, 56);
    EXPECT_EQ(rect().top, 6);
    platform.advance(251);
    EXPECT_EQ(rect().left, 50);
}

TEST_F(DigitalWindowTest, MenuHasFifteenItemsAndF4IsSwallowed) {
    start_open();
    platform.mouse_down(digital(), MouseButton::right, 10, 10);
    ASSERT_EQ(platform.shown_menus().size(), 1u);
    const auto& menu = platform.shown_menus()[0];
    EXPECT_EQ(menu.owner, digital());
    std::vector<std::string> captions;
    for (const auto& i : menu.items) captions.push_back(i.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"自动隐藏", "", "现在时间", "", "隐藏时钟",
                                                  "隐藏数字钟", "", "功能配置", "钟表配置", "",
                                                  "定时提醒", "定时关机", "", "退出", "关于"}));
    app->open_settings(2);
    platform.mouse_down(digital(), MouseButton::right, 10, 10);
    EXPECT_EQ(platform.shown_menus().size(), 1u);
    EXPECT_TRUE(platform.key_down(digital(), kKeyF4));
    EXPECT_FALSE(platform.key_down(digital(), 116));
}

TEST_F(DigitalWindowTest, MenuTogglesRunningTimeAndAutoHide) {
    DateTime t{2026, 12, 8, 14, 5, 9, 0, 2};
    platform.set_now(t);
    start_open("类型=已运行时间\n");
    pick_in_digital_menu("现在时间");
    EXPECT_EQ(digital_key("类型"), "时间");
    EXPECT_EQ(app->digital_menu().item(menu_text::kUptime).caption, "已运行时间");
    platform.advance(1000);
    t.second = 10;
    EXPECT_EQ(shown_label().caption, time_text(t));

    pick_in_digital_menu("已运行时间");
    EXPECT_EQ(digital_key("类型"), "已运行时间");
    EXPECT_EQ(app->globals().digital_kind, "已运行时间");
    platform.set_uptime_ms((26 * 3600 + 3 * 60 + 3) * 1000);
    platform.advance(1000);
    EXPECT_EQ(shown_label().caption, "02:03:04");

    pick_in_digital_menu("自动隐藏");
    EXPECT_EQ(digital_key("自动隐藏"), "真");
    EXPECT_TRUE(app->digital_menu().item(menu_text::kAutoHide).checked);
    EXPECT_EQ(config_read(config_path(), "时钟配置", "自动隐藏"), "");  // the clock's own stays
    pick_in_digital_menu("自动隐藏");
    EXPECT_EQ(digital_key("自动隐藏"), "假");
}

TEST_F(DigitalWindowTest, ClosedFromItsMenuItReopensFromTheTrayAtTheStartPlace) {
    start_open("宽度=200\n高度=50\n");
    press_label(199, 25, false);  // 205 wide
    platform.set_drag_offset(30, 40);
    press_label(100, 25, false);
    EXPECT_EQ(rect(), (Rect{80, 40, 205, 50}));
    const WindowId first = digital();
    pick_in_digital_menu("隐藏数字钟");
    EXPECT_EQ(app->digital_window(), nullptr);
    EXPECT_FALSE(platform.window(first)->alive);
    EXPECT_EQ(config_read(config_path(), "其它", "数字钟状态"), "隐藏");
    for (const Menu* m : {&app->tray_menu(), &app->digital_menu()})
        EXPECT_EQ(m->item(menu_text::kShowDigital).caption, "显示数字钟");
    platform.advance(1000);  // the tick leaves a closed window alone

    pick_in_tray_menu("显示数字钟");
    ASSERT_NE(app->digital_window(), nullptr);
    EXPECT_EQ(rect(), (Rect{50, 0, 205, 50}));
    EXPECT_EQ(config_read(config_path(), "其它", "数字钟状态"), "显示");
    for (const Menu* m : {&app->tray_menu(), &app->digital_menu()})
        EXPECT_EQ(m->item(menu_text::kShowDigital).caption, "隐藏数字钟");
}

TEST_F(DigitalWindowTest, HidingTheClockFromTheDigitalMenuKeepsTheTrayIcon) {
    start_open();
    platform.advance(1000);
    pick_in_digital_menu("隐藏时钟");
    EXPECT_FALSE(analog_state().visible);
    EXPECT_EQ(config_read(config_path(), "其它", "时钟状态"), "隐藏");
    EXPECT_EQ(app->tray_menu().item(menu_text::kShowClock).caption, "显示时钟");
    platform.advance(1000);
    EXPECT_TRUE(platform.tray_tip(analog().form().window()).has_value());
    pick_in_tray_menu("显示时钟");
    EXPECT_TRUE(analog_state().visible);
    EXPECT_EQ(config_read(config_path(), "其它", "时钟状态"), "显示");
    EXPECT_EQ(app->digital_menu().item(menu_text::kShowClock).caption, "隐藏时钟");
}

}  // namespace
}  // namespace horalune
