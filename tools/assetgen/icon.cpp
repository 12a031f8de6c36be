// The program icon: a small round clock showing ten past ten.
#include <cmath>
#include <numbers>

#include "pictures.h"
#include "ui/art/face_parts.h"

namespace horalune::assets {

namespace {

struct IconStyle {
    double rim;         // bezel width in pixels
    double hour_width;  // hand widths in pixels
    double minute_width;
    double second_width;
    double mark_width;
    double mark_gap;  // between the bezel and the marks
    int marks;        // hour marks shown: 12, or only the quarters when tiny
    bool second_hand;
};

// Each size is drawn for itself: below 24 px strokes keep a width that still reads (wider
// than their share), twelve marks and the second hand appear only where they have room, and
// from 32 px up every stroke grows with the size.
IconStyle style_for(int size) {
    if (size < 24) {
        const double k = size / 16.0;
        return {1.8 * k, 1.7 * k, 1.3 * k, 0.9, 1.1, 1.0, 4, false};
    }
    if (size < 32) return {2.6, 2.1, 1.5, 0.9, 1.1, 1.0, 12, false};
    const double k = size / 32.0;
    return {3.0 * k, 2.4 * k, 1.7 * k, 0.9 * k, 1.1 * k, 1.0 * k, 12, true};
}

// Distance from point (x, y) to the segment from the origin to (ex, ey).
double segment_distance(double x, double y, double ex, double ey) {
    const double t = clamp01((x * ex + y * ey) / (ex * ex + ey * ey));
    return std::hypot(x - t * ex, y - t * ey);
}

// Offset of a hand's tip: clock angle in degrees, length in pixels.
void tip(double degrees, double length, double& ex, double& ey) {
    const double a = degrees * std::numbers::pi / 180;
    ex = std::sin(a) * length;
    ey = -std::cos(a) * length;
}

}  // namespace

RgbaImage clock_icon(int size) {
    const IconStyle st = style_for(size);
    const double radius = size / 2.0;
    const double centre = (size - 1) / 2.0;
    const Colour ink = rgb(24, 34, 64);

    double hx, hy, mx, my, sx, sy;
    tip(305, radius * 0.5, hx, hy);   // hour hand just before ten
    tip(60, radius * 0.74, mx, my);   // minute hand at ten past
    tip(200, radius * 0.72, sx, sy);  // second hand

    return render_alpha(size, size, 8, [&](double x, double y) -> Paint {
        const Polar p = polar(x, y, centre, centre);
        if (p.r > radius - 0.25) return {{}, 0};
        if (p.r > radius - 0.25 - st.rim) {
            const double tone = ring_tone(p, radius - 0.25 - st.rim, radius - 0.25);
            return {ramp(rgb(12, 30, 96), rgb(40, 84, 180), rgb(150, 196, 250), tone), 1};
        }
        // Hands first: they lie over the marks.
        if (st.second_hand && segment_distance(p.dx, p.dy, sx, sy) <= st.second_width / 2) {
            return {rgb(214, 40, 40), 1};
        }
        if (segment_distance(p.dx, p.dy, mx, my) <= st.minute_width / 2) return {ink, 1};
        if (segment_distance(p.dx, p.dy, hx, hy) <= st.hour_width / 2) return {ink, 1};

        const MarkFrame m = nearest_mark(p, st.marks);
        const double outer = radius - st.rim - st.mark_gap;
        const bool long_mark = st.marks == 4 || m.index % 3 == 0;
        const double length = long_mark ? radius * 0.22 : radius * 0.12;
        if (m.along <= outer && m.along >= outer - length && m.across <= st.mark_width / 2)
            return {ink, 1};

        const double down = (p.dy + radius) / (2 * radius);
        return {mix(rgb(255, 255, 255), rgb(208, 222, 242), down), 1};
    });
}

}  // namespace horalune::assets
