// Picture seeds: the built-in pictures, plus tiny PNG, JPEG and BMP written with stb_image_write
// and GIFs written here (stb_image_write has no GIF).
#include <cstdint>
#include <span>

#include "seeds.h"
#include "ui/builtin_assets.h"

#define STB_IMAGE_WRITE_IMPLEMENTATION
#define STBI_WRITE_NO_STDIO
#include <stb_image_write.h>

namespace horalune::fuzz {

namespace {

// A few colours and an alpha ramp, so every channel carries something.
std::vector<unsigned char> pattern(int width, int height, int channels) {
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width) * height * channels);
    for (std::size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<unsigned char>(i * 37 + (i % channels) * 90);
    return pixels;
}

void append(void* context, void* data, int size) {
    static_cast<std::string*>(context)->append(static_cast<const char*>(data),
                                               static_cast<std::size_t>(size));
}

std::string bytes_of(std::span<const std::uint8_t> span) {
    return {reinterpret_cast<const char*>(span.data()), span.size()};
}

void put16(std::string& out, int v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>((v >> 8) & 0xFF);
}

// LZW data of 2-bit pixels using only literal codes: a clear code before every second pixel
// keeps the code table, and so the code width (3 bits), from growing.
std::string lzw_literals(const std::vector<int>& indices) {
    constexpr int kClear = 4, kEnd = 5, kWidth = 3;
    std::vector<int> codes;
    for (std::size_t i = 0; i < indices.size(); ++i) {
        if (i % 2 == 0) codes.push_back(kClear);
        codes.push_back(indices[i]);
    }
    codes.push_back(kEnd);
    std::string packed;
    std::uint32_t bits = 0;
    int count = 0;
    for (const int code : codes) {
        bits |= static_cast<std::uint32_t>(code) << count;
        count += kWidth;
        while (count >= 8) {
            packed += static_cast<char>(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0) packed += static_cast<char>(bits & 0xFF);
    std::string blocks;
    for (std::size_t at = 0; at < packed.size(); at += 255) {
        const std::string chunk = packed.substr(at, 255);
        blocks += static_cast<char>(chunk.size());
        blocks += chunk;
    }
    return blocks + '\0';
}

}  // namespace

std::string tiny_png(int width, int height, int channels) {
    std::string out;
    const auto pixels = pattern(width, height, channels);
    stbi_write_png_to_func(append, &out, width, height, channels, pixels.data(), width * channels);
    return out;
}

std::string tiny_gif(bool interlaced, bool transparent, int frames) {
    constexpr int kSide = 4;
    std::string gif = "GIF89a";
    put16(gif, kSide);
    put16(gif, kSide);
    gif += '\x91';  // global table of 4 colours
    gif += '\0';
    gif += '\0';
    gif += std::string("\xFF\x00\x00\x00\xFF\x00\x00\x00\xFF\xFF\xFF\xFF", 12);
    for (int frame = 0; frame < frames; ++frame) {
        if (transparent) gif += std::string("\x21\xF9\x04\x01\x0A\x00\x03\x00", 8);
        gif += '\x2C';
        put16(gif, 0);
        put16(gif, 0);
        put16(gif, kSide);
        put16(gif, kSide);
        gif += interlaced ? '\x40' : '\0';
        gif += '\x02';  // LZW minimum code size
        // Rows in the order stored: interlaced pictures store rows 0, 2, 1, 3 at this height.
        std::vector<int> indices;
        for (const int row :
             interlaced ? std::vector<int>{0, 2, 1, 3} : std::vector<int>{0, 1, 2, 3})
            for (int x = 0; x < kSide; ++x) indices.push_back((row + x + frame) % 4);
        gif += lzw_literals(indices);
    }
    return gif + '\x3B';
}

std::vector<Seed> picture_seeds() {
    std::vector<Seed> seeds = {
        {"background1.jpg", bytes_of(builtin::background1_jpg())},
        {"background2.jpg", bytes_of(builtin::background2_jpg())},
        {"heart.bmp", bytes_of(builtin::heart_bmp())},
        {"mask.bmp", bytes_of(builtin::window_mask_bmp())},
        {"program.ico", bytes_of(builtin::program_icon_ico())},
        {"gray.png", tiny_png(3, 2, 1)},
        {"gray_alpha.png", tiny_png(2, 3, 2)},
        {"rgb.png", tiny_png(5, 3, 3)},
        {"rgba.png", tiny_png(4, 4, 4)},
        {"plain.gif", tiny_gif(false, false, 1)},
        {"interlaced_transparent.gif", tiny_gif(true, true, 1)},
        {"two_frames.gif", tiny_gif(false, true, 2)},
    };
    std::string jpeg, bmp;
    const auto pixels = pattern(9, 7, 3);
    stbi_write_jpg_to_func(append, &jpeg, 9, 7, 3, pixels.data(), 60);
    const auto rgba = pattern(3, 3, 4);
    stbi_write_bmp_to_func(append, &bmp, 3, 3, 4, rgba.data());
    seeds.push_back({"small.jpg", jpeg});
    seeds.push_back({"rgba.bmp", bmp});
    return seeds;
}

}  // namespace horalune::fuzz
