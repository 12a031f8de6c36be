// The yardstick for the clock's cost at rest: a 164 x 164 round window cut by a region, redrawn
// every second, with a tray icon set once. Run by scripts/bench-idle.sh beside horalune.exe.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

namespace {

LRESULT CALLBACK window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
        case WM_TIMER:
            InvalidateRect(hwnd, nullptr, FALSE);
            return 0;
        case WM_PAINT: {
            PAINTSTRUCT ps;
            const HDC dc = BeginPaint(hwnd, &ps);
            SYSTEMTIME now;
            GetLocalTime(&now);
            wchar_t text[16];
            const int n = wsprintfW(text, L"%02d:%02d:%02d", now.wHour, now.wMinute, now.wSecond);
            FillRect(dc, &ps.rcPaint, GetSysColorBrush(COLOR_WINDOW));
            TextOutW(dc, 50, 74, text, n);
            EndPaint(hwnd, &ps);
            return 0;
        }
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
    }
    return DefWindowProcW(hwnd, message, wparam, lparam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = window_proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));
    wc.lpszClassName = L"BareWindow";
    RegisterClassW(&wc);
    const HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW, wc.lpszClassName, L"bare", WS_POPUP, 100,
                                      100, 164, 164, nullptr, nullptr, instance, nullptr);
    SetWindowRgn(hwnd, CreateEllipticRgn(0, 0, 165, 165), FALSE);
    NOTIFYICONDATAW tray{};
    tray.cbSize = sizeof tray;
    tray.hWnd = hwnd;
    tray.uFlags = NIF_ICON | NIF_TIP;
    tray.hIcon = LoadIconW(nullptr, MAKEINTRESOURCEW(32512));
    lstrcpyW(tray.szTip, L"bare window");
    Shell_NotifyIconW(NIM_ADD, &tray);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    SetTimer(hwnd, 1, 1000, nullptr);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) DispatchMessageW(&msg);
    Shell_NotifyIconW(NIM_DELETE, &tray);
    return 0;
}
