// File formats of the built-in pictures, written to memory.
#pragma once

#include <cstdint>
#include <vector>

#include "ui/art/raster.h"

namespace horalune::assets {

using Bytes = std::vector<std::uint8_t>;

Bytes encode_jpeg(const RgbImage& image, int quality);
Bytes encode_bmp24(const RgbImage& image);  // with the file header, rows bottom-up
Bytes encode_png(const RgbImage& image);    // 24-bit, lossless

// .ico holding 32-bit images with alpha, each in the BMP-in-ICO form with an AND mask.
Bytes encode_ico(const std::vector<RgbaImage>& images);

}  // namespace horalune::assets
