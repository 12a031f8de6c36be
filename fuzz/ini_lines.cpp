#include "ini_lines.h"

#include <cstdint>

#include "config/ini_text.h"

namespace horalune::fuzz {

std::vector<Line> ini_lines(std::string_view text) {
    std::vector<Line> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
        std::size_t next = end < text.size() ? end + 1 : end;
        if (next < text.size() && text[end] == '\r' && text[next] == '\n') ++next;
        lines.push_back({text.substr(start, end - start), text.substr(end, next - end)});
        start = next;
    }
    return lines;
}

bool only_item_changed(const std::vector<Line>& before, const std::vector<Line>& after,
                       std::string_view section, std::string_view key, std::string_view item) {
    const std::string header = "[" + std::string(section) + "]";
    bool item_written = false, header_added = false;
    std::size_t i = 0;
    for (std::size_t j = 0; j < after.size(); ++j) {
        const Line& a = after[j];
        if (i < before.size()) {
            const Line& b = before[i];
            const bool may_gain_ending = i + 1 == before.size() && b.ending.empty();
            if (a.body == b.body && (a.ending == b.ending || may_gain_ending)) {
                ++i;
                continue;
            }
            if (item_written || a.body != item) return false;
            item_written = true;
            const IniText::Parsed old = IniText::parse_line(b.body);
            if (old.kind == IniText::Kind::item && old.name == key) {
                if (a.ending != b.ending) return false;
                ++i;  // replaced in place
            }
            continue;
        }
        // Past the old text only the new item may follow, under its new header or not.
        if (!header_added && !item_written && a.body == header) {
            header_added = true;
        } else if (!item_written && a.body == item) {
            item_written = true;
        } else {
            return false;
        }
    }
    return i == before.size() && (!header_added || item_written);
}

std::size_t utf8_sequence_length(std::string_view s, std::size_t at) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[at + k]); };
    const std::uint8_t b0 = byte(0);
    if (b0 < 0x80) return 1;
    std::size_t n = 0;
    std::uint32_t cp = 0, min = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        n = 2, cp = b0 & 0x1Fu, min = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        n = 3, cp = b0 & 0x0Fu, min = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        n = 4, cp = b0 & 0x07u, min = 0x10000;
    } else {
        return 0;
    }
    if (s.size() - at < n) return 0;
    for (std::size_t k = 1; k < n; ++k) {
        if ((byte(k) & 0xC0) != 0x80) return 0;
        cp = cp << 6 | (byte(k) & 0x3Fu);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return 0;
    return n;
}

}  // namespace horalune::fuzz
