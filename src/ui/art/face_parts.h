// Building blocks shared by the two clock face pictures.
#pragma once

#include "raster.h"
#include "window_geometry.h"

namespace horalune::assets {

// A point seen from a centre: offset, distance and clock angle (0 at twelve, clockwise, radians).
struct Polar {
    double dx = 0, dy = 0, r = 0, angle = 0;
};

Polar polar(double x, double y, double cx, double cy);
// The same without the angle (left 0), for the many points that never need it; with_angle
// completes it to what polar() gives.
Polar offset(double x, double y, double cx, double cy);
Polar with_angle(Polar p);

// -1..1: how much a surface tilted away from the centre at this point faces the light,
// which comes from the upper left as on most desktop art.
double facing_light(const Polar& p);

// The button disc whose centre is nearest, as seen from that centre (without the angle).
Polar nearest_button(double x, double y);

// Light of a rounded metal ring between radii inner and outer: 0 dark .. 1 bright.
double ring_tone(const Polar& p, double inner, double outer);

// Three-stop colour ramp over t in 0..1.
Colour ramp(const Colour& low, const Colour& mid, const Colour& high, double t);

// Distance of a point from the mark at the nearest of `count` evenly spaced clock positions,
// measured across and along the mark (along is the radius).
struct MarkFrame {
    int index = 0;
    double along = 0, across = 0;
};
MarkFrame nearest_mark(const Polar& p, int count);

}  // namespace horalune::assets
