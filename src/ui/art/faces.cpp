#include "faces.h"

#include "platform/dpi.h"
#include "window_geometry.h"

namespace horalune::assets {

namespace {

constexpr int kFaceSamples = 4;  // a side, at 96 dpi

Shader face_shader(int number) {
    return number == 1 ? warm_face_colour : cool_face_colour;
}

}  // namespace

RgbImage face_picture(int number, int dpi) {
    const int side = scaled(kWindowSize, dpi);
    return render(Area{side, side, dpi / 96.0}, samples_at(kFaceSamples, dpi), face_shader(number));
}

RgbImage face_under_button(int number, int button, int dpi) {
    const ButtonPlace& place = kButtonPlaces[std::size_t(button - 1)];
    const int side = scaled(kButtonSize, dpi);
    const Area area{side, side, dpi / 96.0, scaled(place.left, dpi), scaled(place.top, dpi)};
    return render(area, samples_at(kFaceSamples, dpi), face_shader(number));
}

}  // namespace horalune::assets
