#include "ui/clock_art.h"

#include <algorithm>
#include <cmath>

#include "ui/clock_shape.h"
#include "platform/dpi.h"

namespace horalune {

namespace {

struct Colour {
    double r = 0, g = 0, b = 0;
};

constexpr Colour rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

Colour mix(const Colour& a, const Colour& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

std::uint32_t to_argb(const Colour& c) {
    const auto byte = [](double v) {
        return static_cast<std::uint32_t>(std::lround(clamp01(v) * 255));
    };
    return 0xFF000000u | (byte(c.r) << 16) | (byte(c.g) << 8) | byte(c.b);
}

// Where sample (i, j) of n x n in device pixel (x, y) lies in logical pixels: a device pixel
// covers the square of side 1 / scale around its centre.
double logical(int device, int i, int n, double scale) {
    return (device + 0.5 + ((i + 0.5) / n - 0.5)) / scale - 0.5;
}

// The heart: the classic curve, y pointing up, inside where (x² + y² - 1)³ <= x² y³.
constexpr int kHeartSide = 40;
constexpr double kHeartWidth = 17.0;  // a small heart in the middle of its square
// The curve spans x in [-1.139, 1.139] and y in [-1, 1.236].
constexpr double kPixelsPerUnit = kHeartWidth / 2.278;
constexpr double kMidY = 0.118;

bool in_heart(double u, double v) {
    const double q = u * u + v * v - 1;
    return q * q * q <= u * u * v * v * v;
}

Colour heart_body(double u, double v) {
    // Rounded, lit from the upper left: bright on the left lobe, deep red at the tip.
    const double lit = std::hypot(u + 0.45, v - 0.55) / 1.9;
    const Colour c = mix(rgb(246, 52, 70), rgb(168, 6, 24), clamp01(lit));
    const double glint = std::hypot((u + 0.5) / 1.3, v - 0.62);
    return mix(c, {1, 1, 1}, 0.55 * (1 - clamp01((glint - 0.08) / 0.2)));
}

}  // namespace

Image draw_window_mask(int dpi) {
    const Colour deep = rgb(16, 32, 120);
    // Lighter towards the rim but capped below white, which would cut the pixel away.
    const Colour pale = rgb(200, 214, 245);
    const double scale = dpi / 96.0;
    const int side = scaled(clock_shape::kWindowSize, dpi);
    constexpr int kSamples = 8;
    Image out(side, side, kOpaqueWhite);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            // A pixel belongs to the window when its centre does.
            if (!clock_shape::inside_window((x + 0.5) / scale - 0.5, (y + 0.5) / scale - 0.5))
                continue;
            int hits = 0;
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    hits += clock_shape::inside_window(logical(x, i, kSamples, scale),
                                                       logical(y, j, kSamples, scale));
                }
            }
            out.at(x, y) = to_argb(mix(pale, deep, hits / double(kSamples * kSamples)));
        }
    }
    return out;
}

Image draw_heart(int dpi) {
    // White is see-through when the heart is shown, so an edge blends towards pink, never to
    // white itself.
    const Colour pink = rgb(255, 196, 206);
    constexpr int kSamples = 8;
    const double scale = dpi / 96.0;
    const int side = scaled(kHeartSide, dpi);
    const double centre = (kHeartSide - 1) / 2.0;
    Image out(side, side, kOpaqueWhite);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            Colour sum;
            int hits = 0;
            for (int j = 0; j < kSamples; ++j) {
                for (int i = 0; i < kSamples; ++i) {
                    const double u = (logical(x, i, kSamples, scale) - centre) / kPixelsPerUnit;
                    const double v =
                        kMidY - (logical(y, j, kSamples, scale) - centre) / kPixelsPerUnit;
                    if (!in_heart(u, v)) continue;
                    const Colour c = heart_body(u, v);
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                    ++hits;
                }
            }
            if (hits == 0) continue;
            const double k = 1.0 / hits;
            const Colour inside{sum.r * k, sum.g * k, sum.b * k};
            out.at(x, y) = to_argb(mix(pink, inside, double(hits) / (kSamples * kSamples)));
        }
    }
    return out;
}

}  // namespace horalune
