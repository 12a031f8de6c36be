// The Win32 back-end's native controls, modal loops, popup menus, message boxes, tray icon and
// processes, run for real under Wine (needs a display for all but the last).
#ifdef _WIN32
#include <gtest/gtest.h>

// <shellapi.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <string>
#include <utility>
#include <vector>

#include "e2e/win32_recorder.h"
#include "platform/win32/backend.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

using Win32ShellTest = testing::Win32Test;

std::vector<std::string> starting_with(const std::vector<std::string>& events,
                                       const std::string& prefix) {
    std::vector<std::string> out;
    for (const std::string& e : events) {
        if (e.rfind(prefix, 0) == 0) out.push_back(e);
    }
    return out;
}

std::wstring text_of(HWND hwnd) {
    wchar_t text[256] = {};
    GetWindowTextW(hwnd, text, 256);
    return text;
}

ControlSpec control(ControlType type, Rect rect, std::string caption, FontSpec font = {}) {
    ControlSpec request;
    request.type = type;
    request.rect = rect;
    request.caption = std::move(caption);
    request.font = std::move(font);
    return request;
}

LOGFONTW font_of(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font;
}

TEST_F(Win32ShellTest, ControlsReportTheirEventsAndShowTheirTextAndFonts) {
    ASSERT_TRUE(open(Rect{30, 30, 300, 200}, true));
    const int label = platform->create_control(
        window, control(ControlType::label, {0, 0, 300, 22}, "标题", {"宋体", 14, false}));
    const int button =
        platform->create_control(window, control(ControlType::button, {10, 150, 80, 24}, "看够了"));
    const int link = platform->create_control(
        window, control(ControlType::hyperlink, {10, 100, 150, 16}, "网站", {"", 0, true}));
    ASSERT_EQ(label, 1);
    ASSERT_EQ(button, 2);
    ASSERT_EQ(link, 3);
    const HWND label_hwnd = GetDlgItem(hwnd, label);
    const HWND button_hwnd = GetDlgItem(hwnd, button);
    const HWND link_hwnd = GetDlgItem(hwnd, link);
    ASSERT_TRUE(label_hwnd && button_hwnd && link_hwnd);

    // A label reports the press (the about window drags itself by it), the others a click.
    SendMessageW(button_hwnd, BM_CLICK, 0, 0);
    for (HWND control : {label_hwnd, link_hwnd}) {
        SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
        SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    }
    drain();
    EXPECT_EQ(starting_with(sink.events, "control"),
              (std::vector<std::string>{"control 2 clicked", "control 1 left_down",
                                        "control 3 clicked"}));

    EXPECT_EQ(text_of(button_hwnd), widen("看够了"));
    platform->set_control_text(window, label, "关于 Horalune");
    EXPECT_EQ(text_of(label_hwnd), widen("关于 Horalune"));
    platform->set_control_text(window, 0, "nothing");  // no such controls: ignored
    platform->set_control_text(window, 4, "nothing");

    const LOGFONTW song = font_of(label_hwnd);
    EXPECT_EQ(song.lfHeight, -14);
    EXPECT_EQ(song.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(std::wstring(song.lfFaceName), widen("宋体"));
    const LOGFONTW link_font = font_of(link_hwnd);
    EXPECT_TRUE(link_font.lfUnderline);
    EXPECT_EQ(link_font.lfWeight, FW_BOLD);
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(SendMessageW(button_hwnd, WM_GETFONT, 0, 0)),
              GetStockObject(DEFAULT_GUI_FONT));
}

TEST_F(Win32ShellTest, PicturesAndTheDialogFaceShowThroughWhiteAndTransparentPixels) {
    ASSERT_TRUE(open(Rect{30, 30, 120, 80}, true));
    Image picture(4, 1, 0xFFFF0000u);
    picture.at(1, 0) = kOpaqueWhite;
    picture.at(2, 0) = 0x000000FFu;  // fully transparent blue
    picture.at(3, 0) = 0x800000FFu;  // half transparent blue
    ControlSpec request;
    request.type = ControlType::picture;
    request.rect = {10, 10, 8, 8};
    request.picture = picture;
    const int id = platform->create_control(window, request);
    ASSERT_EQ(id, 1);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);

    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const HDC window_dc = GetDC(hwnd);
    EXPECT_EQ(GetPixel(window_dc, 60, 50), face);  // a window of controls looks like a dialog
    ReleaseDC(hwnd, window_dc);

    const HWND shown = GetDlgItem(hwnd, id);
    const HDC dc = GetDC(shown);
    EXPECT_EQ(GetPixel(dc, 0, 0), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(dc, 1, 0), face);
    EXPECT_EQ(GetPixel(dc, 2, 0), face);
    const COLORREF half = GetPixel(dc, 3, 0);
    EXPECT_GT(GetBValue(half), GetBValue(face) / 2);
    EXPECT_LT(GetRValue(half), GetRValue(face) * 3 / 4);
    EXPECT_EQ(GetPixel(dc, 5, 5), face);  // inside the control, beyond the picture
    ReleaseDC(shown, dc);
}

TEST_F(Win32ShellTest, ModalLoopDisablesTheOtherWindowsUntilEnded) {
    ASSERT_TRUE(open(Rect{10, 10, 60, 60}, true));
    const auto [dialog, dialog_hwnd] = open_window(Rect{100, 100, 80, 60}, false, " dialog");
    ASSERT_NE(dialog_hwnd, nullptr);
    bool main_enabled_inside = true;
    bool dialog_enabled_inside = false;
    int ticks = 0;
    sink.timer_action = [&](int id) {
        if (id != 1) return;
        main_enabled_inside = IsWindowEnabled(hwnd);
        dialog_enabled_inside = IsWindowEnabled(dialog_hwnd);
        if (++ticks == 2) platform->end_modal(dialog);
    };
    platform->set_timer(dialog, 1, 30);
    platform->run_modal(dialog);
    platform->set_timer(dialog, 1, 0);
    EXPECT_EQ(ticks, 2);
    EXPECT_FALSE(main_enabled_inside);
    EXPECT_TRUE(dialog_enabled_inside);
    EXPECT_FALSE(IsWindowVisible(dialog_hwnd));  // made hidden, it runs hidden
    EXPECT_TRUE(IsWindowEnabled(hwnd));
}

TEST_F(Win32ShellTest, ModalLoopEndsWhenItsWindowGoesOrTheProgramQuits) {
    ASSERT_TRUE(open(Rect{10, 10, 60, 60}, true));
    const auto [first, first_hwnd] = open_window(Rect{100, 100, 80, 60}, false, " first");
    sink.timer_action = [&](int id) {
        if (id == 1) platform->destroy_window(first);
    };
    platform->set_timer(first, 1, 30);
    platform->run_modal(first);
    EXPECT_FALSE(IsWindow(first_hwnd));
    EXPECT_TRUE(IsWindowEnabled(hwnd));

    // A quit inside ends the modal loop and still reaches the main loop.
    const auto [second, second_hwnd] = open_window(Rect{100, 100, 80, 60}, false, " second");
    sink.timer_action = [&](int id) {
        if (id == 2) platform->quit(7);
    };
    platform->set_timer(second, 2, 30);
    platform->run_modal(second);
    platform->set_timer(second, 2, 0);
    EXPECT_TRUE(IsWindowEnabled(hwnd));
    EXPECT_EQ(platform->run_event_loop(), 7);
    platform->end_modal(second);  // after the loop: harmless
}

TEST_F(Win32ShellTest, PopupMenuReturnsTheItemPickedWithTheKeyboard) {
    ASSERT_TRUE(open(Rect{200, 200, 60, 60}, true));
    SetCursorPos(210, 210);
    const std::vector<PopupItem> items = {{"一", false}, {"", false}, {"二", true}, {"三", false}};
    std::vector<WPARAM> keys;
    bool checked = false;
    std::wstring caption;
    // The menu runs its own loop; a timer inside it looks at the menu and types the keys.
    sink.timer_action = [&](int id) {
        if (id != 2) return;
        platform->set_timer(window, 2, 0);
        if (const HWND shown = FindWindowW(L"#32768", nullptr)) {
            const auto menu = reinterpret_cast<HMENU>(SendMessageW(shown, MN_GETHMENU, 0, 0));
            checked = (GetMenuState(menu, 2, MF_BYPOSITION) & MF_CHECKED) != 0;
            wchar_t text[16] = {};
            GetMenuStringW(menu, 3, text, 16, MF_BYPOSITION);
            caption = text;
        }
        for (WPARAM key : keys) {
            PostMessageW(hwnd, WM_KEYDOWN, key, 1);
            PostMessageW(hwnd, WM_KEYUP, key, 0xC0000001);
        }
    };
    keys = {VK_DOWN, VK_DOWN, VK_RETURN};  // the separator is skipped
    platform->set_timer(window, 2, 200);
    EXPECT_EQ(platform->popup_menu(window, items), 2);
    EXPECT_TRUE(checked);
    EXPECT_EQ(caption, widen("三"));

    keys = {VK_ESCAPE};
    platform->set_timer(window, 2, 200);
    EXPECT_EQ(platform->popup_menu(window, items), -1);
}

struct BoxContent {
    std::wstring text;
    bool found_text = false;
    bool icon = false;
};

BOOL CALLBACK inspect_child(HWND child, LPARAM data) {
    auto& content = *reinterpret_cast<BoxContent*>(data);
    wchar_t cls[16] = {};
    GetClassNameW(child, cls, 16);
    if (_wcsicmp(cls, L"Static") != 0) return TRUE;
    if (text_of(child) == content.text) content.found_text = true;
    const LONG style = GetWindowLongW(child, GWL_STYLE);
    if ((style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child) &&
        SendMessageW(child, STM_GETICON, 0, 0) != 0) {
        content.icon = true;
    }
    return TRUE;
}

TEST_F(Win32ShellTest, MessageBoxShowsItsTextAndIconModalToItsOwner) {
    ASSERT_TRUE(open(Rect{10, 10, 60, 60}, true));
    for (const MessageIcon icon : {MessageIcon::information, MessageIcon::none}) {
        BoxContent content{widen("设置已保存。")};
        bool owner_enabled_inside = true;
        bool seen = false;
        sink.timer_action = [&](int id) {
            const HWND box = FindWindowW(L"#32770", widen("提示").c_str());
            if (id != 3 || box == nullptr) return;  // not up yet
            platform->set_timer(window, 3, 0);
            seen = true;
            owner_enabled_inside = IsWindowEnabled(hwnd);
            EnumChildWindows(box, inspect_child, reinterpret_cast<LPARAM>(&content));
            PostMessageW(box, WM_COMMAND, IDOK, 0);
        };
        platform->set_timer(window, 3, 100);
        platform->message_box(window, "设置已保存。", "提示", icon);
        ASSERT_TRUE(seen);
        EXPECT_TRUE(content.found_text);
        EXPECT_EQ(content.icon, icon != MessageIcon::none);
        EXPECT_FALSE(owner_enabled_inside);
        EXPECT_TRUE(IsWindowEnabled(hwnd));
    }
}

TEST_F(Win32ShellTest, TrayIconReportsClicksUntilRemoved) {
    ASSERT_TRUE(open(Rect{10, 10, 60, 60}, false));
    // Longer than the tip field, with a surrogate pair where it is cut.
    std::string tip(126, 'x');
    tip += "\xF0\x9D\x84\x9E tail";
    platform->set_tray_icon(window, tip);
    platform->set_tray_icon(window, "Horalune  2026年12月08日 星期二");
    NOTIFYICONDATAW probe{};
    probe.cbSize = sizeof probe;
    probe.hWnd = hwnd;
    probe.uID = win32::kTrayIconId;
    const bool shell_has_tray = FindWindowW(L"Shell_TrayWnd", nullptr) != nullptr;
    if (shell_has_tray) {
        EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &probe)) << "icon not added";
    }

    SendMessageW(hwnd, win32::kTrayMessage, win32::kTrayIconId, WM_RBUTTONUP);
    SendMessageW(hwnd, win32::kTrayMessage, win32::kTrayIconId, WM_MOUSEMOVE);
    SendMessageW(hwnd, win32::kTrayMessage, win32::kTrayIconId, WM_LBUTTONUP);
    SendMessageW(hwnd, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);  // the shell is back
    if (shell_has_tray) {
        EXPECT_TRUE(Shell_NotifyIconW(NIM_MODIFY, &probe));
    }

    platform->remove_tray_icon(window);
    if (shell_has_tray) {
        EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &probe)) << "icon left over";
    }
    SendMessageW(hwnd, win32::kTrayMessage, win32::kTrayIconId, WM_RBUTTONUP);
    platform->remove_tray_icon(window);  // twice is harmless
    EXPECT_EQ(sink.events, (std::vector<std::string>{"tray right", "tray left"}));

    // A window that goes takes its icon with it.
    platform->set_tray_icon(window, "Horalune");
    platform->destroy_window(window);
    if (shell_has_tray) {
        EXPECT_FALSE(Shell_NotifyIconW(NIM_MODIFY, &probe));
    }
}

TEST(Win32ProcessTest, StartsProgramsWithoutWaitingAndReportsFailures) {
    const auto platform = make_win32_platform();
    EXPECT_FALSE(platform->start_process("horalune-no-such-program.exe --flag"));
    EXPECT_FALSE(platform->start_process(""));

    testing::TempDir dir;
    const std::string marker = dir.file("started.txt");
    ASSERT_TRUE(platform->start_process("cmd.exe /c echo started> \"" + marker + "\""));
    const ULONGLONG end = GetTickCount64() + 10'000;
    while (GetFileAttributesW(widen(marker).c_str()) == INVALID_FILE_ATTRIBUTES &&
           GetTickCount64() < end) {
        Sleep(50);
    }
    EXPECT_NE(GetFileAttributesW(widen(marker).c_str()), INVALID_FILE_ATTRIBUTES);
    Sleep(300);  // let cmd close the file before the folder goes
}

}  // namespace
}  // namespace horalune
#endif  // _WIN32
