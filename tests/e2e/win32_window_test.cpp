// The Win32 back-end's windows and event loop, run for real under Wine (needs a display):
// geometry, input in client coordinates, the mouse leaving, swallowed keys and vetoed closes,
// plain and wall-clock aligned timers, painting (only what changed) and the cut-out shape, the
// window's tooltip.
#ifdef _WIN32
#include <gtest/gtest.h>

// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "e2e/win32_recorder.h"
#include "platform/win32/aligned_timer.h"
#include "platform/win32/backend.h"
#include "platform/win32/window_shape.h"

namespace horalune {
namespace {

using testing::Win32Test;
using Win32WindowTest = Win32Test;

// Where the window's first control lies on the device, in its client area.
RECT first_child_box(HWND window) {
    RECT box{};
    GetWindowRect(GetWindow(window, GW_CHILD), &box);
    MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&box), 2);
    return box;
}

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

// At 200 % the program still speaks in logical pixels: what it asks for is doubled on the
// device, and what the device reports is halved before the program hears of it.
TEST_F(Win32WindowTest, AtTwiceTheScaleTheProgramSeesLogicalPixels) {
    static_cast<win32::Win32Platform&>(*platform).force_dpi(192);
    ASSERT_TRUE(open(Rect{40, 50, 120, 90}, true));
    EXPECT_EQ(platform->window_dpi(window), 192);
    RECT device{};
    GetWindowRect(hwnd, &device);
    EXPECT_EQ(device.left, 80);
    EXPECT_EQ(device.top, 100);
    EXPECT_EQ(device.right - device.left, 240);
    EXPECT_EQ(device.bottom - device.top, 180);
    EXPECT_EQ(platform->window_rect(window), (Rect{40, 50, 120, 90}));
    platform->move_window(window, 70, 80);
    EXPECT_EQ(platform->window_rect(window), (Rect{70, 80, 120, 90}));  // what config.ini gets

    ControlSpec button;
    button.type = ControlType::button;
    button.rect = {10, 20, 60, 24};
    button.caption = "OK";
    const int id = platform->create_control(window, button);
    ASSERT_NE(id, 0);
    const RECT box = first_child_box(hwnd);
    EXPECT_EQ(box.left, 20);
    EXPECT_EQ(box.top, 40);
    EXPECT_EQ(box.right - box.left, 120);
    EXPECT_EQ(box.bottom - box.top, 48);

    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(101, 61));
    drain();
    EXPECT_EQ(sink.count("down left 50,30"), 1);
}

// Moved onto a monitor at 150 %, the system tells the window its new dpi and suggests its new
// place: it takes the place, its controls their boxes at the new scale, and the program hears
// of it so it can draw its pictures again.
TEST_F(Win32WindowTest, ANewDpiRescalesTheWindowAndItsControlsAndIsReported) {
    ASSERT_TRUE(open(Rect{40, 50, 120, 90}, true));
    ControlSpec label;
    label.type = ControlType::label;
    label.rect = {10, 20, 60, 16};
    label.caption = "text";
    ASSERT_NE(platform->create_control(window, label), 0);
    RECT suggested{60, 75, 60 + 180, 75 + 135};
    SendMessageW(hwnd, WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(platform->window_dpi(window), 144);
    EXPECT_EQ(sink.count("dpi changed"), 1);
    RECT device{};
    GetWindowRect(hwnd, &device);
    EXPECT_EQ(device.right - device.left, 180);
    EXPECT_EQ(platform->window_rect(window).width, 120);  // logical as before
    const RECT box = first_child_box(hwnd);
    EXPECT_EQ(box.left, 15);
    EXPECT_EQ(box.top, 30);
    EXPECT_EQ(box.right - box.left, 90);
    EXPECT_EQ(box.bottom - box.top, 24);
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

// A tick presents a picture that mostly equals the last one: only what changed is painted.
TEST_F(Win32WindowTest, PresentDrawsOnlyWhatChangedAtOnce) {
    ASSERT_TRUE(open(Rect{20, 20, 40, 30}, true));
    Image picture(40, 30, 0xFF0000FFu);
    platform->present(window, picture);
    UpdateWindow(hwnd);
    const HDC dc = GetDC(hwnd);
    // A mark on the screen that the picture does not hold: drawn over only if redrawn there.
    SetPixel(dc, 30, 20, RGB(0, 255, 0));
    platform->present(window, picture);  // the same again
    EXPECT_EQ(GetPixel(dc, 30, 20), RGB(0, 255, 0));
    picture.at(12, 7) = 0xFFFF0000u;
    platform->present(window, picture);
    // On the screen straight away, with no paint round through the message queue.
    RECT dirty{};
    EXPECT_FALSE(GetUpdateRect(hwnd, &dirty, FALSE));
    EXPECT_EQ(GetPixel(dc, 12, 7), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 13, 7), RGB(0, 0, 255));
    EXPECT_EQ(GetPixel(dc, 30, 20), RGB(0, 255, 0));
    picture.at(3, 25) = 0xFFFFFF00u;
    platform->present_part(window, picture, Rect{0, 20, 10, 10});
    EXPECT_EQ(GetPixel(dc, 3, 25), RGB(255, 255, 0));
    EXPECT_EQ(GetPixel(dc, 30, 20), RGB(0, 255, 0));
    ReleaseDC(hwnd, dc);
    platform->present(window, Image(20, 10, 0xFF00FF00u));  // another size: all of it
    ASSERT_TRUE(GetUpdateRect(hwnd, &dirty, FALSE));
    EXPECT_EQ(dirty.right - dirty.left, 40);
    EXPECT_EQ(dirty.bottom - dirty.top, 30);
}

// A picture changed under a native control leaves the control whole.
TEST_F(Win32WindowTest, PresentUnderAControlKeepsTheControl) {
    ASSERT_TRUE(open(Rect{20, 20, 60, 40}, true));
    platform->present(window, Image(60, 40, 0xFF0000FFu));
    ControlSpec label;
    label.type = ControlType::label;
    label.rect = {10, 10, 30, 16};
    ASSERT_NE(platform->create_control(window, label), 0);
    const auto paint_all = [&] {
        RedrawWindow(hwnd, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    };
    paint_all();
    platform->present(window, Image(60, 40, 0xFFFF0000u));
    paint_all();
    const HDC dc = GetDC(hwnd);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc, 20, 15), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(dc, 20, 15), RGB(0, 0, 255));
    ReleaseDC(hwnd, dc);
}

TEST_F(Win32WindowTest, ActivationBringsTheWindowToTheForeground) {
    ASSERT_TRUE(open(Rect{10, 10, 60, 60}, true));
    const auto [other, other_hwnd] = open_window(Rect{100, 10, 60, 60}, true, " other");
    for (const auto& [id, native] : {std::pair{window, hwnd}, std::pair{other, other_hwnd}}) {
        platform->activate_window(id);
        EXPECT_EQ(GetForegroundWindow(), native);
    }
}

TEST_F(Win32WindowTest, LeavingTheWindowIsReportedOncePerVisit) {
    ASSERT_TRUE(open(Rect{100, 100, 80, 80}, true));
    for (int visit = 1; visit <= 2; ++visit) {
        SetCursorPos(140, 140);
        ASSERT_TRUE(pump_until(
            [&] { return !sink.events.empty() && sink.events.back().rfind("move", 0) == 0; }, 2000))
            << "no move in visit " << visit;
        SetCursorPos(400, 400);
        ASSERT_TRUE(pump_until([&] { return sink.count("leave") == visit; }, 2000))
            << "no leave in visit " << visit;
    }
    pump_until([] { return false; }, 200);  // nothing more trickles in
    EXPECT_EQ(sink.count("leave"), 2);
}

// The tooltip control the window owns, or null.
HWND tooltip_of(HWND owner) {
    for (HWND tip = FindWindowExW(nullptr, nullptr, TOOLTIPS_CLASSW, nullptr); tip != nullptr;
         tip = FindWindowExW(nullptr, tip, TOOLTIPS_CLASSW, nullptr)) {
        if (GetWindow(tip, GW_OWNER) == owner) return tip;
    }
    return nullptr;
}

TEST_F(Win32WindowTest, TooltipHoldsOneToolThatFollowsTheAreaAndShowsOnRest) {
    ASSERT_TRUE(open(Rect{100, 100, 164, 164}, true));
    const struct {
        Rect area;
        const wchar_t* text;
    } steps[] = {{{100, 8, 32, 32}, L"打开记事本。"}, {{124, 32, 32, 32}, L"打开计算器。"}};
    for (const auto& step : steps) {
        platform->set_tooltip(window, step.area, narrow(step.text));
        const HWND tip = tooltip_of(hwnd);
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 1);
        wchar_t text[80] = {};
        TTTOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = hwnd;
        tool.uId = 1;
        tool.lpszText = text;
        ASSERT_TRUE(SendMessageW(tip, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)));
        EXPECT_EQ(tool.rect.left, step.area.left);
        EXPECT_EQ(tool.rect.bottom, step.area.top + step.area.height);
        tool.lpszText = text;
        SendMessageW(tip, TTM_GETTEXTW, 80, reinterpret_cast<LPARAM>(&tool));
        EXPECT_EQ(std::wstring(text), step.text);
        // Resting on the area shows the tip after the desktop's delay.
        SetCursorPos(100 + step.area.left + 10, 100 + step.area.top + 10);
        EXPECT_TRUE(pump_until([&] { return IsWindowVisible(tip) != FALSE; }, 4000));
    }
    const HWND tip = tooltip_of(hwnd);
    platform->set_tooltip(window, {}, {});
    EXPECT_EQ(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0), 0);
    EXPECT_FALSE(IsWindowVisible(tip));
    platform->destroy_window(window);
    EXPECT_FALSE(IsWindow(tip));  // it went with its window
}

TEST_F(Win32WindowTest, DragMovesTheWindowWithTheMouseUntilTheButtonGoesUp) {
    ASSERT_TRUE(open(Rect{100, 100, 80, 80}, true));
    const auto send_mouse = [](DWORD flags, int x, int y) {
        INPUT input{};
        input.type = INPUT_MOUSE;
        // Absolute coordinates run from 0 to 65535 across the primary screen.
        input.mi.dx = MulDiv(x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
        input.mi.dy = MulDiv(y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
        input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
        SendInput(1, &input, sizeof input);
    };
    send_mouse(0, 140, 140);
    send_mouse(MOUSEEVENTF_LEFTDOWN, 140, 140);
    ASSERT_TRUE(pump_until([&] { return sink.count("down left 40,40") == 1; }, 2000));
    // The user moves and lets go while the drag runs.
    std::thread user([&] {
        Sleep(200);
        send_mouse(0, 170, 150);
        Sleep(100);
        send_mouse(0, 200, 230);
        Sleep(100);
        send_mouse(MOUSEEVENTF_LEFTUP, 200, 230);
    });
    platform->begin_window_drag(window);
    user.join();
    EXPECT_EQ(platform->window_rect(window), (Rect{160, 190, 80, 80}));
}

TEST_F(Win32WindowTest, AlignedTimerTicksJustAfterWholeSecondsOfTheWallClock) {
    ASSERT_TRUE(open(Rect{10, 10, 50, 50}, false));
    std::vector<SYSTEMTIME> ticks;
    sink.timer_action = [&](int id) {
        if (id != 4) return;
        SYSTEMTIME now{};
        GetLocalTime(&now);
        ticks.push_back(now);
        if (ticks.size() == 4) platform->quit(4);
    };
    platform->set_aligned_timer(window, 4, 1000);
    EXPECT_EQ(platform->run_event_loop(), 4);
    ASSERT_EQ(ticks.size(), 4u);
    for (std::size_t i = 0; i < ticks.size(); ++i) {
        EXPECT_LT(ticks[i].wMilliseconds, 100) << "tick " << i;
        // One tick per second: none skipped, none twice.
        if (i > 0) {
            EXPECT_EQ(ticks[i].wSecond, (ticks[i - 1].wSecond + 1) % 60) << "tick " << i;
        }
    }

    // Interval 0 stops it, as for a plain timer.
    sink.events.clear();
    platform->set_aligned_timer(window, 4, 0);
    sink.timer_action = [&](int id) {
        if (id == 9) platform->quit(9);
    };
    platform->set_timer(window, 9, 1300);
    EXPECT_EQ(platform->run_event_loop(), 9);
    EXPECT_EQ(sink.events, std::vector<std::string>{"timer 9"});
}

TEST(Win32AlignedWaitTest, AimsJustPastTheNextBoundaryAndHoldsBackEarlyTicks) {
    struct Case {
        std::int64_t now;
        int interval;
        bool early;
        int delay;
    };
    const int m = win32::kAlignedMarginMs;
    const Case cases[] = {
        {5000, 1000, false, 1000 + m},  // right on a boundary
        {5000 + m, 1000, false, 1000},  // where ticks are aimed: a steady second
        {5949, 1000, false, 51 + m},    // late, but this second still needs its tick
        {5990, 1000, true, 10 + m},     // early for 6 s: held back, tried again just after
        {-10, 1000, true, 10 + m},      // before the epoch the same arithmetic holds
        {90, 100, true, 10 + m},        // short intervals have a short early window
        {70, 100, false, 30 + m},
    };
    for (const Case& c : cases) {
        const win32::AlignedWait wait = win32::aligned_wait(c.now, c.interval);
        EXPECT_EQ(wait.early, c.early) << c.now << " / " << c.interval;
        EXPECT_EQ(wait.delay_ms, c.delay) << c.now << " / " << c.interval;
    }
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

TEST(Win32WindowShapeTest, ChangedBandsCoverEveryChangeAndLittleElse) {
    const Image blank(64, 64, kOpaqueWhite);
    const auto with = [&](std::initializer_list<std::pair<int, int>> points) {
        Image changed = blank;
        for (const auto& [x, y] : points) changed.at(x, y) = 0xFF000000u;
        return changed;
    };
    const struct {
        const char* what;
        Image after;
        std::vector<RECT> bands;
    } cases[] = {
        {"nothing changed", blank, {}},
        {"one pixel", with({{5, 9}}), {{5, 9, 6, 10}}},
        {"corners of the picture", with({{0, 0}, {63, 63}}), {{0, 0, 1, 1}, {63, 63, 64, 64}}},
        {"rows a few apart join", with({{10, 20}, {30, 28}}), {{10, 20, 31, 29}}},
        {"rows eight apart still join", with({{10, 20}, {30, 29}}), {{10, 20, 31, 30}}},
        {"rows nine apart stay apart",
         with({{10, 20}, {30, 30}}),
         {{10, 20, 11, 21}, {30, 30, 31, 31}}},
    };
    for (const auto& c : cases) {
        const std::vector<RECT> bands = win32::changed_bands(blank, c.after);
        ASSERT_EQ(bands.size(), c.bands.size()) << c.what;
        for (std::size_t i = 0; i < bands.size(); ++i) {
            EXPECT_TRUE(EqualRect(&bands[i], &c.bands[i]))
                << c.what << ": " << bands[i].left << "," << bands[i].top << " " << bands[i].right
                << "," << bands[i].bottom;
        }
    }
}

}  // namespace
}  // namespace horalune
#endif  // _WIN32
