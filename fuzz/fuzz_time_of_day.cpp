// Times of day and numbers as config.ini carries them: any text parses to a time in range or
// to nothing, and what the program writes for a time reads back as that time.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "check.h"
#include "config/convert.h"
#include "config/time_of_day.h"

using namespace horalune;

namespace {

bool in_range(const TimeOfDay& t) {
    return t.hour >= 0 && t.hour <= 23 && t.minute >= 0 && t.minute <= 59 && t.second >= 0 &&
           t.second <= 59;
}

// A box the settings pages save: one or two digits, as a spin box holds them.
bool is_small_number(std::string_view box) {
    if (box.empty() || box.size() > 2) return false;
    for (const char c : box)
        if (c < '0' || c > '9') return false;
    return true;
}

void check_time_text(std::string_view text) {
    const auto t = parse_time_of_day(text);
    if (!t) return;
    FUZZ_CHECK(in_range(*t));
    FUZZ_CHECK(TimeOfDay::from_seconds(t->seconds_since_midnight()) == *t);
    const auto again = parse_time_of_day(time_of_day_text(*t));
    FUZZ_CHECK(again && *again == *t);
}

// The three boxes of a settings page, joined as they are saved, read back as typed.
void check_boxes(std::string_view text) {
    const std::size_t a = text.find('|');
    const std::size_t b = a == std::string_view::npos ? a : text.find('|', a + 1);
    if (b == std::string_view::npos) return;
    const std::string_view h = text.substr(0, a), m = text.substr(a + 1, b - a - 1),
                           s = text.substr(b + 1);
    const auto t = parse_time_of_day(time_of_day_text(h, m, s));
    if (is_small_number(h) && is_small_number(m) && is_small_number(s)) {
        const int hv = to_integer(h), mv = to_integer(m), sv = to_integer(s);
        if (hv <= 23 && mv <= 59 && sv <= 59) {
            FUZZ_CHECK(t && t->hour == hv && t->minute == mv && t->second == sv);
            return;
        }
        FUZZ_CHECK(!t);
    }
    if (t) FUZZ_CHECK(in_range(*t));
}

void check_numbers(std::string_view text) {
    const double number = to_number(text);
    FUZZ_CHECK(!std::isnan(number));
    const std::int32_t integer = to_integer(text);
    // What the program writes for a number it read reads back as that number.
    FUZZ_CHECK(to_integer(int_text(integer)) == integer);
    FUZZ_CHECK(to_number(int_text(integer)) == integer);
    // Truncation toward zero never moves away from the number.
    if (number >= 0) FUZZ_CHECK(integer >= 0 && integer <= number);
    if (number <= 0) FUZZ_CHECK(integer <= 0 && integer >= number);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check_time_text(text);
    check_boxes(text);
    check_numbers(text);
    if (size >= sizeof(long long)) {
        long long seconds = 0;
        std::memcpy(&seconds, data, sizeof seconds);
        FUZZ_CHECK(in_range(TimeOfDay::from_seconds(seconds)));
    }
    return 0;
}
