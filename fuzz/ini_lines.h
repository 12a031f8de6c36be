// Line-level views of an INI text for the fuzz targets, written independently of IniText so
// that the two can be checked against each other.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace horalune::fuzz {

struct Line {
    std::string_view body;
    std::string_view ending;  // "\r\n", "\n", "\r", or "" for a last line without one
};

std::vector<Line> ini_lines(std::string_view text);

// True when `after` is `before` with exactly the write of one item: its line replaced in place,
// or inserted, or appended after a new header "[section]"; a last line without an ending may
// gain one. Nothing else may differ.
bool only_item_changed(const std::vector<Line>& before, const std::vector<Line>& after,
                       std::string_view section, std::string_view key, std::string_view item);

// The length of the valid UTF-8 sequence starting at `at`, 0 when there is none there.
std::size_t utf8_sequence_length(std::string_view s, std::size_t at);

}  // namespace horalune::fuzz
