#include "ui/bmp_encode.h"

#include <cstdint>

namespace horalune {

namespace {

void put_le(std::string& out, std::uint32_t v, int size) {
    for (int i = 0; i < size; ++i) out.push_back(static_cast<char>((v >> (8 * i)) & 0xFFu));
}

constexpr std::uint32_t kFileHeader = 14;
constexpr std::uint32_t kInfoHeader = 40;

}  // namespace

std::string encode_bmp_keyed(const Image& image) {
    if (image.empty()) return {};
    const auto w = static_cast<std::uint32_t>(image.width);
    const auto h = static_cast<std::uint32_t>(image.height);
    const std::uint32_t stride = (w * 3 + 3) / 4 * 4;
    const std::uint32_t offset = kFileHeader + kInfoHeader;
    std::string out;
    out.reserve(offset + stride * h);
    out += "BM";
    put_le(out, offset + stride * h, 4);
    put_le(out, 0, 4);
    put_le(out, offset, 4);
    put_le(out, kInfoHeader, 4);
    put_le(out, w, 4);
    put_le(out, h, 4);  // positive: bottom-up
    put_le(out, 1, 2);
    put_le(out, 24, 2);
    put_le(out, 0, 4);  // no compression
    put_le(out, stride * h, 4);
    put_le(out, 2835, 4);  // 72 dpi
    put_le(out, 2835, 4);
    put_le(out, 0, 4);
    put_le(out, 0, 4);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            std::uint32_t p = image.at(x, y);
            if ((p >> 24) < 0x80) {
                p = 0xFFFFFFu;
            } else if ((p & 0xFFFFFFu) == 0xFFFFFFu) {
                p = 0xFEFEFEu;
            }
            out.push_back(static_cast<char>(p & 0xFFu));
            out.push_back(static_cast<char>((p >> 8) & 0xFFu));
            out.push_back(static_cast<char>((p >> 16) & 0xFFu));
        }
        out.append(stride - w * 3, '\0');
    }
    return out;
}

}  // namespace horalune
