// The pictures built into the program (generated at build time by tools/assetgen).
#pragma once

#include <cstdint>
#include <span>

namespace horalune::builtin {

std::span<const std::uint8_t> window_mask_bmp();   // 164 x 164, 24-bit; white lies outside
std::span<const std::uint8_t> background1_jpg();   // the face picture "默认1"
std::span<const std::uint8_t> background2_jpg();   // the face picture "默认2"
std::span<const std::uint8_t> heart_bmp();         // 40 x 40; white is transparent
std::span<const std::uint8_t> program_icon_ico();  // square, at each of these sizes:
inline constexpr int kProgramIconSizes[] = {16, 20, 24, 32, 40, 48, 64, 256};

// A picture of the shipped icon store, known by the hash of its decoded pixels
// (ui/art/picture_hash.h): button `button`'s hover icon (face 0) or its cut of face 1 or 2.
struct StorePicture {
    std::uint64_t hash;
    int face;
    int button;
};
std::span<const StorePicture> shipped_store_pictures();  // all 36

}  // namespace horalune::builtin
