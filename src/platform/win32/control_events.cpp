// The native controls' messages: the user's clicks, typing and picks, lists opening and closing,
// colours and drawing. Does not do keyboard navigation (no tab order, no default button).
// These headers need <windows.h> before them.
// clang-format off
#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>
// clang-format on

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/controls.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {
namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 255);

int control_id_of(const NativeWindow& window, HWND child) {
    for (std::size_t i = 0; i < window.controls.size(); ++i) {
        if (child != nullptr && window.controls[i].hwnd == child) return static_cast<int>(i) + 1;
    }
    return 0;
}

void report(NativeWindow& window, int control, ControlEvent event) {
    // The sink may destroy the window: nothing of it is touched afterwards.
    EventSink* sink = window.owner->sink();
    if (sink != nullptr) sink->on_control(window.id, control, event);
}

// The user changed the control, which now shows the value in `shown`: the program hears the
// value first, then the event.
void report_input(NativeWindow& window, int id, ControlEvent event) {
    const ControlSpec& shown = window.controls[static_cast<std::size_t>(id) - 1].shown;
    ControlValue value;
    if (shown.type == ControlType::edit) value.text = shown.caption;
    value.selected = shown.selected;
    value.checked = shown.checked;
    Win32Platform* owner = window.owner;
    const WindowId window_id = window.id;
    if (EventSink* sink = owner->sink()) sink->on_control_input(window_id, id, value);
    // The program may have closed the window over the value.
    if (owner->record_of(window_id) == nullptr) return;
    if (EventSink* sink = owner->sink()) sink->on_control(window_id, id, event);
}

std::string text_of(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return narrow(text);
}

// The user picked an item of a list or a tab.
void picked(NativeWindow& window, int id) {
    NativeControl& control = window.controls[static_cast<std::size_t>(id) - 1];
    const int now = native_selection(control);
    if (now == control.shown.selected) return;  // the same item picked again
    control.shown.selected = now;
    report_input(window, id, ControlEvent::changed);
}

// A notification of a control through WM_COMMAND.
void command(NativeWindow& window, int id, WORD code) {
    NativeControl& control = window.controls[static_cast<std::size_t>(id) - 1];
    ControlSpec& shown = control.shown;
    switch (shown.type) {
        case ControlType::button:
            if (code == BN_CLICKED) report(window, id, ControlEvent::clicked);
            break;
        case ControlType::hyperlink:
            if (code == STN_CLICKED) report(window, id, ControlEvent::clicked);
            break;
        case ControlType::colour_picker:
            if (code == BN_CLICKED) report(window, id, ControlEvent::clicked);
            break;
        case ControlType::check_box:
            if (code != BN_CLICKED) break;
            shown.checked = SendMessageW(control.hwnd, BM_GETCHECK, 0, 0) == BST_CHECKED;
            report_input(window, id, ControlEvent::clicked);
            break;
        case ControlType::radio:
            if (code != BN_CLICKED) break;
            // Ticked by the click; the program unticks the others of its group.
            if (!shown.checked) {
                const Quiet quiet(control);
                SendMessageW(control.hwnd, BM_SETCHECK, BST_CHECKED, 0);
                shown.checked = true;
            }
            report_input(window, id, ControlEvent::clicked);
            break;
        case ControlType::edit: {
            if (code != EN_CHANGE) break;
            std::string text = text_of(control.hwnd);
            if (text == shown.caption) break;
            shown.caption = std::move(text);
            report_input(window, id, ControlEvent::changed);
            break;
        }
        case ControlType::drop_list:
            if (code == CBN_DROPDOWN) report(window, id, ControlEvent::drop_down);
            if (code == CBN_CLOSEUP) {
                // A mouse pick in the dropped list may come after the closing (Wine): a pick
                // not yet reported goes first, then the closing, unless the pick closed the
                // window.
                Win32Platform* owner = window.owner;
                const WindowId window_id = window.id;
                picked(window, id);
                if (owner->record_of(window_id) != nullptr) {
                    report(window, id, ControlEvent::close_up);
                }
            }
            if (code == CBN_SELCHANGE) picked(window, id);
            break;
        case ControlType::list_box:
        case ControlType::check_list:
            if (code == LBN_SELCHANGE) picked(window, id);
            break;
        default:
            break;
    }
}

std::uint32_t argb_of(COLORREF colour) {
    return 0xFF000000u | (std::uint32_t{GetRValue(colour)} << 16) |
           (std::uint32_t{GetGValue(colour)} << 8) | GetBValue(colour);
}

std::uint32_t blend(std::uint32_t over, std::uint32_t under) {
    const std::uint32_t a = over >> 24;
    std::uint32_t out = 0xFF000000u;
    for (int shift = 0; shift <= 16; shift += 8) {
        const std::uint32_t o = (over >> shift) & 0xFF, u = (under >> shift) & 0xFF;
        out |= ((o * a + u * (255 - a) + 127) / 255) << shift;
    }
    return out;
}

// The picture over what the window shows beneath it: its presented content or the dialog face.
void draw_picture(const NativeWindow& window, const NativeControl& control,
                  const DRAWITEMSTRUCT& item) {
    const int width = item.rcItem.right - item.rcItem.left;
    const int height = item.rcItem.bottom - item.rcItem.top;
    if (width <= 0 || height <= 0) return;
    POINT origin{item.rcItem.left, item.rcItem.top};
    MapWindowPoints(control.hwnd, window.hwnd, &origin, 1);
    const Image& picture = control.shown.picture;
    const std::uint32_t face = argb_of(GetSysColor(COLOR_BTNFACE));
    Image shown(width, height, face);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t& pixel = shown.at(x, y);
            if (window.content.contains(origin.x + x, origin.y + y)) {
                pixel = window.content.at(origin.x + x, origin.y + y) | 0xFF000000u;
            }
            if (!picture.contains(x, y)) continue;
            const std::uint32_t p = picture.at(x, y);
            if ((p & 0x00FFFFFFu) != 0x00FFFFFFu) pixel = blend(p, pixel);  // white: see-through
        }
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    SetDIBitsToDevice(item.hDC, item.rcItem.left, item.rcItem.top, width, height, 0, 0, 0, height,
                      shown.pixels.data(), &info, DIB_RGB_COLORS);
}

// A row of a check list: a tick box, ticked for the current row, and the item's text.
void draw_check_row(const DRAWITEMSTRUCT& item) {
    const HDC dc = item.hDC;
    RECT row = item.rcItem;
    FillRect(dc, &row, GetSysColorBrush(COLOR_WINDOW));
    if (item.itemID == static_cast<UINT>(-1)) {  // an empty list with the focus
        if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
        return;
    }
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    const int height = row.bottom - row.top;
    const int glyph = std::min(kCheckGlyph, height);
    RECT box{row.left + 2, row.top + (height - glyph) / 2, 0, 0};
    box.right = box.left + glyph;
    box.bottom = box.top + glyph;
    UINT look = DFCS_BUTTONCHECK;
    if (item.itemState & ODS_SELECTED) look |= DFCS_CHECKED;
    if (disabled) look |= DFCS_INACTIVE;
    DrawFrameControl(dc, &box, DFC_BUTTON, look);

    const auto length = SendMessageW(item.hwndItem, LB_GETTEXTLEN, item.itemID, 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    const auto got =
        SendMessageW(item.hwndItem, LB_GETTEXT, item.itemID, reinterpret_cast<LPARAM>(text.data()));
    text.resize(static_cast<std::size_t>(std::max<LRESULT>(got, 0)));
    RECT label{box.right + 4, row.top, row.right, row.bottom};
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_WINDOWTEXT));
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &label,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &row);
}

// A label's own background: its colour, or the face, with its picture over it at the top
// left, in the middle or tiled.
void paint_background(HDC dc, const RECT& area, const ControlSpec& label) {
    const HBRUSH back = label.back_colour >= 0
                            ? CreateSolidBrush(static_cast<COLORREF>(label.back_colour))
                            : nullptr;
    FillRect(dc, &area, back != nullptr ? back : GetSysColorBrush(COLOR_BTNFACE));
    if (back != nullptr) DeleteObject(back);
    const Image& picture = label.picture;
    if (picture.empty()) return;
    std::vector<std::uint32_t> opaque(picture.pixels);
    for (std::uint32_t& pixel : opaque) pixel |= 0xFF000000u;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    const auto mode = static_cast<PictureMode>(label.picture_mode);
    int left = area.left, top = area.top;
    if (mode == PictureMode::centred) {
        left += (area.right - area.left - picture.width) / 2;
        top += (area.bottom - area.top - picture.height) / 2;
    }
    const int step_x = mode == PictureMode::tiled ? picture.width : area.right - area.left + 1;
    const int step_y = mode == PictureMode::tiled ? picture.height : area.bottom - area.top + 1;
    for (int y = top; y < area.bottom; y += step_y) {
        for (int x = left; x < area.right; x += step_x) {
            SetDIBitsToDevice(dc, x, y, picture.width, picture.height, 0, 0, 0, picture.height,
                              opaque.data(), &info, DIB_RGB_COLORS);
        }
    }
}

// A colour picker: its colour in a sunken frame, pushed in while pressed.
void draw_swatch(const NativeControl& control, const DRAWITEMSTRUCT& item) {
    RECT frame = item.rcItem;
    FillRect(item.hDC, &frame, GetSysColorBrush(COLOR_BTNFACE));
    DrawEdge(item.hDC, &frame, (item.itemState & ODS_SELECTED) ? EDGE_SUNKEN : EDGE_RAISED,
             BF_RECT | BF_ADJUST);
    InflateRect(&frame, -2, -2);
    const bool shown = (item.itemState & ODS_DISABLED) == 0 && control.shown.colour >= 0;
    const HBRUSH swatch = CreateSolidBrush(shown ? static_cast<COLORREF>(control.shown.colour)
                                                 : GetSysColor(COLOR_BTNFACE));
    FillRect(item.hDC, &frame, swatch);
    DeleteObject(swatch);
    FrameRect(item.hDC, &frame, GetSysColorBrush(COLOR_BTNSHADOW));
    if (item.itemState & ODS_FOCUS) {
        InflateRect(&frame, 1, 1);
        DrawFocusRect(item.hDC, &frame);
    }
}

}  // namespace

LRESULT CALLBACK control_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR subclass_id, DWORD_PTR data) {
    auto& window = *reinterpret_cast<NativeWindow*>(data);
    const int id = static_cast<int>(subclass_id);
    const ControlType type = window.controls[static_cast<std::size_t>(id) - 1].shown.type;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // a quick second press is a press all the same
            if (type != ControlType::label) break;
            report(window, id, ControlEvent::left_down);
            return 0;
        case WM_RBUTTONDOWN: {
            // A label that fills its window (the digital clock's text) must not swallow the
            // right button: the window's own menu comes with it.
            if (type != ControlType::label) break;
            POINT at{GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
            MapWindowPoints(hwnd, window.hwnd, &at, 1);
            if (EventSink* sink = window.owner->sink()) {
                sink->on_mouse_down(window.id, MouseButton::right, at.x, at.y);
            }
            return 0;
        }
        case WM_SETCURSOR:
            if (type != ControlType::hyperlink) break;
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_PAINT: {
            // Group boxes and tabs draw only frames and captions; the window does not paint
            // under its controls, so they lay the face down first. The controls on them lie
            // on top and are left out. Labels with a background of their own get it first.
            const ControlSpec& shown = window.controls[static_cast<std::size_t>(id) - 1].shown;
            const bool face = type == ControlType::group_box || type == ControlType::tab;
            if ((!face && !own_background(shown)) || wparam != 0) break;
            PAINTSTRUCT paint;
            const HDC dc = BeginPaint(hwnd, &paint);
            RECT area{};
            GetClientRect(hwnd, &area);
            if (face) {
                FillRect(dc, &paint.rcPaint, GetSysColorBrush(COLOR_BTNFACE));
            } else {
                paint_background(dc, area, shown);
            }
            DefSubclassProc(hwnd, WM_PAINT, reinterpret_cast<WPARAM>(dc), 0);
            EndPaint(hwnd, &paint);
            return 0;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, control_procedure, subclass_id);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
}

bool handle_control_message(NativeWindow& window, UINT message, WPARAM wparam, LPARAM lparam,
                            LRESULT& result) {
    if (window.controls.empty()) return false;
    switch (message) {
        case WM_COMMAND: {
            const int id = control_id_of(window, reinterpret_cast<HWND>(lparam));
            if (id == 0) return false;
            result = 0;
            if (!window.controls[static_cast<std::size_t>(id) - 1].quiet) {
                command(window, id, HIWORD(wparam));
            }
            return true;
        }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lparam);
            const int id = control_id_of(window, header.hwndFrom);
            if (id == 0) return false;
            result = 0;  // also: a tab may change (TCN_SELCHANGING)
            if (header.code == TCN_SELCHANGE &&
                !window.controls[static_cast<std::size_t>(id) - 1].quiet) {
                picked(window, id);
            }
            return true;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            // Labels, boxes, buttons and disabled edit boxes lie on the dialog face.
            const auto child = reinterpret_cast<HWND>(lparam);
            const int id = control_id_of(window, child);
            if (id == 0) return false;
            const auto dc = reinterpret_cast<HDC>(wparam);
            const ControlSpec& shown = window.controls[static_cast<std::size_t>(id) - 1].shown;
            const bool label =
                shown.type == ControlType::label || shown.type == ControlType::hyperlink;
            COLORREF text =
                shown.type == ControlType::hyperlink ? kLinkColour : GetSysColor(COLOR_BTNTEXT);
            if (label && shown.text_colour >= 0) text = static_cast<COLORREF>(shown.text_colour);
            if (!IsWindowEnabled(child)) text = GetSysColor(COLOR_GRAYTEXT);
            SetTextColor(dc, text);
            if (own_background(shown)) {  // painted before, in the label's WM_PAINT
                SetBkMode(dc, TRANSPARENT);
                result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
                return true;
            }
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
            const int id = control_id_of(window, item.hwndItem);
            if (id == 0) return false;
            const NativeControl& control = window.controls[static_cast<std::size_t>(id) - 1];
            if (control.shown.type == ControlType::picture) {
                draw_picture(window, control, item);
            } else if (control.shown.type == ControlType::check_list) {
                draw_check_row(item);
            } else if (control.shown.type == ControlType::colour_picker) {
                draw_swatch(control, item);
            } else {
                return false;
            }
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace horalune::win32
