// Monitors of different scales: the clock follows the scale of the monitor it is on, drawn at
// the device's size there, while everything the program keeps stays logical.
#include <gtest/gtest.h>

#include "analog/analog_window.h"
#include "analog/face_background.h"
#include "app/application.h"
#include "events/reminder_popup.h"
#include "platform/dpi.h"
#include "support/app_fixture.h"
#include "ui/clock_art.h"

namespace horalune {
namespace {

const Rect kLeft{0, 0, 1024, 768};       // 100 %
const Rect kRight{1024, 0, 1280, 1024};  // 150 %, in logical pixels

class PerMonitorScaleTest : public testing::AppFixture {
  protected:
    void SetUp() override {
        platform.set_monitors({kLeft, kRight});
        platform.set_monitor_dpis({96, 144});
    }
    WindowId clock() { return analog().form().window(); }
};

TEST(DpiMath, LogicalAndDeviceRoundTripOnMonitorsOfDifferentScales) {
    // The right monitor's device pixels start where the left one's end.
    const std::vector<MonitorScale> monitors{{{0, 0, 1024, 768}, 96}, {{1024, 0, 1920, 1536}, 144}};
    EXPECT_EQ(logical_rects(monitors)[1], (Rect{1024, 0, 1280, 1024}));
    EXPECT_EQ(to_device(monitors, {1100, 50}), (Point{1138, 75}));
    EXPECT_EQ(to_logical(monitors, {1138, 75}), (Point{1100, 50}));
    EXPECT_EQ(to_device(monitors, {500, 300}), (Point{500, 300}));
    // Every device pixel of a logical pixel maps back to it.
    EXPECT_EQ(to_logical(monitors, {1025, 1}), (Point{1024, 0}));
    EXPECT_EQ(scaled(Rect{10, 10, 32, 32}, 144), (Rect{15, 15, 48, 48}));
    EXPECT_EQ(unscaled(205, 120), 164);
    EXPECT_EQ(dpi_at(monitors, {1000, 0, 164, 164}), 144);  // mostly on the right one
}

TEST_F(PerMonitorScaleTest, TheClockIsDrawnAgainAtTheDevicesSizeWhenMovedToAnotherScale) {
    start();
    const int presents = analog_state().presents;
    ASSERT_EQ(analog_state().content.width, 164);

    platform.user_moves_window(clock(), 1300, 200);

    EXPECT_EQ(platform.window_dpi(clock()), 144);
    EXPECT_EQ(platform.window_rect(clock()), (Rect{1300, 200, 164, 164}));  // still logical
    EXPECT_EQ(platform.device_rect(clock()).width, 246);
    EXPECT_GT(analog_state().presents, presents);
    EXPECT_EQ(analog_state().content.width, 246);
    EXPECT_EQ(analog_state().content.height, 246);
    // Cut to the mask drawn for that scale, not the 100 % mask stretched; the built-in face
    // picture drawn for it too (compared where no hand reaches: a corner).
    EXPECT_EQ(analog_state().shape.pixels, draw_window_mask(144).pixels);
    const Image drawn = builtin_background(2, 144);
    for (int y = 0; y < 12; ++y) {
        for (int x = 0; x < 12; ++x) ASSERT_EQ(analog().face().image().at(x, y), drawn.at(x, y));
    }

    // Hits are still found by logical position.
    const Point face = face_point();
    EXPECT_EQ(analog().hit_test(face.x, face.y).kind, AnalogHit::Kind::face);
    EXPECT_EQ(analog().hit_test(81, 16).kind, AnalogHit::Kind::button);
    EXPECT_EQ(analog().hit_test(1, 1).kind, AnalogHit::Kind::none);  // outside the round

    // Back on the first monitor it is 164 again.
    platform.user_moves_window(clock(), 300, 200);
    EXPECT_EQ(analog_state().content.width, 164);
    EXPECT_EQ(analog_state().shape.width, 164);
}

TEST_F(PerMonitorScaleTest, AHoveredButtonShowsItsIconAtItsScaledPlace) {
    start();
    analog().set_button_icon(12, Image(32, 32, 0xFFCC2020u));
    platform.user_moves_window(clock(), 1300, 200);
    const Image before = analog_state().content;
    // Button 12 sits at (65, 0), 32 a side: at 150 % its box is (98, 0), 48 a side.
    platform.mouse_move(clock(), 81, 16);
    ASSERT_EQ(analog().hovered_button(), 12);
    const Image& after = analog_state().content;
    int inside = 0, outside = 0;
    for (int y = 0; y < after.height; ++y) {
        for (int x = 0; x < after.width; ++x) {
            if (after.at(x, y) == before.at(x, y)) continue;
            const bool in_box = x >= 98 && x < 146 && y < 48;
            (in_box ? inside : outside) += 1;
        }
    }
    EXPECT_GT(inside, 48 * 48 / 8);
    EXPECT_EQ(outside, 0);
}

// At 200 % a 1024 x 768 screen is 512 x 384 logical pixels: the designed place (550, 0) is
// beyond it, and the clock must come onto the screen rather than start out of reach.
TEST_F(PerMonitorScaleTest, AClockPlacedBeyondEveryMonitorAtStartComesOntoOne) {
    platform.set_monitors({{0, 0, 512, 384}});
    platform.set_monitor_dpis({192});
    start();
    const Rect r = platform.window_rect(clock());
    EXPECT_GE(r.left, 0);
    EXPECT_LE(r.left + r.width, 512);
    EXPECT_EQ(r.width, 164);
}

// The reminder popup is designed at (300, 100): on a screen of 400 x 300 logical pixels (800 x
// 600 at 200 %) it would reach beyond the right edge, cutting its buttons away.
TEST(FormPlacement, AWindowMadeAcrossItsMonitorsEdgeComesWhollyOntoIt) {
    HeadlessPlatform platform;
    platform.set_monitors({{0, 0, 400, 300}});
    const Form popup(platform, reminder_popup_design());
    const Rect r = platform.window_rect(popup.window());
    EXPECT_EQ(r.left + r.width, 400);
    EXPECT_EQ(r.top, 100);  // only as far as needed
}

}  // namespace
}  // namespace horalune
