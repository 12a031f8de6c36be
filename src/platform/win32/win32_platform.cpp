// Creates the Win32 platform and hands its sound calls to the sound player.
// Does not own any behaviour: every decision is the program's.
#include "platform/win32/win32_platform.h"

#include "platform/win32/backend.h"

namespace horalune {

std::unique_ptr<Platform> make_win32_platform() {
    return std::make_unique<win32::Win32Platform>();
}

namespace win32 {

void Win32Platform::play_sound(const std::string& path, bool repeat) {
    sound_.play(path, repeat);
}

void Win32Platform::play_mp3(const std::string& path) {
    sound_.play_mp3(path);
}

void Win32Platform::stop_sound() {
    sound_.stop();
}

}  // namespace win32
}  // namespace horalune
