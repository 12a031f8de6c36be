// The shipped function buttons' icons: 32 x 32 pictograms drawn from code, each kept
// inside the round button so nothing is cut off by the window's shape.
#pragma once

#include "pictogram_shapes.h"
#include "raster.h"

namespace horalune::assets {

Paint notepad_pictogram(double x, double y);     // ruled page on a spiral binding
Paint calculator_pictogram(double x, double y);  // display over a key pad
Paint palette_pictogram(double x, double y);     // paint palette and brush
Paint folder_pictogram(double x, double y);      // yellow folder with papers
Paint console_pictogram(double x, double y);     // black window with ">_"
Paint glyph_pictogram(double x, double y);       // the letter "A" on stacked tiles

Paint gear_pictogram(double x, double y);       // control panel
Paint monitor_pictogram(double x, double y);    // performance graph on a screen
Paint magnifier_pictogram(double x, double y);  // lens with a handle
Paint disc_pictogram(double x, double y);       // optical disc
Paint globe_pictogram(double x, double y);      // the earth with a grid
Paint calendar_pictogram(double x, double y);   // calendar page with a clock

Paint cards_pictogram(double x, double y);       // two playing cards, a heart on the front
Paint microphone_pictogram(double x, double y);  // microphone on a stand
Paint mine_pictogram(double x, double y);        // spiked black ball

using Pictogram = Paint (*)(double x, double y);

// Rendered at the dpi (scaled(32, dpi) a side) and keyed on white, ready to encode or show.
RgbImage pictogram(const AlphaShader& shade, int dpi = 96);

// The hover icon of shipped button n (1..12; button n sits at n o'clock).
Pictogram button_pictogram(int button);

}  // namespace horalune::assets
