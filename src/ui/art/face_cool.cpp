// "默认2": a frosted blue dial under glass in a chrome bezel, with blue glass buttons.
#include <cmath>

#include "face_parts.h"
#include "faces.h"

namespace horalune::assets {

namespace {

constexpr double kDialRadius = 45.0;
constexpr double kGlassRadius = 12.5;
constexpr double kMountOuter = 18.0;

const Colour kNavy = rgb(28, 44, 86);

Colour chrome(double tone) {
    return ramp(rgb(92, 102, 118), rgb(196, 204, 216), rgb(252, 253, 255), tone);
}

Colour dial(const Polar& p) {
    // Pale at the top, a deeper frosted blue towards six o'clock.
    const double down = (p.dy + kDialRadius) / (2 * kDialRadius);
    Colour c = mix(rgb(246, 250, 255), rgb(186, 208, 234), clamp01(down));
    c = scale(c, 1 - 0.14 * smoothstep(kDialRadius - 5, kDialRadius, p.r));

    const MarkFrame hour = nearest_mark(p, 12);
    if (hour.index % 3 == 0) {
        if (hour.along >= 33.0 && hour.along <= 41.5 && hour.across <= 1.5) return kNavy;
    } else if (std::hypot(hour.along - 39.5, hour.across) <= 1.6) {
        return kNavy;
    }
    const MarkFrame minute = nearest_mark(p, 60);
    if (minute.along >= 41.8 && minute.along <= 43.4 && minute.across <= 0.3) {
        c = mix(c, kNavy, 0.6);
    }

    // The glass's reflection: a faint bright crescent over the upper half.
    const double sheen = std::hypot(p.dx + 6, (p.dy + 16) * 1.25);
    if (sheen < 36) c = lighten(c, 0.22 * smoothstep(36, 20, sheen) * smoothstep(-6, -30, p.dy));
    return c;
}

Colour bezel(const Polar& p) {
    if (p.r < kDialRadius + 0.8) return rgb(70, 80, 98);
    // Chrome shows sharper reflections than gold: a second band doubles the contrast.
    const double tone = ring_tone(p, kDialRadius + 0.8, 50.5);
    return chrome(0.5 + 0.5 * std::sin((tone - 0.5) * 3.0));
}

Colour glass(const Polar& b) {
    if (b.r > kGlassRadius) {
        if (b.r < kGlassRadius + 0.7) return rgb(40, 52, 74);
        const double tone = ring_tone(b, kGlassRadius + 0.7, 16.0);
        return chrome(0.5 + 0.5 * std::sin((tone - 0.5) * 3.0));
    }
    // A domed blue lens: darker under the top rim, glowing near the bottom.
    const double t = (b.dy + kGlassRadius) / (2 * kGlassRadius);
    Colour c = ramp(rgb(16, 44, 118), rgb(40, 96, 190), rgb(120, 190, 250), clamp01(t * 1.1));
    c = scale(c, 1 - 0.35 * smoothstep(kGlassRadius - 3.5, kGlassRadius, b.r));
    // The bright window reflection across the upper part of the dome.
    const double cap = std::hypot(b.dx / 1.45, (b.dy + 6.0) / 0.9);
    c = lighten(c, 0.8 * (1 - smoothstep(3.0, 6.0, cap)) * smoothstep(-1.0, -6.5, b.dy));
    return c;
}

Colour shade(double x, double y) {
    const Polar p = offset(x, y, kFaceCentre, kFaceCentre);
    if (p.r <= kFaceRadius) return p.r < kDialRadius ? dial(with_angle(p)) : bezel(p);
    const Polar b = nearest_button(x, y);
    if (b.r <= kMountOuter) return glass(b);
    // Past the window's edge the bezel just carries on: the cut lands on chrome, and
    // the JPEG spends no bytes on edges nobody sees.
    return bezel(p);
}

}  // namespace

Colour cool_face_colour(double x, double y) {
    return shade(x, y);
}

}  // namespace horalune::assets
