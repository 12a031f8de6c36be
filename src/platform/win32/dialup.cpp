// Dial-up networking through RAS: the entries, dialling with progress reported as short status
// texts on the UI thread, whether a connection is up, and hanging all of them up.
// These headers need <windows.h> before them.
// clang-format off
#include <windows.h>
#include <ras.h>
#include <raserror.h>
// clang-format on

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {
namespace {

std::vector<HRASCONN> connections() {
    std::vector<RASCONNW> found(4);
    DWORD count = 0;
    DWORD error = ERROR_BUFFER_TOO_SMALL;
    // A second try when more connections are up than the first buffer holds.
    for (int attempt = 0; attempt < 2 && error == ERROR_BUFFER_TOO_SMALL; ++attempt) {
        for (RASCONNW& c : found) c.dwSize = sizeof c;
        DWORD bytes = static_cast<DWORD>(found.size() * sizeof(RASCONNW));
        count = 0;
        error = RasEnumConnectionsW(found.data(), &bytes, &count);
        if (error == ERROR_BUFFER_TOO_SMALL) {
            found = std::vector<RASCONNW>(bytes / sizeof(RASCONNW) + 1);
        }
    }
    std::vector<HRASCONN> handles;
    if (error != 0) return handles;
    for (DWORD i = 0; i < count && i < found.size(); ++i) handles.push_back(found[i].hrasconn);
    return handles;
}

bool connected(HRASCONN connection) {
    RASCONNSTATUSW status{};
    status.dwSize = sizeof status;
    return RasGetConnectStatusW(connection, &status) == 0 && status.rasconnstate == RASCS_Connected;
}

}  // namespace

bool Win32Platform::dialup_connected() {
    for (HRASCONN connection : connections()) {
        if (connected(connection)) return true;
    }
    return false;
}

void Win32Platform::dialup_hang_up() {
    const std::vector<HRASCONN> open = connections();
    for (HRASCONN connection : open) RasHangUpW(connection);
    // Hanging up goes on in the background; a line let go too early may stay up. Wait until
    // each one is gone, but not forever.
    for (HRASCONN connection : open) {
        RASCONNSTATUSW status{};
        status.dwSize = sizeof status;
        for (int i = 0; i < 60 && RasGetConnectStatusW(connection, &status) != ERROR_INVALID_HANDLE;
             ++i) {
            Sleep(50);
        }
    }
    trace("dial-up hung up " + std::to_string(open.size()) + " connection(s)");
}

}  // namespace horalune::win32

namespace horalune::win32 {
namespace {

constexpr wchar_t kNotifierClass[] = L"HoraluneDialNotifier";

// One dial in progress, known to the hidden window that hears its progress.
struct Dial {
    Win32Platform* platform = nullptr;
    HRASCONN connection = nullptr;  // null once connected: the line then lives on by itself
};

UINT dial_event_message() {
    static const UINT registered = RegisterWindowMessageA(RASDIALEVENT);
    return registered != 0 ? registered : WM_RASDIALEVENT;
}

// What the user reads for each step; steps not worth a line give nothing.
std::string status_text(RASCONNSTATE state) {
    switch (state) {
        case RASCS_OpenPort:
            return "正在打开端口…";
        case RASCS_PortOpened:
            return "端口已打开";
        case RASCS_ConnectDevice:
            return "正在拨号…";
        case RASCS_DeviceConnected:
        case RASCS_AllDevicesConnected:
            return "已接通，正在登录…";
        case RASCS_Authenticate:
        case RASCS_StartAuthentication:
            return "正在验证用户名和密码…";
        case RASCS_AuthRetry:
        case RASCS_RetryAuthentication:
            return "正在重新验证…";
        case RASCS_Authenticated:
            return "已通过验证";
        case RASCS_AuthProject:
        case RASCS_Projected:
            return "正在注册网络…";
        case RASCS_Connected:
            return "已连接";
        case RASCS_Disconnected:
            return "已断开";
        default:
            return {};
    }
}

template <std::size_t N>
void copy_into(WCHAR (&field)[N], std::wstring_view text) {
    const std::size_t n = std::min(text.size(), N - 1);
    std::copy_n(text.data(), n, field);
    field[n] = L'\0';
}

LRESULT CALLBACK notifier_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
    auto* dial = reinterpret_cast<Dial*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (message == WM_NCCREATE) {
        SetWindowLongPtrW(
            hwnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lparam)->lpCreateParams));
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    if (message == WM_NCDESTROY && dial != nullptr) {
        // Gone with its owner while still dialling: the attempt goes too.
        if (dial->connection != nullptr) RasHangUpW(dial->connection);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        delete dial;
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    if ((message != dial_event_message() && message != WM_RASDIALEVENT) || dial == nullptr) {
        return DefWindowProcW(hwnd, message, wparam, lparam);
    }
    const auto state = static_cast<RASCONNSTATE>(wparam);
    const auto error = static_cast<DWORD>(lparam);
    const std::string text =
        error != 0 ? "拨号失败，错误 " + std::to_string(error) : status_text(state);
    const bool over = error != 0 || state == RASCS_Connected || state == RASCS_Disconnected;
    if (over) {
        // A failed attempt holds the port until it is hung up; a made connection stays.
        if (state == RASCS_Connected && error == 0) dial->connection = nullptr;
        trace("dial-up " + (error != 0
                                ? "failed with " + std::to_string(error)
                                : std::string(state == RASCS_Connected ? "connected" : "ended")));
    }
    Win32Platform* platform = dial->platform;
    // Gone before the program hears of it: the program may dial again from the status.
    if (over) DestroyWindow(hwnd);
    if (!text.empty() && platform->sink() != nullptr) platform->sink()->on_dialup_status(text);
    return 0;
}

HWND make_notifier(HWND owner, Win32Platform* platform) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (!GetClassInfoExW(instance, kNotifierClass, &wc)) {
        wc = WNDCLASSEXW{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = notifier_procedure;
        wc.hInstance = instance;
        wc.lpszClassName = kNotifierClass;
        if (RegisterClassExW(&wc) == 0) return nullptr;
    }
    auto* dial = new Dial{platform, nullptr};
    // Owned by a window of the program, so that it cannot outlive the platform it reports to.
    const HWND hwnd = CreateWindowExW(0, kNotifierClass, L"", WS_POPUP, 0, 0, 0, 0, owner, nullptr,
                                      instance, dial);
    if (hwnd == nullptr) delete dial;
    return hwnd;
}

}  // namespace

std::vector<DialEntry> Win32Platform::dialup_entries() {
    std::vector<RASENTRYNAMEW> names(8);
    DWORD count = 0;
    DWORD error = ERROR_BUFFER_TOO_SMALL;
    for (int attempt = 0; attempt < 2 && error == ERROR_BUFFER_TOO_SMALL; ++attempt) {
        for (RASENTRYNAMEW& n : names) n.dwSize = sizeof n;
        DWORD bytes = static_cast<DWORD>(names.size() * sizeof(RASENTRYNAMEW));
        count = 0;
        error = RasEnumEntriesW(nullptr, nullptr, names.data(), &bytes, &count);
        if (error == ERROR_BUFFER_TOO_SMALL) {
            names = std::vector<RASENTRYNAMEW>(bytes / sizeof(RASENTRYNAMEW) + 1);
        }
    }
    std::vector<DialEntry> entries;
    if (error != 0) {
        trace("dial-up entries not listed: error " + std::to_string(error));
        return entries;
    }
    for (DWORD i = 0; i < count && i < names.size(); ++i) {
        DialEntry entry{narrow(names[i].szEntryName), {}};
        RASDIALPARAMSW params{};
        params.dwSize = sizeof params;
        copy_into(params.szEntryName, names[i].szEntryName);
        BOOL has_password = FALSE;
        if (RasGetEntryDialParamsW(nullptr, &params, &has_password) == 0) {
            entry.user = narrow(params.szUserName);
        }
        // It may have brought the saved password along.
        SecureZeroMemory(&params, sizeof params);
        entries.push_back(std::move(entry));
    }
    return entries;
}

void Win32Platform::dialup_dial(const std::string& number, const std::string& user,
                                const std::string& password) {
    const std::vector<DialEntry> entries = dialup_entries();
    // The first entry with the number typed in place of its own; without entries the system's
    // plain modem connection.
    const std::string entry = entries.empty() ? std::string() : entries.front().name;
    trace("dialling \"" + number + "\" through entry \"" + entry + "\"");
    if (windows_.empty()) {
        if (sink_ != nullptr) sink_->on_dialup_status("拨号失败：程序没有窗口");
        return;
    }
    const HWND notifier = make_notifier(windows_.begin()->second->hwnd, this);
    if (notifier == nullptr) {
        if (sink_ != nullptr) sink_->on_dialup_status("拨号失败：无法接收拨号进度");
        return;
    }

    RASDIALPARAMSW params{};
    params.dwSize = sizeof params;
    copy_into(params.szEntryName, widen(entry));
    copy_into(params.szPhoneNumber, widen(number));
    copy_into(params.szUserName, widen(user));
    std::wstring secret = widen(password);
    copy_into(params.szPassword, secret);
    SecureZeroMemory(secret.data(), secret.size() * sizeof(wchar_t));
    HRASCONN connection = nullptr;
    // 0xFFFFFFFF: the notifier is a window, hearing the progress as messages on this thread.
    const DWORD error = RasDialW(nullptr, nullptr, &params, 0xFFFFFFFF, notifier, &connection);
    SecureZeroMemory(&params, sizeof params);  // RAS keeps its own copy

    if (auto* dial = reinterpret_cast<Dial*>(GetWindowLongPtrW(notifier, GWLP_USERDATA))) {
        dial->connection = connection;
    }
    // Refused at once: reported from the loop like any other step, never from inside this call.
    if (error != 0) {
        PostMessageW(notifier, dial_event_message(), RASCS_OpenPort, static_cast<LPARAM>(error));
    }
}

}  // namespace horalune::win32
