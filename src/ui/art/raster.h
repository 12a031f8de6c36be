// Pictures as functions of a point, rendered with supersampling so every edge is smooth.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/image.h"

namespace horalune::assets {

// Components 0..1, as stored in the files (no gamma handling: the pictures are tiny).
struct Colour {
    double r = 0, g = 0, b = 0;
};

// A colour with how much of the sample it covers (0 = nothing, 1 = fully).
struct Paint {
    Colour colour;
    double alpha = 1.0;
};

constexpr Colour rgb(int r, int g, int b) {
    return {r / 255.0, g / 255.0, b / 255.0};
}

Colour mix(const Colour& a, const Colour& b, double t);
Colour scale(const Colour& c, double k);
Colour lighten(const Colour& c, double t);  // towards white
double clamp01(double v);
double smoothstep(double edge0, double edge1, double v);

// Pixel (x, y) covers the square of side 1 centred on the point (x, y).
using Shader = std::function<Colour(double x, double y)>;
using AlphaShader = std::function<Paint(double x, double y)>;

// Opaque picture, 3 bytes per pixel (R, G, B), rows from the top.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

// Picture with straight (not premultiplied) alpha, 4 bytes per pixel (R, G, B, A).
struct RgbaImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
};

// The device pixels a render covers. The picture is drawn in logical pixels (96 dpi); at another
// scale device pixel (x, y) covers the square of side 1 / scale around its centre, and `left`,
// `top` place the first pixel inside the whole picture (to draw part of it).
struct Area {
    int width = 0;
    int height = 0;
    double scale = 1.0;  // dpi / 96
    int left = 0;
    int top = 0;
};

// `samples` x `samples` shader calls per device pixel, averaged.
RgbImage render(const Area& area, int samples, const Shader& shade);
RgbaImage render_alpha(const Area& area, int samples, const AlphaShader& shade);

inline RgbImage render(int width, int height, int samples, const Shader& shade) {
    return render(Area{width, height}, samples, shade);
}
inline RgbaImage render_alpha(int width, int height, int samples, const AlphaShader& shade) {
    return render_alpha(Area{width, height}, samples, shade);
}

// Samples a side for a picture drawn with `base` a side at 96 dpi: a device pixel at a higher
// dpi is smaller, so fewer keep the same density over a logical pixel (never fewer than 2).
int samples_at(int base, int dpi);

// Share of the pixel's samples for which the test holds.
double coverage(double x, double y, int samples, const std::function<bool(double, double)>& test);

std::uint8_t to_byte(double v);

// Between the drawing code's pictures and the program's (opaque, 0xAARRGGBB).
Image to_image(const RgbImage& picture);
RgbImage to_rgb(const Image& picture);  // alpha dropped

}  // namespace horalune::assets
