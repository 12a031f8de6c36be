#include "pictogram_shapes.h"

#include <algorithm>
#include <cmath>

namespace horalune::assets {

double box_distance(double x, double y, const Box& box, double corner_radius) {
    const double cx = (box.left + box.right) / 2, cy = (box.top + box.bottom) / 2;
    const double qx = std::abs(x - cx) - ((box.right - box.left) / 2 - corner_radius);
    const double qy = std::abs(y - cy) - ((box.bottom - box.top) / 2 - corner_radius);
    return std::hypot(std::max(qx, 0.0), std::max(qy, 0.0)) + std::min(std::max(qx, qy), 0.0) -
           corner_radius;
}

double disc_distance(double x, double y, double cx, double cy, double radius) {
    return std::hypot(x - cx, y - cy) - radius;
}

double ellipse_distance(double x, double y, double cx, double cy, double rx, double ry) {
    // Exact enough for outlines of mildly flattened ellipses.
    return (std::hypot((x - cx) / rx, (y - cy) / ry) - 1) * std::min(rx, ry);
}

double stroke_distance(double x, double y, double x0, double y0, double x1, double y1,
                       double half_width) {
    const double ex = x1 - x0, ey = y1 - y0;
    const double t = clamp01(((x - x0) * ex + (y - y0) * ey) / (ex * ex + ey * ey));
    return std::hypot(x - x0 - t * ex, y - y0 - t * ey) - half_width;
}

std::optional<Colour> outlined(double distance, const Colour& fill, const Colour& ink,
                               double line) {
    if (distance > 0) return std::nullopt;
    return distance > -line ? ink : fill;
}

void avoid_white(RgbImage& picture) {
    for (std::size_t i = 0; i + 2 < picture.rgb.size(); i += 3) {
        std::uint8_t* p = &picture.rgb[i];
        if (p[0] == 255 && p[1] == 255 && p[2] == 255) p[0] = p[1] = p[2] = 254;
    }
}

RgbImage keyed_on_white(const RgbaImage& picture) {
    RgbImage out{picture.width, picture.height,
                 std::vector<std::uint8_t>(std::size_t(picture.width) * picture.height * 3, 255)};
    for (std::size_t i = 0, j = 0; i < picture.rgba.size(); i += 4, j += 3) {
        if (picture.rgba[i + 3] < 128) continue;
        const std::uint8_t* p = &picture.rgba[i];
        const bool white = p[0] == 255 && p[1] == 255 && p[2] == 255;
        for (int k = 0; k < 3; ++k) out.rgb[j + k] = white ? 254 : p[k];
    }
    return out;
}

}  // namespace horalune::assets
