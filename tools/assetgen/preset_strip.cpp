#include "preset_strip.h"

#include <algorithm>

#include "ui/art/pictograms.h"

namespace horalune::assets {

RgbImage preset_strip() {
    // In the page's preset order: CD tray, dial-up, explorer, card game, console, sound
    // recorder, calculator, notepad, paint, mine game.
    Paint (*const cells[kPresetCount])(double, double) = {
        disc_pictogram,    globe_pictogram,      folder_pictogram,     cards_pictogram,
        console_pictogram, microphone_pictogram, calculator_pictogram, notepad_pictogram,
        palette_pictogram, mine_pictogram};
    const int size = kPictogramSize;
    RgbImage strip{size * kPresetCount, size,
                   std::vector<std::uint8_t>(std::size_t(size) * kPresetCount * size * 3)};
    for (int k = 0; k < kPresetCount; ++k) {
        const RgbImage cell = pictogram(cells[k]);
        for (int y = 0; y < size; ++y) {
            const auto* from = &cell.rgb[std::size_t(y) * size * 3];
            std::copy(from, from + size * 3,
                      &strip.rgb[(std::size_t(y) * strip.width + std::size_t(k) * size) * 3]);
        }
    }
    return strip;
}

}  // namespace horalune::assets
