// Native child controls of a top-level window: labels, push buttons, hyperlinks and pictures,
// with their fonts, colours and events. Does not do keyboard navigation (no tab order, no
// default button); the program's windows are driven by the mouse.
// These headers need <windows.h> before them.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include <algorithm>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {
namespace {

constexpr COLORREF kLinkColour = RGB(0, 0, 255);

const wchar_t* class_of(ControlType type) {
    return type == ControlType::button ? L"BUTTON" : L"STATIC";
}

DWORD style_of(ControlType type) {
    switch (type) {
        case ControlType::button:
            return BS_PUSHBUTTON | WS_TABSTOP;
        case ControlType::picture:
            return SS_OWNERDRAW;
        case ControlType::label:
        case ControlType::hyperlink:
            break;
    }
    // Captions are shown as they are: an "&" is no mnemonic.
    return SS_LEFT | SS_NOTIFY | SS_NOPREFIX;
}

// Null when the stock dialog font serves as it is.
HFONT make_font(const FontSpec& request, bool underline) {
    if (request.face.empty() && request.height <= 0 && !request.bold && !underline) return nullptr;
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    if (!request.face.empty()) {
        const std::wstring face = widen(request.face);
        const std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
        std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), L'\0');
        std::copy_n(face.begin(), n, font.lfFaceName);
        // Without the Chinese character set the face is matched to a Western font.
        font.lfCharSet = request.face == "宋体" ? GB2312_CHARSET : DEFAULT_CHARSET;
    }
    if (request.height > 0) {
        font.lfHeight = -request.height;  // negative: the character height, not the cell's
        font.lfWidth = 0;
    }
    if (request.bold) font.lfWeight = FW_BOLD;
    font.lfUnderline = underline ? TRUE : FALSE;
    return CreateFontIndirectW(&font);
}

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

LRESULT CALLBACK control_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR subclass_id, DWORD_PTR data) {
    auto& window = *reinterpret_cast<NativeWindow*>(data);
    const int id = static_cast<int>(subclass_id);
    const ControlType type = window.controls[static_cast<std::size_t>(id) - 1].type;
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK:  // a quick second press is a press all the same
            if (type != ControlType::label) break;
            report(window, id, ControlEvent::left_down);
            return 0;
        case WM_SETCURSOR:
            if (type != ControlType::hyperlink) break;
            SetCursor(LoadCursorW(nullptr, IDC_HAND));
            return TRUE;
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, control_procedure, subclass_id);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, message, wparam, lparam);
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
    const std::uint32_t face = argb_of(GetSysColor(COLOR_BTNFACE));
    Image shown(width, height, face);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t& pixel = shown.at(x, y);
            if (window.content.contains(origin.x + x, origin.y + y)) {
                pixel = window.content.at(origin.x + x, origin.y + y) | 0xFF000000u;
            }
            if (!control.picture.contains(x, y)) continue;
            const std::uint32_t p = control.picture.at(x, y);
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

}  // namespace

int Win32Platform::create_control(WindowId window, const ControlSpec& request) {
    NativeWindow* record = record_of(window);
    if (record == nullptr) return 0;
    const HWND parent = record->hwnd;
    // The window's own background must not paint over its controls.
    SetWindowLongPtrW(parent, GWL_STYLE, GetWindowLongPtrW(parent, GWL_STYLE) | WS_CLIPCHILDREN);
    const int id = static_cast<int>(record->controls.size()) + 1;
    const HWND child = CreateWindowExW(
        0, class_of(request.type), widen(request.caption).c_str(),
        WS_CHILD | WS_VISIBLE | style_of(request.type), request.rect.left, request.rect.top,
        request.rect.width, request.rect.height, parent,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    if (child == nullptr) {
        trace("control creation failed \"" + request.caption + "\"");
        return 0;
    }
    HFONT font = make_font(request.font, request.type == ControlType::hyperlink);
    if (font != nullptr) record->fonts.emplace_back(font);
    const HGDIOBJ shown_font = font != nullptr ? font : GetStockObject(DEFAULT_GUI_FONT);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(shown_font), FALSE);
    record->controls.push_back(NativeControl{request.type, child, request.picture});
    if (request.type == ControlType::label || request.type == ControlType::hyperlink) {
        SetWindowSubclass(child, control_procedure, static_cast<UINT_PTR>(id),
                          reinterpret_cast<DWORD_PTR>(record));
    }
    if (id == 1) InvalidateRect(parent, nullptr, FALSE);  // now a dialog face
    return id;
}

void Win32Platform::set_control_text(WindowId window, int control, const std::string& text) {
    const NativeWindow* record = record_of(window);
    if (record == nullptr || control < 1 || control > static_cast<int>(record->controls.size())) {
        return;
    }
    SetWindowTextW(record->controls[static_cast<std::size_t>(control) - 1].hwnd,
                   widen(text).c_str());
}

void Win32Platform::update_control(WindowId window, int control, const ControlSpec& state) {
    const NativeWindow* record = record_of(window);
    if (record == nullptr || control < 1 || control > static_cast<int>(record->controls.size())) {
        return;
    }
    const HWND hwnd = record->controls[static_cast<std::size_t>(control) - 1].hwnd;
    SetWindowTextW(hwnd, widen(state.caption).c_str());
    MoveWindow(hwnd, state.rect.left, state.rect.top, state.rect.width, state.rect.height, TRUE);
    EnableWindow(hwnd, state.enabled ? TRUE : FALSE);
    ShowWindow(hwnd, state.visible ? SW_SHOWNA : SW_HIDE);
}

bool handle_control_message(NativeWindow& window, UINT message, WPARAM wparam, LPARAM lparam,
                            LRESULT& result) {
    if (window.controls.empty()) return false;
    switch (message) {
        case WM_COMMAND: {
            const int id = control_id_of(window, reinterpret_cast<HWND>(lparam));
            if (id == 0) return false;
            const ControlType type = window.controls[static_cast<std::size_t>(id) - 1].type;
            const WORD code = HIWORD(wparam);
            result = 0;
            if ((type == ControlType::button && code == BN_CLICKED) ||
                (type == ControlType::hyperlink && code == STN_CLICKED)) {
                report(window, id, ControlEvent::clicked);
            }
            return true;
        }
        case WM_CTLCOLORSTATIC: {
            const int id = control_id_of(window, reinterpret_cast<HWND>(lparam));
            if (id == 0) return false;
            const auto dc = reinterpret_cast<HDC>(wparam);
            const bool link =
                window.controls[static_cast<std::size_t>(id) - 1].type == ControlType::hyperlink;
            SetTextColor(dc, link ? kLinkColour : GetSysColor(COLOR_BTNTEXT));
            SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
            result = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
            return true;
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lparam);
            const int id = control_id_of(window, item.hwndItem);
            if (id == 0) return false;
            const NativeControl& control = window.controls[static_cast<std::size_t>(id) - 1];
            if (control.type != ControlType::picture) return false;
            draw_picture(window, control, item);
            result = TRUE;
            return true;
        }
        default:
            return false;
    }
}

}  // namespace horalune::win32
