// The mask and the heart drawn from code at each scale: the shipped pictures at 100 %, and at
// larger scales drawn afresh (sharp edges), not the 100 % pictures with their pixels repeated.
#include "ui/clock_art.h"

#include <gtest/gtest.h>

#include "ui/builtin_assets.h"
#include "ui/clock_shape.h"
#include "ui/picture.h"

namespace horalune {
namespace {

bool white(std::uint32_t p) {
    return (p & 0xFFFFFFu) == 0xFFFFFFu;
}

// Pixels of `large` that differ from `small` blown up by `factor` with each pixel repeated.
int differ_from_repeats(const Image& small, const Image& large, int factor) {
    int differ = 0;
    for (int y = 0; y < large.height; ++y) {
        for (int x = 0; x < large.width; ++x)
            differ += large.at(x, y) != small.at(x / factor, y / factor);
    }
    return differ;
}

TEST(ClockArtTest, AtOneHundredPercentTheShippedPictures) {
    EXPECT_EQ(draw_window_mask(96).pixels, decode_picture(builtin::window_mask_bmp())->pixels);
    EXPECT_EQ(draw_heart(96).pixels, decode_picture(builtin::heart_bmp())->pixels);
}

TEST(ClockArtTest, MaskAtEachScaleCutsTheSameShape) {
    for (const int dpi : {96, 120, 144, 168, 192, 240, 288}) {
        SCOPED_TRACE(dpi);
        const Image mask = draw_window_mask(dpi);
        const int side = (164 * dpi + 48) / 96;
        ASSERT_EQ(mask.width, side);
        ASSERT_EQ(mask.height, side);
        const double scale = dpi / 96.0;
        int wrong = 0, inside = 0;
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const bool in =
                    clock_shape::inside_window((x + 0.5) / scale - 0.5, (y + 0.5) / scale - 0.5);
                wrong += in == white(mask.at(x, y));
                inside += in;
            }
        }
        EXPECT_EQ(wrong, 0);
        // The window's area grows with the square of the scale (17 744 pixels at 100 %).
        EXPECT_NEAR(inside / (scale * scale), 17744, 200);
    }
}

TEST(ClockArtTest, LargerScalesAreDrawnNotRepeated) {
    for (const int factor : {2, 3}) {
        SCOPED_TRACE(factor);
        const Image heart = draw_heart(96 * factor);
        ASSERT_EQ(heart.width, 40 * factor);
        EXPECT_GT(differ_from_repeats(draw_heart(96), heart, factor), 40 * factor);
        const Image mask = draw_window_mask(96 * factor);
        EXPECT_GT(differ_from_repeats(draw_window_mask(96), mask, factor), 164 * factor);
        // The heart keeps its place in the middle of its square.
        EXPECT_FALSE(white(heart.at(20 * factor, 21 * factor)));
        EXPECT_TRUE(white(heart.at(2 * factor, 2 * factor)));
    }
}

}  // namespace
}  // namespace horalune
