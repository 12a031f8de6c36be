// Windows entry point: the program on the Win32 desktop.
#include <windows.h>

#include "app/application.h"
#include "platform/win32/win32_platform.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    const auto platform = horalune::make_win32_platform();
    return horalune::process_entry(*platform);
}
