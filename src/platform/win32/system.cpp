// System services: the program's folder, the local time, the uptime and the capability answers.
// Does not cache anything: every call asks Windows afresh.
#include <string>

#include "platform/win32/backend.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {

bool Win32Platform::can(Capability capability) const {
    switch (capability) {
        case Capability::window_shape:
            return true;
        case Capability::sound_wav:
            return sound_.can_play_wave();
        case Capability::sound_midi:
            return sound_.can_play_midi();
        case Capability::sound_mp3:
            return sound_.can_play_mp3();
    }
    return false;
}

std::string Win32Platform::program_dir() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            break;
        }
        path.resize(path.size() * 2);  // truncated: try a bigger buffer
    }
    const std::size_t slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) path.resize(slash);
    return narrow(path);
}

DateTime Win32Platform::now() {
    SYSTEMTIME t{};
    GetLocalTime(&t);
    return DateTime{t.wYear,   t.wMonth,  t.wDay,          t.wHour,
                    t.wMinute, t.wSecond, t.wMilliseconds, t.wDayOfWeek};
}

std::uint64_t Win32Platform::uptime_ms() {
    return GetTickCount64();
}

}  // namespace horalune::win32
