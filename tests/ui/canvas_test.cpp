// The face canvas's background picture in its three modes, and picture decoding's refusals.
#include "ui/canvas.h"

#include <gtest/gtest.h>

#include "ui/picture.h"

namespace horalune {
namespace {

constexpr std::uint32_t kBack = 0xFF102030u;

// A 3 x 2 picture whose pixels are all different.
Image small_picture() {
    Image p(3, 2);
    for (int i = 0; i < 6; ++i) p.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i + 1);
    return p;
}

Canvas canvas_with(int mode, int w = 8, int h = 5) {
    Canvas c(w, h);
    c.set_background_colour(kBack);
    c.set_background_picture(small_picture());
    c.set_picture_mode(mode);
    c.clear();
    return c;
}

TEST(CanvasTest, TopLeftModeAndUnknownModes) {
    for (int mode : {0, 3, 255, -1}) {
        const Canvas c = canvas_with(mode);
        EXPECT_EQ(c.image().at(0, 0), 0xFF000001u) << mode;
        EXPECT_EQ(c.image().at(2, 1), 0xFF000006u) << mode;
        EXPECT_EQ(c.image().at(3, 0), kBack) << mode;
        EXPECT_EQ(c.image().at(0, 2), kBack) << mode;
    }
}

TEST(CanvasTest, TiledModeRepeatsFromTheOrigin) {
    const Canvas c = canvas_with(1);
    for (int y = 0; y < 5; ++y) {
        for (int x = 0; x < 8; ++x) {
            EXPECT_EQ(c.image().at(x, y), small_picture().at(x % 3, y % 2)) << x << "," << y;
        }
    }
}

TEST(CanvasTest, CentredModePutsTheOddPixelRightAndBelow) {
    const Canvas c = canvas_with(2);  // left (8-3)/2 = 2, top (5-2)/2 = 1
    EXPECT_EQ(c.image().at(2, 1), 0xFF000001u);
    EXPECT_EQ(c.image().at(4, 2), 0xFF000006u);
    EXPECT_EQ(c.image().at(1, 1), kBack);
    EXPECT_EQ(c.image().at(5, 1), kBack);
    // A picture larger than the box shows its middle.
    Canvas big(1, 1);
    big.set_background_picture(small_picture());
    big.set_picture_mode(2);
    big.clear();
    EXPECT_EQ(big.image().at(0, 0), 0xFF000002u);
}

TEST(CanvasTest, ClearWithoutPictureIsTheBackgroundColour) {
    Canvas c(4, 4);
    c.set_background_colour(kBack);
    c.clear();
    for (const auto p : c.image().pixels) EXPECT_EQ(p, kBack);
}

// A figure's coverage is worked out once per shape and kept: drawn again in another colour,
// over other pixels, with another pen, as the other kind of figure, or after more shapes than
// are kept, it must look exactly as on a canvas that never drew before.
TEST(CanvasTest, KeptShapesDrawAsOnAFreshCanvas) {
    Image noise(48, 40);
    for (std::size_t i = 0; i < noise.pixels.size(); ++i) {
        noise.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
    }
    struct Figure {
        bool ellipse;
        int x1, y1, x2, y2;
        double pen;
        std::uint32_t pen_colour, fill_colour;
    };
    const auto draw = [](Canvas& c, const Figure& f) {
        c.set_pen_width(f.pen);
        c.set_pen_colour(f.pen_colour);
        c.set_fill_colour(f.fill_colour);
        if (f.ellipse) {
            c.ellipse(f.x1, f.y1, f.x2, f.y2);
        } else {
            c.line(f.x1, f.y1, f.x2, f.y2);
        }
    };
    const auto fresh = [&](const Figure& f) {
        Canvas c(noise.width, noise.height);
        c.set_background_picture(noise);
        c.clear();
        draw(c, f);
        return c.image().pixels;
    };
    const Figure figures[] = {{false, 24, 3, 40, 20, 1, 0xFF0000FFu, 0},
                              {false, 24, 3, 40, 20, 1, 0xFFFF8000u, 0},
                              {false, 24, 3, 40, 20, 3.5, 0xFFFF8000u, 0},
                              {true, 24, 3, 40, 20, 3.5, 0xFF00FF00u, 0xFF800080u},
                              {true, 24, 3, 40, 20, 3.5, 0xFF800080u, 0xFF00FF00u},
                              {true, 24, 3, 40, 20, 1, 0xFF800080u, 0xFF00FF00u},
                              {false, -5, 30, 60, 35, 2, 0xFF000000u, 0}};
    Canvas kept(noise.width, noise.height);
    kept.set_background_picture(noise);
    for (int round = 0; round < 3; ++round) {
        for (std::size_t i = 0; i < std::size(figures); ++i) {
            SCOPED_TRACE(testing::Message() << "round " << round << ", figure " << i);
            kept.clear();
            draw(kept, figures[i]);
            ASSERT_EQ(kept.image().pixels, fresh(figures[i]));
        }
        // Many other shapes in between: more than are kept.
        for (int n = 0; n < 200; ++n) kept.line(n % 48, 0, 47 - n % 48, 39 - n / 48);
    }
}

TEST(PictureTest, BrokenOrEmptyDataGivesNoPicture) {
    EXPECT_FALSE(decode_picture(std::string()).has_value());
    EXPECT_FALSE(decode_picture(std::string("GIF89a")).has_value());
    EXPECT_FALSE(decode_picture(std::string("\xFF\xD8\xFF\xE0 broken jpeg", 17)).has_value());
    // A BMP header claiming a gigantic picture is refused before any allocation.
    std::string bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[10] = 54;
    bmp[14] = 40;
    bmp[18] = bmp[19] = bmp[20] = 0x7F;  // width 0x7F7F7F
    bmp[22] = 1;
    bmp[26] = 1;
    bmp[28] = 24;
    EXPECT_FALSE(decode_picture(bmp).has_value());
}

TEST(PictureTest, DecodesAnUncompressedBmp) {
    // 2 x 1, 24-bit, bottom-up; row padded to 8 bytes.
    std::string bmp(54, '\0');
    bmp[0] = 'B';
    bmp[1] = 'M';
    bmp[10] = 54;
    bmp[14] = 40;
    bmp[18] = 2;
    bmp[22] = 1;
    bmp[26] = 1;
    bmp[28] = 24;
    bmp += std::string("\x00\x00\xFF\xFF\x00\x00\x00\x00", 8);  // red, blue (BGR)
    const auto p = decode_picture(bmp);
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->width, 2);
    EXPECT_EQ(p->at(0, 0), 0xFFFF0000u);
    EXPECT_EQ(p->at(1, 0), 0xFF0000FFu);
}

}  // namespace
}  // namespace horalune
