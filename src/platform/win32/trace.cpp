// Writes the back-end's trace lines to the debugger output.
// Does not write to a file or the console; nothing is kept when no debugger listens.
#include "platform/win32/trace.h"

#include <windows.h>

#include <string>

#include "platform/win32/wide.h"

namespace horalune {

void trace(std::string_view message) {
    std::string line = "horalune: ";
    line += message;
    line += '\n';
    OutputDebugStringW(widen(line).c_str());
}

}  // namespace horalune
