// What the layout checks look for in a window as shown: a text larger than its box, a box past
// the window's client area, two boxes seen together that overlap (a box inside a group box or
// tab area is held, not overlapped).
#pragma once

#include <string>
#include <vector>

#include "platform/platform.h"

namespace horalune::testing {

struct ShownControl {
    std::string what;  // for the message: the caption or designed name
    ControlType type = ControlType::label;
    Rect rect;  // in the client area
    Size room;  // what its text needs, measured
    // Where a run of blanks left for a box set into the caption lies across (client x, from
    // and to); from == to when the caption has none.
    int blanks_from = 0;
    int blanks_to = 0;
};

inline std::vector<std::string> layout_faults(const std::vector<ShownControl>& shown, Size client) {
    const auto right = [](const Rect& r) { return r.left + r.width; };
    const auto bottom = [](const Rect& r) { return r.top + r.height; };
    const auto text = [](const Rect& r) {
        return "(" + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
               std::to_string(r.width) + "x" + std::to_string(r.height) + ")";
    };
    const auto holds = [&](const ShownControl& box, const ShownControl& c) {
        if (box.type != ControlType::group_box && box.type != ControlType::tab) return false;
        return c.rect.left >= box.rect.left && c.rect.top >= box.rect.top &&
               right(c.rect) <= right(box.rect) && bottom(c.rect) <= bottom(box.rect);
    };
    // A box set into a caption's blanks: inside the caption's box, across the blanks only.
    const auto set_in = [&](const ShownControl& box, const ShownControl& text) {
        return text.blanks_from < text.blanks_to && box.rect.left >= text.blanks_from &&
               right(box.rect) <= text.blanks_to && box.rect.top >= text.rect.top &&
               bottom(box.rect) <= bottom(text.rect);
    };
    std::vector<std::string> faults;
    for (const ShownControl& c : shown) {
        if (c.room.width > c.rect.width || c.room.height > c.rect.height) {
            faults.push_back("text cut: " + c.what + " " + text(c.rect) + " needs " +
                             std::to_string(c.room.width) + "x" + std::to_string(c.room.height));
        }
        if (c.rect.left < 0 || c.rect.top < 0 || right(c.rect) > client.width ||
            bottom(c.rect) > client.height) {
            faults.push_back("outside the window: " + c.what + " " + text(c.rect) + " in " +
                             std::to_string(client.width) + "x" + std::to_string(client.height));
        }
    }
    for (std::size_t i = 0; i < shown.size(); ++i) {
        for (std::size_t j = i + 1; j < shown.size(); ++j) {
            const Rect& a = shown[i].rect;
            const Rect& b = shown[j].rect;
            const bool meet =
                a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
            if (!meet || holds(shown[i], shown[j]) || holds(shown[j], shown[i])) continue;
            if (set_in(shown[i], shown[j]) || set_in(shown[j], shown[i])) continue;
            faults.push_back("overlap: " + shown[i].what + " " + text(a) + " and " + shown[j].what +
                             " " + text(b));
        }
    }
    return faults;
}

}  // namespace horalune::testing
