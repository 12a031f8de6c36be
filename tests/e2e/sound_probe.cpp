// Plays one sound through the real Win32 back-end for e2e/sound_e2e.sh:
// sound_probe <wav|mid|mp3> <path> <repeat 0/1> <play_ms> <after_stop_ms>
// plays, waits, calls stop_sound, waits, exits. It prints the back-end's sound capabilities.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "platform/win32/wide.h"
#include "platform/win32/win32_platform.h"

namespace {

// Waits while handling messages: MCI's end-of-sound notices restart a repeating MIDI file.
void pump_for(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
}

int usage() {
    std::fputs("usage: sound_probe <wav|mid|mp3> <path> <repeat 0/1> <play_ms> <after_stop_ms>\n",
               stderr);
    return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 6) return usage();
    const std::string kind = horalune::narrow(argv[1]);
    const std::string path = horalune::narrow(argv[2]);
    const bool repeat = std::wcstol(argv[3], nullptr, 10) != 0;
    const auto play_ms = static_cast<DWORD>(std::wcstoul(argv[4], nullptr, 10));
    const auto after_stop_ms = static_cast<DWORD>(std::wcstoul(argv[5], nullptr, 10));
    if (kind != "wav" && kind != "mid" && kind != "mp3") return usage();

    auto platform = horalune::make_win32_platform();
    using horalune::Capability;
    std::printf("capabilities: wav=%d midi=%d mp3=%d\n", platform->can(Capability::sound_wav),
                platform->can(Capability::sound_midi), platform->can(Capability::sound_mp3));
    std::fflush(stdout);

    if (kind == "mp3") {
        platform->play_mp3(path);
    } else {
        platform->play_sound(path, repeat);
    }
    pump_for(play_ms);
    platform->stop_sound();
    pump_for(after_stop_ms);
    return 0;
}
