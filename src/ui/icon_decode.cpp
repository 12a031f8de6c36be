// Reads one entry of an .ico file: the directory, then a bottom-up DIB of double height whose
// second half is the AND mask.
#include <cstring>

#include "ui/picture.h"

namespace horalune {

namespace {

std::uint32_t le(std::span<const std::uint8_t> b, std::size_t at, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | b[at + static_cast<std::size_t>(i)];
    return v;
}

}  // namespace

std::optional<Image> decode_icon(std::span<const std::uint8_t> ico, int size) {
    if (ico.size() < 6 || le(ico, 0, 2) != 0 || le(ico, 2, 2) != 1) return std::nullopt;
    const std::uint32_t count = le(ico, 4, 2);
    for (std::uint32_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + std::size_t{i} * 16;
        if (entry + 16 > ico.size()) return std::nullopt;
        const int w = ico[entry] == 0 ? 256 : ico[entry];
        const int h = ico[entry + 1] == 0 ? 256 : ico[entry + 1];
        if (w != size || h != size) continue;
        const std::size_t length = le(ico, entry + 8, 4), offset = le(ico, entry + 12, 4);
        if (offset > ico.size() || length > ico.size() - offset || length < 40) return std::nullopt;
        const auto dib = ico.subspan(offset, length);
        const std::uint32_t header = le(dib, 0, 4);
        const std::uint32_t bits = le(dib, 14, 2);
        if (header < 40 || header > length || (bits != 32 && bits != 24)) return std::nullopt;
        const std::size_t row = ((static_cast<std::size_t>(w) * bits + 31) / 32) * 4;
        const std::size_t mask_row = ((static_cast<std::size_t>(w) + 31) / 32) * 4;
        if (header + row * h + mask_row * h > length) return std::nullopt;
        Image image(w, h);
        for (int y = 0; y < h; ++y) {
            const std::size_t src = header + row * static_cast<std::size_t>(h - 1 - y);
            const std::size_t mask =
                header + row * h + mask_row * static_cast<std::size_t>(h - 1 - y);
            for (int x = 0; x < w; ++x) {
                const std::size_t p = src + static_cast<std::size_t>(x) * (bits / 8);
                std::uint32_t a = bits == 32 ? dib[p + 3] : 255;
                if (bits == 24 && (dib[mask + x / 8] >> (7 - x % 8) & 1)) a = 0;
                image.at(x, y) = (a << 24) | (std::uint32_t{dib[p + 2]} << 16) |
                                 (std::uint32_t{dib[p + 1]} << 8) | dib[p];
            }
        }
        return image;
    }
    return std::nullopt;
}

}  // namespace horalune
