// A plain 32-bit picture in memory: the one picture type that crosses the platform seam.
#pragma once

#include <cstdint>
#include <vector>

namespace horalune {

// Pixels are 0xAARRGGBB, row by row from the top-left corner.
// How a background picture fills its area.
enum class PictureMode : int { top_left = 0, tiled = 1, centred = 2 };

struct Image {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    Image() = default;
    Image(int w, int h, std::uint32_t fill = 0xFF000000u)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

    bool empty() const { return width <= 0 || height <= 0; }
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
    bool contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
};

constexpr std::uint32_t kOpaqueWhite = 0xFFFFFFFFu;

// Colours in the configuration file are 0x00BBGGRR; pictures are 0xAARRGGBB.
constexpr std::uint32_t argb_from_colorref(std::int32_t bgr) {
    const auto v = static_cast<std::uint32_t>(bgr);
    return 0xFF000000u | ((v & 0xFFu) << 16) | (v & 0xFF00u) | ((v >> 16) & 0xFFu);
}

}  // namespace horalune
