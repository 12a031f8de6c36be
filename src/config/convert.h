// The value conversions every reader of config.ini uses.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace horalune {

// Text to a signed 32-bit integer: the leading number of the text (optional sign, digits,
// optional fraction, optional exponent), truncated toward zero; empty or non-numeric text gives
// 0 and values beyond the 32-bit range saturate. "12.9" -> 12, "-3.7" -> -3, "abc" -> 0.
std::int32_t to_integer(std::string_view text);

// The same number before truncation (for checks that compare fractions, such as 23.5 > 23).
double to_number(std::string_view text);

// A switch read from the file is on only when its text is exactly "真".
bool is_on(std::string_view text);

// Booleans are written as "真" or "假".
std::string_view bool_text(bool value);

std::string int_text(std::int64_t value);

}  // namespace horalune
