// Pictograms of the presets that no shipped button carries: the card game, the sound recorder
// and the mine game.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "pictograms.h"

namespace horalune::assets {

namespace {

const Colour kInk = rgb(34, 40, 56);

// A heart shape of about `size` pixels across, centred at (cx, cy): two discs over a triangle.
double heart_distance(double x, double y, double cx, double cy, double size) {
    const double r = size / 4;
    const double lobes = std::min(disc_distance(x, y, cx - r, cy - r / 2, r),
                                  disc_distance(x, y, cx + r, cy - r / 2, r));
    // The point: below the lobes, narrowing to the tip.
    const double tip = cy + size / 2;
    const double width = (tip - y) / (tip - (cy - r / 2)) * (2 * r);
    const double point = y < cy - r / 2 || y > tip ? 1.0 : std::abs(x - cx) - width;
    return std::min(lobes, point);
}

}  // namespace

Paint cards_pictogram(double x, double y) {
    // The back card leans left, the front one stands upright and shows its suit.
    const double front = box_distance(x, y, {11.5, 7.5, 26.5, 27.5}, 1.6);
    if (front <= 0) {
        if (front > -1) return opaque(kInk);
        if (heart_distance(x, y, 19.0, 17.0, 9.0) <= 0) return opaque(rgb(210, 30, 40));
        return opaque(rgb(250, 248, 240));
    }
    const double a = -0.30;  // radians
    const double cx = 13.0, cy = 16.5;
    const double u = (x - cx) * std::cos(a) + (y - cy) * std::sin(a);
    const double v = -(x - cx) * std::sin(a) + (y - cy) * std::cos(a);
    const double back = box_distance(u, v, {-7.5, -10.0, 7.5, 10.0}, 1.6);
    if (back > 0) return kClear;
    if (back > -1) return opaque(kInk);
    const bool check =
        (static_cast<int>(std::floor(u + 20)) / 2 + static_cast<int>(std::floor(v + 20)) / 2) % 2 ==
        0;
    return opaque(check ? rgb(40, 80, 170) : rgb(70, 120, 210));
}

Paint microphone_pictogram(double x, double y) {
    // The head on a stand over a round foot.
    const double head = box_distance(x, y, {11.5, 3.5, 20.5, 18.5}, 4.5);
    if (head <= 0) {
        if (head > -1) return opaque(kInk);
        const bool grille = std::abs(std::fmod(y - 3.5, 3.0) - 1.5) < 0.45;
        return opaque(grille ? rgb(90, 96, 110) : rgb(170, 178, 194));
    }
    const double yoke = std::abs(std::hypot(x - 16.0, y - 13.0) - 7.5) - 0.9;
    if (yoke <= 0 && y >= 13.0) return opaque(kInk);
    if (auto c = outlined(stroke_distance(x, y, 16.0, 20.5, 16.0, 25.0, 1.2), rgb(120, 126, 140),
                          kInk, 0.6)) {
        return opaque(*c);
    }
    if (auto c =
            outlined(ellipse_distance(x, y, 16.0, 26.5, 6.5, 2.0), rgb(120, 126, 140), kInk, 0.8)) {
        return opaque(*c);
    }
    return kClear;
}

Paint mine_pictogram(double x, double y) {
    // A black ball with eight spikes and a glint, the sign of the mine game.
    const double dx = x - 16.0, dy = y - 16.0;
    const double r = std::hypot(dx, dy);
    if (r <= 7.5) {
        if (std::hypot(x - 13.5, y - 13.5) <= 1.8) return opaque(rgb(240, 240, 240));
        return opaque(mix(rgb(70, 74, 84), rgb(16, 18, 24), clamp01(r / 7.5)));
    }
    for (int spike = 0; spike < 8; ++spike) {
        const double a = spike * std::numbers::pi / 4;
        const double ex = 16.0 + 11.5 * std::cos(a), ey = 16.0 + 11.5 * std::sin(a);
        if (stroke_distance(x, y, 16.0, 16.0, ex, ey, spike % 2 ? 1.0 : 1.4) <= 0) {
            return opaque(rgb(16, 18, 24));
        }
    }
    return kClear;
}

}  // namespace horalune::assets
