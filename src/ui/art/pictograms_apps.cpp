// Pictograms of the programs: notepad, calculator, paint, explorer, console, character map.
#include <algorithm>
#include <cmath>

#include "pictograms.h"

namespace horalune::assets {

namespace {

const Colour kInk = rgb(34, 40, 56);

}  // namespace

Paint notepad_pictogram(double x, double y) {
    for (const double ring : {11.0, 14.0, 17.0, 20.0}) {
        if (auto c = outlined(stroke_distance(x, y, ring, 3.6, ring, 7.4, 1.0), rgb(196, 200, 210),
                              kInk, 0.6)) {
            return opaque(*c);
        }
    }
    const double page = box_distance(x, y, {7.5, 5.0, 23.5, 27.5}, 1.2);
    if (page > 0) return kClear;
    if (page > -1) return opaque(kInk);
    if (y < 9.5) return opaque(rgb(66, 118, 200));  // the cover's top strip
    for (const double line : {13.0, 16.0, 19.0, 22.0, 25.0}) {
        const double end = line == 25.0 ? 17.0 : 21.0;
        if (std::abs(y - line) <= 0.5 && x >= 10.0 && x <= end) return opaque(rgb(110, 150, 214));
    }
    return opaque(mix(rgb(252, 250, 240), rgb(236, 232, 214), (y - 9) / 18));
}

Paint calculator_pictogram(double x, double y) {
    const double body = box_distance(x, y, {7.5, 3.5, 24.5, 28.5}, 2.0);
    if (body > 0) return kClear;
    if (body > -1) return opaque(kInk);

    const double display = box_distance(x, y, {9.8, 5.8, 22.2, 11.4}, 0.8);
    if (display <= 0) {
        if (display > -0.7) return opaque(rgb(24, 28, 36));
        // Three digit blocks, read as a number at this size.
        for (const double left : {13.6, 16.4, 19.2}) {
            if (box_distance(x, y, {left, 7.2, left + 1.8, 10.0}) <= 0) {
                return opaque(rgb(40, 56, 40));
            }
        }
        return opaque(rgb(196, 226, 184));
    }

    const double columns[] = {9.8, 14.3, 18.8};
    const double rows[] = {13.4, 17.1, 20.8, 24.5};
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const Box key{columns[col], rows[row], columns[col] + 3.4, rows[row] + 2.8};
            if (box_distance(x, y, key, 0.6) > 0) continue;
            if (row == 3 && col == 2) return opaque(rgb(240, 140, 40));  // "="
            if (col == 2) return opaque(rgb(170, 190, 220));             // operators
            return opaque(mix(rgb(236, 238, 244), rgb(196, 200, 212), (y - key.top) / 2.8));
        }
    }
    return opaque(mix(rgb(92, 100, 118), rgb(54, 60, 74), (y - 3.5) / 25));
}

Paint palette_pictogram(double x, double y) {
    // The brush lies across the palette: handle, metal ferrule, then a tip loaded with red.
    if (auto c = outlined(stroke_distance(x, y, 25.4, 5.8, 20.0, 12.6, 1.5), rgb(176, 104, 44),
                          kInk, 0.7)) {
        return opaque(*c);
    }
    if (auto c = outlined(stroke_distance(x, y, 20.0, 12.6, 18.2, 14.8, 1.6), rgb(200, 204, 214),
                          kInk, 0.7)) {
        return opaque(*c);
    }
    if (auto c = outlined(stroke_distance(x, y, 18.2, 14.8, 15.6, 18.0, 1.2), rgb(214, 36, 36),
                          kInk, 0.7)) {
        return opaque(*c);
    }

    const double hole = disc_distance(x, y, 21.0, 22.5, 2.4);
    const double board = std::max(ellipse_distance(x, y, 15.5, 17.5, 13.0, 10.5), -hole);
    if (board > 0) return kClear;
    if (board > -1) return opaque(rgb(110, 72, 30));

    const struct {
        double cx, cy;
        Colour colour;
    } blobs[] = {{8.8, 17.0, rgb(226, 48, 48)},
                 {11.4, 11.6, rgb(250, 210, 40)},
                 {16.8, 9.6, rgb(60, 170, 70)},
                 {9.8, 22.6, rgb(50, 110, 220)},
                 {15.0, 24.6, rgb(150, 70, 190)}};
    for (const auto& b : blobs) {
        if (auto c = outlined(disc_distance(x, y, b.cx, b.cy, 2.3), b.colour, scale(b.colour, 0.6),
                              0.6)) {
            return opaque(*c);
        }
    }
    return opaque(mix(rgb(246, 222, 176), rgb(214, 176, 120), (y - 7) / 21));
}

Paint folder_pictogram(double x, double y) {
    const Colour edge = rgb(146, 96, 16);
    const double front = box_distance(x, y, {5.0, 12.5, 26.5, 25.0}, 1.4);
    if (auto c =
            outlined(front, mix(rgb(255, 218, 100), rgb(240, 180, 50), (y - 12.5) / 12.5), edge)) {
        return opaque(*c);
    }
    if (auto c = outlined(box_distance(x, y, {8.0, 9.5, 24.0, 14.0}, 0.5), rgb(250, 250, 246),
                          rgb(150, 150, 150), 0.8)) {
        return opaque(*c);
    }
    const double back = std::min(box_distance(x, y, {5.0, 7.0, 13.5, 11.0}, 1.2),
                                 box_distance(x, y, {5.0, 9.0, 26.5, 25.0}, 1.4));
    if (auto c = outlined(back, rgb(222, 160, 36), edge)) return opaque(*c);
    return kClear;
}

Paint console_pictogram(double x, double y) {
    const Colour text = rgb(224, 228, 224);
    if (stroke_distance(x, y, 9.0, 13.5, 12.8, 16.5, 1.0) <= 0 ||
        stroke_distance(x, y, 12.8, 16.5, 9.0, 19.5, 1.0) <= 0 ||
        box_distance(x, y, {14.5, 19.0, 21.0, 21.0}) <= 0) {
        return opaque(text);
    }
    const double window = box_distance(x, y, {5.0, 7.0, 26.5, 24.5}, 1.5);
    if (window > 0) return kClear;
    if (window > -1) return opaque(kInk);
    if (y < 10.5) return opaque(mix(rgb(80, 140, 230), rgb(40, 90, 190), (y - 7) / 3.5));
    return opaque(rgb(14, 14, 20));
}

Paint glyph_pictogram(double x, double y) {
    const Colour letter = rgb(28, 48, 132);
    const bool in_letter = stroke_distance(x, y, 9.8, 19.8, 14.0, 7.2, 1.5) <= 0 ||
                           stroke_distance(x, y, 14.0, 7.2, 18.2, 19.8, 1.5) <= 0 ||
                           stroke_distance(x, y, 11.4, 15.4, 16.6, 15.4, 0.9) <= 0 ||
                           stroke_distance(x, y, 8.2, 20.0, 11.6, 20.0, 0.6) <= 0 ||
                           stroke_distance(x, y, 16.4, 20.0, 19.8, 20.0, 0.6) <= 0;
    const double front = box_distance(x, y, {5.0, 5.0, 23.0, 23.0}, 2.0);
    if (front <= 0) {
        if (front > -1) return opaque(kInk);
        if (in_letter) return opaque(letter);
        return opaque(mix(rgb(252, 250, 242), rgb(226, 222, 206), (x + y - 10) / 26));
    }
    // A second tile behind: one character among many.
    if (auto c =
            outlined(box_distance(x, y, {9.0, 9.0, 26.0, 26.0}, 2.0), rgb(190, 200, 222), kInk)) {
        return opaque(*c);
    }
    return kClear;
}

}  // namespace horalune::assets
