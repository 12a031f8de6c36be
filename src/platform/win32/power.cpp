// The power operation of the timed shutdown: shut down with power-off, restart, log off or
// sleep, forced or not, after taking the shutdown privilege. Does not report a failure.
// <powrprof.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <powrprof.h>
// clang-format on

#include <string>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"

namespace horalune::win32 {
namespace {

// Without SE_SHUTDOWN_NAME enabled in the process token, ExitWindowsEx refuses to shut down
// or restart; log off needs no privilege.
void enable_shutdown_privilege() {
    HANDLE token = nullptr;
    if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, &token)) {
        return;
    }
    TOKEN_PRIVILEGES privileges{};
    if (LookupPrivilegeValueW(nullptr, SE_SHUTDOWN_NAME, &privileges.Privileges[0].Luid)) {
        privileges.PrivilegeCount = 1;
        privileges.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        AdjustTokenPrivileges(token, FALSE, &privileges, 0, nullptr, nullptr);
    }
    CloseHandle(token);
}

}  // namespace

void Win32Platform::power_operation(PowerMode mode, bool force) {
    trace("power operation " + std::to_string(static_cast<int>(mode)) +
          (force ? " forced" : " not forced"));
    enable_shutdown_privilege();
    const UINT forced = force ? EWX_FORCE : 0;
    const DWORD reason = SHTDN_REASON_MAJOR_OTHER | SHTDN_REASON_FLAG_PLANNED;
    switch (mode) {
        case PowerMode::shut_down:
            ExitWindowsEx(EWX_SHUTDOWN | EWX_POWEROFF | forced, reason);
            break;
        case PowerMode::restart:
            ExitWindowsEx(EWX_REBOOT | forced, reason);
            break;
        case PowerMode::log_off:
            ExitWindowsEx(EWX_LOGOFF | forced, reason);
            break;
        case PowerMode::sleep:
            // Sleep rather than hibernate; forced: programs are not asked for permission.
            SetSuspendState(FALSE, force ? TRUE : FALSE, FALSE);
            break;
    }
}

}  // namespace horalune::win32
