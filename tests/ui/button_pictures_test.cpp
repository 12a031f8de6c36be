// The built-in faces and the store's button pictures at each scale: the shipped pictures at
// 100 %, drawn afresh from code above it (sharp, lined up with the window), the user's own
// pictures resampled.
#include "ui/button_pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "analog/face_background.h"
#include "buttons/icon_store.h"
#include "ui/art/faces.h"
#include "ui/art/pictograms.h"
#include "ui/art/window_geometry.h"
#include "ui/builtin_assets.h"
#include "ui/picture.h"
#include "ui/resample.h"
#include "platform/dpi.h"

namespace horalune {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;
constexpr int kDpis[] = {96, 120, 144, 168, 192, 240, 288};

int channel(std::uint32_t p, int k) {
    return int(p >> (8 * k)) & 0xFF;
}

// Mean difference per colour channel, 0..255.
double mean_difference(const Image& a, const Image& b) {
    double sum = 0;
    for (std::size_t i = 0; i < a.pixels.size(); ++i) {
        for (int k = 0; k < 3; ++k)
            sum += std::abs(channel(a.pixels[i], k) - channel(b.pixels[i], k));
    }
    return sum / (3.0 * double(a.pixels.size()));
}

Image crop(const Image& from, int left, int top, int side) {
    Image out(side, side);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) out.at(x, y) = from.at(left + x, top + y);
    }
    return out;
}

// The 36 pictures of the store shipped beside the program, decoded as the program decodes them:
// [button - 1][0] the hover icon, [1] and [2] the cuts of faces 1 and 2.
std::vector<std::vector<Image>> shipped_pictures() {
    const std::string dir = HORALUNE_GENERATED_DIR "/../bin";
    const auto records = load_icon_store(icon_store_path(dir, kIconStoreName));
    std::vector<std::vector<Image>> out;
    if (!records) {
        ADD_FAILURE() << "the shipped store is missing or does not decode";
        return out;
    }
    for (const IconRecord& r : *records) {
        std::vector<Image> pictures;
        for (const std::string* field : {&r.icon, &r.face5, &r.face6}) {
            pictures.push_back(decode_picture(*field).value_or(Image()));
        }
        out.push_back(std::move(pictures));
    }
    return out;
}

TEST(BuiltinBackgroundAtDpi, AtOneHundredPercentTheEmbeddedPictures) {
    for (const int n : {1, 2}) {
        SCOPED_TRACE(n);
        const auto embedded =
            decode_picture(n == 1 ? builtin::background1_jpg() : builtin::background2_jpg());
        ASSERT_TRUE(embedded);
        EXPECT_EQ(builtin_background(n, 96).pixels, embedded->pixels);
        EXPECT_EQ(builtin_background(n).pixels, embedded->pixels);
        // The drawing code is what the embedded picture was made from: JPEG's losses apart
        // (about 3.3), a picture one pixel out of place differs by over 10.
        EXPECT_LT(mean_difference(assets::to_image(assets::face_picture(n, 96)), *embedded), 5.0);
    }
}

TEST(BuiltinBackgroundAtDpi, LargerScalesAreDrawnSharpNotStretched) {
    for (const int n : {1, 2}) {
        SCOPED_TRACE(n);
        const Image small = builtin_background(n, 96);
        const Image large = builtin_background(n, 192);
        ASSERT_EQ(large.width, 328);
        ASSERT_EQ(large.height, 328);
        // A stretch repeats each pixel in a 2 x 2 block; the drawn picture rarely does.
        int blocks = 0, repeated = 0;
        for (int y = 0; y + 1 < 328; y += 2) {
            for (int x = 0; x + 1 < 328; x += 2) {
                const std::uint32_t p = large.at(x, y);
                ++blocks;
                repeated += p == large.at(x + 1, y) && p == large.at(x, y + 1) &&
                            p == large.at(x + 1, y + 1);
            }
        }
        EXPECT_LT(repeated, blocks / 4);
        // Each 2 x 2 block holds the very samples of one pixel drawn at 100 % (4 x 4 of them),
        // so averaged it gives that pixel back, up to rounding: nothing moved or grew.
        const Image drawn = assets::to_image(assets::face_picture(n, 96));
        int largest = 0;
        for (int y = 0; y < 164; ++y) {
            for (int x = 0; x < 164; ++x) {
                for (int k = 0; k < 3; ++k) {
                    const int sum = channel(large.at(2 * x, 2 * y), k) +
                                    channel(large.at(2 * x + 1, 2 * y), k) +
                                    channel(large.at(2 * x, 2 * y + 1), k) +
                                    channel(large.at(2 * x + 1, 2 * y + 1), k);
                    largest = std::max(largest, std::abs(sum - 4 * channel(drawn.at(x, y), k)));
                }
            }
        }
        EXPECT_LE(largest, 4);  // five roundings, each off by half a level at most
        // Yet it is the same picture in the same place: close to the 100 % one smoothly
        // enlarged (about 6 apart; one logical pixel out of place is over 10, the other face 55).
        EXPECT_LT(mean_difference(large, resample(small, 328, 328)), 8.0);
    }
}

TEST(BuiltinBackgroundAtDpi, EveryScaleHasItsSizeAndTheButtonFacesLineUp) {
    for (const int dpi : kDpis) {
        SCOPED_TRACE(dpi);
        const int side = (164 * dpi + 48) / 96;
        const int button = (32 * dpi + 48) / 96;
        for (const int n : {1, 2}) {
            const Image face = builtin_background(n, dpi);
            ASSERT_EQ(face.width, side);
            ASSERT_EQ(face.height, side);
            if (dpi == 96) continue;
            // Each button's face is the background under the button where the window puts it.
            for (int b = 1; b <= 12; ++b) {
                const auto& place = assets::kButtonPlaces[std::size_t(b - 1)];
                const Image cut = assets::to_image(assets::face_under_button(n, b, dpi));
                ASSERT_EQ(cut.width, button);
                const int left = scaled(place.left, dpi), top = scaled(place.top, dpi);
                ASSERT_LE(std::max(left, top) + button, side) << "button " << b;
                EXPECT_EQ(cut.pixels, crop(face, left, top, button).pixels) << "button " << b;
            }
        }
    }
}

TEST(ButtonPictureAtDpi, AtOneHundredPercentTheStoredPicture) {
    const auto pictures = shipped_pictures();
    ASSERT_EQ(pictures.size(), 12u);
    Image own(32, 32, 0xFF204080u);
    for (const Image& p : {pictures[0][0], pictures[4][1], own}) {
        EXPECT_EQ(button_picture_at(p, 96).pixels, p.pixels);
    }
}

TEST(ButtonPictureAtDpi, ShippedPicturesAreDrawnAfreshAtTheScale) {
    const auto pictures = shipped_pictures();
    ASSERT_EQ(pictures.size(), 12u);
    const Image faces[] = {Image(), builtin_background(1, 144), builtin_background(2, 144)};
    for (int b = 1; b <= 12; ++b) {
        for (int kind = 0; kind < 3; ++kind) {
            SCOPED_TRACE("button " + std::to_string(b) + " picture " + std::to_string(kind));
            const Image& stored = pictures[std::size_t(b - 1)][std::size_t(kind)];
            ASSERT_EQ(stored.width, 32);
            const Image at150 = button_picture_at(stored, 144);
            ASSERT_EQ(at150.width, 48);
            ASSERT_EQ(at150.height, 48);
            EXPECT_NE(at150.pixels, resample(stored, 48, 48).pixels);
            if (kind == 0) {
                // This button's own pictogram, not another's, still on see-through white.
                const Image drawn =
                    assets::to_image(assets::pictogram(assets::button_pictogram(b), 144));
                EXPECT_EQ(at150.pixels, drawn.pixels);
                EXPECT_EQ(at150.at(0, 0), kWhite);
                EXPECT_EQ(at150.at(47, 47), kWhite);
            } else {
                // The face under this button, drawn at 150 %, with no pixel see-through.
                const Image& face = faces[kind];
                const auto& place = assets::kButtonPlaces[std::size_t(b - 1)];
                const Image under = crop(face, scaled(place.left, 144), scaled(place.top, 144), 48);
                int differ = 0;
                for (std::size_t i = 0; i < under.pixels.size(); ++i) {
                    EXPECT_NE(at150.pixels[i], kWhite);
                    differ += at150.pixels[i] != under.pixels[i] &&
                              !(under.pixels[i] == kWhite && at150.pixels[i] == 0xFFFEFEFEu);
                }
                EXPECT_EQ(differ, 0);
            }
        }
    }
}

TEST(ButtonPictureAtDpi, TheUsersOwnPicturesAreResampled) {
    // A photo-like picture with no white: exactly the smooth resampling.
    Image photo(32, 32);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x)
            photo.at(x, y) = 0xFF000000u | (x * 8) << 16 | (y * 8) << 8 | 90;
    }
    for (const int dpi : {120, 144, 192, 288}) {
        SCOPED_TRACE(dpi);
        const int side = scaled(32, dpi);
        EXPECT_EQ(button_picture_at(photo, dpi).pixels, resample(photo, side, side).pixels);
    }

    // A red disc on the white that buttons show through: the white stays pure white and the
    // disc's edge stays red, with no pale fringe blended from the white.
    Image disc(32, 32, kWhite);
    for (int y = 0; y < 32; ++y) {
        for (int x = 0; x < 32; ++x) {
            if (assets::within(x, y, 15.5, 15.5, 10.0)) disc.at(x, y) = 0xFFC81E28u;
        }
    }
    const Image large = button_picture_at(disc, 192);
    ASSERT_EQ(large.width, 64);
    int red = 0;
    for (const std::uint32_t p : large.pixels) {
        if (p == kWhite) continue;
        EXPECT_EQ(p, 0xFFC81E28u);
        ++red;
    }
    EXPECT_NEAR(red, 4 * 3.14159 * 10 * 10, 60);
    EXPECT_EQ(large.at(0, 0), kWhite);
}

}  // namespace
}  // namespace horalune
