// Dial-up networking through RAS: whether a connection is up, and hanging all of them up.
// Does not dial; connections the user made elsewhere are only observed or ended.
// These headers need <windows.h> before them.
// clang-format off
#include <windows.h>
#include <ras.h>
#include <raserror.h>
// clang-format on

#include <string>
#include <vector>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"

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

// Entries and dialling come with the dial-up window; until then there are none to list.
std::vector<DialEntry> Win32Platform::dialup_entries() {
    return {};
}

void Win32Platform::dialup_dial(const std::string&, const std::string&, const std::string&) {
    trace("dialling is not available yet");
}

}  // namespace horalune::win32
