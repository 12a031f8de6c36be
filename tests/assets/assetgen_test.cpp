// The generated built-in pictures: checked through the bytes the program embeds.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <span>
#include <string>
#include <vector>

#include "ui/art/window_geometry.h"
#include "ui/builtin_assets.h"

namespace horalune {
namespace {

using Bytes = std::span<const std::uint8_t>;

std::uint32_t le(Bytes b, std::size_t at, int size) {
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | b[at + i];
    return v;
}

// A 24-bit bottom-up bitmap file, read by hand so the test does not share the writer's code.
struct Bitmap {
    Bytes bytes;
    int width, height;
    std::size_t pixels, stride;

    explicit Bitmap(Bytes b)
        : bytes(b),
          width(int(le(b, 18, 4))),
          height(int(le(b, 22, 4))),
          pixels(le(b, 10, 4)),
          stride((std::size_t(width) * 3 + 3) / 4 * 4) {
        EXPECT_EQ(b[0], 'B');
        EXPECT_EQ(b[1], 'M');
        EXPECT_EQ(le(b, 28, 2), 24u);
        EXPECT_GE(b.size(), pixels + stride * height);
    }
    struct Rgb {
        int r, g, b;
    };
    Rgb at(int x, int y) const {
        const std::size_t p = pixels + stride * std::size_t(height - 1 - y) + std::size_t(x) * 3;
        return {bytes[p + 2], bytes[p + 1], bytes[p]};
    }
    bool white(int x, int y) const {
        const Rgb c = at(x, y);
        return c.r == 255 && c.g == 255 && c.b == 255;
    }
};

TEST(BuiltinPictures, MaskCutsExactlyTheWindowShape) {
    const Bitmap mask(builtin::window_mask_bmp());
    ASSERT_EQ(mask.width, 164);
    ASSERT_EQ(mask.height, 164);
    int inside = 0;
    for (int y = 0; y < 164; ++y) {
        for (int x = 0; x < 164; ++x) {
            const bool in = assets::inside_window(x, y);
            EXPECT_EQ(mask.white(x, y), !in) << "pixel " << x << "," << y;
            inside += in;
        }
    }
    // Thirteen discs that barely overlap: pi * 50.5^2 + 12 * pi * 16^2 = 17663 square pixels.
    EXPECT_NEAR(inside, 17663, 150);
}

TEST(BuiltinPictures, HeartIsRedOnWhite) {
    const Bitmap heart(builtin::heart_bmp());
    ASSERT_EQ(heart.width, 40);
    ASSERT_EQ(heart.height, 40);
    EXPECT_TRUE(heart.white(0, 0));
    EXPECT_TRUE(heart.white(39, 39));
    const Bitmap::Rgb middle = heart.at(20, 21);
    EXPECT_GT(middle.r, 150);
    EXPECT_LT(middle.g, 90);
    int red = 0;
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x) {
            if (heart.white(x, y)) continue;
            const Bitmap::Rgb c = heart.at(x, y);
            EXPECT_TRUE(c.r >= c.g && c.r >= c.b) << "pixel " << x << "," << y;
            ++red;
        }
    }
    EXPECT_GT(red, 150);
}

struct JpegSize {
    int width = 0, height = 0;
};

// Walks the marker segments up to the first start-of-frame.
JpegSize jpeg_size(Bytes b) {
    EXPECT_TRUE(b.size() > 4 && b[0] == 0xFF && b[1] == 0xD8) << "no SOI";
    EXPECT_TRUE(b[b.size() - 2] == 0xFF && b[b.size() - 1] == 0xD9) << "no EOI";
    std::size_t at = 2;
    while (at + 9 < b.size() && b[at] == 0xFF) {
        const int marker = b[at + 1];
        const std::size_t length = std::size_t(b[at + 2]) << 8 | b[at + 3];
        if (marker >= 0xC0 && marker <= 0xC3) {
            return {b[at + 7] << 8 | b[at + 8], b[at + 5] << 8 | b[at + 6]};
        }
        at += 2 + length;
    }
    ADD_FAILURE() << "no SOF segment";
    return {};
}

TEST(BuiltinPictures, BackgroundsAreTwoDifferentFaceSizedJpegs) {
    for (const Bytes b : {builtin::background1_jpg(), builtin::background2_jpg()}) {
        const JpegSize size = jpeg_size(b);
        EXPECT_EQ(size.width, 164);
        EXPECT_EQ(size.height, 164);
    }
    EXPECT_FALSE(std::ranges::equal(builtin::background1_jpg(), builtin::background2_jpg()));
}

// Every size the shell may ask for is in the file, each a round clock drawn at that size: its
// anti-aliased outline is about one pixel wide, as a picture rendered for the size has and a
// stretched smaller one has not (blocks, or a blur several pixels wide).
TEST(BuiltinPictures, IconHoldsEachSizeDrawnRoundAndSharp) {
    const Bytes ico = builtin::program_icon_ico();
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(le(ico, 0, 2), 0u);
    EXPECT_EQ(le(ico, 2, 2), 1u);
    const std::size_t count = le(ico, 4, 2);
    ASSERT_GE(ico.size(), 6 + 16 * count);
    std::vector<int> sizes;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int side = ico[entry] == 0 ? 256 : ico[entry];
        sizes.push_back(side);
        EXPECT_EQ(ico[entry + 1], ico[entry]);
        EXPECT_EQ(le(ico, entry + 6, 2), 32u);
        const std::uint32_t size = le(ico, entry + 8, 4), offset = le(ico, entry + 12, 4);
        ASSERT_LE(std::size_t(offset) + size, ico.size());
        // BMP-in-ICO: the header counts the colour image and the AND mask together.
        EXPECT_EQ(le(ico, offset, 4), 40u);
        EXPECT_EQ(le(ico, offset + 4, 4), std::uint32_t(side));
        EXPECT_EQ(le(ico, offset + 8, 4), 2u * side);
        const std::uint32_t mask_row = (side + 31) / 32 * 4;
        ASSERT_EQ(size, 40u + 4u * side * side + mask_row * side);
        // Rows are stored bottom-up, BGRA.
        const auto alpha = [&](int x, int y) {
            return ico[offset + 40 + (std::size_t(side - 1 - y) * side + x) * 4 + 3];
        };
        EXPECT_EQ(alpha(0, 0), 0) << side;
        EXPECT_EQ(alpha(side - 1, side - 1), 0) << side;
        EXPECT_EQ(alpha(side / 2, side / 2), 255) << side;
        int partial = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) partial += alpha(x, y) > 0 && alpha(x, y) < 255;
        }
        const double rim = 3.14159 * side;  // the outline's length in pixels
        EXPECT_GT(partial, 0.5 * rim) << side << " px: the outline is not anti-aliased";
        EXPECT_LT(partial, 1.6 * rim)
            << side << " px: the outline is several pixels wide (stretched or blurred)";
    }
    EXPECT_EQ(sizes, std::vector<int>(std::begin(builtin::kProgramIconSizes),
                                      std::end(builtin::kProgramIconSizes)));
    EXPECT_EQ(sizes, (std::vector<int>{16, 20, 24, 32, 40, 48, 64, 256}));
}

TEST(BuiltinPictures, EmbeddedBytesMatchTheGeneratedFiles) {
    const struct {
        const char* file;
        Bytes embedded;
    } cases[] = {
        {"mask.bmp", builtin::window_mask_bmp()},
        {"background1.jpg", builtin::background1_jpg()},
        {"background2.jpg", builtin::background2_jpg()},
        {"heart.bmp", builtin::heart_bmp()},
        {"horalune.ico", builtin::program_icon_ico()},
    };
    for (const auto& c : cases) {
        std::ifstream in(std::string(HORALUNE_GENERATED_DIR) + "/" + c.file, std::ios::binary);
        ASSERT_TRUE(in) << c.file;
        const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(std::ranges::equal(file, c.embedded)) << c.file;
    }
}

// The button page's preset icons, shipped beside the program: cell k for preset k.
TEST(ShippedFiles, PresetStripHoldsTenDistinctIconsOnWhite) {
    std::ifstream in(std::string(HORALUNE_GENERATED_DIR) + "/../bin/icon.bmp", std::ios::binary);
    ASSERT_TRUE(in) << "icon.bmp is not beside the program";
    const std::vector<std::uint8_t> file{std::istreambuf_iterator<char>(in), {}};
    const Bitmap strip(file);
    ASSERT_EQ(strip.width, 320);
    ASSERT_EQ(strip.height, 32);
    std::vector<std::vector<int>> cells;
    for (int k = 0; k < 10; ++k) {
        std::vector<int> cell;
        int drawn = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                const Bitmap::Rgb c = strip.at(32 * k + x, y);
                cell.push_back(c.r << 16 | c.g << 8 | c.b);
                drawn += !strip.white(32 * k + x, y);
            }
        }
        EXPECT_GT(drawn, 150) << "cell " << k;
        // White all round: nothing runs into the next cell.
        for (int i = 0; i < 32; ++i) {
            EXPECT_TRUE(strip.white(32 * k, i) && strip.white(32 * k + 31, i)) << "cell " << k;
        }
        for (const auto& other : cells) EXPECT_NE(cell, other) << "cell " << k;
        cells.push_back(std::move(cell));
    }
}

}  // namespace
}  // namespace horalune
