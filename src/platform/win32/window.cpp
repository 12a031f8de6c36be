// Top-level windows: borderless popups cut to a mask, showing a program-drawn picture, or framed
// by a thin line for dialogs.
// Does not create controls, menus or tray icons, nor move windows by drag; those live elsewhere.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/scale.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"
#include "platform/win32/window_shape.h"

namespace horalune::win32 {
namespace {

constexpr wchar_t kWindowClass[] = L"HoraluneWindow";

const wchar_t* window_class() {
    static const bool registered = [] {
        WNDCLASSEXW cls{};
        cls.cbSize = sizeof cls;
        // No CS_DBLCLKS: a quick second click must arrive as a second button press.
        cls.style = CS_HREDRAW | CS_VREDRAW;
        cls.lpfnWndProc = window_procedure;
        cls.hInstance = GetModuleHandleW(nullptr);
        cls.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        cls.lpszClassName = kWindowClass;
        return RegisterClassExW(&cls) != 0;
    }();
    return registered ? kWindowClass : nullptr;
}

std::string describe(const NativeWindow& window) {
    return "window " + std::to_string(window.id) + " \"" + window.title + "\"";
}

BITMAPINFO picture_format(const Image& picture) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = picture.width;
    info.bmiHeader.biHeight = -picture.height;  // negative: rows from the top
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;  // 0xAARRGGBB in memory is the DIB's B, G, R, x
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

void show_part(NativeWindow& window, const RECT& part) {
    // Drawn straight into the window rather than through WM_PAINT: each BeginPaint makes the
    // system rebuild the window's visible region, and for a clock cut to its outline (some 400
    // rectangles) that rebuild cost more than the rest of the second's work together.
    // A window with a paint due anyway takes the part along; its native controls are left out
    // of the drawing by WS_CLIPCHILDREN, which the first control set.
    if (!IsWindowVisible(window.hwnd) || GetUpdateRect(window.hwnd, nullptr, FALSE)) {
        InvalidateRect(window.hwnd, &part, FALSE);
        return;
    }
    const HDC dc = GetDC(window.hwnd);
    if (dc == nullptr) {
        InvalidateRect(window.hwnd, &part, FALSE);
        return;
    }
    const Image& picture = window.content;
    const BITMAPINFO info = picture_format(picture);
    IntersectClipRect(dc, part.left, part.top, part.right, part.bottom);
    SetDIBitsToDevice(dc, 0, 0, picture.width, picture.height, 0, 0, 0, picture.height,
                      picture.pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(window.hwnd, dc);
}

}  // namespace

Win32Platform::~Win32Platform() {
    // Destroying sends WM_NCDESTROY, which erases from windows_: collect the handles first.
    std::vector<HWND> open;
    for (const auto& [id, window] : windows_) open.push_back(window->hwnd);
    for (HWND hwnd : open) DestroyWindow(hwnd);
}

NativeWindow* Win32Platform::record_of(WindowId window) const {
    const auto it = windows_.find(window);
    return it == windows_.end() ? nullptr : it->second.get();
}

HWND Win32Platform::hwnd_of(WindowId window) const {
    const NativeWindow* record = record_of(window);
    return record == nullptr ? nullptr : record->hwnd;
}

bool Win32Platform::owns(HWND hwnd) const {
    for (const auto& [id, record] : windows_) {
        if (record->hwnd == hwnd) return true;
    }
    return false;
}

void Win32Platform::forget(WindowId window) {
    windows_.erase(window);
}

WindowId Win32Platform::create_window(const WindowSpec& request) {
    const wchar_t* cls = window_class();
    if (cls == nullptr) return kNoWindow;
    auto window = std::make_unique<NativeWindow>();
    window->owner = this;
    window->id = next_id_;
    window->title = request.title;

    DWORD style =
        request.borderless ? WS_POPUP : WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    if (request.borderless && request.framed) style |= WS_BORDER;
    const DWORD ex_style = request.in_taskbar ? WS_EX_APPWINDOW : WS_EX_TOOLWINDOW;
    // Made at the scale of the monitor it goes on; the system may still place it on another.
    const Point at = to_device(monitor_scales(), {request.rect.left, request.rect.top});
    const int planned = forced_dpi_ > 0 ? forced_dpi_ : dpi_at(monitor_scales(), request.rect);
    const HWND hwnd =
        CreateWindowExW(ex_style, cls, widen(request.title).c_str(), style, at.x, at.y,
                        scaled(request.rect.width, planned), scaled(request.rect.height, planned),
                        nullptr, nullptr, GetModuleHandleW(nullptr), window.get());
    if (hwnd == nullptr) {
        trace("window creation failed \"" + request.title + "\"");
        return kNoWindow;
    }
    window->hwnd = hwnd;
    window->dpi = dpi_of(hwnd);
    if (window->dpi != planned) {
        SetWindowPos(hwnd, nullptr, 0, 0, scaled(request.rect.width, window->dpi),
                     scaled(request.rect.height, window->dpi),
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const WindowId id = next_id_++;
    NativeWindow& record = *window;
    windows_[id] = std::move(window);
    trace(describe(record) + " created");
    if (request.visible) show_window(id, true);
    return id;
}

void Win32Platform::destroy_window(WindowId window) {
    const HWND hwnd = hwnd_of(window);
    if (hwnd != nullptr) DestroyWindow(hwnd);
}

void Win32Platform::show_window(WindowId window, bool visible) {
    const auto it = windows_.find(window);
    if (it == windows_.end()) return;
    ShowWindow(it->second->hwnd, visible ? SW_SHOW : SW_HIDE);
    trace(describe(*it->second) + (visible ? " shown" : " hidden"));
}

bool Win32Platform::window_visible(WindowId window) {
    const HWND hwnd = hwnd_of(window);
    return hwnd != nullptr && IsWindowVisible(hwnd);
}

int Win32Platform::dpi_of(HWND hwnd) const {
    return forced_dpi_ > 0 ? forced_dpi_ : window_dpi_of(hwnd);
}

int Win32Platform::window_dpi(WindowId window) {
    const NativeWindow* record = record_of(window);
    return record != nullptr ? record->dpi : kLogicalDpi;
}

void Win32Platform::move_window(WindowId window, int left, int top) {
    const HWND hwnd = hwnd_of(window);
    if (hwnd == nullptr) return;
    const Point at = to_device(monitor_scales(), {left, top});
    SetWindowPos(hwnd, nullptr, at.x, at.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Platform::resize_window(WindowId window, int width, int height) {
    const NativeWindow* record = record_of(window);
    if (record == nullptr) return;
    SetWindowPos(record->hwnd, nullptr, 0, 0, scaled(width, record->dpi),
                 scaled(height, record->dpi), SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Rect Win32Platform::window_rect(WindowId window) {
    RECT r{};
    const NativeWindow* record = record_of(window);
    if (record == nullptr || !GetWindowRect(record->hwnd, &r)) return {};
    const Point at = to_logical(monitor_scales(), {r.left, r.top});
    return Rect{at.x, at.y, unscaled(r.right - r.left, record->dpi),
                unscaled(r.bottom - r.top, record->dpi)};
}

void Win32Platform::set_window_shape(WindowId window, const Image& mask) {
    const HWND hwnd = hwnd_of(window);
    if (hwnd == nullptr) return;
    const HRGN region = region_from_mask(mask);  // null: back to the whole rectangle
    // On success the system owns the region.
    if (!SetWindowRgn(hwnd, region, TRUE) && region != nullptr) DeleteObject(region);
}

void Win32Platform::present(WindowId window, const Image& content) {
    const auto it = windows_.find(window);
    if (it == windows_.end()) return;
    NativeWindow& record = *it->second;
    if (record.content.width != content.width || record.content.height != content.height) {
        record.content = content;
        InvalidateRect(record.hwnd, nullptr, FALSE);
        return;
    }
    // Most of the face stays as it was from one second to the next: only what changed is
    // painted again (and, under a compositor or X, sent on).
    const std::vector<RECT> bands = changed_bands(record.content, content);
    if (bands.empty()) return;
    record.content.pixels = content.pixels;  // same size: no new allocation
    for (const RECT& band : bands) show_part(record, band);
}

void Win32Platform::present_part(WindowId window, const Image& content, const Rect& changed) {
    const auto it = windows_.find(window);
    if (it == windows_.end()) return;
    NativeWindow& record = *it->second;
    if (record.content.width != content.width || record.content.height != content.height) {
        present(window, content);
        return;
    }
    const int left = std::max(changed.left, 0), top = std::max(changed.top, 0);
    const int right = std::min(changed.left + changed.width, content.width);
    const int bottom = std::min(changed.top + changed.height, content.height);
    if (right <= left || bottom <= top) return;
    for (int y = top; y < bottom; ++y) {
        const std::size_t row = static_cast<std::size_t>(y) * content.width;
        std::copy(content.pixels.begin() + row + left, content.pixels.begin() + row + right,
                  record.content.pixels.begin() + row + left);
    }
    show_part(record, RECT{left, top, right, bottom});
}

void paint(NativeWindow& window) {
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(window.hwnd, &ps);
    const Image& picture = window.content;
    if (!picture.empty() &&
        picture.pixels.size() >= static_cast<std::size_t>(picture.width) * picture.height) {
        const BITMAPINFO info = picture_format(picture);
        SetDIBitsToDevice(dc, 0, 0, picture.width, picture.height, 0, 0, 0, picture.height,
                          picture.pixels.data(), &info, DIB_RGB_COLORS);
        ExcludeClipRect(dc, 0, 0, picture.width, picture.height);
    }
    // Whatever the picture does not cover; windows of native controls look like dialogs.
    RECT client{};
    GetClientRect(window.hwnd, &client);
    if (client.right <= picture.width && client.bottom <= picture.height) {
        EndPaint(window.hwnd, &ps);
        return;
    }
    FillRect(dc, &client, GetSysColorBrush(window.controls.empty() ? COLOR_WINDOW : COLOR_BTNFACE));
    EndPaint(window.hwnd, &ps);
}

}  // namespace horalune::win32
