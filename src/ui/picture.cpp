#include "ui/picture.h"

#include <climits>

#include "platform/files.h"
#include "ui/picture_guard.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_ONLY_JPEG
#define STBI_ONLY_PNG
#define STBI_ONLY_BMP
#define STBI_ONLY_GIF
#define STBI_MAX_DIMENSIONS horalune::kMaxPictureSide
#if defined(__GNUC__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#endif
#include <stb_image.h>
#if defined(__GNUC__)
#pragma GCC diagnostic pop
#endif

namespace horalune {

std::optional<Image> decode_picture(std::span<const std::uint8_t> bytes) {
    if (bytes.empty() || bytes.size() > static_cast<std::size_t>(INT_MAX)) return std::nullopt;
    if (!decoder_can_take(bytes)) return std::nullopt;
    const int length = static_cast<int>(bytes.size());
    int w = 0, h = 0, channels = 0;
    if (!stbi_info_from_memory(bytes.data(), length, &w, &h, &channels)) return std::nullopt;
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide) return std::nullopt;
    stbi_uc* rgba = stbi_load_from_memory(bytes.data(), length, &w, &h, &channels, 4);
    if (!rgba) return std::nullopt;
    Image image(w, h);
    for (std::size_t i = 0; i < image.pixels.size(); ++i) {
        const stbi_uc* p = rgba + i * 4;
        image.pixels[i] = (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[0]} << 16) |
                          (std::uint32_t{p[1]} << 8) | p[2];
    }
    stbi_image_free(rgba);
    return image;
}

std::optional<Image> decode_picture(const std::string& bytes) {
    return decode_picture(std::span<const std::uint8_t>(
        reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

std::optional<Image> load_picture(const std::string& path) {
    const auto bytes = files::read_all(path);
    if (!bytes) return std::nullopt;
    return decode_picture(*bytes);
}

}  // namespace horalune
