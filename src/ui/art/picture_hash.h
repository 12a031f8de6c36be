// A fingerprint of a picture's pixels, so the program knows the shipped store's pictures
// without keeping copies of them.
#pragma once

#include <cstdint>

#include "platform/image.h"

namespace horalune::assets {

// FNV-1a over the size and every pixel (0xAARRGGBB).
inline std::uint64_t picture_hash(const Image& picture) {
    std::uint64_t h = 14695981039346656037ull;
    const auto add = [&h](std::uint32_t v) {
        for (int k = 0; k < 4; ++k) {
            h ^= (v >> (8 * k)) & 0xFFu;
            h *= 1099511628211ull;
        }
    };
    add(std::uint32_t(picture.width));
    add(std::uint32_t(picture.height));
    for (const std::uint32_t p : picture.pixels) add(p);
    return h;
}

}  // namespace horalune::assets
