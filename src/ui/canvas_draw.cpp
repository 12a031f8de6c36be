// Pen figures on the canvas: lines and ellipses with soft (anti-aliased) edges.
#include <algorithm>
#include <cmath>

#include "ui/canvas.h"

namespace horalune {

namespace {

// More shapes than one face shows in an hour (60 second hands, a few hour and minute hands,
// the cap): past this the kept ones are dropped and worked out again as they come.
constexpr std::size_t kMaxShapes = 72;

// Coverage 0..1 of a pixel whose centre lies `distance` from a shape's edge (negative =
// inside), in 1/255 steps.
std::uint8_t alpha_at(double distance) {
    const double coverage = std::clamp(0.5 - distance, 0.0, 1.0);
    return static_cast<std::uint8_t>(std::lround(coverage * 255));
}

}  // namespace

Canvas::Shape* Canvas::find_shape(const ShapeKey& key) {
    const auto it = shapes_.find(key);
    return it == shapes_.end() ? nullptr : &it->second;
}

Canvas::Shape& Canvas::new_shape(const ShapeKey& key) {
    if (shapes_.size() >= kMaxShapes) shapes_.clear();
    return shapes_[key];
}

namespace {

// Appends the row `alpha` (the pixels from x on) without its uncovered ends.
template <typename Stamp>
void add_row(Stamp& stamp, int y, int x, const std::vector<std::uint8_t>& alpha) {
    std::size_t from = 0, to = alpha.size();
    while (from < to && alpha[from] == 0) ++from;
    while (to > from && alpha[to - 1] == 0) --to;
    if (from == to) return;
    stamp.rows.push_back(
        {y, x + static_cast<int>(from), static_cast<int>(to - from), stamp.alpha.size()});
    stamp.alpha.insert(stamp.alpha.end(), alpha.begin() + static_cast<std::ptrdiff_t>(from),
                       alpha.begin() + static_cast<std::ptrdiff_t>(to));
}

}  // namespace

void Canvas::paint(const Stamp& stamp, std::uint32_t colour) {
    const std::uint32_t solid = 0xFF000000u | colour;
    const std::uint32_t r = (colour >> 16) & 0xFF, g = (colour >> 8) & 0xFF, b = colour & 0xFF;
    for (const Stamp::Row& row : stamp.rows) {
        std::uint32_t* p = &image_.pixels[static_cast<std::size_t>(row.y) * image_.width + row.x];
        const std::uint8_t* alpha = &stamp.alpha[row.first];
        for (int i = 0; i < row.count; ++i, ++p) {
            const std::uint32_t a = alpha[i];
            if (a == 0) continue;
            if (a == 255) {
                *p = solid;
                continue;
            }
            const auto mix = [a](std::uint32_t below, std::uint32_t over) {
                return (over * a + below * (255 - a) + 127) / 255;
            };
            *p = 0xFF000000u | (mix((*p >> 16) & 0xFF, r) << 16) | (mix((*p >> 8) & 0xFF, g) << 8) |
                 mix(*p & 0xFF, b);
        }
    }
}

void Canvas::line(int x1, int y1, int x2, int y2) {
    const double radius = std::max(pen_width_, 1.0) / 2.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const int left = static_cast<int>(std::floor(std::min(x1, x2) - radius - 1));
    const int right = static_cast<int>(std::ceil(std::max(x1, x2) + radius + 1));
    const int top = static_cast<int>(std::floor(std::min(y1, y2) - radius - 1));
    const int bottom = static_cast<int>(std::ceil(std::max(y1, y2) + radius + 1));
    touched(left, top, right, bottom);
    const ShapeKey key{ShapeKey::Kind::line, x1, y1, x2, y2, radius};
    if (const Shape* kept = find_shape(key)) {
        paint(kept->outline, pen_colour_);
        return;
    }
    Stamp& stamp = new_shape(key).outline;
    const double length2 = dx * dx + dy * dy;
    const double length = std::sqrt(length2);
    std::vector<std::uint8_t> alpha;
    for (int y = std::max(top, 0); y <= std::min(bottom, image_.height - 1); ++y) {
        // Only the band around the line can be touched: its half-width along a row is the
        // reach across the line divided by the line's steepness.
        int x_from = std::max(left, 0), x_to = std::min(right, image_.width - 1);
        if (dy != 0) {
            const double centre = x1 + (y - y1) * dx / dy;
            const double half = (radius + 1.5) * length / std::abs(dy);
            x_from = std::max(x_from, static_cast<int>(std::floor(centre - half)));
            x_to = std::min(x_to, static_cast<int>(std::ceil(centre + half)));
        }
        alpha.clear();
        for (int x = x_from; x <= x_to; ++x) {
            // Distance from the pixel to the segment: a capsule of the pen's radius.
            double t = length2 > 0 ? ((x - x1) * dx + (y - y1) * dy) / length2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = x1 + t * dx - x, ey = y1 + t * dy - y;
            alpha.push_back(alpha_at(std::sqrt(ex * ex + ey * ey) - radius));
        }
        add_row(stamp, y, x_from, alpha);
    }
    paint(stamp, pen_colour_);
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    if (rx <= 0 || ry <= 0) return;
    const double half_pen = std::max(pen_width_, 1.0) / 2.0;
    touched(left - 1, top - 1, right + 1, bottom + 1);
    // Each pixel takes the fill, then the outline: pixels do not mix with one another, so the
    // whole fill can go first.
    const ShapeKey key{ShapeKey::Kind::ellipse, left, top, right, bottom, half_pen};
    if (const Shape* kept = find_shape(key)) {
        paint(kept->fill, fill_colour_);
        paint(kept->outline, pen_colour_);
        return;
    }
    Shape& shape = new_shape(key);
    std::vector<std::uint8_t> fill, outline;
    const int x_from = std::max(left - 1, 0);
    for (int y = std::max(top - 1, 0); y <= std::min(bottom + 1, image_.height - 1); ++y) {
        fill.clear();
        outline.clear();
        for (int x = x_from; x <= std::min(right + 1, image_.width - 1); ++x) {
            // Approximate distance to the ellipse's edge, in pixels.
            const double nx = (x - cx) / rx, ny = (y - cy) / ry;
            const double r = std::sqrt(nx * nx + ny * ny);
            const double scale = r > 0
                                     ? std::sqrt((nx * rx) * (nx * rx) + (ny * ry) * (ny * ry)) / r
                                     : std::min(rx, ry);
            const double edge = (r - 1.0) * scale;  // negative inside
            fill.push_back(alpha_at(edge + half_pen));
            outline.push_back(alpha_at(std::abs(edge) - half_pen));
        }
        add_row(shape.fill, y, x_from, fill);
        add_row(shape.outline, y, x_from, outline);
    }
    paint(shape.fill, fill_colour_);
    paint(shape.outline, pen_colour_);
}

}  // namespace horalune
