// The config.ini generated at build time and shipped beside the program: a fresh install that
// looks finished. The program started on it must keep every promise the file makes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <utility>
#include <vector>

#include "analog/analog_window.h"
#include "analog/appearance_page.h"
#include "analog/face.h"
#include "config/config.h"
#include "config/gb18030.h"
#include "config/names.h"
#include "digital/digital_window.h"
#include "support/app_fixture.h"

namespace horalune {
namespace {

// The pristine copy that packages take; the build copies it beside the program.
const std::string kShipped = HORALUNE_GENERATED_DIR "/config.ini";

class DefaultConfigTest : public testing::AppFixture {
  protected:
    void SetUp() override {
        shipped = testing::read_bytes(kShipped);
        ASSERT_FALSE(shipped.empty()) << kShipped;
        testing::write_bytes(config_path(), shipped);
        platform.set_now({2026, 12, 8, 10, 8, 35, 0, 2});
    }
    std::string read(std::string_view section, std::string_view key) {
        return config_read(config_path(), section, key);
    }
    std::string shipped;
};

// Every item of the file, as (section, key), in the file's order.
std::vector<std::pair<std::string, std::string>> items_of(const std::string& utf8) {
    std::vector<std::pair<std::string, std::string>> items;
    std::string section;
    std::size_t at = 0;
    while (at < utf8.size()) {
        std::size_t end = utf8.find('\n', at);
        if (end == std::string::npos) end = utf8.size();
        std::string line = utf8.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with("[")) {
            section = line.substr(1, line.find(']') - 1);
        } else if (const auto eq = line.find('='); eq != std::string::npos) {
            items.emplace_back(section, line.substr(0, eq));
        }
        at = end + 1;
    }
    return items;
}

TEST_F(DefaultConfigTest, IsGbkTextExactlyAsTheProgramWritesIt) {
    EXPECT_FALSE(shipped.starts_with("\xEF\xBB\xBF"));
    EXPECT_NE(shipped.find(utf8_to_gb18030("[时钟配置]")), std::string::npos);
    const auto items = items_of(gb18030_to_utf8(shipped));
    ASSERT_GE(items.size(), 20u);
    // Writing any item again with its own value changes no byte.
    for (const auto& [section, key] : items) {
        config_write(config_path(), section, key, read(section, key));
        ASSERT_EQ(config_bytes(), shipped) << section << " " << key;
    }
}

// The hands as the program holds them after starting on the file.
TEST_F(DefaultConfigTest, HandsAreDistinctAndTheSecondHandIsColoured) {
    start();
    const Globals& g = app->globals();
    // Insets: the hour hand stays furthest inside the edge, the second hand reaches furthest.
    EXPECT_GT(g.hand_length[0], g.hand_length[1]);
    EXPECT_GT(g.hand_length[1], g.hand_length[2]);
    EXPECT_GT(g.hand_width[0], g.hand_width[1]);
    EXPECT_GT(g.hand_width[1], g.hand_width[2]);
    EXPECT_EQ(g.hand_width[2], 1);
    const auto channels = [](int c) {
        return std::array<int, 3>{c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF};
    };
    const auto [r, gr, b] = channels(g.hand_colour[2]);
    EXPECT_GT(r - std::max(gr, b), 100) << "second hand " << g.hand_colour[2];
    for (int i : {0, 1}) {
        const auto c = channels(g.hand_colour[i]);
        EXPECT_LT(*std::ranges::max_element(c) - *std::ranges::min_element(c), 32) << i;
        EXPECT_LT(c[0], 128) << i;  // dark on the light face
    }
    // The clock page shows the levels that give these lengths.
    constexpr cfg::Name kLevels[3] = {cfg::kHourLengthLevel, cfg::kMinuteLengthLevel,
                                      cfg::kSecondLengthLevel};
    for (std::size_t i = 0; i < 3; ++i) {
        const int level = std::atoi(read(cfg::kClock, kLevels[i]).c_str());
        ASSERT_GE(level, 1);
        ASSERT_LE(level, 6);
        EXPECT_EQ(appearance_page::kLengthNumbers[static_cast<std::size_t>(level) - 1],
                  g.hand_length[i]);
    }
}

// At every position of every hand no pixel of a hand lies on a function button.
TEST_F(DefaultConfigTest, NoHandReachesTheButtonsOnTheRim) {
    start();
    const Globals& g = app->globals();
    std::vector<Rect> buttons;
    for (const Control& c : analog().form().controls()) {
        if (c.kind == ControlKind::picture_button) buttons.push_back(c.rect);
    }
    ASSERT_EQ(buttons.size(), 12u);
    const Rect face = analog().form().control(analog_names::kFace).rect;
    Canvas blank(face.width, face.height);
    blank.clear();
    int drawn = 0;
    for (int hour = 0; hour < 12; ++hour) {
        for (int minute = 0; minute < 60; ++minute) {
            platform.set_now({2026, 12, 8, hour, minute, minute, 0, 2});
            Canvas canvas(face.width, face.height);
            redraw_face(canvas, {g.hand_length, g.hand_colour, g.hand_width}, platform);
            for (int y = 0; y < face.height; ++y) {
                for (int x = 0; x < face.width; ++x) {
                    if (canvas.image().at(x, y) == blank.image().at(x, y)) continue;
                    ++drawn;
                    for (const Rect& b : buttons) {
                        ASSERT_FALSE(x >= b.left && y >= b.top && x < b.left + b.width &&
                                     y < b.top + b.height)
                            << "hand pixel " << x << "," << y << " at " << hour << ":" << minute;
                    }
                }
            }
        }
    }
    EXPECT_GT(drawn, 720 * 50);  // the hands were drawn at all
}

TEST_F(DefaultConfigTest, DigitalClockTellsTheTimeOfDay) {
    start();
    app->toggle_digital_clock();
    ASSERT_NE(app->digital_window(), nullptr);
    platform.advance(1000);
    EXPECT_EQ(app->globals().digital_kind, cfg::kKindTime);
    const std::string text = app->digital_window()->form().text(digital_names::kLabel);
    EXPECT_NE(text.find("08:36"), std::string::npos) << text;
}

TEST_F(DefaultConfigTest, EveryAlertIsOff) {
    const std::pair<cfg::Name, cfg::Name> switches[] = {
        {cfg::kChime, cfg::kChimeOn},           {cfg::kChime, cfg::kVibrate},
        {cfg::kChime, cfg::kSoundOn},           {cfg::kReminder, cfg::kReminderOn},
        {cfg::kReminder, cfg::kVibrate},        {cfg::kReminder, cfg::kSoundOn},
        {cfg::kReminder, cfg::kReminderTextOn}, {cfg::kShutdown, cfg::kShutdownOn},
    };
    for (const auto& [section, key] : switches) EXPECT_EQ(read(section, key), cfg::kFalse) << key;
    // Across a full hour nothing sounds, shakes or opens.
    platform.set_now({2026, 12, 8, 10, 59, 50, 0, 2});
    start();
    const Rect before = platform.window_rect(analog().form().window());
    const std::size_t windows = platform.live_windows().size();
    platform.advance(20'000);
    EXPECT_TRUE(platform.sound_log().empty());
    EXPECT_EQ(platform.window_rect(analog().form().window()), before);
    EXPECT_EQ(platform.live_windows().size(), windows);
    EXPECT_TRUE(platform.power_calls().empty());
}

}  // namespace
}  // namespace horalune
