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

}  // namespace
}  // namespace horalune
