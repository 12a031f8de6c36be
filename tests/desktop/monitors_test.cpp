// Several monitors: auto-hide at the edges of the monitor the clock is on, and clocks brought
// back when the monitor they were on goes away.
#include "desktop/monitors.h"

#include <gtest/gtest.h>

#include <vector>

#include "analog/analog_window.h"
#include "app/application.h"
#include "desktop/autohide.h"
#include "digital/digital_window.h"
#include "support/app_fixture.h"

namespace horalune {
namespace {

// Two side by side, the right one larger and the primary one first.
const Rect kLeft{0, 0, 1024, 768};
const Rect kRight{1024, 0, 1280, 1024};

TEST(Monitors, TheOneAWindowIsOnIsTheOneItOverlapsMostElseTheNearest) {
    const std::vector<Rect> two{kLeft, kRight};
    const struct {
        const char* what;
        Rect window;
        Rect monitor;
        bool on_one;
        Point brought_to;
    } cases[] = {
        {"inside the right one", {1500, 300, 164, 164}, kRight, true, {1500, 300}},
        {"mostly on the right one", {1000, 300, 164, 164}, kRight, true, {1000, 300}},
        {"mostly on the left one", {900, 300, 164, 164}, kLeft, true, {900, 300}},
        {"two pixels on the left one", {-162, 300, 164, 164}, kLeft, true, {-162, 300}},
        {"below the left one, nearer to it", {400, 800, 164, 164}, kLeft, false, {400, 604}},
        {"below both, nearer to the right one", {1100, 1100, 164, 164}, kRight, false, {1100, 860}},
        {"beside the left one, touching only its edge",
         {-164, 100, 164, 164},
         kLeft,
         false,
         {0, 100}},
        {"far up and right", {3000, -500, 164, 164}, kRight, false, {2140, 0}},
        {"larger than the monitor it comes back to", {-3000, 0, 2000, 40}, kLeft, false, {0, 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(monitor_of(two, c.window), c.monitor) << c.what;
        EXPECT_EQ(on_a_monitor(two, c.window), c.on_one) << c.what;
        if (!c.on_one) {
            EXPECT_EQ(onto_nearest_monitor(two, c.window), c.brought_to) << c.what;
        }
    }
}

// An edge docks unless another monitor lies beside the window across it.
TEST(DockEdges, AnEdgeWithAMonitorBesideTheWindowDoesNotDock) {
    const Rect window_left{860, 300, 164, 164}, window_right{1024, 300, 164, 164};
    const Rect above{1024, -600, 800, 600};  // over the right one's left part
    const struct {
        const char* what;
        std::vector<Rect> monitors;
        Rect monitor, window;
        DockEdges edges;
    } cases[] = {
        {"one monitor: all four", {kLeft}, kLeft, window_left, {}},
        {"the left one's right edge is shared",
         {kLeft, kRight},
         kLeft,
         window_left,
         {true, true, false, true}},
        {"the right one's left edge is shared",
         {kLeft, kRight},
         kRight,
         window_right,
         {false, true, true, true}},
        {"beside the right one but below the left one's rows",
         {kLeft, kRight},
         kRight,
         {1024, 800, 164, 164},
         {}},
        {"a window reaching one row into the left one's rows",
         {kLeft, kRight},
         kRight,
         {1024, 767, 164, 164},
         {false, true, true, true}},
        {"a monitor above the window's columns",
         {kLeft, kRight, above},
         kRight,
         window_right,
         {false, false, true, true}},
        {"a monitor above other columns",
         {kLeft, kRight, above},
         kRight,
         {2000, 0, 164, 164},
         {false, true, true, true}},
        {"stacked: the upper one's bottom",
         {kLeft, {0, 768, 1024, 768}},
         kLeft,
         {400, 604, 164, 164},
         {true, true, true, false}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dock_edges(c.monitors, c.monitor, c.window), c.edges) << c.what;
    }
}

class MonitorsTest : public testing::AppFixture {
  protected:
    WindowId clock() { return analog().form().window(); }
    Rect place(WindowId w) { return platform.window_rect(w); }
    Point corner(WindowId w) { return {place(w).left, place(w).top}; }
    void pick_from_tray(const std::string& item) {
        platform.answer_next_menu(item);
        const Point at = face_point();
        platform.mouse_down(clock(), MouseButton::right, at.x, at.y);
    }
};

TEST_F(MonitorsTest, AutoHideDocksAtTheEdgesOfTheMonitorTheClockIsOn) {
    write_config("[时钟配置]\n自动隐藏=真\n");
    platform.set_monitors({kLeft, kRight});
    start();
    // Where the clock stands, where it hides, and a point of the strip it leaves on screen.
    const struct {
        const char* what;
        Point at, hidden, strip;
    } cases[] = {
        {"the right one's right edge", {2140, 300}, {2302, 300}, {2303, 350}},
        {"the right one's top", {1500, 0}, {1500, -162}, {1550, 1}},
        {"the right one's bottom, below the left one's", {1500, 860}, {1500, 1022}, {1550, 1023}},
        {"the left one's left edge", {0, 300}, {-162, 300}, {0, 350}},
        {"the left one's bottom", {400, 604}, {400, 766}, {450, 767}},
        {"the right one's left edge below the left one", {1024, 800}, {862, 800}, {1025, 850}},
        {"the shared edge, from the right", {1024, 300}, {1024, 300}, {1100, 350}},
        {"the shared edge, from the left", {860, 300}, {860, 300}, {900, 350}},
        {"across the shared edge", {1000, 300}, {1000, 300}, {1050, 350}},
    };
    for (const auto& c : cases) {
        platform.set_cursor({1600, 500});
        platform.move_window(clock(), c.at.x, c.at.y);
        platform.advance(300);
        EXPECT_EQ(corner(clock()), c.hidden) << c.what;
        platform.set_cursor(c.strip);
        platform.advance(300);
        EXPECT_EQ(corner(clock()), c.at) << c.what << ": back";
    }
}

TEST_F(MonitorsTest, AClockLeftOnARemovedMonitorComesBackOntoTheNearestOne) {
    platform.set_monitors({kLeft, kRight});
    start();
    pick_from_tray("显示数字钟");
    ASSERT_NE(app->digital_window(), nullptr);
    const WindowId digital = app->digital_window()->window();
    platform.move_window(clock(), 1700, 900);
    platform.move_window(digital, 1200, 100);
    const Rect digital_size = place(digital);

    platform.change_display({kLeft});  // the right one unplugged
    EXPECT_EQ(corner(clock()), (Point{1024 - 164, 768 - 164}));
    EXPECT_EQ(corner(digital), (Point{1024 - digital_size.width, 100}));
    EXPECT_EQ(place(clock()).width, 164);  // moved, not resized

    // Still on a monitor, if only by its edge strip: left where it is.
    platform.move_window(clock(), -162, 300);
    platform.move_window(digital, 500, 766);
    platform.change_display({{0, 0, 800, 600}, {-1280, 0, 1280, 1024}});
    EXPECT_EQ(corner(clock()), (Point{-162, 300}));
    // Below the shrunken one: up onto it.
    EXPECT_EQ(corner(digital), (Point{500, 600 - digital_size.height}));
}

}  // namespace
}  // namespace horalune
