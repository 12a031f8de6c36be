#include "raster.h"

#include <algorithm>
#include <cmath>

namespace horalune::assets {

Colour mix(const Colour& a, const Colour& b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

Colour scale(const Colour& c, double k) {
    return {c.r * k, c.g * k, c.b * k};
}

Colour lighten(const Colour& c, double t) {
    return mix(c, {1, 1, 1}, t);
}

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}

double smoothstep(double edge0, double edge1, double v) {
    const double t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3 - 2 * t);
}

std::uint8_t to_byte(double v) {
    return static_cast<std::uint8_t>(std::lround(clamp01(v) * 255));
}

namespace {

// Offset of sample i of n inside a pixel, spread evenly over (-0.5, 0.5).
double sub(int i, int n) {
    return (i + 0.5) / n - 0.5;
}

}  // namespace

RgbImage render(int width, int height, int samples, const Shader& shade) {
    RgbImage out{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    const double n = double(samples) * samples;
    std::size_t at = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            Colour sum;
            for (int j = 0; j < samples; ++j) {
                for (int i = 0; i < samples; ++i) {
                    const Colour c = shade(x + sub(i, samples), y + sub(j, samples));
                    sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
                }
            }
            out.rgb[at++] = to_byte(sum.r / n);
            out.rgb[at++] = to_byte(sum.g / n);
            out.rgb[at++] = to_byte(sum.b / n);
        }
    }
    return out;
}

RgbaImage render_alpha(int width, int height, int samples, const AlphaShader& shade) {
    RgbaImage out{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 4)};
    const double n = double(samples) * samples;
    std::size_t at = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            // Average premultiplied, so half-covered pixels keep the colour of what covers them.
            Colour sum;
            double alpha = 0;
            for (int j = 0; j < samples; ++j) {
                for (int i = 0; i < samples; ++i) {
                    const Paint p = shade(x + sub(i, samples), y + sub(j, samples));
                    sum = {sum.r + p.colour.r * p.alpha, sum.g + p.colour.g * p.alpha,
                           sum.b + p.colour.b * p.alpha};
                    alpha += p.alpha;
                }
            }
            const double k = alpha > 0 ? 1 / alpha : 0;
            out.rgba[at++] = to_byte(sum.r * k);
            out.rgba[at++] = to_byte(sum.g * k);
            out.rgba[at++] = to_byte(sum.b * k);
            out.rgba[at++] = to_byte(alpha / n);
        }
    }
    return out;
}

double coverage(double x, double y, int samples, const std::function<bool(double, double)>& test) {
    int hits = 0;
    for (int j = 0; j < samples; ++j) {
        for (int i = 0; i < samples; ++i) {
            if (test(x + sub(i, samples), y + sub(j, samples))) ++hits;
        }
    }
    return double(hits) / (samples * samples);
}

}  // namespace horalune::assets
