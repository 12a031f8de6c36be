#include <cmath>

#include "pictures.h"

namespace horalune::assets {

namespace {

constexpr int kSize = 40;
// The heart as the window shows it: a small one in the middle of its 40 x 40 button.
constexpr double kHeartWidth = 17.0;
// The curve below spans x in [-1.139, 1.139] and y in [-1, 1.236].
constexpr double kPixelsPerUnit = kHeartWidth / 2.278;
constexpr double kMidY = 0.118;

// Classic heart curve, y pointing up: inside where (x² + y² - 1)³ <= x² y³.
bool in_heart(double u, double v) {
    const double q = u * u + v * v - 1;
    return q * q * q <= u * u * v * v * v;
}

Colour body(double u, double v) {
    // Rounded, lit from the upper left: bright on the left lobe, deep red at the tip.
    const double lit = std::hypot(u + 0.45, v - 0.55) / 1.9;
    Colour c = mix(rgb(246, 52, 70), rgb(168, 6, 24), clamp01(lit));
    const double glint = std::hypot((u + 0.5) / 1.3, v - 0.62);
    return lighten(c, 0.55 * (1 - clamp01((glint - 0.08) / 0.2)));
}

}  // namespace

RgbImage heart() {
    // White is see-through when the heart is shown, so an edge blends towards pink,
    // never to white itself.
    const Colour pink = rgb(255, 196, 206);
    constexpr int kSamples = 8;
    RgbImage out{kSize, kSize, {}};
    const double centre = (kSize - 1) / 2.0;
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize; ++x) {
            Colour sum;
            int hits = 0;
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const double u = (x + (i + 0.5) / kSamples - 0.5 - centre) / kPixelsPerUnit;
                    const double v =
                        kMidY - (y + (j + 0.5) / kSamples - 0.5 - centre) / kPixelsPerUnit;
                    if (!in_heart(u, v)) continue;
                    const Colour c = body(u, v);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                    ++hits;
                }
            }
            Colour c{1, 1, 1};
            if (hits > 0) {
                const Colour inside = scale(sum, 1.0 / hits);
                c = mix(pink, inside, double(hits) / (kSamples * kSamples));
            }
            out.rgb.insert(out.rgb.end(), {to_byte(c.r), to_byte(c.g), to_byte(c.b)});
        }
    }
    return out;
}

}  // namespace horalune::assets
