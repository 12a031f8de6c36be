// The Win32 back-end's windows and event loop, run for real under Wine (needs a display):
// geometry, input in client coordinates, swallowed keys and vetoed closes, timers, painting and
// the cut-out shape.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32/window_shape.h"

namespace horalune {
namespace {

struct Recorder : EventSink {
    std::vector<std::string> events;
    bool consume_keys = false;
    bool allow_close = false;
    std::function<void(int)> timer_action;

    void on_timer(WindowId, int id) override {
        events.push_back("timer " + std::to_string(id));
        if (timer_action) timer_action(id);
    }
    void on_mouse_down(WindowId, MouseButton b, int x, int y) override { mouse("down", b, x, y); }
    void on_mouse_up(WindowId, MouseButton b, int x, int y) override { mouse("up", b, x, y); }
    void on_mouse_move(WindowId, int x, int y) override {
        events.push_back("move " + std::to_string(x) + "," + std::to_string(y));
    }
    bool on_key_down(WindowId, int key) override {
        events.push_back("key " + std::to_string(key));
        return consume_keys;
    }
    bool on_close_request(WindowId) override {
        events.push_back("close");
        return allow_close;
    }
    void mouse(const char* what, MouseButton b, int x, int y) {
        events.push_back(std::string(what) + (b == MouseButton::left ? " left " : " right ") +
                         std::to_string(x) + "," + std::to_string(y));
    }
};

class Win32WindowTest : public ::testing::Test {
  protected:
    std::unique_ptr<Platform> platform = make_win32_platform();
    Recorder sink;
    WindowId window = kNoWindow;
    HWND hwnd = nullptr;

    void SetUp() override {
        platform->set_event_sink(&sink);
        // Wine without an X display cannot make windows at all: say so instead of failing.
        const WindowId probe =
            platform->create_window(WindowSpec{"probe", Rect{0, 0, 1, 1}, true, false, false});
        if (probe == kNoWindow) GTEST_SKIP() << "no window can be created here (no display?)";
        platform->destroy_window(probe);
    }

    // A window with a title unique to the test, so that the native handle can be found.
    bool open(Rect rect, bool visible) {
        const std::string title = std::string("horalune test ") +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        window = platform->create_window(WindowSpec{title, rect, true, false, visible});
        hwnd = FindWindowW(nullptr, widen(title).c_str());
        return window != kNoWindow && hwnd != nullptr;
    }

    // Handles everything posted so far, then returns.
    void drain() {
        platform->quit(0);
        EXPECT_EQ(platform->run_event_loop(), 0);
    }
};

TEST_F(Win32WindowTest, GeometryAndVisibility) {
    ASSERT_TRUE(open(Rect{40, 50, 120, 90}, false));
    EXPECT_FALSE(platform->window_visible(window));
    EXPECT_EQ(platform->window_rect(window), (Rect{40, 50, 120, 90}));
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_STYLE) & WS_POPUP);
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);  // not in the taskbar

    platform->show_window(window, true);
    EXPECT_TRUE(platform->window_visible(window));
    platform->move_window(window, 70, 80);
    EXPECT_EQ(platform->window_rect(window), (Rect{70, 80, 120, 90}));
    platform->resize_window(window, 164, 164);
    EXPECT_EQ(platform->window_rect(window), (Rect{70, 80, 164, 164}));
    platform->show_window(window, false);
    EXPECT_FALSE(platform->window_visible(window));

    platform->destroy_window(window);
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_EQ(platform->window_rect(window), Rect{});
    platform->destroy_window(window);  // twice is harmless
}

TEST_F(Win32WindowTest, MouseInputArrivesInClientCoordinates) {
    ASSERT_TRUE(open(Rect{10, 10, 100, 100}, true));
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 7));
    PostMessageW(hwnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(static_cast<WORD>(-3), 9));
    PostMessageW(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(6, 8));
    PostMessageW(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(30, 40));
    PostMessageW(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(31, 41));
    drain();
    const std::vector<std::string> expected = {"down left 5,7", "move -3,9", "up left 6,8",
                                               "down right 30,40", "up right 31,41"};
    std::vector<std::string> seen;
    for (const std::string& e : sink.events) {
        if (e.rfind("move", 0) != 0 || e == "move -3,9") seen.push_back(e);  // skip pointer noise
    }
    EXPECT_EQ(seen, expected);
}

TEST_F(Win32WindowTest, ConsumedKeysAreSwallowedAndClosesCanBeRefused) {
    ASSERT_TRUE(open(Rect{10, 10, 100, 100}, true));
    const LPARAM alt_down = LPARAM{1} << 29;

    sink.consume_keys = true;
    PostMessageW(hwnd, WM_SYSKEYDOWN, VK_F4, alt_down);
    drain();
    EXPECT_EQ(sink.events, std::vector<std::string>{"key 115"});

    sink.events.clear();
    sink.consume_keys = false;  // Alt+F4 goes on to become a close request, which is refused
    PostMessageW(hwnd, WM_SYSKEYDOWN, VK_F4, alt_down);
    drain();
    EXPECT_EQ(sink.events, (std::vector<std::string>{"key 115", "close"}));
    EXPECT_TRUE(IsWindow(hwnd));

    sink.events.clear();
    sink.allow_close = true;
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    drain();
    EXPECT_EQ(sink.events, std::vector<std::string>{"close"});
    EXPECT_FALSE(IsWindow(hwnd));
    EXPECT_FALSE(platform->window_visible(window));
}

TEST_F(Win32WindowTest, TimersFireWithTheirIdsUntilStopped) {
    ASSERT_TRUE(open(Rect{10, 10, 50, 50}, false));
    int fired_7 = 0;
    sink.timer_action = [&](int id) {
        if (id == 7 && ++fired_7 == 2) {
            platform->set_timer(window, 0, 0);
            platform->set_timer(window, 7, 0);
            platform->quit(42);
        }
    };
    platform->set_timer(window, 0, 15);  // id 0 is a valid id
    platform->set_timer(window, 7, 40);
    EXPECT_EQ(platform->run_event_loop(), 42);
    EXPECT_NE(std::find(sink.events.begin(), sink.events.end(), "timer 0"), sink.events.end());

    // Stopped timers stay quiet while another one runs for a while.
    sink.events.clear();
    sink.timer_action = [&](int id) {
        if (id == 3) platform->quit(3);
    };
    platform->set_timer(window, 3, 150);
    EXPECT_EQ(platform->run_event_loop(), 3);
    EXPECT_EQ(sink.events, std::vector<std::string>{"timer 3"});
}

TEST_F(Win32WindowTest, PresentPaintsThePictureAndTheShapeCutsTheWindow) {
    ASSERT_TRUE(open(Rect{20, 20, 8, 6}, true));
    // Red top-left, green top-right, blue bottom: a swapped byte order or a picture drawn
    // upside down or mirrored shows up in one of the corners.
    Image picture(8, 6, 0xFF0000FFu);
    for (int y = 0; y < 3; ++y) {
        for (int x = 0; x < 8; ++x) picture.at(x, y) = x < 4 ? 0xFFFF0000u : 0xFF00FF00u;
    }
    platform->present(window, picture);
    UpdateWindow(hwnd);
    const HDC dc = GetDC(hwnd);
    EXPECT_EQ(GetPixel(dc, 1, 1), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 6, 1), RGB(0, 255, 0));
    EXPECT_EQ(GetPixel(dc, 1, 4), RGB(0, 0, 255));
    ReleaseDC(hwnd, dc);

    Image mask(8, 6, kOpaqueWhite);
    mask.at(2, 3) = 0xFF000000u;
    platform->set_window_shape(window, mask);
    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd, region), ERROR);
    EXPECT_TRUE(PtInRegion(region, 2, 3));
    EXPECT_FALSE(PtInRegion(region, 3, 3));
    platform->set_window_shape(window, Image());  // back to the whole rectangle
    EXPECT_EQ(GetWindowRgn(hwnd, region), ERROR);
    DeleteObject(region);
}

TEST(Win32WindowShapeTest, RegionHoldsExactlyTheNonWhitePixels) {
    // Rows: ".#.#" / "####" / "...." with "." white; alpha must not matter.
    Image mask(4, 3, kOpaqueWhite);
    mask.at(1, 0) = 0xFF000080u;
    mask.at(3, 0) = 0x00FEFFFFu;  // almost white, fully transparent: still inside
    for (int x = 0; x < 4; ++x) mask.at(x, 1) = 0xFF102030u;
    mask.at(2, 2) = 0x00FFFFFFu;  // white with zero alpha: outside

    const HRGN region = win32::region_from_mask(mask);
    ASSERT_NE(region, nullptr);
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            const bool inside = (mask.at(x, y) & 0x00FFFFFFu) != 0x00FFFFFFu;
            EXPECT_EQ(PtInRegion(region, x, y) != 0, inside) << x << "," << y;
        }
    }
    EXPECT_FALSE(PtInRegion(region, 4, 1));  // nothing beyond the mask
    DeleteObject(region);

    EXPECT_EQ(win32::region_from_mask(Image()), nullptr);
    const HRGN none = win32::region_from_mask(Image(3, 3, kOpaqueWhite));
    ASSERT_NE(none, nullptr);
    RECT box{};
    EXPECT_EQ(GetRgnBox(none, &box), NULLREGION);
    DeleteObject(none);
}

}  // namespace
}  // namespace horalune
#endif  // _WIN32
