// The beating heart and auto-hide at the screen edges, on the headless desktop.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <set>
#include <tuple>

#include "analog/face.h"
#include "config/config.h"
#include "desktop/autohide.h"
#include "desktop/heart.h"
#include "desktop/menus.h"
#include "support/app_fixture.h"
#include "ui/builtin_assets.h"
#include "ui/picture.h"

namespace horalune {
namespace {

using analog_names::kAutoHideTimer;
using analog_names::kHeart;
using analog_names::kHeartTimer;

TEST(DockStep, FollowsTheEdgeRules) {
    // A 164 x 164 window on a 1024 x 768 screen.
    const struct {
        const char* what;
        int left, top;
        Point mouse;
        Point to;
    } cases[] = {
        {"left edge hides", 0, 300, {512, 384}, {-162, 300}},
        {"hidden left comes back on column 0", -162, 300, {0, 350}, {0, 300}},
        {"column 3 is not", -162, 300, {3, 350}, {-162, 300}},
        {"left below 0 is pulled back", -50, 300, {10, 350}, {0, 300}},
        {"right edge hides", 900, 300, {100, 100}, {1022, 300}},
        {"hidden right comes back", 1022, 300, {1023, 350}, {860, 300}},
        {"past the right edge stays while the mouse is on it", 950, 300, {960, 350}, {950, 300}},
        {"top edge hides", 400, 0, {100, 500}, {400, -162}},
        {"hidden top comes back", 400, -162, {450, 1}, {400, 0}},
        {"bottom row hides", 400, 604, {100, 100}, {400, 766}},
        {"hidden bottom comes back", 400, 766, {450, 767}, {400, 604}},
        {"near the bottom comes back in full", 400, 748, {450, 760}, {400, 604}},
        {"left wins over top", 0, 0, {512, 384}, {-162, 0}},
        {"middle, mouse away", 400, 300, {10, 10}, {400, 300}},
        {"middle, mouse on it", 400, 300, {450, 350}, {400, 300}},
        {"right column and bottom row count as inside", -10, 300, {154, 464}, {0, 300}},
        {"one past them does not", -10, 300, {155, 464}, {-162, 300}},
    };
    for (const auto& c : cases) {
        const Point to = dock_step({c.left, c.top, 164, 164}, {0, 0, 1024, 768}, {}, c.mouse);
        EXPECT_EQ(to, c.to) << c.what;
    }
}

TEST(HeartJump, CoversItsRangesEndsIncluded) {
    int low_left = 999, high_left = 0, low_top = 999, high_top = 0, shortest = 9999, longest = 0;
    for (std::uint64_t seed = 0; seed < 3000; ++seed) {
        const HeartJump j = heart_jump(seed * 7919 + (seed << 40), 164, 164);
        low_left = std::min(low_left, j.left), high_left = std::max(high_left, j.left);
        low_top = std::min(low_top, j.top), high_top = std::max(high_top, j.top);
        shortest = std::min(shortest, j.interval_ms), longest = std::max(longest, j.interval_ms);
    }
    EXPECT_EQ(std::tie(low_left, high_left, low_top, high_top), std::make_tuple(32, 132, 32, 132));
    EXPECT_GE(shortest, 100);
    EXPECT_LT(shortest, 110);
    EXPECT_LE(longest, 3000);
    EXPECT_GT(longest, 2990);
    EXPECT_EQ(heart_jump(5, 40, 40).left, 32);  // a window too small for the margins
}

class HeartTest : public testing::AppFixture {
  protected:
    Form& form() { return analog().form(); }
    Rect heart() { return form().control(kHeart).rect; }
    int platform_interval() {
        return platform.timer_interval(form().window(), form().timer_id(kHeartTimer));
    }
    void pick_from_tray(const std::string& item) {
        platform.answer_next_menu(item);
        const Point at = face_point();
        platform.mouse_down(form().window(), MouseButton::right, at.x, at.y);
    }
};

TEST_F(HeartTest, JumpsAboutTheFaceAtRandomIntervals) {
    start();
    std::set<std::pair<int, int>> places;
    for (int i = 0; i < 20; ++i) {
        platform.advance(form().interval(kHeartTimer));  // to the next jump, whenever it comes
        EXPECT_TRUE(heart().left >= 32 && heart().left <= 132 && heart().top >= 32 &&
                    heart().top <= 132);
        EXPECT_EQ(platform_interval(), form().interval(kHeartTimer));
        places.insert({heart().left, heart().top});
    }
    EXPECT_GT(places.size(), 15u);
    const Image drawn = decode_picture(builtin::heart_bmp()).value();  // shown where it is
    EXPECT_EQ(analog_state().content.at(heart().left + 20, heart().top + 21), drawn.at(20, 21));
}

TEST_F(HeartTest, TrayItemSwitchesItAndAClickShowsTheMessage) {
    start();
    pick_from_tray("跳动的心");
    EXPECT_FALSE(app->tray_menu().item(menu_text::kHeart).checked);
    EXPECT_FALSE(form().control(kHeart).visible);
    EXPECT_EQ(platform_interval(), 0);
    EXPECT_EQ(config_read(config_path(), "其它", "跳动的心"), "假");
    const WindowId w = form().window();
    const int x = heart().left + 20, y = heart().top + 20;
    platform.mouse_down(w, MouseButton::left, x, y);  // hidden: the face is pressed there
    platform.mouse_up(w, MouseButton::left, x, y);
    EXPECT_TRUE(platform.messages().empty());
    EXPECT_EQ(analog_state().drags, 1);

    pick_from_tray("跳动的心");
    EXPECT_TRUE(form().control(kHeart).visible);
    EXPECT_EQ(heart().left, 72);  // where it was
    EXPECT_EQ(platform_interval(), 100);
    EXPECT_EQ(config_read(config_path(), "其它", "跳动的心"), "真");
    platform.mouse_down(w, MouseButton::left, x, y);
    platform.mouse_up(w, MouseButton::left, 50, 60);   // let go on the face: no click
    platform.mouse_down(w, MouseButton::right, x, y);  // no menu either
    EXPECT_EQ(platform.shown_menus().size(), 2u);
    platform.mouse_down(w, MouseButton::left, x, y);
    platform.mouse_up(w, MouseButton::left, x + 5, y + 5);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, "我真的爱你！投我一票吧！");
    EXPECT_EQ(platform.messages()[0].icon, MessageIcon::none);
    EXPECT_EQ(analog_state().drags, 1);  // a press on the heart is no press on the face
    platform.advance(100);
    EXPECT_NE(heart(), (Rect{72, 72, 40, 40}));  // jumping again
}

// A hidden clock has nothing to show: its heart rests and its face is not drawn; shown again,
// the face is up to date at once and the heart jumps on.
TEST_F(HeartTest, RestsWhileTheClockIsHidden) {
    start();
    platform.advance(5000);
    pick_from_tray("隐藏时钟");
    ASSERT_FALSE(analog_state().visible);
    platform.advance(3000);  // at most one last jump finds the clock hidden
    EXPECT_EQ(platform_interval(), 0);
    const int presents = analog_state().presents;
    const Rect resting = heart();
    platform.advance(60 * 1000);
    EXPECT_EQ(analog_state().presents, presents);
    EXPECT_EQ(heart(), resting);

    platform.advance(500);  // mid-second: the face must not wait for the next tick
    pick_from_tray("显示时钟");
    ASSERT_TRUE(analog_state().visible);
    EXPECT_EQ(analog_state().presents, presents + 1);
    Canvas expected = analog().face();  // drawn afresh for now
    const Globals& g = app->globals();
    redraw_face(expected, {g.hand_length, g.hand_colour, g.hand_width}, platform);
    EXPECT_EQ(analog().face().image().pixels, expected.image().pixels);
    EXPECT_EQ(platform_interval(), heart::kStartInterval);
    platform.advance(100);
    EXPECT_NE(heart(), resting);
}

// The window is handed only the parts of its picture that changed (hands, heart, a hovered
// button): after any mix of seconds, jumps, hovering and switching the heart, what it shows
// must be exactly the picture composed from scratch.
TEST_F(HeartTest, PartsHandedOnAddUpToTheWholePicture) {
    start();
    const Rect b3 = form().control("图形按钮3").rect, b9 = form().control("图形按钮9").rect;
    const struct {
        int advance_ms;
        std::optional<std::pair<int, int>> pointer;
        bool toggle_heart;
    } steps[] = {{1000, {}, false},
                 {250, std::pair{b3.left + 16, b3.top + 16}, false},
                 {1000, std::pair{b9.left + 16, b9.top + 16}, false},
                 {3100, {}, false},
                 {0, {}, true},
                 {2000, std::pair{b3.left + 16, b3.top + 16}, false},
                 {0, {}, true},
                 {4000, {}, false}};
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        SCOPED_TRACE(i);
        platform.advance(steps[i].advance_ms);
        analog().pointer_at(steps[i].pointer);
        if (steps[i].toggle_heart) pick_from_tray("跳动的心");
        const Image shown = analog_state().content;
        analog().set_button_face(1, analog().button_face(1));  // the whole picture again
        analog().refresh();
        EXPECT_EQ(shown.pixels, analog_state().content.pixels);
    }
}

TEST_F(HeartTest, AutoHideDocksOnlyWhenSwitchedOnByTheTrayItem) {
    write_config("[时钟配置]\n自动隐藏=是\n");  // anything but "真" is off
    start();
    EXPECT_FALSE(app->tray_menu().item(menu_text::kAutoHide).checked);
    const auto left = [&] { return platform.window_rect(form().window()).left; };
    platform.move_window(form().window(), 0, 300);
    platform.set_cursor({600, 400});
    platform.advance(3000);
    EXPECT_EQ(left(), 0);
    pick_from_tray("自动隐藏");
    EXPECT_TRUE(app->tray_menu().item(menu_text::kAutoHide).checked);
    EXPECT_EQ(config_read(config_path(), "时钟配置", "自动隐藏"), "真");
    platform.advance(299);
    EXPECT_EQ(left(), 0);
    platform.advance(1);
    EXPECT_EQ(left(), -162);
    platform.set_cursor({1, 400});
    platform.advance(300);
    EXPECT_EQ(left(), 0);
    form().show(false);  // hidden windows dock too
    platform.set_cursor({600, 400});
    platform.advance(300);
    EXPECT_EQ(left(), -162);
    pick_from_tray("自动隐藏");
    EXPECT_EQ(config_read(config_path(), "时钟配置", "自动隐藏"), "假");
    platform.set_cursor({1, 400});
    platform.advance(3000);
    EXPECT_EQ(left(), -162);  // off: it stays where it is
}

// The auto-hide timer wakes the program three times a second: only while a switch is on. A
// switch edited in config.ini by hand counts from the next second.
TEST_F(HeartTest, AutoHideTimerRunsOnlyWhileASwitchIsOn) {
    start();
    const auto running = [&] {
        return platform.timer_interval(form().window(), form().timer_id(kAutoHideTimer));
    };
    EXPECT_EQ(running(), 0);
    platform.advance(5000);
    EXPECT_EQ(running(), 0);
    config_write(config_path(), "时钟配置", "自动隐藏", "真");  // by hand, mid-second
    platform.advance(1000);
    EXPECT_EQ(running(), 300);
    platform.move_window(form().window(), 0, 300);
    platform.set_cursor({600, 400});
    platform.advance(300);
    EXPECT_EQ(platform.window_rect(form().window()).left, -162);
    config_write(config_path(), "时钟配置", "自动隐藏", "假");
    platform.advance(1000);
    EXPECT_EQ(running(), 0);
    pick_from_tray("自动隐藏");  // on and off from the tray: at once
    EXPECT_EQ(running(), 300);
    pick_from_tray("自动隐藏");
    EXPECT_EQ(running(), 0);

    config_write(config_path(), "数字钟配置", "自动隐藏", "真");
    platform.advance(2000);
    EXPECT_EQ(running(), 0);  // the digital clock is closed
    pick_from_tray("显示数字钟");
    EXPECT_EQ(running(), 300);
    pick_from_tray("隐藏数字钟");
    EXPECT_EQ(running(), 0);
}

TEST(AutoHideTick, DigitalWindowOnlyWhileOpenAndSwitchedOn) {
    testing::TempDir dir;
    HeadlessPlatform platform;
    Globals globals;
    globals.config_path = dir.file("config.ini");
    const std::string& config = globals.config_path;
    config_write(config, "数字钟配置", "自动隐藏", "真");
    const WindowId analog = platform.create_window({"", {0, 300, 164, 164}});
    const WindowId digital = platform.create_window({"", {0, 500, 120, 40}});
    platform.set_cursor({600, 400});
    autohide_tick(platform, globals, analog, kNoWindow);  // the digital clock is closed
    EXPECT_EQ(platform.window_rect(analog).left, 0);      // the analog clock's switch is off
    EXPECT_EQ(platform.window_rect(digital).left, 0);
    autohide_tick(platform, globals, analog, digital);
    EXPECT_EQ(platform.window_rect(analog).left, 0);
    EXPECT_EQ(platform.window_rect(digital).left, -118);
    config_write(config, "数字钟配置", "自动隐藏", "假");
    platform.set_cursor({1, 510});
    autohide_tick(platform, globals, analog, digital);
    EXPECT_EQ(platform.window_rect(digital).left, -118);
}

}  // namespace
}  // namespace horalune
