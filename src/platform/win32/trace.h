// A trace of what the back-end does, for end-to-end observation through a debugger
// (Wine 8 shows the lines with WINEDEBUG=warn+seh). Costs next to nothing when nobody listens.
#pragma once

#include <string_view>

namespace horalune {

// Writes "horalune: <message>" to the debugger output.
void trace(std::string_view message);

}  // namespace horalune
