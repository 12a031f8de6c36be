// UTF-8 <-> UTF-16 at the Win32 edge: the program speaks UTF-8, the W APIs speak UTF-16.
// Invalid input is not rejected; it comes out with U+FFFD in place of the bad bytes.
#pragma once

#include <string>
#include <string_view>

namespace horalune {

std::wstring widen(std::string_view utf8);
std::string narrow(std::wstring_view utf16);

// A UTF-8 path as the file APIs want it: UTF-16 with "\" as the only separator.
std::wstring widen_path(std::string_view utf8_path);

}  // namespace horalune
