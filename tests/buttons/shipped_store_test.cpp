// The icon store generated at build time and shipped beside the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "buttons/icon_store.h"
#include "ui/art/window_geometry.h"
#include "ui/builtin_assets.h"
#include "ui/picture.h"

namespace horalune {
namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

std::vector<IconRecord> shipped_store() {
    const std::string dir = HORALUNE_GENERATED_DIR "/../bin";
    const auto records = load_icon_store(icon_store_path(dir, kIconStoreName));
    if (!records) ADD_FAILURE() << "the shipped store is missing or does not decode";
    return records.value_or(std::vector<IconRecord>{});
}

TEST(ShippedIconStore, HoldsTwelveCommandsWithBothCommandWords) {
    const std::vector<IconRecord> records = shipped_store();
    ASSERT_EQ(records.size(), 12u);
    for (const char* word : {"光驱开关", "上网下网"}) {
        EXPECT_EQ(std::ranges::count(records, std::string(word), &IconRecord::command), 1) << word;
    }
    for (std::size_t i = 0; i < records.size(); ++i) {
        EXPECT_FALSE(records[i].command.empty()) << "button " << i + 1;
        EXPECT_FALSE(records[i].tooltip.empty()) << "button " << i + 1;
    }
}

TEST(ShippedIconStore, IconsArePictogramsInsideTheRoundButton) {
    const std::vector<IconRecord> records = shipped_store();
    ASSERT_EQ(records.size(), 12u);
    for (std::size_t i = 0; i < records.size(); ++i) {
        const std::optional<Image> icon = decode_picture(records[i].icon);
        ASSERT_TRUE(icon) << "button " << i + 1;
        ASSERT_EQ(icon->width, 32);
        ASSERT_EQ(icon->height, 32);
        int drawn = 0;
        for (int y = 0; y < 32; ++y) {
            for (int x = 0; x < 32; ++x) {
                if (icon->at(x, y) == kWhite) continue;
                ++drawn;
                // Outside this disc the window's shape would cut the picture off.
                EXPECT_TRUE(assets::within(x, y, 15.5, 15.5, assets::kButtonRadius))
                    << "button " << i + 1 << " pixel " << x << "," << y;
            }
        }
        EXPECT_GT(drawn, 200) << "button " << i + 1;
        EXPECT_LT(drawn, 32 * 32 - 100) << "button " << i + 1 << " has no transparent rim";
    }
}

TEST(ShippedIconStore, FacesAreTheBackgroundsUnderEachButton) {
    const std::vector<IconRecord> records = shipped_store();
    ASSERT_EQ(records.size(), 12u);
    const struct {
        int position;
        std::optional<Image> background;
    } styles[] = {{5, decode_picture(builtin::background1_jpg())},
                  {6, decode_picture(builtin::background2_jpg())}};
    for (const auto& style : styles) {
        ASSERT_TRUE(style.background);
        for (int n = 1; n <= 12; ++n) {
            const auto face = decode_picture(*field(records[std::size_t(n - 1)], style.position));
            ASSERT_TRUE(face) << "style " << style.position << " button " << n;
            ASSERT_EQ(face->width, 32);
            ASSERT_EQ(face->height, 32);
            const assets::ButtonPlace place = assets::kButtonPlaces[std::size_t(n - 1)];
            int mismatches = 0;
            for (int y = 0; y < 32; ++y) {
                for (int x = 0; x < 32; ++x) {
                    const std::uint32_t want = style.background->at(place.left + x, place.top + y);
                    const std::uint32_t got = face->at(x, y);
                    // White would turn transparent, so the cut nudges it one step darker.
                    const bool same = want == kWhite ? got == 0xFFFEFEFEu : got == want;
                    mismatches += !same;
                }
            }
            EXPECT_EQ(mismatches, 0) << "style " << style.position << " button " << n;
        }
    }
}

}  // namespace
}  // namespace horalune
