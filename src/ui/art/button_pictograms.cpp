#include <array>

#include "pictograms.h"
#include "ui/scale.h"

namespace horalune::assets {

namespace {

constexpr int kPictogramSamples = 8;  // a side, at 96 dpi

// Button n at n o'clock; the clock's own tool sits at twelve.
constexpr std::array<Pictogram, 12> kButtonPictograms{
    notepad_pictogram,   calculator_pictogram, palette_pictogram, folder_pictogram,
    gear_pictogram,      console_pictogram,    monitor_pictogram, glyph_pictogram,
    magnifier_pictogram, disc_pictogram,       globe_pictogram,   calendar_pictogram};

}  // namespace

RgbImage pictogram(const AlphaShader& shade, int dpi) {
    const int side = scaled(kPictogramSize, dpi);
    return keyed_on_white(
        render_alpha(Area{side, side, dpi / 96.0}, samples_at(kPictogramSamples, dpi), shade));
}

Pictogram button_pictogram(int button) {
    return kButtonPictograms[std::size_t(button - 1)];
}

}  // namespace horalune::assets
