#include "ui/resample.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace horalune {

namespace {

// Premultiplied colour: alpha, and red, green, blue times alpha, all 0..255.
using Pixel = std::array<float, 4>;

struct Tap {
    int from = 0;               // first source index
    std::vector<float> weight;  // for from, from + 1, ...; they sum to 1
};

// Which source pixels make output pixel i along one axis, and how much each counts.
std::vector<Tap> taps(int source, int target) {
    std::vector<Tap> out(static_cast<std::size_t>(target));
    const double step = static_cast<double>(source) / target;
    for (int i = 0; i < target; ++i) {
        Tap& tap = out[static_cast<std::size_t>(i)];
        if (step > 1.0) {
            // Shrinking: the share of each source pixel inside [i, i + 1) * step.
            const double a = i * step, b = (i + 1) * step;
            tap.from = static_cast<int>(std::floor(a));
            const int last = std::min(source - 1, static_cast<int>(std::ceil(b)) - 1);
            for (int s = tap.from; s <= last; ++s) {
                tap.weight.push_back(static_cast<float>(
                    (std::min<double>(b, s + 1) - std::max<double>(a, s)) / step));
            }
        } else {
            // Enlarging (or the same size): the two source pixels whose centres straddle this
            // one's.
            const double centre = std::clamp((i + 0.5) * step - 0.5, 0.0, source - 1.0);
            tap.from = std::min(static_cast<int>(std::floor(centre)), std::max(source - 2, 0));
            const auto t = static_cast<float>(centre - tap.from);
            tap.weight = {1.0f - t};
            if (source > 1) tap.weight.push_back(t);
        }
    }
    return out;
}

Pixel unpack(std::uint32_t argb) {
    const float a = static_cast<float>(argb >> 24);
    const float k = a / 255.0f;
    return {a, ((argb >> 16) & 0xFF) * k, ((argb >> 8) & 0xFF) * k, (argb & 0xFF) * k};
}

std::uint32_t pack(const Pixel& p) {
    const float a = std::clamp(p[0], 0.0f, 255.0f);
    if (a <= 0.0f) return 0;
    const auto channel = [a](float premultiplied) {
        return static_cast<std::uint32_t>(
            std::lround(std::clamp(premultiplied * 255.0f / a, 0.0f, 255.0f)));
    };
    return (static_cast<std::uint32_t>(std::lround(a)) << 24) | (channel(p[1]) << 16) |
           (channel(p[2]) << 8) | channel(p[3]);
}

}  // namespace

Image resample(const Image& source, int width, int height) {
    if (source.empty() || width <= 0 || height <= 0) return {};
    if (width == source.width && height == source.height) return source;
    const std::vector<Tap> across = taps(source.width, width);
    const std::vector<Tap> down = taps(source.height, height);
    // Rows first, into a source-height by target-width buffer, then columns.
    std::vector<Pixel> rows(static_cast<std::size_t>(source.height) * width);
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Tap& tap = across[static_cast<std::size_t>(x)];
            Pixel sum{};
            for (std::size_t k = 0; k < tap.weight.size(); ++k) {
                const Pixel p = unpack(source.at(tap.from + static_cast<int>(k), y));
                for (int c = 0; c < 4; ++c) sum[c] += p[c] * tap.weight[k];
            }
            rows[static_cast<std::size_t>(y) * width + x] = sum;
        }
    }
    Image out(width, height);
    for (int y = 0; y < height; ++y) {
        const Tap& tap = down[static_cast<std::size_t>(y)];
        for (int x = 0; x < width; ++x) {
            Pixel sum{};
            for (std::size_t k = 0; k < tap.weight.size(); ++k) {
                const Pixel& p =
                    rows[static_cast<std::size_t>(tap.from + static_cast<int>(k)) * width + x];
                for (int c = 0; c < 4; ++c) sum[c] += p[c] * tap.weight[k];
            }
            out.at(x, y) = pack(sum);
        }
    }
    return out;
}

}  // namespace horalune
