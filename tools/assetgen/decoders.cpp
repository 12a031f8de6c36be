#include "decoders.h"

#include <cstring>
#include <stdexcept>

// Third-party code, compiled only into this tool; the program has its own copy in ui/.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wunused-parameter"
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wimplicit-fallthrough"
#define STB_IMAGE_IMPLEMENTATION
#define STBI_NO_STDIO
#define STBI_ONLY_JPEG
#include <stb_image.h>
#pragma GCC diagnostic pop

namespace horalune::assets {

RgbImage decode_jpeg(const Bytes& jpeg) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* pixels =
        stbi_load_from_memory(jpeg.data(), int(jpeg.size()), &width, &height, &channels, 3);
    if (!pixels) throw std::runtime_error("JPEG decoding failed");
    RgbImage out{width, height, std::vector<std::uint8_t>(std::size_t(width) * height * 3)};
    std::memcpy(out.rgb.data(), pixels, out.rgb.size());
    stbi_image_free(pixels);
    return out;
}

}  // namespace horalune::assets
