#include "encoders.h"

#include <stdexcept>

// Third-party code: its zero-initialisers trip -Wextra, which is not ours to fix.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>
#pragma GCC diagnostic pop

namespace horalune::assets {

namespace {

void append(void* context, void* data, int size) {
    auto* out = static_cast<Bytes*>(context);
    const auto* p = static_cast<const std::uint8_t*>(data);
    out->insert(out->end(), p, p + size);
}

void put16(Bytes& out, unsigned v) {
    out.push_back(std::uint8_t(v));
    out.push_back(std::uint8_t(v >> 8));
}

void put32(Bytes& out, std::uint32_t v) {
    put16(out, v & 0xFFFFu);
    put16(out, v >> 16);
}

}  // namespace

Bytes encode_jpeg(const RgbImage& image, int quality) {
    Bytes out;
    if (!stbi_write_jpg_to_func(append, &out, image.width, image.height, 3, image.rgb.data(),
                                quality)) {
        throw std::runtime_error("JPEG encoding failed");
    }
    return out;
}

Bytes encode_bmp24(const RgbImage& image) {
    Bytes out;
    if (!stbi_write_bmp_to_func(append, &out, image.width, image.height, 3, image.rgb.data())) {
        throw std::runtime_error("BMP encoding failed");
    }
    return out;
}

Bytes encode_png(const RgbImage& image) {
    Bytes out;
    if (!stbi_write_png_to_func(append, &out, image.width, image.height, 3, image.rgb.data(),
                                image.width * 3)) {
        throw std::runtime_error("PNG encoding failed");
    }
    return out;
}

Bytes encode_ico(const std::vector<RgbaImage>& images) {
    constexpr std::uint32_t kDirSize = 6, kEntrySize = 16, kInfoSize = 40;
    Bytes out;
    put16(out, 0);  // reserved
    put16(out, 1);  // icon, not cursor
    put16(out, unsigned(images.size()));

    std::uint32_t offset = kDirSize + kEntrySize * std::uint32_t(images.size());
    for (const RgbaImage& img : images) {
        const std::uint32_t mask_row = ((std::uint32_t(img.width) + 31) / 32) * 4;
        const std::uint32_t size = kInfoSize + 4u * img.width * img.height + mask_row * img.height;
        out.push_back(std::uint8_t(img.width));  // 256 is written as 0
        out.push_back(std::uint8_t(img.height));
        out.push_back(0);  // no palette
        out.push_back(0);
        put16(out, 1);   // planes
        put16(out, 32);  // bits per pixel
        put32(out, size);
        put32(out, offset);
        offset += size;
    }

    for (const RgbaImage& img : images) {
        const std::uint32_t mask_row = ((std::uint32_t(img.width) + 31) / 32) * 4;
        put32(out, kInfoSize);
        put32(out, std::uint32_t(img.width));
        put32(out, std::uint32_t(img.height) * 2);  // colour image and AND mask stacked
        put16(out, 1);
        put16(out, 32);
        put32(out, 0);  // uncompressed
        put32(out, 4u * img.width * img.height + mask_row * img.height);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        put32(out, 0);
        for (int y = img.height - 1; y >= 0; --y) {
            for (int x = 0; x < img.width; ++x) {
                const std::uint8_t* p = &img.rgba[(std::size_t(y) * img.width + x) * 4];
                out.insert(out.end(), {p[2], p[1], p[0], p[3]});
            }
        }
        // The AND mask marks fully transparent pixels for readers that ignore alpha.
        for (int y = img.height - 1; y >= 0; --y) {
            Bytes row(mask_row, 0);
            for (int x = 0; x < img.width; ++x) {
                if (img.rgba[(std::size_t(y) * img.width + x) * 4 + 3] == 0) {
                    row[x / 8] |= std::uint8_t(0x80 >> (x % 8));
                }
            }
            out.insert(out.end(), row.begin(), row.end());
        }
    }
    return out;
}

}  // namespace horalune::assets
