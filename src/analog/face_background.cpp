#include "analog/face_background.h"

#include <optional>
#include <string>

#include "config/names.h"
#include "config/settings.h"
#include "ui/art/faces.h"
#include "ui/builtin_assets.h"
#include "ui/picture.h"

namespace horalune {

Image builtin_background(int number, int dpi) {
    // At 100 % the embedded picture, as shipped; elsewhere drawn afresh, never stretched.
    if (dpi != 96) return assets::to_image(assets::face_picture(number == 1 ? 1 : 2, dpi));
    const auto bytes = number == 1 ? builtin::background1_jpg() : builtin::background2_jpg();
    return decode_picture(bytes).value_or(Image());
}

Image choose_face_background(std::string_view value, int style) {
    if (value == cfg::kBuiltin1) return builtin_background(1);
    if (value == cfg::kBuiltin2) return builtin_background(2);
    // A file that exists but is not a picture (or is damaged) is treated like a missing one:
    // a blank face would leave the user looking at nothing.
    if (!value.empty()) {
        if (auto picture = load_picture(std::string(value))) return std::move(*picture);
    }
    return builtin_background(style == ClockSettings::kFirstStyleNumber ? 1 : 2);
}

}  // namespace horalune
