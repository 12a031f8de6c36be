// Starting programs, opening links with their handlers and multimedia command strings.
// Does not wait for what it starts nor read what it answers.
// These headers need <windows.h> before them.
// clang-format off
#include <windows.h>
#include <mmsystem.h>
#include <shellapi.h>
// clang-format on

#include <string>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {

bool Win32Platform::start_process(const std::string& command_line) {
    // CreateProcessW may write into the command line: it gets a copy of its own.
    std::wstring writable = widen(command_line);
    if (writable.empty()) return false;
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(nullptr, writable.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        trace("process failed (error " + std::to_string(GetLastError()) + ") " + command_line);
        return false;
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    trace("process started " + command_line);
    return true;
}

void Win32Platform::open_link(const std::string& target) {
    const auto result = reinterpret_cast<INT_PTR>(
        ShellExecuteW(nullptr, L"open", widen(target).c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    // Values above 32 mean success.
    trace((result > 32 ? "link opened " : "link failed ") + target);
}

void Win32Platform::send_media_command(const std::string& command) {
    wchar_t reply[256] = {};
    const MCIERROR error = mciSendStringW(widen(command).c_str(), reply, 255, nullptr);
    trace("media command sent \"" + command + "\" (result " + std::to_string(error) + ")");
}

}  // namespace horalune::win32
