// UTF-8 of one code point, written out by hand so codec tests do not check the codec with itself.
#pragma once

#include <string>

namespace horalune::testing {

inline std::string utf8(char32_t cp) {
    if (cp < 0x80) return std::string(1, static_cast<char>(cp));
    const unsigned char kLead[] = {0, 0, 0xC0, 0xE0, 0xF0};
    const std::size_t n = cp < 0x800 ? 2 : cp < 0x10000 ? 3 : 4;
    std::string s(n, '\0');
    for (std::size_t i = n - 1; i > 0; --i, cp >>= 6) s[i] = static_cast<char>(0x80 | (cp & 0x3F));
    s[0] = static_cast<char>(kLead[n] | cp);
    return s;
}

}  // namespace horalune::testing
