// "默认1": an ivory dial in a gold bezel, with amber jewels for buttons.
#include <cmath>

#include "face_parts.h"
#include "faces.h"

namespace horalune::assets {

namespace {

constexpr double kDialRadius = 45.0;
constexpr double kJewelRadius = 12.5;
constexpr double kMountOuter = 18.0;

const Colour kGoldDark = rgb(118, 78, 26);
const Colour kGold = rgb(208, 164, 74);
const Colour kGoldPale = rgb(255, 238, 176);
const Colour kBronze = rgb(104, 66, 28);

Colour gold(double tone) {
    return ramp(kGoldDark, kGold, kGoldPale, tone);
}

Colour dial(const Polar& p) {
    // Ivory, lit from the upper left, darkening gently towards the bezel.
    const double lit = std::hypot(p.dx + 14, p.dy + 16) / 70;
    Colour c = mix(rgb(255, 250, 238), rgb(236, 216, 178), clamp01(lit));
    // A soft shadow cast by the bezel onto the dial's edge.
    c = scale(c, 1 - 0.16 * smoothstep(kDialRadius - 5, kDialRadius, p.r));

    const MarkFrame hour = nearest_mark(p, 12);
    const bool quarter = hour.index % 3 == 0;
    const double inner = quarter ? 32.5 : 35.5;
    const double half_width = quarter ? 1.6 : 0.8;
    if (hour.along >= inner && hour.along <= 41.5 && hour.across <= half_width) return kBronze;

    // A fine chapter ring just outside the marks.
    if (std::abs(p.r - 43.0) <= 0.35) return mix(c, kBronze, 0.55);
    return c;
}

Colour bezel(const Polar& p) {
    if (p.r < kDialRadius + 0.8) return mix(kGoldDark, kBronze, 0.5);  // seam against the dial
    return gold(ring_tone(p, kDialRadius + 0.8, 50.5));
}

Colour jewel(const Polar& b) {
    if (b.r > kJewelRadius) {
        // Gold setting: a raised ring with a dark seat around the stone.
        if (b.r < kJewelRadius + 0.7) return kGoldDark;
        return gold(ring_tone(b, kJewelRadius + 0.7, 16.0));
    }
    // Amber cabochon: glows from below, with a window reflection at the upper left.
    const double deep = std::hypot(b.dx - 2.5, b.dy - 3.5) / (kJewelRadius + 4);
    Colour c = mix(rgb(250, 196, 92), rgb(150, 72, 18), clamp01(deep));
    const double glint = std::hypot((b.dx + 4.2) / 1.4, b.dy + 5.0);
    c = lighten(c, 0.75 * (1 - smoothstep(1.2, 3.6, glint)));
    return c;
}

Colour shade(double x, double y) {
    const Polar p = offset(x, y, kFaceCentre, kFaceCentre);
    if (p.r <= kFaceRadius) return p.r < kDialRadius ? dial(with_angle(p)) : bezel(p);
    const Polar b = nearest_button(x, y);
    if (b.r <= kMountOuter) return jewel(b);
    // Past the window's edge the bezel just carries on: the cut lands on gold, and
    // the JPEG spends no bytes on edges nobody sees.
    return bezel(p);
}

}  // namespace

Colour warm_face_colour(double x, double y) {
    return shade(x, y);
}

}  // namespace horalune::assets
