#include "ui/layout.h"

#include <algorithm>

#include "ui/form.h"

namespace horalune {
namespace {

constexpr int kGap = 4;          // between two controls the fit moves apart
constexpr int kMargin = 6;       // inside a group box or the window, when they grow
constexpr int kMinSwatch = 24;   // a colour swatch gives up width down to this
constexpr int kMaxRounds = 200;  // each round settles one conflict; tables are small

int right(const Rect& r) {
    return r.left + r.width;
}
int bottom(const Rect& r) {
    return r.top + r.height;
}
bool intersect(const Rect& a, const Rect& b) {
    return a.left < right(b) && b.left < right(a) && a.top < bottom(b) && b.top < bottom(a);
}
bool holds_point(const Rect& r, int x, int y) {
    return x >= r.left && x < right(r) && y >= r.top && y < bottom(r);
}

bool is_container(ControlKind kind) {
    return kind == ControlKind::group_box || kind == ControlKind::tab;
}

// Boxes whose visible part is their text (or a swatch, or a closed list showing one item): they
// may give up the room the text does not use.
bool trimmable(ControlKind kind) {
    return kind == ControlKind::label || kind == ControlKind::hyperlink ||
           kind == ControlKind::check_box || kind == ControlKind::radio ||
           kind == ControlKind::colour_picker || kind == ControlKind::drop_list;
}

// Whether two controls can be seen at once: pages (tags) never show together, and a hidden
// control outside the pages is shown only by the program's own choice.
bool together(const Control& a, const Control& b) {
    if (!a.tag.empty() && !b.tag.empty()) return a.tag == b.tag;
    if (a.tag.empty() && !a.visible) return false;
    return b.tag.empty() ? b.visible : true;
}

bool inside(const Rect& inner, const Rect& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && right(inner) <= right(outer) &&
           bottom(inner) <= bottom(outer);
}

// Two boxes share a row when they overlap over half the lower one's height.
bool same_row(const Rect& a, const Rect& b) {
    const int shared = std::min(bottom(a), bottom(b)) - std::max(a.top, b.top);
    return 2 * shared > std::min(a.height, b.height);
}

class Fitter {
  public:
    Fitter(const std::vector<Control>& controls, Size client, const Measure& measure)
        : controls_(controls), client_(client), n_(controls.size()) {
        for (const Control& c : controls) {
            rects_.push_back(c.rect);
            in_.push_back(Form::is_native(c.kind));
        }
        for (std::size_t i = 0; i < n_; ++i) {
            Size need = in_[i] ? measure(i, rects_[i]) : Size{};
            if (controls[i].kind == ControlKind::colour_picker) need.width = kMinSwatch;
            room_.push_back(need);
        }
        find_parents();
    }

    Fit run() {
        into_window();
        grow_to_text();
        for (int round = 0; round < kMaxRounds; ++round) {
            if (!settle_one_overlap() && !grow_containers()) break;
        }
        Fit fit;
        int need_w = client_.width;
        int need_h = client_.height;
        for (std::size_t i = 0; i < n_; ++i) {
            const Rect& was = controls_[i].rect;
            const Rect& now = rects_[i];
            fit.controls.push_back({now.left - was.left, now.top - was.top, now.width - was.width,
                                    now.height - was.height});
            if (!in_[i]) continue;
            // A control past the edge keeps a margin from it; a container reaches it, as
            // designed.
            const int margin = is_container(controls_[i].kind) ? 0 : kMargin;
            if (right(now) > client_.width) need_w = std::max(need_w, right(now) + margin);
            if (bottom(now) > client_.height) need_h = std::max(need_h, bottom(now) + margin);
        }
        fit.growth = {need_w - client_.width, need_h - client_.height};
        return fit;
    }

  private:
    // The smallest container that holds a control's top-left corner, among those seen with it.
    void find_parents() {
        parent_.assign(n_, -1);
        for (std::size_t i = 0; i < n_; ++i) {
            if (!in_[i]) continue;
            long best = -1;
            for (std::size_t k = 0; k < n_; ++k) {
                if (k == i || !in_[k] || !is_container(controls_[k].kind)) continue;
                const Rect& box = controls_[k].rect;
                const Rect& r = controls_[i].rect;
                const long area = long(box.width) * box.height;
                if (area <= long(r.width) * r.height) continue;
                if (!together(controls_[i], controls_[k]) || !holds_point(box, r.left, r.top)) {
                    continue;
                }
                if (best < 0 || area < long(controls_[std::size_t(best)].rect.width) *
                                           controls_[std::size_t(best)].rect.height) {
                    best = long(k);
                }
            }
            parent_[i] = static_cast<int>(best);
        }
    }

    bool descends(std::size_t child, std::size_t ancestor) const {
        for (int p = parent_[child]; p >= 0; p = parent_[std::size_t(p)]) {
            if (std::size_t(p) == ancestor) return true;
        }
        return false;
    }

    // Moves a control with everything it holds.
    void shift(std::size_t i, int dx, int dy) {
        for (std::size_t k = 0; k < n_; ++k) {
            if (k == i || descends(k, i)) {
                rects_[k].left += dx;
                rects_[k].top += dy;
            }
        }
    }

    // Designed boxes that start left of or above the window come inside it; boxes that only
    // need part of their width give up what reaches past the window's right edge.
    void into_window() {
        for (std::size_t i = 0; i < n_; ++i) {
            if (!in_[i]) continue;
            Rect& r = rects_[i];
            const bool cut = trimmable(controls_[i].kind) || is_container(controls_[i].kind);
            if (r.left < 0) {
                if (cut && r.width + r.left >= room_[i].width) {
                    r.width += r.left;
                    r.left = 0;
                } else {
                    shift(i, -r.left, 0);
                }
            }
            if (r.top < 0) shift(i, 0, -r.top);
            if (cut && right(r) > client_.width && r.left + room_[i].width <= client_.width) {
                r.width = client_.width - r.left;
            }
        }
    }

    void grow_to_text() {
        for (std::size_t i = 0; i < n_; ++i) {
            Rect& r = rects_[i];
            r.width = std::max(r.width, room_[i].width);
            r.height = std::max(r.height, room_[i].height);
        }
    }

    // Finds one pair of controls seen together that overlap (neither holding the other) and
    // parts them: the first in reading order gives up unused room, or the second moves on.
    bool settle_one_overlap() {
        for (std::size_t i = 0; i < n_; ++i) {
            for (std::size_t j = i + 1; j < n_; ++j) {
                if (!in_[i] || !in_[j] || !together(controls_[i], controls_[j])) continue;
                if (descends(i, j) || descends(j, i) || !intersect(rects_[i], rects_[j])) continue;
                if (inlaid(i, j) || inlaid(j, i)) continue;
                part(i, j);
                return true;
            }
        }
        return false;
    }

    // A box set into the blanks of a caption ("before [box] seconds") lies there by design.
    bool inlaid(std::size_t box, std::size_t text) const {
        return trimmable(controls_[text].kind) && has_blank_run(controls_[text].caption) &&
               inside(rects_[box], rects_[text]);
    }

    void part(std::size_t i, std::size_t j) {
        const bool row = same_row(rects_[i], rects_[j]);
        // a comes first: left of b in a row, above it otherwise.
        const bool i_first =
            row ? rects_[i].left < rects_[j].left || (rects_[i].left == rects_[j].left && i < j)
                : rects_[i].top < rects_[j].top || (rects_[i].top == rects_[j].top && i < j);
        const std::size_t a = i_first ? i : j;
        const std::size_t b = i_first ? j : i;
        Rect& ra = rects_[a];
        const Rect& rb = rects_[b];
        if (trimmable(controls_[a].kind) && !is_container(controls_[b].kind)) {
            // A wrapped text (no width asked) needs the width it has.
            const bool fixed_width = room_[a].width == 0 && room_[a].height > 0;
            if (!fixed_width && rb.left > ra.left && ra.left + room_[a].width <= rb.left) {
                ra.width = rb.left - ra.left;
                return;
            }
            if (rb.top > ra.top && ra.top + room_[a].height <= rb.top) {
                ra.height = rb.top - ra.top;
                return;
            }
        }
        if (row && rb.left >= ra.left) {
            shift(b, right(ra) + kGap - rb.left, 0);
        } else {
            shift(b, 0, bottom(ra) + kGap - rb.top);
        }
    }

    // Each container grows to hold what it holds, keeping its designed margin (up to kMargin)
    // past a child that grew or moved.
    bool grow_containers() {
        bool grew = false;
        for (std::size_t i = 0; i < n_; ++i) {
            const int p = parent_[i];
            if (p < 0) continue;
            const auto k = std::size_t(p);
            const Rect& was_child = controls_[i].rect;
            const Rect& was_box = controls_[k].rect;
            const int gap_r = right(was_box) - right(was_child);
            const int gap_b = bottom(was_box) - bottom(was_child);
            const int margin_r = gap_r >= 0 ? std::min(gap_r, kMargin) : kMargin;
            const int margin_b = gap_b >= 0 ? std::min(gap_b, kMargin) : kMargin;
            // A child that changed, or that stuck out by design, gets the margin too.
            const bool changed = rects_[i] != was_child;
            const int need_r = right(rects_[i]) + (changed || gap_r < 0 ? margin_r : 0);
            const int need_b = bottom(rects_[i]) + (changed || gap_b < 0 ? margin_b : 0);
            Rect& box = rects_[k];
            if (need_r > right(box)) {
                box.width = need_r - box.left;
                grew = true;
            }
            if (need_b > bottom(box)) {
                box.height = need_b - box.top;
                grew = true;
            }
        }
        return grew;
    }

    const std::vector<Control>& controls_;
    Size client_;
    std::size_t n_;
    std::vector<Rect> rects_;
    std::vector<bool> in_;
    std::vector<Size> room_;
    std::vector<int> parent_;
};

}  // namespace

std::optional<BlankRun> blank_run(std::string_view caption) {
    static constexpr std::string_view kBlank = "\u3000";
    const std::size_t start = caption.find(std::string(kBlank) + std::string(kBlank));
    if (start == std::string_view::npos) return std::nullopt;
    std::size_t end = start;
    while (caption.substr(end, kBlank.size()) == kBlank) end += kBlank.size();
    return BlankRun{std::string(caption.substr(0, start)), std::string(caption.substr(0, end))};
}

bool has_blank_run(std::string_view caption) {
    return blank_run(caption).has_value();
}

Fit fit_text(const std::vector<Control>& controls, Size client, const Measure& room) {
    return Fitter(controls, client, room).run();
}

}  // namespace horalune
