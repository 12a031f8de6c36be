#include "config/time_of_day.h"

#include <cstdio>

namespace horalune {

namespace {

constexpr std::string_view kCarrierDate = "2000年1月1日";

bool is_digit(char c) {
    return c >= '0' && c <= '9';
}

void skip_blanks(std::string_view& s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
}

// A run of digits (possibly empty, which reads as 0); nullopt on anything else or overflow.
std::optional<int> read_field(std::string_view& s) {
    int value = 0;
    std::size_t i = 0;
    while (i < s.size() && is_digit(s[i])) {
        if (value > 100000) return std::nullopt;
        value = value * 10 + (s[i] - '0');
        ++i;
    }
    s.remove_prefix(i);
    return value;
}

bool eat(std::string_view& s, std::string_view token) {
    if (!s.starts_with(token)) return false;
    s.remove_prefix(token.size());
    return true;
}

// "YYYY年M月D日", "YYYY-M-D " or "YYYY/M/D ": any date is accepted and ignored.
void skip_date(std::string_view& s) {
    std::string_view probe = s;
    const auto digits = [&probe] {
        std::size_t n = 0;
        while (n < probe.size() && is_digit(probe[n])) ++n;
        probe.remove_prefix(n);
        return n > 0;
    };
    if (!digits()) return;
    if (eat(probe, "年")) {
        if (digits() && eat(probe, "月") && digits() && eat(probe, "日")) s = probe;
        return;
    }
    for (const std::string_view sep : {"-", "/"}) {
        std::string_view p = probe;
        probe = p;
        if (eat(probe, sep) && digits() && eat(probe, sep) && digits() &&
            (eat(probe, " ") || eat(probe, "T"))) {
            s = probe;
            return;
        }
        probe = p;
    }
}

bool eat_colon(std::string_view& s) {
    return eat(s, ":") || eat(s, "：");
}

}  // namespace

TimeOfDay TimeOfDay::from_seconds(long long seconds) {
    long long s = seconds % 86400;
    if (s < 0) s += 86400;
    return {static_cast<int>(s / 3600), static_cast<int>(s / 60 % 60), static_cast<int>(s % 60)};
}

std::optional<TimeOfDay> parse_time_of_day(std::string_view text) {
    skip_blanks(text);
    skip_date(text);
    skip_blanks(text);
    if (text.empty()) return std::nullopt;

    TimeOfDay t;
    const auto hour = read_field(text);
    if (!hour || !eat_colon(text)) return std::nullopt;
    const auto minute = read_field(text);
    if (!minute) return std::nullopt;
    std::optional<int> second = 0;
    if (eat_colon(text)) second = read_field(text);
    if (!second || !text.empty()) return std::nullopt;
    if (*hour > 23 || *minute > 59 || *second > 59) return std::nullopt;
    t.hour = *hour;
    t.minute = *minute;
    t.second = *second;
    return t;
}

std::string time_of_day_text(const TimeOfDay& time) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d:%02d", time.hour, time.minute, time.second);
    return std::string(kCarrierDate) + buffer;
}

std::string time_of_day_text(std::string_view hour, std::string_view minute,
                             std::string_view second) {
    std::string text(kCarrierDate);
    text.append(hour).append(":").append(minute).append(":").append(second);
    return text;
}

}  // namespace horalune
