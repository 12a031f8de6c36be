// Pictograms of the system tools: control panel, task manager, magnifier, the CD tray,
// going online, date and time.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "face_parts.h"
#include "pictograms.h"

namespace horalune::assets {

namespace {

const Colour kInk = rgb(34, 40, 56);
constexpr double kPi = std::numbers::pi;

// A fully saturated hue, 0..1 around the colour wheel.
Colour hue(double h) {
    const double r = std::abs(std::fmod(h * 6, 6) - 3) - 1;
    const double g = 2 - std::abs(std::fmod(h * 6 + 4, 6) - 3);
    const double b = 2 - std::abs(std::fmod(h * 6 + 2, 6) - 3);
    return {clamp01(r), clamp01(g), clamp01(b)};
}

}  // namespace

Paint gear_pictogram(double x, double y) {
    const Polar p = polar(x, y, kPictogramCentre, kPictogramCentre);
    // No tooth reaches past hypot(13.6, 2.4): spare the eight distances out there.
    if (p.r > 13.85) return kClear;
    double d = p.r - 9.6;
    for (int tooth = 0; tooth < 8; ++tooth) {
        const double a = tooth * kPi / 4 + kPi / 8;
        const double along = p.dx * std::sin(a) - p.dy * std::cos(a);
        const double across = p.dx * std::cos(a) + p.dy * std::sin(a);
        d = std::min(d, box_distance(along, across, {6.0, -2.4, 13.6, 2.4}, 0.8));
    }
    d = std::max(d, 4.2 - p.r);  // the axle hole
    if (d > 0) return kClear;
    if (d > -1) return opaque(kInk);
    // Lit from the upper left like the clock faces; a groove rings the hub.
    if (std::abs(p.r - 7.0) < 0.5) return opaque(rgb(90, 104, 130));
    const double light = p.r > 0 ? -(p.dx + p.dy) / (p.r * std::numbers::sqrt2) : 0;
    return opaque(ramp(rgb(92, 108, 140), rgb(150, 166, 196), rgb(214, 224, 240),
                       0.5 + 0.45 * light * std::min(1.0, p.r / 6)));
}

Paint monitor_pictogram(double x, double y) {
    const Colour metal = rgb(156, 162, 174);
    const double screen = box_distance(x, y, {4.5, 6.0, 27.0, 22.0}, 1.2);
    if (screen <= 0) {
        if (screen > -1) return opaque(kInk);
        const double graph[][2] = {{6.5, 18.5},  {9.5, 15.0}, {12.5, 17.0}, {15.5, 10.0},
                                   {18.5, 13.5}, {21.5, 9.0}, {25.0, 12.0}};
        for (int i = 0; i + 1 < 7; ++i) {
            if (stroke_distance(x, y, graph[i][0], graph[i][1], graph[i + 1][0], graph[i + 1][1],
                                0.7) <= 0) {
                return opaque(rgb(70, 236, 100));
            }
        }
        const bool grid = std::abs(std::fmod(x - 5.5, 4.0) - 2.0) > 1.6 ||
                          std::abs(std::fmod(y - 7.0, 4.0) - 2.0) > 1.6;
        return opaque(grid ? rgb(16, 72, 36) : rgb(8, 22, 14));
    }
    if (auto c = outlined(box_distance(x, y, {13.5, 21.0, 18.0, 25.0}), metal, kInk, 0.8)) {
        return opaque(*c);
    }
    if (auto c = outlined(box_distance(x, y, {9.0, 24.5, 22.5, 27.5}, 1.0), metal, kInk, 0.8)) {
        return opaque(*c);
    }
    return kClear;
}

Paint magnifier_pictogram(double x, double y) {
    if (auto c = outlined(stroke_distance(x, y, 18.6, 18.6, 24.4, 24.4, 2.0), rgb(70, 52, 40), kInk,
                          0.8)) {
        return opaque(*c);
    }
    const double r = std::hypot(x - 13.0, y - 13.0);
    if (r > 8.4) return kClear;
    if (r > 7.6) return opaque(kInk);
    if (r > 6.2) return opaque(rgb(150, 160, 180));  // the rim
    if (r > 5.4) return opaque(kInk);
    // Glass with a window glint at the upper left.
    const double glint = std::hypot(x - 10.8, y - 10.6);
    Colour c = mix(rgb(214, 236, 252), rgb(150, 196, 236), clamp01((x + y - 14) / 12));
    if (glint < 2.2) c = lighten(c, 0.7);
    return opaque(c);
}

Paint disc_pictogram(double x, double y) {
    const Polar p = polar(x, y, kPictogramCentre, kPictogramCentre);
    if (p.r > 13.2 || p.r < 2.2) return kClear;
    if (p.r > 12.3 || p.r < 3.0) return opaque(kInk);
    if (p.r < 5.6) return opaque(rgb(206, 212, 222));  // clear hub
    if (p.r < 6.3) return opaque(rgb(150, 156, 168));
    // Silver, with the rainbow sheen a disc throws back along two opposite arcs.
    const Colour silver = mix(rgb(232, 236, 242), rgb(176, 184, 198), (p.r - 6.3) / 6.3);
    const double sheen = std::pow(std::abs(std::cos(p.angle - kPi / 4)), 3);
    return opaque(mix(silver, hue(p.r / 9 + 0.05), 0.45 * sheen));
}

Paint globe_pictogram(double x, double y) {
    constexpr double kRadius = 13.0;
    const Polar p = polar(x, y, kPictogramCentre, kPictogramCentre);
    if (p.r > kRadius) return kClear;
    if (p.r > kRadius - 1) return opaque(rgb(18, 44, 100));

    // Parallels and meridians of a globe seen from the equator.
    bool line = std::abs(p.dx) < 0.45;
    for (const double lat : {-7.0, 0.0, 7.0}) line = line || std::abs(p.dy - lat) < 0.45;
    for (const double lon : {0.55, 0.95}) {
        const double a = kRadius * std::sin(lon);
        const double e = std::hypot(p.dx / a, p.dy / kRadius);
        line = line || std::abs(e - 1) * a < 0.45;
    }
    const bool land =
        disc_distance(x, y, 10.0, 10.5, 4.2) < 0 || disc_distance(x, y, 12.5, 15.5, 3.2) < 0 ||
        disc_distance(x, y, 20.5, 19.5, 3.8) < 0 || disc_distance(x, y, 22.0, 10.5, 2.4) < 0 ||
        disc_distance(x, y, 17.0, 24.0, 2.2) < 0;
    const double lit = clamp01(std::hypot(p.dx + 5, p.dy + 5) / 20);
    Colour c = land ? mix(rgb(110, 200, 90), rgb(40, 120, 50), lit)
                    : mix(rgb(90, 170, 250), rgb(24, 80, 180), lit);
    if (line) c = mix(c, rgb(230, 244, 255), 0.6);
    return opaque(c);
}

Paint calendar_pictogram(double x, double y) {
    // A small clock over the corner of the page.
    const Polar clock = polar(x, y, 20.0, 20.0);
    if (clock.r <= 7.6) {
        if (clock.r > 6.8) return opaque(kInk);
        if (clock.r > 5.6) return opaque(rgb(44, 90, 186));
        if (stroke_distance(x, y, 20.0, 20.0, 20.0, 16.0, 0.6) <= 0 ||
            stroke_distance(x, y, 20.0, 20.0, 22.8, 20.0, 0.6) <= 0) {
            return opaque(kInk);
        }
        const MarkFrame mark = nearest_mark(clock, 4);
        if (mark.along > 3.9 && mark.across < 0.5) return opaque(kInk);
        return opaque(rgb(252, 250, 236));
    }

    for (const double ring : {8.5, 16.5}) {
        if (auto c = outlined(stroke_distance(x, y, ring, 3.8, ring, 7.4, 0.9), rgb(196, 200, 210),
                              kInk, 0.6)) {
            return opaque(*c);
        }
    }
    const double page = box_distance(x, y, {4.5, 5.5, 21.5, 22.5}, 1.5);
    if (page > 0) return kClear;
    if (page > -1) return opaque(kInk);
    if (y < 10.0) return opaque(rgb(214, 52, 52));
    for (const double cx : {7.5, 10.5, 13.5}) {
        for (const double cy : {12.8, 15.6, 18.4}) {
            if (box_distance(x, y, {cx - 0.9, cy - 0.9, cx + 0.9, cy + 0.9}) <= 0) {
                return opaque(rgb(150, 150, 164));
            }
        }
    }
    return opaque(rgb(250, 248, 240));
}

}  // namespace horalune::assets
