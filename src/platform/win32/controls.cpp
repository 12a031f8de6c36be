// Native child controls of a top-level window: making them and bringing them to the state the
// program asks for. Does not change a control's kind or line mode once made.
// These headers need <windows.h> before them.
// clang-format off
#include <windows.h>
#include <commctrl.h>
// clang-format on

#include "platform/win32/controls.h"

#include <algorithm>

#include "platform/win32/backend.h"
#include "platform/win32/scale.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {
namespace {

constexpr int kDroppedItems = 10;       // rows an open drop-down list shows before it scrolls
constexpr wchar_t kBullet = L'\u25CF';  // what a password box shows for each character

struct NativeKind {
    const wchar_t* cls;
    DWORD style;
    DWORD ex_style = 0;
};

NativeKind kind_of(const ControlSpec& request) {
    switch (request.type) {
        case ControlType::button:
            return {L"BUTTON", BS_PUSHBUTTON | WS_TABSTOP};
        case ControlType::picture:
            return {L"STATIC", SS_OWNERDRAW};
        case ControlType::edit: {
            // Several lines wrap at the right edge: there is no scroll bar across.
            const DWORD lines = ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL | WS_VSCROLL;
            const DWORD masked = request.password ? DWORD{ES_PASSWORD} : DWORD{0};
            return {L"EDIT",
                    WS_TABSTOP | masked | (request.multiline ? lines : DWORD{ES_AUTOHSCROLL}),
                    WS_EX_CLIENTEDGE};
        }
        case ControlType::check_box:
            return {L"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP};
        case ControlType::radio:
            // Not an automatic radio, which unticks its neighbours on its own: the program
            // decides which one of a group is ticked.
            return {L"BUTTON", BS_RADIOBUTTON | WS_TABSTOP};
        case ControlType::drop_list:
            return {L"COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP};
        case ControlType::list_box:
            // No integral height: lists keep their designed size even if a row is cut.
            return {L"LISTBOX", LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case ControlType::check_list:
            return {L"LISTBOX",
                    LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY | LBS_NOINTEGRALHEIGHT |
                        WS_VSCROLL | WS_TABSTOP,
                    WS_EX_CLIENTEDGE};
        case ControlType::group_box:
            return {L"BUTTON", BS_GROUPBOX};
        case ControlType::tab:
            return {WC_TABCONTROLW, WS_TABSTOP};
        case ControlType::colour_picker:
            return {L"BUTTON", BS_OWNERDRAW | WS_TABSTOP};
        case ControlType::label:
        case ControlType::hyperlink:
            break;
    }
    // Captions are shown as they are: an "&" is no mnemonic.
    const DWORD align = request.centred ? SS_CENTER : SS_LEFT;
    return {L"STATIC", align | SS_NOTIFY | SS_NOPREFIX};
}

bool has_caption(ControlType type) {
    return type != ControlType::drop_list && type != ControlType::list_box &&
           type != ControlType::check_list && type != ControlType::tab &&
           type != ControlType::picture && type != ControlType::colour_picker;
}

bool has_items(ControlType type) {
    return type == ControlType::drop_list || type == ControlType::list_box ||
           type == ControlType::check_list || type == ControlType::tab;
}

bool has_tick(ControlType type) {
    return type == ControlType::check_box || type == ControlType::radio;
}

// A themed tab control draws its page in the theme's colour (white under Wine), unlike the
// dialog face that the controls on it show. Without uxtheme there is no theme to take away.
void take_theme_away(HWND control) {
    using SetWindowThemeFunction = HRESULT(WINAPI*)(HWND, LPCWSTR, LPCWSTR);
    static const auto set_window_theme = [] {
        const HMODULE uxtheme = LoadLibraryW(L"uxtheme.dll");
        return uxtheme == nullptr
                   ? nullptr
                   : reinterpret_cast<SetWindowThemeFunction>(
                         reinterpret_cast<void*>(GetProcAddress(uxtheme, "SetWindowTheme")));
    }();
    // No theme has a class named " ": the control falls back to the classic look. (An empty
    // name, the documented way, is refused by some uxtheme versions.)
    if (set_window_theme != nullptr) set_window_theme(control, L" ", L" ");
}

bool tab_class_ready() {
    static const bool ready = [] {
        INITCOMMONCONTROLSEX classes{sizeof classes, ICC_TAB_CLASSES};
        return InitCommonControlsEx(&classes) != FALSE;
    }();
    return ready;
}

void insert_item(const NativeControl& control, int index, const std::string& text) {
    std::wstring wide = widen(text);
    switch (control.shown.type) {
        case ControlType::drop_list:
            SendMessageW(control.hwnd, CB_INSERTSTRING, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(wide.c_str()));
            break;
        case ControlType::list_box:
        case ControlType::check_list:
            SendMessageW(control.hwnd, LB_INSERTSTRING, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(wide.c_str()));
            break;
        case ControlType::tab: {
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = wide.data();
            SendMessageW(control.hwnd, TCM_INSERTITEMW, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&item));
            break;
        }
        default:
            break;
    }
}

void delete_item(const NativeControl& control, int index) {
    const auto at = static_cast<WPARAM>(index);
    switch (control.shown.type) {
        case ControlType::drop_list:
            SendMessageW(control.hwnd, CB_DELETESTRING, at, 0);
            break;
        case ControlType::list_box:
        case ControlType::check_list:
            SendMessageW(control.hwnd, LB_DELETESTRING, at, 0);
            break;
        case ControlType::tab:
            SendMessageW(control.hwnd, TCM_DELETEITEM, at, 0);
            break;
        default:
            break;
    }
}

void select(const NativeControl& control, int index) {
    const auto at = static_cast<WPARAM>(index);  // -1 clears the selection
    switch (control.shown.type) {
        case ControlType::drop_list:
            SendMessageW(control.hwnd, CB_SETCURSEL, at, 0);
            break;
        case ControlType::list_box:
        case ControlType::check_list:
            SendMessageW(control.hwnd, LB_SETCURSEL, at, 0);
            break;
        case ControlType::tab:
            SendMessageW(control.hwnd, TCM_SETCURSEL, at, 0);
            break;
        default:
            break;
    }
}

// A list whose selected item is taken away leaves its caret where that item was (the new last
// item), and the first key pressed in the open list then takes the item under the caret, whatever
// the key. With nothing selected the caret waits at the top, where the keys of any list start.
void caret_to_top(const NativeControl& control) {
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    if (!GetComboBoxInfo(control.hwnd, &info) || info.hwndList == nullptr) return;
    SendMessageW(info.hwndList, LB_SETCARETINDEX, 0, FALSE);
}

// Only the items from the first difference on are replaced: an open drop-down list loses or
// gains its last item without being rebuilt under the user's pointer.
void show_items(NativeControl& control, const std::vector<std::string>& items) {
    const std::vector<std::string>& old = control.shown.items;
    std::size_t same = 0;
    while (same < old.size() && same < items.size() && old[same] == items[same]) ++same;
    for (std::size_t i = old.size(); i > same; --i) delete_item(control, static_cast<int>(i) - 1);
    for (std::size_t i = same; i < items.size(); ++i) {
        insert_item(control, static_cast<int>(i), items[i]);
    }
    control.shown.items = items;
}

void place(const NativeControl& control, const Rect& rect) {
    int height = rect.height;
    if (control.shown.type == ControlType::drop_list) {
        // The window holds the closed list, as high as its font makes it, and the open list
        // below it; the height asked for is only the closed list's.
        RECT closed{};
        GetWindowRect(control.hwnd, &closed);
        const auto row = static_cast<int>(SendMessageW(control.hwnd, CB_GETITEMHEIGHT, 0, 0));
        height = closed.bottom - closed.top + kDroppedItems * std::max(row, 1) + 2;
    }
    const Rect box = scaled(rect, control.dpi);
    // A drop-down list's height was measured on the device already.
    MoveWindow(control.hwnd, box.left, box.top, box.width,
               control.shown.type == ControlType::drop_list ? height : box.height, TRUE);
}

// A check list's rows fit the text and the tick box, whichever is taller.
void fit_rows(const NativeControl& control, HGDIOBJ font) {
    const HDC dc = GetDC(control.hwnd);
    const HGDIOBJ old = SelectObject(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(control.hwnd, dc);
    const int row = std::max<int>(metrics.tmHeight, scaled(kCheckGlyph, control.dpi)) + 2;
    SendMessageW(control.hwnd, LB_SETITEMHEIGHT, 0, row);
}

void show_font(NativeControl& control, const FontSpec& request) {
    const ControlType type = control.shown.type;
    OwnedFont font(make_font(request, type == ControlType::hyperlink, control.dpi));
    const HGDIOBJ shown = font != nullptr ? font.get() : GetStockObject(DEFAULT_GUI_FONT);
    SendMessageW(control.hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(shown), TRUE);
    control.font = std::move(font);  // the one it replaces is no longer in use
    control.shown.font = request;
    if (type == ControlType::check_list) fit_rows(control, shown);
    if (type == ControlType::drop_list) place(control, control.shown.rect);
}

void show_caption(NativeControl& control, const std::string& caption) {
    if (!has_caption(control.shown.type) || caption == control.shown.caption) return;
    control.shown.caption = caption;
    SetWindowTextW(control.hwnd, widen(caption).c_str());
    // Wine keeps an edit box scrolled where its old text left it, hiding the new text's start.
    if (control.shown.type == ControlType::edit) {
        SendMessageW(control.hwnd, EM_SETSEL, 0, 0);
        SendMessageW(control.hwnd, EM_SCROLLCARET, 0, 0);
    }
    // The static control draws new text straight over the old one; a label that paints its
    // own background must be painted afresh, or the digits of a clock pile up.
    if (own_background(control.shown)) {
        RedrawWindow(control.hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
}

// Brings the native control to `state`, touching only what differs from what it shows.
void show_state(NativeControl& control, const ControlSpec& state) {
    const Quiet quiet(control);
    ControlSpec& shown = control.shown;
    const ControlType type = shown.type;
    show_caption(control, state.caption);
    if (has_items(type)) {
        const bool new_items = state.items != shown.items;
        if (new_items) show_items(control, state.items);
        // Taking items away may have taken the selection with them: ask the control.
        if (native_selection(control) != state.selected) select(control, state.selected);
        shown.selected = native_selection(control);
        if (new_items && type == ControlType::drop_list && shown.selected < 0) {
            caret_to_top(control);
        }
    }
    if (type == ControlType::edit && state.password != shown.password) {
        shown.password = state.password;
        SendMessageW(control.hwnd, EM_SETPASSWORDCHAR, state.password ? kBullet : 0, 0);
        InvalidateRect(control.hwnd, nullptr, TRUE);
    }
    if (has_tick(type) && state.checked != shown.checked) {
        SendMessageW(control.hwnd, BM_SETCHECK, state.checked ? BST_CHECKED : BST_UNCHECKED, 0);
        shown.checked = state.checked;
    }
    // Picture controls keep theirs when none is given; a label's background picture goes.
    const bool keep = type == ControlType::picture && state.picture.empty();
    const bool new_picture = !keep && (state.picture.width != shown.picture.width ||
                                       state.picture.pixels != shown.picture.pixels);
    if (new_picture) shown.picture = state.picture;
    if (new_picture || state.picture_mode != shown.picture_mode ||
        state.text_colour != shown.text_colour || state.back_colour != shown.back_colour ||
        state.colour != shown.colour) {
        shown.picture_mode = state.picture_mode;
        shown.text_colour = state.text_colour;
        shown.back_colour = state.back_colour;
        shown.colour = state.colour;
        InvalidateRect(control.hwnd, nullptr, TRUE);
    }
    if (!(state.font == shown.font)) show_font(control, state.font);
    const bool label = type == ControlType::label || type == ControlType::hyperlink;
    if (label && state.centred != shown.centred) {
        shown.centred = state.centred;
        const LONG_PTR style = GetWindowLongPtrW(control.hwnd, GWL_STYLE) & ~LONG_PTR{SS_TYPEMASK};
        SetWindowLongPtrW(control.hwnd, GWL_STYLE, style | (state.centred ? SS_CENTER : SS_LEFT));
        InvalidateRect(control.hwnd, nullptr, TRUE);
    }
    if (state.rect != shown.rect) {
        shown.rect = state.rect;
        place(control, state.rect);
    }
    if (state.enabled != shown.enabled) {
        shown.enabled = state.enabled;
        EnableWindow(control.hwnd, state.enabled ? TRUE : FALSE);
    }
    if (state.visible != shown.visible) {
        shown.visible = state.visible;
        ShowWindow(control.hwnd, state.visible ? SW_SHOWNA : SW_HIDE);
    }
}

}  // namespace

HFONT make_font(const FontSpec& request, bool underline, int dpi) {
    if (request.face.empty() && request.height <= 0 && !request.bold && !underline &&
        dpi == system_dpi()) {
        return nullptr;
    }
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    // The stock font is made at the system's scale.
    font.lfHeight = MulDiv(font.lfHeight, dpi, system_dpi());
    font.lfWidth = 0;
    if (!request.face.empty()) {
        const std::wstring face = widen(request.face);
        const std::size_t n = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
        std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), L'\0');
        std::copy_n(face.begin(), n, font.lfFaceName);
        // Without the Chinese character set the face is matched to a Western font.
        font.lfCharSet = request.face == "宋体" ? GB2312_CHARSET : DEFAULT_CHARSET;
    }
    if (request.height > 0) {
        // Negative: the character height, not the cell's.
        font.lfHeight = -scaled(request.height, dpi);
        font.lfWidth = 0;
    }
    if (request.bold) font.lfWeight = FW_BOLD;
    font.lfUnderline = underline ? TRUE : FALSE;
    return CreateFontIndirectW(&font);
}

NativeControl* control_of(NativeWindow& window, int id) {
    if (id < 1 || id > static_cast<int>(window.controls.size())) return nullptr;
    return &window.controls[static_cast<std::size_t>(id) - 1];
}

int native_selection(const NativeControl& control) {
    LRESULT current = -1;
    switch (control.shown.type) {
        case ControlType::drop_list:
            current = SendMessageW(control.hwnd, CB_GETCURSEL, 0, 0);
            break;
        case ControlType::list_box:
        case ControlType::check_list:
            current = SendMessageW(control.hwnd, LB_GETCURSEL, 0, 0);
            break;
        case ControlType::tab:
            current = SendMessageW(control.hwnd, TCM_GETCURSEL, 0, 0);
            break;
        default:
            break;
    }
    return current < 0 ? -1 : static_cast<int>(current);
}

int Win32Platform::create_control(WindowId window, const ControlSpec& request) {
    NativeWindow* record = record_of(window);
    if (record == nullptr) return 0;
    if (request.type == ControlType::tab && !tab_class_ready()) {
        trace("tab controls are not available");
        return 0;
    }
    const HWND parent = record->hwnd;
    // The window's own background must not paint over its controls.
    SetWindowLongPtrW(parent, GWL_STYLE, GetWindowLongPtrW(parent, GWL_STYLE) | WS_CLIPCHILDREN);
    const int id = static_cast<int>(record->controls.size()) + 1;
    const NativeKind kind = kind_of(request);
    // Overlapping controls show the one on top; each sibling leaves the others' area alone.
    DWORD style = WS_CHILD | WS_CLIPSIBLINGS | kind.style;
    if (request.visible) style |= WS_VISIBLE;
    if (!request.enabled) style |= WS_DISABLED;
    // Edit boxes get their text once the limit is raised; lists and tabs get their items below.
    ControlSpec made = request;
    made.picture = Image();
    made.items.clear();
    made.selected = -1;
    made.checked = false;
    made.password = false;  // the bullet is set below: the style alone may show asterisks
    if (request.type == ControlType::edit || !has_caption(request.type)) made.caption.clear();
    const Rect box = scaled(request.rect, record->dpi);
    const HWND child = CreateWindowExW(kind.ex_style, kind.cls, widen(made.caption).c_str(), style,
                                       box.left, box.top, box.width, box.height, parent,
                                       reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                       GetModuleHandleW(nullptr), nullptr);
    if (child == nullptr) {
        trace("control creation failed \"" + request.caption + "\"");
        return 0;
    }
    // The program lists the controls that lie on top first (a title over the tab headers,
    // boxes after what they hold): each goes below those made before, as Wine does already.
    SetWindowPos(child, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    NativeControl& control = record->controls.emplace_back();
    control.hwnd = child;
    control.dpi = record->dpi;
    control.shown = std::move(made);
    control.shown.picture = request.picture;
    const Quiet quiet(control);
    // Before anything repaints it: the subclass paints some controls' backgrounds.
    switch (request.type) {
        case ControlType::edit:
            SendMessageW(child, EM_SETLIMITTEXT, 0, 0);  // 0: as much as an edit box holds
            break;
        case ControlType::tab:
            take_theme_away(child);
            [[fallthrough]];
        case ControlType::group_box:
        case ControlType::label:
        case ControlType::hyperlink:
            SetWindowSubclass(child, control_procedure, static_cast<UINT_PTR>(id),
                              reinterpret_cast<DWORD_PTR>(record));
            break;
        default:
            break;
    }
    show_font(control, request.font);
    show_state(control, request);
    if (id == 1) InvalidateRect(parent, nullptr, FALSE);  // now a dialog face
    return id;
}

void Win32Platform::set_control_text(WindowId window, int control, const std::string& text) {
    NativeWindow* record = record_of(window);
    NativeControl* shown = record != nullptr ? control_of(*record, control) : nullptr;
    if (shown == nullptr) return;
    const Quiet quiet(*shown);
    show_caption(*shown, text);
}

void rescale_control(NativeControl& control, int dpi) {
    if (control.dpi == dpi) return;
    control.dpi = dpi;
    const Quiet quiet(control);
    show_font(control, control.shown.font);
    place(control, control.shown.rect);
}

void Win32Platform::update_control(WindowId window, int control, const ControlSpec& state) {
    NativeWindow* record = record_of(window);
    NativeControl* shown = record != nullptr ? control_of(*record, control) : nullptr;
    if (shown != nullptr) show_state(*shown, state);
}

}  // namespace horalune::win32
