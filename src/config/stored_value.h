// How a value is stored on its one line of config.ini.
//
// Most values are stored as they are. A value that could not survive as a plain line - one
// holding a line break (CR or LF), starting or ending with a blank (the reader trims those),
// or starting with a double quote - is stored quoted: "..." with \\, \", \r and \n escaped
// inside. Reading undoes exactly that, so every value round-trips, and an unquoted value
// (every path, number and word the program writes, and whatever a user typed by hand) is
// read unchanged: a backslash outside quotes is just a backslash. A value written by hand in
// quotes ("abc") reads without them, as INI readers on Windows do.
#pragma once

#include <string>
#include <string_view>

namespace horalune {

std::string store_value(std::string_view value);
std::string load_value(std::string_view stored);

}  // namespace horalune
