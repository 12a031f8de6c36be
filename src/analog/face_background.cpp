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

namespace {

// The user's picture, or else the number of the built-in one to show.
struct Chosen {
    std::optional<Image> file;
    int builtin = 0;
};

Chosen choose(std::string_view value, int style) {
    if (value == cfg::kBuiltin1) return {std::nullopt, 1};
    if (value == cfg::kBuiltin2) return {std::nullopt, 2};
    // A file that exists but is not a picture (or is damaged) is treated like a missing one:
    // a blank face would leave the user looking at nothing.
    if (!value.empty()) {
        if (auto picture = load_picture(std::string(value))) return {std::move(picture), 0};
    }
    return {std::nullopt, style == ClockSettings::kFirstStyleNumber ? 1 : 2};
}

}  // namespace

Image choose_face_background(std::string_view value, int style) {
    Chosen chosen = choose(value, style);
    return chosen.file ? std::move(*chosen.file) : builtin_background(chosen.builtin);
}

void set_builtin_background(Canvas& face, int number) {
    face.set_background_picture(builtin_background(number),
                                [number](int dpi) { return builtin_background(number, dpi); });
}

void set_face_background(Canvas& face, std::string_view value, int style) {
    Chosen chosen = choose(value, style);
    if (chosen.file) {
        face.set_background_picture(std::move(chosen.file));  // resampled at other scales
    } else {
        set_builtin_background(face, chosen.builtin);
    }
}

}  // namespace horalune
