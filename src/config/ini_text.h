// The INI engine: finds and replaces single items in the text of an INI file while keeping
// every other byte of it - other sections, unknown lines, comments, blank lines and each
// line's own line ending - exactly as it was.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace horalune {

// The stored value of the first item `key` of a section `section` in an INI text, found
// without building an IniText (the clock looks items up several times a second).
std::optional<std::string_view> find_ini_value(std::string_view text, std::string_view section,
                                               std::string_view key);

class IniText {
  public:
    explicit IniText(std::string_view text = {});

    // Replaces the first such item's value, or adds the item at the end of the first such
    // section, or adds the section at the end of the text.
    void set(std::string_view section, std::string_view key, std::string_view raw_value);

    std::string text() const;

    enum class Kind { section, item, other };
    struct Parsed {
        Kind kind = Kind::other;
        std::string_view name;   // section name or key
        std::string_view value;  // item value
    };
    static Parsed parse_line(std::string_view body);

  private:
    struct Line {
        std::string body;    // without its line ending
        std::string ending;  // "\r\n", "\n", "\r" or "" (last line without one)
    };
    static Parsed parse(std::string_view body);
    std::string_view new_line_ending() const;

    std::vector<Line> lines_;
};

}  // namespace horalune
