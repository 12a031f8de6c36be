// Small picture files for tests, written out by hand so that decoding is not checked with
// the program's own encoder.
#pragma once

#include <cstdint>
#include <string>

namespace horalune::testing {

// A 2 x 2 BMP of one colour (white would be see-through on the clock).
inline std::string bmp_of(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    std::string bmp(54, '\0');
    bmp[0] = 'B', bmp[1] = 'M', bmp[10] = 54, bmp[14] = 40, bmp[18] = 2, bmp[22] = 2;
    bmp[26] = 1, bmp[28] = 24;
    for (int row = 0; row < 2; ++row) {
        for (int x = 0; x < 2; ++x)
            bmp += {static_cast<char>(b), static_cast<char>(g), static_cast<char>(r)};
        bmp += std::string(2, '\0');
    }
    return bmp;
}

}  // namespace horalune::testing
