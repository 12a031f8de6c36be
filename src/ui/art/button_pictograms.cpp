#include <array>

#include "pictograms.h"
#include "platform/dpi.h"

namespace horalune::assets {

namespace {

// Samples a side at 96 dpi. The edge is keyed hard (keyed_on_white), so above 100 % fewer
// place it as well and keep a change of scale quick.
constexpr int kPictogramSamples = 8;
constexpr int kLargePictogramSamples = 6;

// Button n at n o'clock; the clock's own tool sits at twelve.
constexpr std::array<Pictogram, 12> kButtonPictograms{
    notepad_pictogram,   calculator_pictogram, palette_pictogram, folder_pictogram,
    gear_pictogram,      console_pictogram,    monitor_pictogram, glyph_pictogram,
    magnifier_pictogram, disc_pictogram,       globe_pictogram,   calendar_pictogram};

}  // namespace

RgbImage pictogram(const AlphaShader& shade, int dpi) {
    const int side = scaled(kPictogramSize, dpi);
    const int samples = dpi == 96 ? kPictogramSamples : samples_at(kLargePictogramSamples, dpi);
    return keyed_on_white(render_alpha(Area{side, side, dpi / 96.0}, samples, shade));
}

Pictogram button_pictogram(int button) {
    return kButtonPictograms[std::size_t(button - 1)];
}

}  // namespace horalune::assets
