#include "ui/button_pictures.h"

#include <algorithm>
#include <optional>

#include "ui/art/faces.h"
#include "ui/art/pictogram_shapes.h"
#include "ui/art/pictograms.h"
#include "ui/art/picture_hash.h"
#include "ui/builtin_assets.h"
#include "ui/resample.h"
#include "platform/dpi.h"

namespace horalune {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr int kStoredSide = 32;

std::optional<builtin::StorePicture> shipped(const Image& stored) {
    if (stored.width != kStoredSide || stored.height != kStoredSide) return std::nullopt;
    const std::uint64_t hash = assets::picture_hash(stored);
    const auto pictures = builtin::shipped_store_pictures();
    const auto it = std::ranges::find(pictures, hash, &builtin::StorePicture::hash);
    if (it == pictures.end()) return std::nullopt;
    return *it;
}

Image draw(const builtin::StorePicture& picture, int dpi) {
    if (picture.face == 0) {
        return assets::to_image(assets::pictogram(assets::button_pictogram(picture.button), dpi));
    }
    assets::RgbImage face = assets::face_under_button(picture.face, picture.button, dpi);
    assets::avoid_white(face);
    return assets::to_image(face);
}

// White is see-through on a button: resample it as such, then key the result back onto white
// with a hard edge, so no pale fringe is left where the picture met the white.
Image resample_keyed(const Image& stored, int width, int height) {
    Image source = stored;
    for (std::uint32_t& p : source.pixels) {
        if ((p | 0xFF000000u) == kWhite) p = 0;
    }
    Image out = resample(source, width, height);
    for (std::uint32_t& p : out.pixels) {
        if ((p >> 24) < 128) {
            p = kWhite;
        } else {
            p |= 0xFF000000u;
            if (p == kWhite) p = 0xFFFEFEFEu;
        }
    }
    return out;
}

}  // namespace

Image button_picture_at(const Image& stored, int dpi) {
    if (dpi == 96 || stored.empty()) return stored;
    if (const auto picture = shipped(stored)) return draw(*picture, dpi);
    return resample_keyed(stored, scaled(stored.width, dpi), scaled(stored.height, dpi));
}

}  // namespace horalune
