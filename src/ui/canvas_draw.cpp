// Pen figures on the canvas: lines and ellipses with soft (anti-aliased) edges.
#include <algorithm>
#include <cmath>

#include "ui/canvas.h"

namespace horalune {

namespace {

// Blends `colour` over the pixel with coverage 0..1, in 1/255 steps.
void plot(Image& image, int x, int y, std::uint32_t colour, double coverage) {
    if (!image.contains(x, y) || coverage <= 0.0) return;
    const auto a = static_cast<std::uint32_t>(std::lround(std::min(coverage, 1.0) * 255));
    if (a == 0) return;
    std::uint32_t& p = image.at(x, y);
    if (a == 255) {
        p = 0xFF000000u | colour;
        return;
    }
    const auto mix = [a](std::uint32_t below, std::uint32_t over) {
        return (over * a + below * (255 - a) + 127) / 255;
    };
    p = 0xFF000000u | (mix((p >> 16) & 0xFF, (colour >> 16) & 0xFF) << 16) |
        (mix((p >> 8) & 0xFF, (colour >> 8) & 0xFF) << 8) | mix(p & 0xFF, colour & 0xFF);
}

// Coverage of a pixel whose centre lies `distance` from a shape's edge (negative = inside).
double coverage(double distance) {
    return std::clamp(0.5 - distance, 0.0, 1.0);
}

}  // namespace

void Canvas::line(int x1, int y1, int x2, int y2) {
    const double radius = std::max(pen_width_, 1.0) / 2.0;
    const double dx = x2 - x1, dy = y2 - y1;
    const double length2 = dx * dx + dy * dy;
    const int left = static_cast<int>(std::floor(std::min(x1, x2) - radius - 1));
    const int right = static_cast<int>(std::ceil(std::max(x1, x2) + radius + 1));
    const int top = static_cast<int>(std::floor(std::min(y1, y2) - radius - 1));
    const int bottom = static_cast<int>(std::ceil(std::max(y1, y2) + radius + 1));
    const double length = std::sqrt(length2);
    touched(left, top, right, bottom);
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
        for (int x = x_from; x <= x_to; ++x) {
            // Distance from the pixel to the segment: a capsule of the pen's radius.
            double t = length2 > 0 ? ((x - x1) * dx + (y - y1) * dy) / length2 : 0.0;
            t = std::clamp(t, 0.0, 1.0);
            const double ex = x1 + t * dx - x, ey = y1 + t * dy - y;
            const double distance = std::sqrt(ex * ex + ey * ey) - radius;
            plot(image_, x, y, pen_colour_, coverage(distance));
        }
    }
}

void Canvas::ellipse(int left, int top, int right, int bottom) {
    if (right < left) std::swap(left, right);
    if (bottom < top) std::swap(top, bottom);
    const double cx = (left + right) / 2.0, cy = (top + bottom) / 2.0;
    const double rx = (right - left) / 2.0, ry = (bottom - top) / 2.0;
    if (rx <= 0 || ry <= 0) return;
    const double half_pen = std::max(pen_width_, 1.0) / 2.0;
    touched(left - 1, top - 1, right + 1, bottom + 1);
    for (int y = std::max(top - 1, 0); y <= std::min(bottom + 1, image_.height - 1); ++y) {
        for (int x = std::max(left - 1, 0); x <= std::min(right + 1, image_.width - 1); ++x) {
            // Approximate distance to the ellipse's edge, in pixels.
            const double nx = (x - cx) / rx, ny = (y - cy) / ry;
            const double r = std::sqrt(nx * nx + ny * ny);
            const double scale = r > 0
                                     ? std::sqrt((nx * rx) * (nx * rx) + (ny * ry) * (ny * ry)) / r
                                     : std::min(rx, ry);
            const double edge = (r - 1.0) * scale;  // negative inside
            plot(image_, x, y, fill_colour_, coverage(edge + half_pen));
            plot(image_, x, y, pen_colour_, coverage(std::abs(edge) - half_pen));
        }
    }
}

}  // namespace horalune
