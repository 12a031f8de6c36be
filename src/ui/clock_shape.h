// The analog clock window's shape in logical pixels: a round face with twelve round buttons on
// its rim. Shared by the mask, the face pictures (which must line up with it) and the tests.
#pragma once

#include <array>

namespace horalune::clock_shape {

constexpr int kWindowSize = 164;

constexpr double kFaceCentre = 81.5;
constexpr double kFaceRadius = 50.5;

constexpr int kButtonSize = 32;
constexpr double kButtonRadius = 16.0;

struct ButtonPlace {
    int left;
    int top;
};

// Buttons 1..12, clockwise from one o'clock.
constexpr std::array<ButtonPlace, 12> kButtonPlaces{{{100, 8},
                                                     {124, 32},
                                                     {132, 65},
                                                     {124, 99},
                                                     {99, 124},
                                                     {65, 132},
                                                     {31, 123},
                                                     {7, 98},
                                                     {0, 65},
                                                     {8, 33},
                                                     {31, 9},
                                                     {65, 0}}};

// Centre of the disc inscribed in a button square, in pixel coordinates.
constexpr double button_centre_x(const ButtonPlace& b) {
    return b.left + (kButtonSize - 1) / 2.0;
}
constexpr double button_centre_y(const ButtonPlace& b) {
    return b.top + (kButtonSize - 1) / 2.0;
}

constexpr bool within(double x, double y, double cx, double cy, double r) {
    // Squared distances keep the edge test exact for these half-pixel radii.
    return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r;
}

// Whether pixel (x, y) belongs to the window. Also valid for sub-pixel points.
constexpr bool inside_window(double x, double y) {
    if (within(x, y, kFaceCentre, kFaceCentre, kFaceRadius)) return true;
    for (const ButtonPlace& b : kButtonPlaces) {
        if (within(x, y, button_centre_x(b), button_centre_y(b), kButtonRadius)) return true;
    }
    return false;
}

}  // namespace horalune::clock_shape
