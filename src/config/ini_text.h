// The INI engine: finds and replaces single items in the text of an INI file while keeping
// every other byte of it - other sections, unknown lines, comments, blank lines and each
// line's own line ending - exactly as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace horalune {

class IniText {
public:
    explicit IniText(std::string_view text = {});

    // The stored (raw) value of the first item `key` in a section named `section`.
    std::optional<std::string> get(std::string_view section, std::string_view key) const;

    // Replaces the first such item's value, or adds the item at the end of the first such
    // section, or adds the section at the end of the text.
    void set(std::string_view section, std::string_view key, std::string_view raw_value);

    std::string text() const;

private:
    struct Line {
        std::string body;     // without its line ending
        std::string ending;   // "\r\n", "\n", "\r" or "" (last line without one)
    };
    enum class Kind { section, item, other };
    struct Parsed {
        Kind kind = Kind::other;
        std::string_view name;   // section name or key
        std::string_view value;  // item value
    };
    static Parsed parse(std::string_view body);
    std::string_view new_line_ending() const;

    std::vector<Line> lines_;
};

}  // namespace horalune
