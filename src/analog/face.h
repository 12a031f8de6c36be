// The clock face: three hands and a centre cap over the background, redrawn every second.
#pragma once

#include <array>
#include <cstdint>

#include "platform/platform.h"
#include "ui/canvas.h"

namespace horalune {

enum class Hand { hour = 0, minute = 1, second = 2 };

// The hand's step value: 3° units for the hour hand (one step per 6 minutes), 6° for the
// others; 12 o'clock is -30 (hour) or -15 (minute, second) in the morning.
int hand_step(Hand hand, int hour, int minute, int second);
// The step in radians; 0 points to 3 o'clock and positive turns clockwise on screen.
double hand_angle(Hand hand, int step);
// The centre of a box of the given size, truncated toward zero.
Point face_centre(int width, int height);
// Where a hand drawn from `centre` ends: `inset` pixels inside the box's edge.
Point hand_tip(Point centre, std::int32_t inset, double angle);

struct HandSettings {
    const std::array<std::int32_t, 3>& length;
    const std::array<std::int32_t, 3>& colour;  // 0x00BBGGRR
    const std::array<std::int32_t, 3>& width;
};

// Clears the canvas and draws the hour, minute and second hand, then the cap, reading the
// local time from the platform as each hand is drawn. The hands are drawn at the canvas's
// device size, lengths and widths scaled by its dpi, not stretched.
void redraw_face(Canvas& canvas, const HandSettings& hands, Platform& platform);

}  // namespace horalune
