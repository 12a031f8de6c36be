// Every designed window and settings page made by the real Win32 back-end under Wine: each
// control's text, measured with the font actually selected into it, fits its box; no two
// visible controls overlap (a control inside a group box or the tab area is held, not
// overlapped); no control reaches outside its window's client area.
#ifdef _WIN32
#include <gtest/gtest.h>

// <commctrl.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <string>
#include <vector>

#include "analog/analog_window.h"
#include "app/settings_pages.h"
#include "buttons/dialup_window.h"
#include "desktop/about_window.h"
#include "digital/digital_window.h"
#include "e2e/win32_recorder.h"
#include "events/reminder_popup.h"
#include "events/shutdown_prompt.h"
#include "platform/win32/backend.h"
#include "platform/win32/text_room.h"
#include "platform/win32/wide.h"
#include "settings/settings_dialog.h"
#include "support/layout_check.h"
#include "ui/form.h"

namespace horalune {
namespace {

std::wstring class_of(HWND hwnd) {
    wchar_t name[64] = {};
    GetClassNameW(hwnd, name, 64);
    return name;
}

std::string text_of(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), int(text.size()))));
    return narrow(text);
}

std::vector<std::string> items_of(HWND hwnd, UINT count, UINT length, UINT get) {
    std::vector<std::string> items;
    const auto n = SendMessageW(hwnd, count, 0, 0);
    for (LRESULT i = 0; i < n; ++i) {
        std::wstring item(static_cast<std::size_t>(SendMessageW(hwnd, length, i, 0)) + 1, L'\0');
        const auto got = SendMessageW(hwnd, get, i, reinterpret_cast<LPARAM>(item.data()));
        item.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
        items.push_back(narrow(item));
    }
    return items;
}

// What the native control is, read back from the control itself; false for what shows no text.
bool read_back(HWND hwnd, ControlSpec& state) {
    const std::wstring cls = class_of(hwnd);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(hwnd, GWL_STYLE));
    state.caption = text_of(hwnd);
    if (_wcsicmp(cls.c_str(), L"Static") == 0) {
        if ((style & SS_TYPEMASK) == SS_OWNERDRAW) return false;  // a picture
        state.type = ControlType::label;
    } else if (_wcsicmp(cls.c_str(), L"Button") == 0) {
        switch (style & BS_TYPEMASK) {
            case BS_OWNERDRAW:
                return false;  // a colour swatch
            case BS_GROUPBOX:
                state.type = ControlType::group_box;
                break;
            case BS_AUTOCHECKBOX:
            case BS_CHECKBOX:
                state.type = ControlType::check_box;
                break;
            case BS_RADIOBUTTON:
            case BS_AUTORADIOBUTTON:
                state.type = ControlType::radio;
                break;
            default:
                state.type = ControlType::button;
        }
    } else if (_wcsicmp(cls.c_str(), L"Edit") == 0) {
        state.type = ControlType::edit;
        state.multiline = (style & ES_MULTILINE) != 0;
    } else if (_wcsicmp(cls.c_str(), L"ComboBox") == 0) {
        state.type = ControlType::drop_list;
        state.items = items_of(hwnd, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
    } else if (_wcsicmp(cls.c_str(), L"ListBox") == 0) {
        state.type = (style & LBS_OWNERDRAWFIXED) ? ControlType::check_list : ControlType::list_box;
        state.items = items_of(hwnd, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
    } else {
        state.type = ControlType::tab;  // its headers are laid out by the control itself
    }
    return true;
}

// The visible child controls of the window as they are, each with the room its text needs in
// the font selected into it.
std::vector<testing::ShownControl> shown_controls(HWND window, int dpi) {
    std::vector<testing::ShownControl> out;
    for (HWND child = GetWindow(window, GW_CHILD); child != nullptr;
         child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongPtrW(child, GWL_STYLE) & WS_VISIBLE) == 0) continue;
        RECT box{};
        GetWindowRect(child, &box);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&box), 2);
        ControlSpec state;
        state.rect = {box.left, box.top, box.right - box.left, box.bottom - box.top};
        Size room{};
        int blanks_from = 0;
        int blanks_to = 0;
        if (read_back(child, state)) {
            const HDC dc = GetDC(child);
            auto font = reinterpret_cast<HGDIOBJ>(SendMessageW(child, WM_GETFONT, 0, 0));
            if (font == nullptr) font = GetStockObject(SYSTEM_FONT);
            const HGDIOBJ old = SelectObject(dc, font);
            room = win32::text_room(dc, state, dpi);
            if (const auto run = blank_run(state.caption)) {
                ControlSpec part = state;
                part.caption = run->before;
                blanks_from = state.rect.left + win32::text_room(dc, part, dpi).width;
                part.caption = run->through;
                blanks_to = state.rect.left + win32::text_room(dc, part, dpi).width;
            }
            SelectObject(dc, old);
            ReleaseDC(child, dc);
        }
        out.push_back({narrow(class_of(child)) + " \"" + state.caption + "\"", state.type,
                       state.rect, room, blanks_from, blanks_to});
    }
    return out;
}

void expect_fits(HWND window, int dpi, const std::string& what) {
    RECT client{};
    GetClientRect(window, &client);
    const auto faults =
        testing::layout_faults(shown_controls(window, dpi), {client.right, client.bottom});
    for (const std::string& fault : faults) ADD_FAILURE() << what << ": " << fault;
}

HWND hwnd_of(Platform& platform, const Form& form) {
    const win32::NativeWindow* record =
        static_cast<win32::Win32Platform&>(platform).record_of(form.window());
    return record != nullptr ? record->hwnd : nullptr;
}

// At 100 %, 125 %, 150 % and 200 %: the fonts and the system's parts grow with the scale, and
// the layout must give every text its room at each.
class Win32LayoutAtDpi : public testing::Win32Test, public ::testing::WithParamInterface<int> {};

TEST_P(Win32LayoutAtDpi, EveryDesignedWindowAndPageShowsItsTextsWholeWithoutOverlaps) {
    const int dpi = GetParam();
    static_cast<win32::Win32Platform&>(*platform).force_dpi(dpi);
    struct Designed {
        const char* what;
        const WindowDesign& (*design)();
    };
    const Designed windows[] = {
        {"analog clock", analog_window_design},    {"digital clock", digital_window_design},
        {"reminder popup", reminder_popup_design}, {"countdown prompt", shutdown_prompt_design},
        {"about window", about_window_design},     {"dial-up window", dialup_window_design},
    };
    for (const Designed& w : windows) {
        Form form(*platform, w.design());
        const HWND hwnd = hwnd_of(*platform, form);
        ASSERT_NE(hwnd, nullptr) << w.what;
        expect_fits(hwnd, dpi, w.what);
    }
    Form dialog(*platform, settings_dialog_design());
    const HWND hwnd = hwnd_of(*platform, dialog);
    ASSERT_NE(hwnd, nullptr);
    for (int page = 0; page < 4; ++page) {
        // As the dialog shows a page: its controls, none of the others'.
        dialog.set_selected(settings::kTabs, page);
        for (const Control& c : dialog.controls()) {
            if (!c.tag.empty()) dialog.set_visible(c.name, c.tag == std::to_string(page));
        }
        expect_fits(hwnd, dpi, "settings page " + std::to_string(page));
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, Win32LayoutAtDpi, ::testing::Values(96, 120, 144, 192));

}  // namespace
}  // namespace horalune
#endif
