// The Win32 back-end's edit boxes, check boxes, radios, lists, group boxes and tabs, run for real
// under Wine: the state they show, what the user's actions report, keys pressed in them, hidden
// modal windows, framed windows and how overlapping controls stack and look.
#ifdef _WIN32
#include <gtest/gtest.h>

// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>
#include <utility>
#include <vector>

#include "e2e/win32_recorder.h"

namespace horalune {
namespace {

using Win32ControlsTest = testing::Win32Test;

ControlSpec control_state(ControlType type, Rect rect, std::string caption = "",
                          std::vector<std::string> items = {}, int selected = -1) {
    ControlSpec request;
    request.type = type;
    request.rect = rect;
    request.caption = std::move(caption);
    request.items = std::move(items);
    request.selected = selected;
    return request;
}

std::wstring text_of(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return text;
}

enum class ListKind { combo, list, tab };

ListKind kind_of(HWND control) {
    wchar_t cls[32] = {};
    GetClassNameW(control, cls, 32);
    if (_wcsicmp(cls, L"ComboBox") == 0) return ListKind::combo;
    return _wcsicmp(cls, WC_TABCONTROLW) == 0 ? ListKind::tab : ListKind::list;
}

// The items a drop-down list, list box or tab control shows.
std::vector<std::string> items_of(HWND control) {
    const ListKind kind = kind_of(control);
    const UINT count = kind == ListKind::combo ? CB_GETCOUNT
                       : kind == ListKind::tab ? TCM_GETITEMCOUNT
                                               : LB_GETCOUNT;
    std::vector<std::string> items;
    for (int i = 0; i < SendMessageW(control, count, 0, 0); ++i) {
        wchar_t text[64] = {};
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text;
        item.cchTextMax = 64;
        if (kind == ListKind::tab) {
            SendMessageW(control, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
        } else {
            SendMessageW(control, kind == ListKind::combo ? CB_GETLBTEXT : LB_GETTEXT, i,
                         reinterpret_cast<LPARAM>(text));
        }
        items.push_back(narrow(text));
    }
    return items;
}

int selection_of(HWND control) {
    const ListKind kind = kind_of(control);
    const UINT get = kind == ListKind::combo ? CB_GETCURSEL
                     : kind == ListKind::tab ? TCM_GETCURSEL
                                             : LB_GETCURSEL;
    return static_cast<int>(SendMessageW(control, get, 0, 0));
}

bool ticked(HWND button) {
    return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

Rect placed(HWND parent, HWND child) {
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

// Without what the pointer happens to do over the windows.
std::vector<std::string> without_pointer(const std::vector<std::string>& events) {
    std::vector<std::string> out;
    for (const std::string& e : events) {
        if (e.rfind("move", 0) != 0 && e != "leave") out.push_back(e);
    }
    return out;
}

TEST_F(Win32ControlsTest, ControlsShowTheStateTheyAreMadeWithAndBroughtTo) {
    ASSERT_TRUE(open(Rect{30, 30, 440, 300}, true));
    ControlSpec lines = control_state(ControlType::edit, {10, 35, 150, 50}, "第一行\r\n第二行\r\n");
    lines.multiline = true;
    ControlSpec box = control_state(ControlType::check_box, {10, 90, 150, 18}, "启动时运行");
    box.checked = true;
    ControlSpec hidden = control_state(ControlType::radio, {10, 150, 100, 18}, "每天");
    hidden.visible = hidden.enabled = false;
    Image red(4, 4, 0xFFFF0000u);
    ControlSpec picture = control_state(ControlType::picture, {300, 250, 4, 4});
    picture.picture = red;
    ControlSpec swatch = control_state(ControlType::colour_picker, {330, 250, 30, 20});
    swatch.colour = 0x0000FF;  // red, as 0x00BBGGRR
    const std::vector<ControlSpec> made = {
        control_state(ControlType::edit, {10, 10, 150, 20}, "提醒 & <文字>"),
        lines,
        box,
        hidden,
        control_state(ControlType::drop_list, {170, 10, 150, 20}, "", {"关机", "重启", "注销"}, 1),
        control_state(ControlType::list_box, {170, 40, 150, 60}, "", {"一", "二", "三"}, 2),
        control_state(ControlType::check_list, {170, 110, 250, 35}, "",
                      {"关机", "重启", "注销", "睡眠"}, 3),
        control_state(ControlType::group_box, {5, 85, 160, 50}, "选项"),
        control_state(ControlType::tab, {0, 0, 440, 200}, "", {"常规", "提醒"}, 1),
        picture,
        swatch,
    };
    std::vector<HWND> c(made.size() + 1);
    for (std::size_t i = 0; i < made.size(); ++i) {
        ASSERT_EQ(platform->create_control(window, made[i]), int(i) + 1);
        c[i + 1] = GetDlgItem(hwnd, int(i) + 1);
        ASSERT_NE(c[i + 1], nullptr) << i;
        EXPECT_EQ(SendMessageW(c[i + 1], WM_GETFONT, 0, 0),
                  reinterpret_cast<LRESULT>(GetStockObject(DEFAULT_GUI_FONT)));
    }
    EXPECT_EQ(text_of(c[1]), widen("提醒 & <文字>"));
    EXPECT_GE(static_cast<DWORD>(SendMessageW(c[1], EM_GETLIMITTEXT, 0, 0)), 0x7FFFFFFEu);
    EXPECT_EQ(text_of(c[2]), widen("第一行\r\n第二行\r\n"));
    EXPECT_TRUE(GetWindowLongW(c[2], GWL_STYLE) & ES_MULTILINE);
    EXPECT_FALSE(GetWindowLongW(c[1], GWL_STYLE) & ES_MULTILINE);
    EXPECT_TRUE(ticked(c[3]));
    EXPECT_EQ(text_of(c[3]), widen("启动时运行"));
    EXPECT_FALSE(ticked(c[4]));
    EXPECT_FALSE(IsWindowVisible(c[4]));
    EXPECT_FALSE(IsWindowEnabled(c[4]));
    EXPECT_EQ(items_of(c[5]), (std::vector<std::string>{"关机", "重启", "注销"}));
    EXPECT_EQ(selection_of(c[5]), 1);
    RECT dropped{};  // the open list has room for ten rows
    SendMessageW(c[5], CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&dropped));
    EXPECT_GE(dropped.bottom - dropped.top, 10 * SendMessageW(c[5], CB_GETITEMHEIGHT, 0, 0));
    EXPECT_EQ(items_of(c[6]), (std::vector<std::string>{"一", "二", "三"}));
    EXPECT_EQ(selection_of(c[6]), 2);
    EXPECT_EQ(placed(hwnd, c[6]), (Rect{170, 40, 150, 60}));
    EXPECT_EQ(selection_of(c[7]), 3);
    EXPECT_EQ(placed(hwnd, c[7]), (Rect{170, 110, 250, 35}));
    EXPECT_GE(SendMessageW(c[7], LB_GETITEMHEIGHT, 0, 0), 13);  // the tick box fits a row
    EXPECT_GT(SendMessageW(c[7], LB_GETTOPINDEX, 0, 0), 0);     // scrolled to the ticked row
    EXPECT_EQ(text_of(c[8]), widen("选项"));
    EXPECT_EQ(items_of(c[9]), (std::vector<std::string>{"常规", "提醒"}));
    EXPECT_EQ(selection_of(c[9]), 1);

    // Brought to a new state: only what differs changes (the caret stays where it was).
    SendMessageW(c[1], EM_SETSEL, 3, 3);
    ControlSpec edit = made[0];
    edit.rect = {12, 14, 140, 22};
    platform->update_control(window, 1, edit);
    DWORD caret = 0;
    SendMessageW(c[1], EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
    EXPECT_EQ(caret, 3u);
    EXPECT_EQ(placed(hwnd, c[1]), (Rect{12, 14, 140, 22}));
    platform->set_control_text(window, 1, "新的文字");
    EXPECT_EQ(text_of(c[1]), widen("新的文字"));
    box.checked = false;
    box.caption = "开机时运行";
    platform->update_control(window, 3, box);
    EXPECT_FALSE(ticked(c[3]));
    EXPECT_EQ(text_of(c[3]), widen("开机时运行"));
    hidden.visible = hidden.enabled = hidden.checked = true;
    platform->update_control(window, 4, hidden);
    EXPECT_TRUE(ticked(c[4]) && IsWindowVisible(c[4]) && IsWindowEnabled(c[4]));
    for (const auto& [items, selected] : std::vector<std::pair<std::vector<std::string>, int>>{
             {{"关机", "重启"}, 0}, {{"关机", "睡眠", "休眠", "锁定"}, 3}, {{}, -1}}) {
        for (const int id : {5, 6, 7, 9}) {
            ControlSpec list = made[std::size_t(id) - 1];
            list.items = items;
            list.selected = selected;
            platform->update_control(window, id, list);
            EXPECT_EQ(items_of(c[id]), items) << id;
            EXPECT_EQ(selection_of(c[id]), selected) << id;
        }
    }
    picture.picture = Image();  // pictures keep theirs
    picture.rect = {310, 250, 4, 4};
    platform->update_control(window, 10, picture);
    const auto middle = [&](HWND control) {
        UpdateWindow(control);
        RECT r{};
        GetClientRect(control, &r);
        const HDC dc = GetDC(control);
        const COLORREF colour = GetPixel(dc, r.right / 2, r.bottom / 2);
        ReleaseDC(control, dc);
        return colour;
    };
    EXPECT_EQ(middle(c[10]), RGB(255, 0, 0));
    EXPECT_EQ(middle(c[11]), RGB(255, 0, 0));
    swatch.colour = 0x00FF00;
    platform->update_control(window, 11, swatch);
    EXPECT_EQ(middle(c[11]), RGB(0, 255, 0));
    drain();
    EXPECT_EQ(without_pointer(sink.events), std::vector<std::string>{});  // nothing echoed
}

TEST_F(Win32ControlsTest, UserActionsReportTheNewValueThenTheEvent) {
    ASSERT_TRUE(open(Rect{30, 30, 440, 300}, true));
    ControlSpec first = control_state(ControlType::radio, {10, 30, 100, 18}, "每天");
    first.checked = true;
    const std::vector<ControlSpec> made = {
        control_state(ControlType::check_box, {10, 10, 100, 18}, "启动"),
        first,
        control_state(ControlType::radio, {10, 50, 100, 18}, "一次"),
        control_state(ControlType::edit, {10, 70, 150, 20}, "abc"),
        control_state(ControlType::drop_list, {170, 10, 150, 20}, "", {"一", "二", "三"}, 0),
        control_state(ControlType::list_box, {170, 40, 150, 60}, "", {"x", "y"}),
        control_state(ControlType::check_list, {170, 110, 250, 35}, "",
                      {"关机", "重启", "注销", "睡眠"}, 0),
        control_state(ControlType::tab, {0, 150, 440, 100}, "", {"常规", "提醒"}, 0),
        control_state(ControlType::colour_picker, {300, 10, 30, 20}),
    };
    for (const ControlSpec& request : made) platform->create_control(window, request);
    const auto item = [&](int id) { return GetDlgItem(hwnd, id); };
    const auto notify = [&](int id, WORD code) {
        SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(item(id)));
    };

    SendMessageW(item(1), BM_CLICK, 0, 0);
    SendMessageW(item(1), BM_CLICK, 0, 0);
    SendMessageW(item(3), BM_CLICK, 0, 0);  // ticked; the program unticks the other radio
    EXPECT_TRUE(ticked(item(2)) && ticked(item(3)));
    SendMessageW(item(4), EM_SETSEL, 3, 3);
    SendMessageW(item(4), WM_CHAR, 'd', 1);
    SendMessageW(item(4), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"粘贴"));
    SendMessageW(item(5), CB_SETCURSEL, 2, 0);
    notify(5, CBN_SELCHANGE);
    notify(5, CBN_SELCHANGE);  // the same item again: no change
    SendMessageW(item(6), LB_SETCURSEL, 1, 0);
    notify(6, LBN_SELCHANGE);
    const auto row = static_cast<int>(SendMessageW(item(7), LB_GETITEMHEIGHT, 0, 0));
    SendMessageW(item(7), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(30, row + row / 2));
    SendMessageW(item(7), WM_LBUTTONUP, 0, MAKELPARAM(30, row + row / 2));
    RECT header{};
    SendMessageW(item(8), TCM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&header));
    const LPARAM at =
        MAKELPARAM((header.left + header.right) / 2, (header.top + header.bottom) / 2);
    SendMessageW(item(8), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(item(8), WM_LBUTTONUP, 0, at);
    SendMessageW(item(9), BM_CLICK, 0, 0);
    drain();
    EXPECT_EQ(
        without_pointer(sink.events),
        (std::vector<std::string>{
            "input 1 \"\" -1 checked", "control 1 clicked", "input 1 \"\" -1", "control 1 clicked",
            "input 3 \"\" -1 checked", "control 3 clicked", "input 4 \"abcd\" -1",
            "control 4 changed", "input 4 \"粘贴\" -1", "control 4 changed", "input 5 \"\" 2",
            "control 5 changed", "input 6 \"\" 1", "control 6 changed", "input 7 \"\" 1",
            "control 7 changed", "input 8 \"\" 1", "control 8 changed", "control 9 clicked"}));
    EXPECT_EQ(selection_of(item(7)), 1);
    EXPECT_EQ(selection_of(item(8)), 1);

    // Long text of any characters is kept as it is, and more can be typed after it.
    sink.events.clear();
    std::string text;
    for (int i = 0; i < 40000; ++i) text += "字";
    text += "\t&<>\"\xF0\x9F\x98\x80";  // and a character beyond 16 bits
    ControlSpec long_edit = made[3];
    long_edit.caption = text;
    platform->update_control(window, 4, long_edit);
    EXPECT_TRUE(text_of(item(4)) == widen(text)) << text_of(item(4)).size() << " characters";
    SendMessageW(item(4), EM_SETSEL, 40007, 40007);
    SendMessageW(item(4), WM_CHAR, 'x', 1);
    EXPECT_TRUE(sink.last_input.text == text + "x") << sink.last_input.text.size() << " bytes";
}

TEST_F(Win32ControlsTest, DropDownListsTakeNewItemsWhileOpeningAndClosing) {
    ASSERT_TRUE(open(Rect{30, 30, 300, 300}, true));
    ControlSpec drop =
        control_state(ControlType::drop_list, {10, 10, 150, 20}, "", {"一", "二", "三"}, 0);
    ASSERT_EQ(platform->create_control(window, drop), 1);
    const HWND combo = GetDlgItem(hwnd, 1);
    sink.control_action = [&](int, ControlEvent e) {
        // As the program does: the last item goes as the list opens, a new one comes and is
        // picked as it closes.
        if (e == ControlEvent::drop_down) drop.items.pop_back();
        if (e == ControlEvent::close_up) {
            drop.items.push_back("新的");
            drop.selected = static_cast<int>(drop.items.size()) - 1;
        }
        platform->update_control(window, 1, drop);
    };
    for (int round = 0; round < 2; ++round) {
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        EXPECT_TRUE(SendMessageW(combo, CB_GETDROPPEDSTATE, 0, 0));
        EXPECT_EQ(items_of(combo).size(), 2u);
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        EXPECT_EQ(items_of(combo), (std::vector<std::string>{"一", "二", "新的"}));
        EXPECT_EQ(selection_of(combo), 2);
    }
    drain();
    EXPECT_EQ(without_pointer(sink.events),
              (std::vector<std::string>{"control 1 drop_down", "control 1 close_up",
                                        "control 1 drop_down", "control 1 close_up"}));
}

TEST_F(Win32ControlsTest, KeysMoveThroughAListThatLostItsSelectedItemAsItOpened) {
    // As a preset list: ten choices and a selected caption that goes as the list opens.
    ASSERT_TRUE(open(Rect{30, 30, 300, 300}, true));
    std::vector<std::string> choices;
    for (int i = 0; i < 10; ++i) choices.push_back("第" + std::to_string(i) + "项");
    ControlSpec drop = control_state(ControlType::drop_list, {10, 10, 150, 20}, "", choices, 10);
    drop.items.push_back("标题");
    ASSERT_EQ(platform->create_control(window, drop), 1);
    const HWND combo = GetDlgItem(hwnd, 1);
    sink.control_action = [&](int, ControlEvent e) {
        if (e != ControlEvent::drop_down) return;
        drop.items.pop_back();
        drop.selected = -1;
        platform->update_control(window, 1, drop);
    };
    const auto press = [&](WPARAM key) {
        SendMessageW(combo, WM_KEYDOWN, key, 1);
        SendMessageW(combo, WM_KEYUP, key, 0xC0000001);
        drain();
        return selection_of(combo);
    };
    const struct {
        std::vector<WPARAM> keys;
        int highlighted;
    } cases[] = {
        {{VK_HOME}, 0},
        {{VK_DOWN}, 0},
        {{VK_DOWN, VK_DOWN}, 1},
        {{VK_HOME, VK_END}, 9},
        {{VK_HOME, VK_NEXT}, 9},
        {{VK_HOME, VK_END, VK_UP}, 8},
        {{VK_HOME, VK_END, VK_PRIOR}, 0},
        {{VK_DOWN, VK_DOWN, VK_DOWN, VK_UP}, 1},
    };
    for (const auto& c : cases) {
        sink.last_input = {};
        SendMessageW(combo, CB_SHOWDROPDOWN, TRUE, 0);
        ASSERT_EQ(items_of(combo).size(), 10u);
        std::string keys;
        for (const WPARAM key : c.keys) {
            keys += std::to_string(key) + " ";
            press(key);
        }
        EXPECT_EQ(selection_of(combo), c.highlighted) << keys;
        EXPECT_EQ(sink.last_input.selected, c.highlighted) << keys;  // and the program hears it
        SendMessageW(combo, CB_SHOWDROPDOWN, FALSE, 0);
        drop.items = choices;
        drop.items.push_back("标题");
        drop.selected = 10;
        platform->update_control(window, 1, drop);
        drain();
    }
}

TEST_F(Win32ControlsTest, KeysPressedInControlsReachTheProgramFirst) {
    ASSERT_TRUE(open(Rect{30, 30, 200, 100}, true));
    ASSERT_EQ(platform->create_control(window,
                                       control_state(ControlType::edit, {10, 10, 150, 20}, "abc")),
              1);
    const HWND edit = GetDlgItem(hwnd, 1);
    const auto press = [&](HWND target, UINT message, WPARAM key, LPARAM flags = 1) {
        PostMessageW(target, message, key, flags);
        drain();
    };
    press(edit, WM_KEYDOWN, VK_ESCAPE);
    EXPECT_EQ(sink.key_window, window);
    SendMessageW(edit, EM_SETSEL, 0, 0);
    sink.consume_keys = true;  // consumed: the edit box never sees it
    press(edit, WM_KEYDOWN, VK_DELETE);
    press(edit, WM_SYSKEYDOWN, VK_F4, LPARAM{1} << 29);
    EXPECT_EQ(text_of(edit), L"abc");
    sink.consume_keys = false;
    press(edit, WM_KEYDOWN, VK_DELETE);
    EXPECT_EQ(text_of(edit), L"bc");
    press(edit, WM_SYSKEYDOWN, VK_F4, LPARAM{1} << 29);  // Alt+F4 goes on to close the window
    EXPECT_EQ(
        without_pointer(sink.events),
        (std::vector<std::string>{"key 27", "key 46", "key 115", "key 46", "input 1 \"bc\" -1",
                                  "control 1 changed", "key 115", "close"}));

    // Inside a modal loop too, for the modal window.
    sink.events.clear();
    const auto [dialog, dialog_hwnd] = open_window(Rect{100, 100, 200, 60}, true, " dialog");
    ASSERT_EQ(platform->create_control(dialog, control_state(ControlType::edit, {5, 5, 100, 20})),
              1);
    sink.timer_action = [&, dialog = dialog, dialog_hwnd = dialog_hwnd](int) {
        if (sink.count("key 27") == 0) {
            PostMessageW(GetDlgItem(dialog_hwnd, 1), WM_KEYDOWN, VK_ESCAPE, 1);
        } else {
            platform->end_modal(dialog);
        }
    };
    platform->set_timer(dialog, 1, 30);
    platform->run_modal(dialog);
    platform->set_timer(dialog, 1, 0);
    EXPECT_EQ(sink.count("key 27"), 1);
    EXPECT_EQ(sink.key_window, dialog);
}

TEST_F(Win32ControlsTest, ModalWindowsKeepTheirVisibilityAndDialogsHaveAThinFrame) {
    ASSERT_TRUE(open(Rect{10, 10, 60, 60}, true));
    for (const bool visible : {false, true}) {
        const auto [dialog, dialog_hwnd] =
            open_window(Rect{100, 100, 80, 60}, visible, visible ? " shown" : " unseen");
        bool visible_inside = !visible;
        sink.timer_action = [&, dialog = dialog, dialog_hwnd = dialog_hwnd](int) {
            visible_inside = IsWindowVisible(dialog_hwnd);
            platform->end_modal(dialog);
        };
        platform->set_timer(dialog, 1, 30);
        platform->run_modal(dialog);
        EXPECT_EQ(visible_inside, visible);
        EXPECT_EQ(IsWindowVisible(dialog_hwnd) != FALSE, visible);
        platform->destroy_window(dialog);
    }

    for (const bool framed : {false, true}) {
        const std::string title = framed ? "horalune test framed" : "horalune test unframed";
        const WindowId id = platform->create_window(
            WindowSpec{title, Rect{50, 50, 120, 80}, true, false, true, framed});
        const HWND native = FindWindowW(nullptr, widen(title).c_str());
        ASSERT_NE(native, nullptr);
        const LONG style = GetWindowLongW(native, GWL_STYLE);
        EXPECT_EQ((style & WS_BORDER) != 0, framed);
        EXPECT_FALSE(style & WS_DLGFRAME);  // no title bar
        EXPECT_EQ(platform->window_rect(id), (Rect{50, 50, 120, 80}));
        RECT client{};
        GetClientRect(native, &client);
        EXPECT_EQ(client.right, framed ? 118 : 120);
        platform->destroy_window(id);
    }
}

TEST_F(Win32ControlsTest, OverlappingControlsStackInTheOrderMadeOnTheDialogFace) {
    ASSERT_TRUE(open(Rect{40, 40, 300, 200}, true));
    const std::vector<ControlSpec> made = {
        control_state(ControlType::label,
                      {0, 0, 300, 20}),  // a blank title strip over the tab headers
        control_state(ControlType::check_box, {20, 28, 120, 18},
                      "选项"),  // across the group's frame
        control_state(ControlType::edit, {20, 60, 120, 20}),
        control_state(ControlType::group_box, {10, 25, 150, 80}, "组"),
        control_state(ControlType::tab, {0, 5, 300, 190}, "", {"常规", "提醒"}, 0),
    };
    for (const ControlSpec& request : made) platform->create_control(window, request);
    std::vector<int> order;
    for (HWND c = GetWindow(hwnd, GW_CHILD); c != nullptr; c = GetWindow(c, GW_HWNDNEXT)) {
        order.push_back(GetDlgCtrlID(c));
    }
    EXPECT_EQ(order, (std::vector<int>{1, 2, 3, 4, 5}));

    RedrawWindow(hwnd, nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    // Not clipped to the window's own area: the controls' pixels are read too.
    const HDC dc = GetDCEx(hwnd, nullptr, DCX_CACHE);
    const auto pixel = [&](int x, int y) { return GetPixel(dc, x, y); };
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const auto blank = [&](int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y) {
            for (int x = left; x < right; ++x) {
                if (pixel(x, y) != face) return false;
            }
        }
        return true;
    };
    EXPECT_TRUE(blank(0, 0, 300, 20)) << "tab headers show through the title strip";
    EXPECT_TRUE(blank(100, 28, 140, 46)) << "the group's frame shows through the check box";
    EXPECT_TRUE(blank(20, 90, 150, 100)) << "the group box is not the dialog face inside";
    EXPECT_TRUE(blank(200, 100, 290, 180)) << "the tab's page is not the dialog face";
    EXPECT_FALSE(blank(10, 60, 12, 61)) << "no frame on the group box's left";
    EXPECT_EQ(pixel(130, 70), GetSysColor(COLOR_WINDOW));  // edit boxes stay white
    ReleaseDC(hwnd, dc);
}

TEST_F(Win32ControlsTest, LabelsShowTheirOwnColoursBackgroundPicturesAndFonts) {
    ASSERT_TRUE(open(Rect{40, 40, 200, 100}, true));
    ControlSpec label = control_state(ControlType::label, {0, 0, 20, 20});
    label.back_colour = 0xFF0000;  // blue, as 0x00BBGGRR
    label.text_colour = 0x0000FF;  // red
    ASSERT_EQ(platform->create_control(window, label), 1);
    const HWND shown = GetDlgItem(hwnd, 1);
    const auto pixel = [&](int x, int y) {
        UpdateWindow(shown);
        const HDC dc = GetDC(shown);
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(shown, dc);
        return colour;
    };
    EXPECT_EQ(pixel(10, 10), RGB(0, 0, 255));
    const HDC dc = GetDC(shown);
    SendMessageW(hwnd, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(shown));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    ReleaseDC(shown, dc);

    const COLORREF red = RGB(255, 0, 0), green = RGB(0, 255, 0), blue = RGB(0, 0, 255);
    label.picture = Image(2, 2, 0xFFFF0000u);  // red, with one green pixel at the top right
    label.picture.at(1, 0) = 0xFF00FF00u;
    struct Case {
        PictureMode mode;
        int x, y;
        COLORREF colour;
    };
    for (const Case& c :
         {Case{PictureMode::top_left, 1, 0, green}, Case{PictureMode::top_left, 3, 0, blue},
          Case{PictureMode::centred, 9, 9, red}, Case{PictureMode::centred, 10, 9, green},
          Case{PictureMode::centred, 0, 0, blue}, Case{PictureMode::tiled, 19, 18, green},
          Case{PictureMode::tiled, 18, 19, red}}) {
        label.picture_mode = static_cast<int>(c.mode);
        platform->update_control(window, 1, label);
        EXPECT_EQ(pixel(c.x, c.y), c.colour) << int(c.mode) << " at " << c.x << "," << c.y;
    }
    label.picture = Image();  // a label's picture goes when none is given
    platform->update_control(window, 1, label);
    EXPECT_EQ(pixel(0, 0), blue);
    label.back_colour = kDefaultColour;
    label.font = {"", 20, true};
    platform->update_control(window, 1, label);
    EXPECT_EQ(pixel(0, 0), GetSysColor(COLOR_BTNFACE));
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HGDIOBJ>(SendMessageW(shown, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    EXPECT_EQ(font.lfHeight, -20);
    EXPECT_EQ(font.lfWeight, FW_BOLD);

    // Centred text leaves the label's left end blank.
    label.rect = {0, 0, 200, 24};
    label.caption = "WW";
    const auto blank_left = [&] {
        for (int x = 0; x < 40; ++x) {
            for (int y = 0; y < 24; ++y) {
                if (pixel(x, y) != GetSysColor(COLOR_BTNFACE)) return false;
            }
        }
        return true;
    };
    for (const bool centred : {false, true, false}) {
        label.centred = centred;
        platform->update_control(window, 1, label);
        EXPECT_EQ(blank_left(), centred);
    }
}

}  // namespace
}  // namespace horalune
#endif  // _WIN32
