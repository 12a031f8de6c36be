#include "config/ini_text.h"

namespace horalune {

namespace {

std::string_view trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

}  // namespace

IniText::IniText(std::string_view text) {
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines_.push_back({std::string(text.substr(start)), ""});
            break;
        }
        std::size_t next = end + 1;
        if (text[end] == '\r' && next < text.size() && text[next] == '\n') ++next;
        lines_.push_back({std::string(text.substr(start, end - start)),
                          std::string(text.substr(end, next - end))});
        start = next;
    }
}

IniText::Parsed IniText::parse(std::string_view body) {
    const std::string_view t = trim(body);
    if (t.empty() || t.front() == ';' || t.front() == '#') return {};
    if (t.front() == '[') {
        const std::size_t close = t.find(']');
        if (close == std::string_view::npos) return {};
        return {Kind::section, trim(t.substr(1, close - 1)), {}};
    }
    const std::size_t eq = t.find('=');
    if (eq == std::string_view::npos) return {};
    return {Kind::item, trim(t.substr(0, eq)), trim(t.substr(eq + 1))};
}

std::optional<std::string_view> find_ini_value(std::string_view text, std::string_view section,
                                               std::string_view key) {
    bool inside = false;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const auto p = IniText::parse_line(text.substr(start, end - start));
        if (p.kind == IniText::Kind::section) {
            inside = p.name == section;
        } else if (inside && p.kind == IniText::Kind::item && p.name == key) {
            return p.value;
        }
        start = end + 1;
    }
    return std::nullopt;
}

IniText::Parsed IniText::parse_line(std::string_view body) {
    return parse(body);
}

std::string_view IniText::new_line_ending() const {
    for (const Line& line : lines_) {
        if (!line.ending.empty()) return line.ending;
    }
    return "\r\n";  // what Windows tools expect of a new file
}

void IniText::set(std::string_view section, std::string_view key, std::string_view raw_value) {
    const std::string item = std::string(key) + "=" + std::string(raw_value);
    const std::string ending(new_line_ending());

    bool inside = false;
    std::optional<std::size_t> first_section_end;  // index after the section's last content line
    bool in_first_section = false;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const Parsed p = parse(lines_[i].body);
        if (p.kind == Kind::section) {
            inside = p.name == section;
            in_first_section = inside && !first_section_end;
            if (in_first_section) first_section_end = i + 1;
            continue;
        }
        if (!inside) continue;
        if (p.kind == Kind::item && p.name == key) {
            lines_[i].body = item;
            return;
        }
        if (in_first_section && !trim(lines_[i].body).empty()) first_section_end = i + 1;
    }

    // The line before an insertion point must end, or the new line would join it.
    const auto terminate = [&](std::size_t index) {
        if (index < lines_.size() && lines_[index].ending.empty()) lines_[index].ending = ending;
    };
    if (first_section_end) {
        const std::size_t at = *first_section_end;
        terminate(at - 1);
        // The new line ends as the one it follows: a lone CR taken from elsewhere in the file
        // would join an empty LF line after it into one CRLF, and that line would be lost.
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at),
                      Line{item, lines_[at - 1].ending});
        return;
    }
    if (!lines_.empty()) terminate(lines_.size() - 1);
    std::string header = "[";
    header.append(section).append("]");
    lines_.push_back({std::move(header), ending});
    lines_.push_back({item, ending});
}

std::string IniText::text() const {
    std::string out;
    for (const Line& line : lines_) out.append(line.body).append(line.ending);
    return out;
}

}  // namespace horalune
