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

namespace {

// Where the samples of a row (or column) of device pixels fall in logical pixels. At scale 1
// this is exactly pixel + sub(i, n), as the 96 dpi pictures have always been drawn.
std::vector<double> sample_points(int count, int first, int samples, double scale) {
    std::vector<double> out;
    out.reserve(std::size_t(count) * samples);
    const double shift = 0.5 / scale - 0.5;
    for (int p = 0; p < count; ++p) {
        for (int i = 0; i < samples; ++i)
            out.push_back((first + p + sub(i, samples)) / scale + shift);
    }
    return out;
}

}  // namespace

int samples_at(int base, int dpi) {
    if (dpi == 96) return base;
    return std::max(2, int(std::lround(base * 96.0 / dpi)));
}

namespace {

// Hands each of a device pixel's samples (in logical pixels) to sample, row by row, and calls
// done after the last sample of each pixel.
template <typename Sample, typename Done>
void for_each_sample(const Area& area, int samples, Sample&& sample, Done&& done) {
    const std::vector<double> xs = sample_points(area.width, area.left, samples, area.scale);
    const std::vector<double> ys = sample_points(area.height, area.top, samples, area.scale);
    for (int y = 0; y < area.height; ++y) {
        for (int x = 0; x < area.width; ++x) {
            for (int j = 0; j < samples; ++j) {
                for (int i = 0; i < samples; ++i)
                    sample(xs[std::size_t(x) * samples + i], ys[std::size_t(y) * samples + j]);
            }
            done();
        }
    }
}

}  // namespace

RgbImage render(const Area& area, int samples, const Shader& shade) {
    RgbImage out{area.width, area.height,
                 std::vector<std::uint8_t>(std::size_t(area.width) * area.height * 3)};
    const double n = double(samples) * samples;
    std::size_t at = 0;
    Colour sum;
    for_each_sample(
        area, samples,
        [&](double x, double y) {
            const Colour c = shade(x, y);
            sum = {sum.r + c.r, sum.g + c.g, sum.b + c.b};
        },
        [&] {
            out.rgb[at++] = to_byte(sum.r / n);
            out.rgb[at++] = to_byte(sum.g / n);
            out.rgb[at++] = to_byte(sum.b / n);
            sum = {};
        });
    return out;
}

RgbaImage render_alpha(const Area& area, int samples, const AlphaShader& shade) {
    RgbaImage out{area.width, area.height,
                  std::vector<std::uint8_t>(std::size_t(area.width) * area.height * 4)};
    const double n = double(samples) * samples;
    std::size_t at = 0;
    // Averaged premultiplied, so half-covered pixels keep the colour of what covers them.
    Colour sum;
    double alpha = 0;
    for_each_sample(
        area, samples,
        [&](double x, double y) {
            const Paint p = shade(x, y);
            sum = {sum.r + p.colour.r * p.alpha, sum.g + p.colour.g * p.alpha,
                   sum.b + p.colour.b * p.alpha};
            alpha += p.alpha;
        },
        [&] {
            const double k = alpha > 0 ? 1 / alpha : 0;
            out.rgba[at++] = to_byte(sum.r * k);
            out.rgba[at++] = to_byte(sum.g * k);
            out.rgba[at++] = to_byte(sum.b * k);
            out.rgba[at++] = to_byte(alpha / n);
            sum = {};
            alpha = 0;
        });
    return out;
}

Image to_image(const RgbImage& picture) {
    Image out(picture.width, picture.height);
    for (std::size_t i = 0, j = 0; i < out.pixels.size(); ++i, j += 3) {
        out.pixels[i] = 0xFF000000u | std::uint32_t(picture.rgb[j]) << 16 |
                        std::uint32_t(picture.rgb[j + 1]) << 8 | picture.rgb[j + 2];
    }
    return out;
}

RgbImage to_rgb(const Image& picture) {
    RgbImage out{picture.width, picture.height, {}};
    out.rgb.reserve(picture.pixels.size() * 3);
    for (const std::uint32_t p : picture.pixels) {
        out.rgb.insert(out.rgb.end(),
                       {std::uint8_t(p >> 16), std::uint8_t(p >> 8), std::uint8_t(p)});
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
