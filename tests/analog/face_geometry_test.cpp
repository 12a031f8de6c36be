// Where the hands point and how far they reach, and what a redraw leaves on the canvas.
#include <gtest/gtest.h>

#include "analog/face.h"
#include "platform/headless/headless_platform.h"

namespace horalune {
namespace {

TEST(FaceGeometryTest, HandStepsTruncateTowardZero) {
    const struct {
        int hour, minute, second;
        int hour_step, minute_step, second_step;
    } cases[] = {
        {0, 0, 0, -30, -15, -15},  // all straight up
        {0, 1, 0, -29, -14, -15}, {0, 6, 0, -29, -9, -15},   {0, 7, 0, -28, -8, -15},
        {1, 1, 0, -19, -14, -15}, {2, 55, 0, 0, 40, -15},    {3, 0, 0, 0, -15, -15},
        {3, 5, 0, 0, -10, -15},   {3, 6, 0, 1, -9, -15},     {12, 0, 0, 90, -15, -15},
        {12, 59, 59, 99, 44, 44}, {13, 0, 0, -20, -15, -15}, {13, 1, 0, -19, -14, -15},
        {14, 7, 0, -8, -8, -15},  {15, 30, 0, 5, 15, -15},   {23, 59, 59, 89, 44, 44},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.hour << ":" << c.minute << ":" << c.second);
        EXPECT_EQ(hand_step(Hand::hour, c.hour, c.minute, c.second), c.hour_step);
        EXPECT_EQ(hand_step(Hand::minute, c.hour, c.minute, c.second), c.minute_step);
        EXPECT_EQ(hand_step(Hand::second, c.hour, c.minute, c.second), c.second_step);
    }
    EXPECT_NEAR(hand_angle(Hand::hour, 5), 15 * 3.14159265 / 180, 1e-8);
    EXPECT_NEAR(hand_angle(Hand::minute, 15), 3.14159265 / 2, 1e-8);  // straight down
}

TEST(FaceGeometryTest, ReachFromTheEdgeInward) {
    const Point c = face_centre(164, 164);
    EXPECT_EQ(c, (Point{82, 82}));
    const double up = hand_angle(Hand::minute, -15);
    const struct {
        int inset;
        Point tip;
    } cases[] = {{63, {82, 63}}, {57, {82, 57}},  {33, {82, 33}}, {0, {82, 0}},
                 {82, {82, 82}}, {100, {81, 100}}};  // beyond half the box: the other way (cos is a
                                                     // hair above 0)
    for (const auto& k : cases) EXPECT_EQ(hand_tip(c, k.inset, up), k.tip) << k.inset;
    // Reach 19, 49 and 82 pixels to the right at 3 o'clock.
    const double right = hand_angle(Hand::hour, 0);
    EXPECT_EQ(hand_tip(c, 63, right), (Point{101, 82}));
    EXPECT_EQ(hand_tip(c, 33, right), (Point{131, 82}));
    EXPECT_EQ(hand_tip(c, 0, right), (Point{164, 82}));
}

TEST(FaceGeometryTest, NonSquareBoxRunsTipsOnAnEllipse) {
    const Point c = face_centre(201, 101);  // truncated: 100, 50
    EXPECT_EQ(c, (Point{100, 50}));
    EXPECT_EQ(hand_tip(c, 10, hand_angle(Hand::minute, 0)), (Point{190, 50}));
    EXPECT_EQ(hand_tip(c, 10, hand_angle(Hand::minute, 15)), (Point{100, 90}));
}

TEST(FaceRedrawTest, HandsInOrderWithTheCapInTheSecondHandsColour) {
    HeadlessPlatform platform;
    platform.set_now({2026, 12, 8, 3, 0, 30, 0, 2});  // hour right, minute up, second down
    Canvas canvas(164, 164);
    canvas.set_background_colour(0xFFFFFFFFu);
    const std::array<std::int32_t, 3> length{33, 20, 10};
    const std::array<std::int32_t, 3> colour{0x0000FF, 0x00FF00,
                                             0xFF0000};  // BGR: red, green, blue
    const std::array<std::int32_t, 3> width{3, 2, 1};
    redraw_face(canvas, {length, colour, width}, platform);
    const Image& img = canvas.image();
    EXPECT_EQ(img.at(120, 82), 0xFFFF0000u);  // hour hand, red, to the right
    EXPECT_EQ(img.at(131, 82), 0xFFFF0000u);  // its tip
    EXPECT_EQ(img.at(140, 82), 0xFFFFFFFFu);  // nothing past it
    EXPECT_EQ(img.at(82, 30), 0xFF00FF00u);   // minute hand, green, up
    EXPECT_EQ(img.at(82, 130), 0xFF0000FFu);  // second hand, blue, down
    EXPECT_EQ(img.at(82, 82), 0xFF0000FFu);   // the cap in the second hand's colour
    EXPECT_EQ(img.at(40, 40), 0xFFFFFFFFu);
}

TEST(FaceRedrawTest, ZeroWidthStillDrawsAHairline) {
    HeadlessPlatform platform;
    platform.set_now({2026, 12, 8, 9, 0, 0, 0, 2});
    Canvas canvas(164, 164);
    const std::array<std::int32_t, 3> zero{};
    redraw_face(canvas, {zero, zero, zero}, platform);
    EXPECT_EQ(canvas.image().at(20, 82), 0xFF000000u);  // the hour hand at 9 o'clock, black
}

// At any scale the face is drawn at the device's size: hands as long and as wide as the scale
// makes them, with soft edges, never the 100 % picture with its pixels repeated.
TEST(FaceRedrawTest, DrawnAtTheDevicesResolutionForEachScale) {
    HeadlessPlatform platform;
    platform.set_now({2026, 12, 8, 3, 0, 30, 0, 2});  // hour right, minute up, second down
    const std::array<std::int32_t, 3> length{33, 20, 10}, colour{0, 0, 0}, width{3, 4, 1};
    const auto draw = [&](int dpi) {
        Canvas canvas(164, 164);
        canvas.set_dpi(dpi);
        redraw_face(canvas, {length, colour, width}, platform);
        return canvas.image();
    };
    // How much of a row of pixels the (black on white) hand covers.
    const auto covered = [](const Image& img, int y) {
        double sum = 0;
        for (int x = 0; x < img.width; ++x) sum += (255 - (img.at(x, y) & 0xFF)) / 255.0;
        return sum;
    };
    for (const int dpi : {96, 120, 144, 168, 192, 240, 288}) {
        SCOPED_TRACE(dpi);
        const Image img = draw(dpi);
        const double scale = dpi / 96.0;
        const int centre = img.width / 2;
        // The minute hand, up, half-way along: its width times the scale.
        EXPECT_NEAR(covered(img, centre - static_cast<int>(30 * scale)), 4 * scale, 0.75);
        // The hour hand ends `length` (scaled) inside the edge at 3 o'clock.
        const int tip = 2 * centre - (33 * dpi + 48) / 96;
        EXPECT_EQ(img.at(tip - 1, centre) & 0xFF, 0u);
        EXPECT_EQ(img.at(tip + static_cast<int>(3 * scale) + 1, centre), 0xFFFFFFFFu);
    }
    // Not the 100 % face with each pixel repeated: the diagonal second hand's soft edge is
    // drawn afresh at the larger size.
    platform.set_now({2026, 12, 8, 3, 0, 37, 0, 2});
    const Image small = draw(96), large = draw(192);
    int differ = 0;
    for (int y = 0; y < large.height; ++y) {
        for (int x = 0; x < large.width; ++x) differ += large.at(x, y) != small.at(x / 2, y / 2);
    }
    EXPECT_GT(differ, 100);
}

// Each second restores only the part of the picture the last hands covered: over many seconds
// the canvas must stay exactly what a fresh redraw gives, and every pixel that changed must lie
// in the part it reports as changed (a window repaints only that part).
TEST(FaceRedrawTest, SecondAfterSecondEqualsAFreshRedraw) {
    HeadlessPlatform platform;
    Image background(164, 164);
    for (std::size_t i = 0; i < background.pixels.size(); ++i) {
        background.pixels[i] = 0xFF000000u | static_cast<std::uint32_t>(i * 2654435761u >> 8);
    }
    const std::array<std::int32_t, 3> length{45, 33, 20}, colour{0x0000FF, 0x00FF00, 0xFF0000};
    const std::array<std::int32_t, 3> width{5, 3, 1};
    Canvas running(164, 164);
    running.set_background_picture(background);
    running.take_changed();
    const struct {
        int hour, minute, second;
    } times[] = {{3, 0, 30}, {3, 0, 31}, {3, 0, 45}, {9, 47, 2},
                 {9, 47, 3}, {0, 0, 0},  {6, 30, 59}};
    for (const auto& t : times) {
        SCOPED_TRACE(testing::Message() << t.hour << ":" << t.minute << ":" << t.second);
        const Image before = running.image();
        platform.set_now({2026, 12, 8, t.hour, t.minute, t.second, 0, 2});
        redraw_face(running, {length, colour, width}, platform);
        Canvas fresh(164, 164);
        fresh.set_background_picture(background);
        redraw_face(fresh, {length, colour, width}, platform);
        ASSERT_EQ(running.image().pixels, fresh.image().pixels);
        const Rect changed = running.take_changed();
        int outside = 0;
        for (int y = 0; y < 164; ++y) {
            for (int x = 0; x < 164; ++x) {
                const bool in = x >= changed.left && x < changed.left + changed.width &&
                                y >= changed.top && y < changed.top + changed.height;
                if (!in && before.at(x, y) != running.image().at(x, y)) ++outside;
            }
        }
        EXPECT_EQ(outside, 0);
        // Within a minute only the second hand moves: far less than the whole picture.
        if (&t != &times[0] && t.minute == (&t)[-1].minute && t.hour == (&t)[-1].hour) {
            EXPECT_LT(changed.width * changed.height, 164 * 164 / 2);
        }
    }
}

}  // namespace
}  // namespace horalune
