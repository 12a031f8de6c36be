#include "analog/face.h"

#include <cmath>

#include "platform/dpi.h"

namespace horalune {

namespace {

constexpr double kThreePi = 9.4247779605;  // 3° steps: 3π / 180 per unit
constexpr double kSixPi = 18.849555921;    // 6° steps

int truncate(double v) {
    return static_cast<int>(std::trunc(v));
}

}  // namespace

int hand_step(Hand hand, int hour, int minute, int second) {
    switch (hand) {
        case Hand::hour: {
            const int h = hour > 12 ? hour - 12 : hour;
            return truncate(h * 10.0 + minute / 6.0 - 30.0);
        }
        case Hand::minute:
            return minute - 15;
        case Hand::second:
            return second - 15;
    }
    return 0;
}

double hand_angle(Hand hand, int step) {
    return step * (hand == Hand::hour ? kThreePi : kSixPi) / 180;
}

Point face_centre(int width, int height) {
    return {truncate(width / 2.0), truncate(height / 2.0)};
}

Point hand_tip(Point centre, std::int32_t inset, double angle) {
    const double reach_x = static_cast<double>(centre.x) - inset;
    const double reach_y = static_cast<double>(centre.y) - inset;
    return {truncate(centre.x + std::cos(angle) * reach_x),
            truncate(centre.y + std::sin(angle) * reach_y)};
}

void redraw_face(Canvas& canvas, const HandSettings& hands, Platform& platform) {
    const int dpi = canvas.dpi();
    const double scale = dpi / 96.0;
    const Point c = face_centre(canvas.width(), canvas.height());
    const auto pen_width = [&](std::size_t i) {
        // A width below 1 still draws a hairline, one device pixel wide at any scale.
        return hands.width[i] < 1 ? 1.0 : hands.width[i] * scale;
    };
    const auto draw = [&](Hand hand, int step) {
        const auto i = static_cast<std::size_t>(hand);
        const Point tip = hand_tip(c, scaled(hands.length[i], dpi), hand_angle(hand, step));
        canvas.set_pen_colour(argb_from_colorref(hands.colour[i]));
        canvas.set_pen_width(pen_width(i));
        canvas.line(c.x, c.y, tip.x, tip.y);
    };
    const auto step_now = [&platform](Hand hand) {
        const DateTime now = platform.now();
        return hand_step(hand, now.hour, now.minute, now.second);
    };
    // The hour and minute hands move once a minute at most: they are kept as a layer under the
    // second hand, and drawn again only when they move or look different.
    const int hour = step_now(Hand::hour), minute = step_now(Hand::minute);
    const Canvas::LayerKey key{dpi,
                               hour,
                               minute,
                               hands.length[0],
                               hands.colour[0],
                               hands.width[0],
                               hands.length[1],
                               hands.colour[1],
                               hands.width[1]};
    if (!canvas.restore_layer(key)) {
        canvas.clear();
        draw(Hand::hour, hour);
        draw(Hand::minute, minute);
        canvas.keep_layer(key);
    }
    draw(Hand::second, step_now(Hand::second));
    canvas.set_fill_colour(argb_from_colorref(hands.colour[2]));
    canvas.set_pen_width(pen_width(2));
    const int cap = scaled(5, dpi);
    canvas.ellipse(c.x - cap, c.y - cap, c.x + cap, c.y + cap);
}
}  // namespace horalune
