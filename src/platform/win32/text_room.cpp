// Measures captions, items and wrapped texts with GDI, plus each control kind's own parts
// (the tick box, a button's frame, a list's arrow or scroll bar, an edit box's edge).
// Does not ask the theme for its parts' sizes: the classic metrics serve under every theme.
#include "platform/win32/text_room.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/controls.h"
#include "platform/win32/scale.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {
namespace {

constexpr int kTickGap = 5;        // between a tick box and its text, with the focus frame
constexpr int kButtonPadding = 5;  // each side of a button's text, inside its frame
constexpr int kItemMargin = 3;     // each side of a list item's text
constexpr int kGroupIndent = 9;    // each side of a group box's caption

Size extent(HDC dc, const std::string& text, UINT flags, int wrap_width = 0) {
    const std::wstring wide = widen(text);
    RECT area{0, 0, wrap_width, 0};
    // An empty text still takes a line's height.
    const std::wstring shown = wide.empty() ? L" " : wide;
    DrawTextW(dc, shown.c_str(), static_cast<int>(shown.size()), &area,
              flags | DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS);
    return {wide.empty() ? 0 : area.right - area.left, area.bottom - area.top};
}

int widest(HDC dc, const std::vector<std::string>& items) {
    int w = 0;
    for (const std::string& item : items) w = std::max(w, extent(dc, item, DT_SINGLELINE).width);
    return w;
}

int line_height(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

}  // namespace

Size text_room(HDC dc, const ControlSpec& c, int dpi) {
    const int edge = 2 * metric(SM_CXEDGE, dpi);
    const int edge_y = 2 * metric(SM_CYEDGE, dpi);
    const int scroll = metric(SM_CXVSCROLL, dpi);
    const int line = line_height(dc);
    const int tick_gap = scaled(kTickGap, dpi);
    const int button_padding = scaled(kButtonPadding, dpi);
    const int item_margin = scaled(kItemMargin, dpi);
    const int group_indent = scaled(kGroupIndent, dpi);
    const int check_glyph = scaled(kCheckGlyph, dpi);
    switch (c.type) {
        case ControlType::label:
        case ControlType::hyperlink:
            // A label with room for two lines wraps its text as the static control does.
            if (c.rect.height >= 2 * line) {
                return {0,
                        extent(dc, c.caption, DT_WORDBREAK, std::max<int>(c.rect.width, 1)).height};
            }
            return extent(dc, c.caption, 0);
        case ControlType::button: {
            const Size text = extent(dc, c.caption, DT_SINGLELINE);
            return {text.width + 2 * (edge + button_padding), text.height + 2 * edge_y + 2};
        }
        case ControlType::check_box:
        case ControlType::radio: {
            const Size text = extent(dc, c.caption, DT_SINGLELINE);
            const int box = metric(SM_CXMENUCHECK, dpi);
            return {box + tick_gap + text.width + 1, std::max(text.height, box) + 2};
        }
        case ControlType::group_box:
            return {extent(dc, c.caption, DT_SINGLELINE).width + 2 * group_indent, line};
        case ControlType::drop_list:
            // The closed field's height is set by the system from the font, whatever box it
            // was given; only the text and the field's own edges are asked for here.
            return {widest(dc, c.items) + 2 * item_margin + edge + scroll, line + edge_y};
        case ControlType::list_box:
            return {widest(dc, c.items) + 2 * item_margin + edge + scroll, line + edge_y};
        case ControlType::check_list:
            return {check_glyph + 6 + widest(dc, c.items) + item_margin + edge + scroll,
                    std::max(line, check_glyph) + 2 + edge_y};
        case ControlType::edit:
            if (c.multiline) {
                const int wrap = std::max<int>(c.rect.width - edge - scroll - 2 * item_margin, 1);
                return {0, extent(dc, c.caption, DT_WORDBREAK | DT_EDITCONTROL, wrap).height +
                               edge_y + 2};
            }
            return {0, line + edge_y + 2};
        case ControlType::tab:
        case ControlType::picture:
        case ControlType::colour_picker:
            break;
    }
    return {};
}

Size Win32Platform::measure_text(WindowId window, const ControlSpec& control) {
    const NativeWindow* record = record_of(window);
    const HWND hwnd = record != nullptr ? record->hwnd : nullptr;
    const int dpi = record != nullptr ? record->dpi : kLogicalDpi;
    const HDC dc = GetDC(hwnd);
    // The font the control gets when it is made or updated with this state.
    OwnedFont font(make_font(control.font, control.type == ControlType::hyperlink, dpi));
    const HGDIOBJ old =
        SelectObject(dc, font != nullptr ? font.get() : GetStockObject(DEFAULT_GUI_FONT));
    ControlSpec on_device = control;
    on_device.rect = scaled(control.rect, dpi);
    const Size room = text_room(dc, on_device, dpi);
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    // Logical, rounded up: the box scaled back must hold the device's measure.
    const auto up = [dpi](int device) {
        return device <= 0 ? device : (device * kLogicalDpi + dpi - 1) / dpi;
    };
    return {up(room.width), up(room.height)};
}

}  // namespace horalune::win32
