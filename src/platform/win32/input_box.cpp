// The input box: a prompt of one or more lines, one edit line, OK and Cancel, in a small modal
// window of the back-end's own (no dialog template). Enter answers OK and Esc Cancel.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/scale.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {
namespace {

constexpr wchar_t kBoxClass[] = L"HoraluneInputBox";
constexpr int kEditId = 100;
constexpr int kMargin = 10;
constexpr int kMinPromptWidth = 280;
constexpr int kMaxPromptWidth = 520;
constexpr int kEditHeight = 22;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 25;
constexpr int kGap = 8;

struct BoxState {
    std::optional<std::wstring> answer;
    bool done = false;
};

std::wstring text_of(HWND hwnd) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

LRESULT CALLBACK box_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* state = reinterpret_cast<BoxState*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE:
            SetWindowLongPtrW(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(
                                  reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
            break;
        case DM_GETDEFID:
            // Enter presses OK wherever the focus is, bar the Cancel button itself.
            return MAKELRESULT(IDOK, DC_HASDEFID);
        case WM_COMMAND:
            if (state == nullptr) break;
            if (LOWORD(wparam) == IDOK) {
                state->answer = text_of(GetDlgItem(hwnd, kEditId));
                state->done = true;
                return 0;
            }
            if (LOWORD(wparam) == IDCANCEL) {
                state->done = true;
                return 0;
            }
            break;
        case WM_CLOSE:
            if (state != nullptr) state->done = true;
            return 0;  // the box goes when the loop ends, with the owner enabled again
        default:
            break;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

bool register_box_class() {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    if (GetClassInfoExW(instance, kBoxClass, &existing)) return true;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = box_procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kBoxClass;
    return RegisterClassExW(&wc) != 0;
}

// The prompt's size in the dialog font, wrapped at the widest the box allows.
// The box's designed lengths at the system's scale, which the stock font is made at.
int px(int designed) {
    return MulDiv(designed, system_dpi(), 96);
}

SIZE prompt_size(const std::wstring& prompt, HFONT font) {
    RECT area{0, 0, px(kMaxPromptWidth), 0};
    const HDC dc = GetDC(nullptr);
    const HGDIOBJ before = SelectObject(dc, font);
    DrawTextW(dc, prompt.empty() ? L" " : prompt.c_str(), -1, &area,
              DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
    SelectObject(dc, before);
    ReleaseDC(nullptr, dc);
    return SIZE{std::clamp<LONG>(area.right, px(kMinPromptWidth), px(kMaxPromptWidth)),
                std::max<LONG>(area.bottom, 1)};
}

HWND add_child(HWND box, const wchar_t* type, const std::wstring& text, DWORD style, int id,
               RECT place, HFONT font) {
    const DWORD ex_style = id == kEditId ? WS_EX_CLIENTEDGE : 0;
    const HWND child = CreateWindowExW(
        ex_style, type, text.c_str(), WS_CHILD | WS_VISIBLE | style, place.left, place.top,
        place.right - place.left, place.bottom - place.top, box,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

}  // namespace

std::optional<std::string> Win32Platform::input_box(WindowId owner, const std::string& prompt,
                                                    const std::string& title,
                                                    const std::string& initial) {
    trace("input box \"" + title + "\": " + prompt);
    if (!register_box_class()) return std::nullopt;
    const DialogOpen open(*this);
    const auto font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring prompt_text = widen(prompt);
    const SIZE text = prompt_size(prompt_text, font);

    const int client_width = static_cast<int>(text.cx) + 2 * px(kMargin);
    const int edit_top = px(kMargin) + static_cast<int>(text.cy) + px(kGap);
    const int buttons_top = edit_top + px(kEditHeight) + px(kGap) + px(4);
    RECT frame{0, 0, client_width, buttons_top + px(kButtonHeight) + px(kMargin)};
    const DWORD style = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    const DWORD ex_style = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
    AdjustWindowRectEx(&frame, style, FALSE, ex_style);
    const int width = frame.right - frame.left;
    const int height = frame.bottom - frame.top;

    // Centred over the owner when it is on screen, else over the screen.
    const HWND owner_hwnd = hwnd_of(owner);
    RECT over{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    if (owner_hwnd != nullptr && IsWindowVisible(owner_hwnd)) GetWindowRect(owner_hwnd, &over);
    const int left = std::max(0, static_cast<int>(over.left + over.right - width) / 2);
    const int top = std::max(0, static_cast<int>(over.top + over.bottom - height) / 2);

    BoxState state;
    const HWND box =
        CreateWindowExW(ex_style, kBoxClass, widen(title).c_str(), style, left, top, width, height,
                        owner_hwnd, nullptr, GetModuleHandleW(nullptr), &state);
    if (box == nullptr) return std::nullopt;
    add_child(box, L"STATIC", prompt_text, SS_LEFT | SS_NOPREFIX, -1,
              RECT{px(kMargin), px(kMargin), px(kMargin) + static_cast<int>(text.cx),
                   edit_top - px(kGap)},
              font);
    const HWND edit = add_child(
        box, L"EDIT", widen(initial), ES_AUTOHSCROLL | WS_TABSTOP, kEditId,
        RECT{px(kMargin), edit_top, client_width - px(kMargin), edit_top + px(kEditHeight)}, font);
    const int cancel_left = client_width - px(kMargin) - px(kButtonWidth);
    const int ok_left = cancel_left - px(kGap) - px(kButtonWidth);
    add_child(
        box, L"BUTTON", L"确定", BS_DEFPUSHBUTTON | WS_TABSTOP, IDOK,
        RECT{ok_left, buttons_top, ok_left + px(kButtonWidth), buttons_top + px(kButtonHeight)},
        font);
    add_child(box, L"BUTTON", L"取消", BS_PUSHBUTTON | WS_TABSTOP, IDCANCEL,
              RECT{cancel_left, buttons_top, cancel_left + px(kButtonWidth),
                   buttons_top + px(kButtonHeight)},
              font);

    // Like run_modal: every enabled window of the program waits until the box is answered.
    std::vector<HWND> disabled;
    for (const auto& [id, other] : windows_) {
        if (IsWindowEnabled(other->hwnd)) disabled.push_back(other->hwnd);
    }
    for (HWND other : disabled) EnableWindow(other, FALSE);
    ShowWindow(box, SW_SHOW);
    SetForegroundWindow(box);
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);  // typing replaces the suggestion

    MSG msg;
    while (!state.done && IsWindow(box)) {
        const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));  // for the loop outside
            state.answer.reset();
            break;
        }
        if (got == -1) break;
        // Enter, Esc and Tab as in any dialog.
        if (IsDialogMessageW(box, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }

    // Enabled again before the box goes, so that the activation returns to them.
    for (HWND other : disabled) {
        if (IsWindow(other)) EnableWindow(other, TRUE);
    }
    if (IsWindow(box)) DestroyWindow(box);
    if (!state.answer) {
        trace("input box cancelled");
        return std::nullopt;
    }
    std::string answer = narrow(*state.answer);
    trace("input box answered \"" + answer + "\"");
    return answer;
}

}  // namespace horalune::win32
