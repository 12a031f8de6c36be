// Pictures brought to another size: averaged when shrinking, blended when enlarging.
#include "ui/resample.h"

#include <gtest/gtest.h>

namespace horalune {
namespace {

TEST(ResampleTest, PlainColourStaysPlainAtAnySize) {
    Image plain(7, 5, 0xFF3366CCu);
    for (const auto& [w, h] : {std::pair{7, 5}, {14, 10}, {9, 6}, {3, 2}, {1, 1}, {25, 17}}) {
        const Image out = resample(plain, w, h);
        ASSERT_EQ(out.width, w);
        ASSERT_EQ(out.height, h);
        for (const auto p : out.pixels) ASSERT_EQ(p, 0xFF3366CCu) << w << "x" << h;
    }
}

TEST(ResampleTest, ShrinkingAveragesWhatEachPixelCovers) {
    Image p(4, 2);
    const std::uint32_t greys[8] = {0, 40, 200, 100, 80, 120, 0, 20};
    for (int i = 0; i < 8; ++i) p.pixels[i] = 0xFF000000u | greys[i] * 0x010101u;
    const Image half = resample(p, 2, 1);
    EXPECT_EQ(half.at(0, 0), 0xFF000000u | 60 * 0x010101u);  // (0 + 40 + 80 + 120) / 4
    EXPECT_EQ(half.at(1, 0), 0xFF000000u | 80 * 0x010101u);  // (200 + 100 + 0 + 20) / 4
    // Three source pixels onto two: the middle one is shared half and half.
    Image row(3, 1);
    row.pixels = {0xFF000000u, 0xFF000000u | 90 * 0x010101u, 0xFF000000u | 180 * 0x010101u};
    const Image two = resample(row, 2, 1);
    EXPECT_EQ(two.at(0, 0), 0xFF000000u | 30 * 0x010101u);   // (0 * 1 + 90 * 0.5) / 1.5
    EXPECT_EQ(two.at(1, 0), 0xFF000000u | 150 * 0x010101u);  // (90 * 0.5 + 180) / 1.5
}

TEST(ResampleTest, EnlargingBlendsInsteadOfRepeatingPixels) {
    Image p(2, 1);
    p.pixels = {0xFF000000u, 0xFFFFFFFFu};
    const Image wide = resample(p, 4, 1);
    const std::uint32_t expected[4] = {0, 64, 191, 255};  // a repeat would give 0, 0, 255, 255
    for (int x = 0; x < 4; ++x) EXPECT_EQ(wide.at(x, 0), 0xFF000000u | expected[x] * 0x010101u);
    // Down as across: a column of two becomes the same ramp.
    Image column(1, 2);
    column.pixels = p.pixels;
    const Image tall = resample(column, 1, 4);
    for (int y = 0; y < 4; ++y) EXPECT_EQ(tall.at(0, y), wide.at(y, 0));
}

TEST(ResampleTest, SeeThroughPixelsLendNoColour) {
    Image p(2, 1);
    p.pixels = {0xFFFF0000u, 0x00000000u};  // opaque red beside transparent black
    EXPECT_EQ(resample(p, 1, 1).at(0, 0), 0x80FF0000u);
    EXPECT_EQ(resample(p, 4, 1).at(1, 0), 0xBFFF0000u);
    EXPECT_TRUE(resample(Image(), 4, 4).empty());
    EXPECT_TRUE(resample(p, 0, 3).empty());
}

}  // namespace
}  // namespace horalune
