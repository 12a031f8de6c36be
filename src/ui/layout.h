// Fitting a designed window to the text its controls show in the font in use: boxes too small
// for their text grow, what they would then cover moves aside, group boxes and the window grow
// to hold what they hold. The program keeps its designed rectangles; the fit is an offset per
// control and a growth of the window, applied where the model meets the back-end.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace horalune {

struct Control;

// How the fit changes one control's box.
struct Adjustment {
    int dx = 0;
    int dy = 0;
    int dw = 0;
    int dh = 0;
    bool operator==(const Adjustment&) const = default;
};

inline Rect adjusted(const Rect& r, const Adjustment& a) {
    return {r.left + a.dx, r.top + a.dy, r.width + a.dw, r.height + a.dh};
}

struct Fit {
    std::vector<Adjustment> controls;  // one per control, in the table's order
    Size growth;                       // added to the window's size
};

// The room control `index` needs for its text when its box is `rect` (Platform::measure_text).
using Measure = std::function<Size(std::size_t index, const Rect& rect)>;

// A run of two or more ideographic blanks in a caption, left for a box set into the text:
// the caption up to the run, and up to its end.
struct BlankRun {
    std::string before;
    std::string through;
};
std::optional<BlankRun> blank_run(std::string_view caption);
bool has_blank_run(std::string_view caption);

// `client` is the window's client area as designed. Only native controls take part; controls
// on different pages (tags) never meet, nor do hidden controls outside pages.
Fit fit_text(const std::vector<Control>& controls, Size client, const Measure& room);

}  // namespace horalune
