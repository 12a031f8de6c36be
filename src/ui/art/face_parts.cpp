#include "face_parts.h"

#include <cmath>
#include <numbers>

namespace horalune::assets {

Polar offset(double x, double y, double cx, double cy) {
    Polar p;
    p.dx = x - cx;
    p.dy = y - cy;
    p.r = std::hypot(p.dx, p.dy);
    return p;
}

Polar with_angle(Polar p) {
    p.angle = std::atan2(p.dx, -p.dy);
    if (p.angle < 0) p.angle += 2 * std::numbers::pi;
    return p;
}

Polar polar(double x, double y, double cx, double cy) {
    return with_angle(offset(x, y, cx, cy));
}

double facing_light(const Polar& p) {
    if (p.r == 0) return 0;
    return -(p.dx + p.dy) / (p.r * std::numbers::sqrt2);
}

Polar nearest_button(double x, double y) {
    // Runs for every sample outside the dial: squared distances pick the button, and only the
    // winner's offset is measured.
    const ButtonPlace* best = &kButtonPlaces[0];
    double best_d2 = 1e18;
    for (const ButtonPlace& b : kButtonPlaces) {
        const double dx = x - button_centre_x(b), dy = y - button_centre_y(b);
        const double d2 = dx * dx + dy * dy;
        if (d2 < best_d2) {
            best_d2 = d2;
            best = &b;
        }
    }
    return offset(x, y, button_centre_x(*best), button_centre_y(*best));
}

double ring_tone(const Polar& p, double inner, double outer) {
    // Across the ring the surface rolls from facing the centre to facing away, so the
    // lit side swaps between the inner and the outer half: that reads as a raised rim.
    const double s = clamp01((p.r - inner) / (outer - inner));
    const double roll = 2 * s - 1;
    const double light = facing_light(p);
    const double sheen = std::exp(-std::pow((s - 0.38) / 0.16, 2));
    return clamp01(0.5 + 0.42 * roll * light + 0.28 * sheen * (0.6 + 0.4 * light));
}

Colour ramp(const Colour& low, const Colour& mid, const Colour& high, double t) {
    t = clamp01(t);
    return t < 0.5 ? mix(low, mid, t * 2) : mix(mid, high, t * 2 - 1);
}

MarkFrame nearest_mark(const Polar& p, int count) {
    const double step = 2 * std::numbers::pi / count;
    MarkFrame f;
    f.index = int(std::lround(p.angle / step)) % count;
    const double a = f.index * step;
    const double ux = std::sin(a), uy = -std::cos(a);
    f.along = p.dx * ux + p.dy * uy;
    f.across = std::abs(p.dx * uy - p.dy * ux);
    return f;
}

}  // namespace horalune::assets
