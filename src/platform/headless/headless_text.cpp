// Text measurement on the in-memory desktop: a fixed, font-height-based width per character
// (half the height for ASCII, the whole height for anything wider), so layouts are testable.
// It knows no real font: kerning, proportional widths and font substitution do not exist here.
#include <algorithm>
#include <string>
#include <vector>

#include "platform/headless/headless_platform.h"

namespace horalune {
namespace {

constexpr int kDefaultHeight = 12;  // the dialog font's character height
constexpr int kTickBox = 13;        // a check box's or radio's box
constexpr int kTickGap = 4;
constexpr int kArrow = 18;     // a drop-down list's arrow button, a list's scroll bar
constexpr int kEditFrame = 4;  // an edit box's or list's sunken edge, both sides

// The advance of each code point of one line of UTF-8.
std::vector<int> advances(const std::string& line, int height) {
    std::vector<int> out;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const auto byte = static_cast<unsigned char>(line[i]);
        if ((byte & 0xC0) == 0x80) continue;  // a continuation byte
        out.push_back(byte < 0x80 ? height / 2 : height);
    }
    return out;
}

std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines(1);
    for (char c : text) {
        if (c == '\r') continue;
        if (c == '\n') {
            lines.emplace_back();
        } else {
            lines.back() += c;
        }
    }
    return lines;
}

int line_width(const std::string& line, int height) {
    int width = 0;
    for (int a : advances(line, height)) width += a;
    return width;
}

int widest_line(const std::string& text, int height) {
    int widest = 0;
    for (const std::string& line : lines_of(text))
        widest = std::max(widest, line_width(line, height));
    return widest;
}

// Lines when wrapped at `width`, breaking between any two characters.
int wrapped_lines(const std::string& text, int height, int width) {
    int count = 0;
    for (const std::string& line : lines_of(text)) {
        int used = 0;
        int here = 1;
        for (int a : advances(line, height)) {
            if (used > 0 && used + a > width) {
                ++here;
                used = 0;
            }
            used += a;
        }
        count += here;
    }
    return count;
}

int widest_item(const std::vector<std::string>& items, int height) {
    int widest = 0;
    for (const std::string& item : items) widest = std::max(widest, line_width(item, height));
    return widest;
}

}  // namespace

Size HeadlessPlatform::measure_text(WindowId, const ControlSpec& c) {
    const int h = c.font.height > 0 ? c.font.height : kDefaultHeight;
    const int text = widest_line(c.caption, h);
    switch (c.type) {
        case ControlType::label:
        case ControlType::hyperlink:
            // A label with room for more lines wraps a text too long for one.
            if (c.rect.height >= 2 * h && text > c.rect.width) {
                return {0, wrapped_lines(c.caption, h, std::max(c.rect.width, 1)) * h};
            }
            return {text, h * static_cast<int>(lines_of(c.caption).size())};
        case ControlType::button:
            return {text + 8, h + 6};
        case ControlType::check_box:
        case ControlType::radio:
            return {kTickBox + kTickGap + text, std::max(h, kTickBox)};
        case ControlType::group_box:
            return {text + 16, h};
        case ControlType::drop_list:
            return {widest_item(c.items, h) + kEditFrame + kArrow, h + 6};
        case ControlType::list_box:
            return {widest_item(c.items, h) + kEditFrame + kArrow, h + kEditFrame};
        case ControlType::check_list:
            return {kTickBox + widest_item(c.items, h) + kEditFrame + kArrow, h + kEditFrame};
        case ControlType::edit:
            if (c.multiline) {
                const int wrap = std::max(c.rect.width - kEditFrame - kArrow, 1);
                return {0, wrapped_lines(c.caption, h, wrap) * h + kEditFrame};
            }
            return {0, h + kEditFrame};
        case ControlType::tab:
        case ControlType::picture:
        case ControlType::colour_picker:
            break;
    }
    return {};
}

}  // namespace horalune
