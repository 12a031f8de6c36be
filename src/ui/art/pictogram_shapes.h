// Shapes for the 32 x 32 button pictograms, as signed distances (negative inside, in pixels),
// and the step that keys a drawn pictogram onto the white the buttons treat as transparent.
#pragma once

#include <optional>

#include "raster.h"

namespace horalune::assets {

constexpr int kPictogramSize = 32;
// Only the disc inscribed in a button shows (the window is cut round it).
constexpr double kPictogramCentre = (kPictogramSize - 1) / 2.0;

// Edges in pixel coordinates: a box over pixels 8..23 runs from 7.5 to 23.5.
struct Box {
    double left, top, right, bottom;
};

double box_distance(double x, double y, const Box& box, double corner_radius = 0);
double disc_distance(double x, double y, double cx, double cy, double radius);
double ellipse_distance(double x, double y, double cx, double cy, double rx, double ry);
// A stroke of the given half width along the segment from (x0, y0) to (x1, y1).
double stroke_distance(double x, double y, double x0, double y0, double x1, double y1,
                       double half_width);

// Inside a shape: its fill, or the ink within `line` of its edge. Nothing outside.
std::optional<Colour> outlined(double distance, const Colour& fill, const Colour& ink,
                               double line = 1.0);

constexpr Paint kClear{{}, 0};
inline Paint opaque(const Colour& c) {
    return {c, 1};
}

// Covered pixels keep their colour (pure white nudged to 254); the rest become pure white.
// A hard edge, because a soft one would leave a pale fringe on any face it is shown over.
RgbImage keyed_on_white(const RgbaImage& picture);

// Never pure white: that colour reads as transparent on a button.
void avoid_white(RgbImage& picture);

}  // namespace horalune::assets
