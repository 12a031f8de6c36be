// Logical pixels (96 dpi) to device pixels at a window's dpi, rounded as MulDiv rounds.
#pragma once

namespace horalune {

inline int scaled(int logical, int dpi) {
    return logical >= 0 ? (logical * dpi + 48) / 96 : -((-logical * dpi + 48) / 96);
}

}  // namespace horalune
