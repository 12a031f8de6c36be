#include "config/convert.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <string>

#include "config/names.h"

namespace horalune {

namespace {

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}
bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

double to_number(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && is_blank(text[i])) ++i;
    const std::size_t start = i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const std::size_t digits_start = i;
    while (i < text.size() && is_digit(text[i])) ++i;
    bool any_digit = i > digits_start;
    if (i < text.size() && text[i] == '.') {
        ++i;
        const std::size_t fraction_start = i;
        while (i < text.size() && is_digit(text[i])) ++i;
        any_digit = any_digit || i > fraction_start;
    }
    if (!any_digit) return 0.0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) ++j;
        const std::size_t exponent_start = j;
        while (j < text.size() && is_digit(text[j])) ++j;
        if (j > exponent_start) i = j;
    }
    // strtod needs a terminated copy; the scanned prefix is all it may see.
    const std::string number(text.substr(start, i - start));
    return std::strtod(number.c_str(), nullptr);
}

std::int32_t to_integer(std::string_view text) {
    const double value = std::trunc(to_number(text));
    constexpr double lo = std::numeric_limits<std::int32_t>::min();
    constexpr double hi = std::numeric_limits<std::int32_t>::max();
    if (value <= lo) return std::numeric_limits<std::int32_t>::min();
    if (value >= hi) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(value);
}

bool is_on(std::string_view text) {
    return text == cfg::kTrue;
}

std::string_view bool_text(bool value) {
    return value ? cfg::kTrue : cfg::kFalse;
}

std::string int_text(std::int64_t value) {
    return std::to_string(value);
}

}  // namespace horalune
