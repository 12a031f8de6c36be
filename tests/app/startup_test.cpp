// The start-up handler and the close handler, run on the headless desktop.
#include <gtest/gtest.h>

#include "analog/face_background.h"
#include "config/config.h"
#include "desktop/menus.h"
#include "support/app_fixture.h"
#include "ui/builtin_assets.h"
#include "ui/picture.h"

namespace horalune {
namespace {

using namespace analog_names;

class StartupTest : public testing::AppFixture {
  protected:
    const Image& face_picture() { return *analog().face().background_picture(); }
    bool heart_beating() { return analog().form().interval(kHeartTimer) == 100; }
};

TEST_F(StartupTest, FirstRunWithoutConfigFile) {
    Application& a = start();
    const auto& w = analog_state();
    EXPECT_TRUE(w.visible);
    EXPECT_EQ(w.rect.width, 164);
    EXPECT_EQ(w.rect.height, 164);
    EXPECT_EQ(platform.live_windows().size(), 1u);
    // Cut to the built-in mask; what is shown is the face with the "默认2" picture.
    ASSERT_FALSE(w.shape.empty());
    EXPECT_EQ(w.shape.pixels, decode_picture(builtin::window_mask_bmp())->pixels);
    EXPECT_EQ(face_picture().pixels, builtin_background(2).pixels);
    EXPECT_GE(w.presents, 1);
    EXPECT_EQ(w.content.at(40, 82), builtin_background(2).at(40, 82));

    // The items name what they would do: the clock shows, the digital clock does not.
    for (Menu* m : {&a.tray_menu(), &a.digital_menu()}) {
        EXPECT_EQ(m->item(menu_text::kShowClock).caption, "隐藏时钟");
        EXPECT_EQ(m->item(menu_text::kShowDigital).caption, "显示数字钟");
    }
    EXPECT_FALSE(a.tray_menu().item(menu_text::kAutoHide).checked);
    EXPECT_TRUE(a.tray_menu().item(menu_text::kHeart).checked);
    EXPECT_TRUE(heart_beating());
    EXPECT_EQ(a.clock_style(), 0);
    EXPECT_EQ(analog().face().picture_mode(), 0);
    const Globals& g = a.globals();
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(g.hand_length[i], 0);
        EXPECT_EQ(g.hand_colour[i], 0);
        EXPECT_EQ(g.hand_width[i], 0);
    }
    EXPECT_EQ(g.config_path, dir.path() + "\\config.ini");
    // Starting reads only: no file appears.
    EXPECT_FALSE(std::filesystem::exists(dir.fs() / "config.ini"));
}

TEST_F(StartupTest, HandValuesAreTruncatedTowardZero) {
    write_config(
        "[时钟配置]\n时针颜色=255\n分针颜色=12.9\n秒针颜色=-3.7\n时针长度=50.8\n"
        "分针长度=abc\n秒针长度=33\n时针宽度=3\n分针宽度=\n秒针宽度=1\n");
    const Globals& g = start().globals();
    EXPECT_EQ(g.hand_colour, (std::array<std::int32_t, 3>{255, 12, -3}));
    EXPECT_EQ(g.hand_length, (std::array<std::int32_t, 3>{50, 0, 33}));
    EXPECT_EQ(g.hand_width, (std::array<std::int32_t, 3>{3, 0, 1}));
}

TEST_F(StartupTest, StyleKeepsItsLowEightBits) {
    const struct {
        const char* value;
        int style;
    } cases[] = {{"5", 5}, {"261", 5}, {"-1", 255}, {"6.7", 6}, {"x", 0}};
    for (const auto& c : cases) {
        write_config(std::string("[时钟配置]\n风格=") + c.value + "\n");
        EXPECT_EQ(start().clock_style(), c.style) << c.value;
    }
}

TEST_F(StartupTest, BackgroundChoice) {
    const std::string picture_file = dir.file("face.jpg");
    const auto bg1 = builtin::background1_jpg();
    testing::write_bytes(picture_file, std::string(bg1.begin(), bg1.end()));
    testing::write_bytes(dir.file("empty.jpg"), "");
    testing::write_bytes(dir.file("notes.jpg"), "this is not a picture");
    const struct {
        std::string value;
        std::string style;
        int builtin;  // which built-in picture shows
    } cases[] = {
        {"默认1", "6", 1},
        {"默认1", "", 1},
        {"默认2", "5", 2},
        {dir.file("missing.jpg"), "5", 1},
        {dir.file("missing.jpg"), "6", 2},
        {dir.file("missing.jpg"), "", 2},
        {"", "5", 1},
        {dir.file("empty.jpg"), "261", 1},
        {dir.file("notes.jpg"), "5", 1},  // not a picture: as if missing
        {dir.file("notes.jpg"), "6", 2},
        {picture_file, "6", 1},  // a real file: its own picture
        {"默认3", "0", 2},
    };
    for (const auto& c : cases) {
        write_config("[时钟配置]\n底图=" + c.value + "\n风格=" + c.style + "\n");
        start();
        EXPECT_EQ(face_picture().pixels, builtin_background(c.builtin).pixels)
            << c.value << " style " << c.style;
    }
}

TEST_F(StartupTest, PictureModeComesFromTheFile) {
    write_config("[时钟配置]\n方式=2\n");
    start();
    EXPECT_EQ(analog().face().picture_mode(), 2);
}

TEST_F(StartupTest, OnlyFalseStopsTheHeart) {
    for (const char* value : {"", "false", "真", "0"}) {
        write_config(std::string("[其它]\n跳动的心=") + value + "\n");
        Application& a = start();
        EXPECT_TRUE(heart_beating()) << value;
        EXPECT_TRUE(a.tray_menu().item(menu_text::kHeart).checked) << value;
        EXPECT_TRUE(analog().form().control(kHeart).visible) << value;
    }
    write_config("[其它]\n跳动的心=假\n");
    Application& a = start();
    EXPECT_EQ(analog().form().interval(kHeartTimer), 0);
    EXPECT_EQ(
        platform.timer_interval(analog().form().window(), analog().form().timer_id(kHeartTimer)),
        0);
    EXPECT_FALSE(a.tray_menu().item(menu_text::kHeart).checked);
    EXPECT_FALSE(analog().form().control(kHeart).visible);
}

TEST_F(StartupTest, OnlyTrueChecksAutoHide) {
    for (const auto& [value, checked] : {std::pair{"真", true}, {"是", false}, {"true", false}}) {
        write_config(std::string("[时钟配置]\n自动隐藏=") + value + "\n");
        EXPECT_EQ(start().tray_menu().item(menu_text::kAutoHide).checked, checked) << value;
    }
}

TEST_F(StartupTest, BothMenusNameWhatTheirItemsDoFromStartUpOn) {
    // The analog clock is visible after start-up whatever 时钟状态 says.
    const struct {
        const char* config;
        const char* digital_item;
    } cases[] = {
        {"", "显示数字钟"},
        {"[其它]\n数字钟状态=显示\n时钟状态=显示\n", "隐藏数字钟"},
        {"[其它]\n数字钟状态=隐藏\n时钟状态=隐藏\n", "显示数字钟"},
        {"[其它]\n数字钟状态=显示\n时钟状态=隐藏\n", "隐藏数字钟"},
    };
    for (const auto& c : cases) {
        write_config(c.config);
        Application& a = start();
        EXPECT_TRUE(analog_state().visible) << c.config;
        EXPECT_EQ(a.digital_window() != nullptr, std::string(c.digital_item) == "隐藏数字钟");
        for (Menu* m : {&a.tray_menu(), &a.digital_menu()}) {
            EXPECT_EQ(m->item(menu_text::kShowDigital).caption, c.digital_item) << c.config;
            EXPECT_EQ(m->item(menu_text::kShowClock).caption, "隐藏时钟") << c.config;
        }
        // And so does the menu that pops up (the tray icon comes with the first tick).
        platform.advance(1000);
        platform.tray_click(analog().form().window(), MouseButton::right);
        ASSERT_FALSE(platform.shown_menus().empty());
        const std::vector<PopupItem>& shown = platform.shown_menus().back().items;
        EXPECT_EQ(shown[3].caption, "隐藏时钟") << c.config;
        EXPECT_EQ(shown[4].caption, c.digital_item) << c.config;
    }
}

TEST_F(StartupTest, ClosingTheClockDisarmsTheShutdownAndEnds) {
    write_config(
        "; "
        "mine\n[定时关机]\n是否定时关机=真\n关机时间=2000年1月1日23:0:0\n\n[其它]\n跳动的心=假\n");
    const std::string before = config_bytes();
    start();
    EXPECT_TRUE(platform.request_close(analog().form().window()));
    EXPECT_EQ(platform.exit_code(), 0);
    EXPECT_EQ(config_read(config_path(), "定时关机", "是否定时关机"), "假");
    std::string expected = before;
    const std::string armed_true = "\xCA\xC7\xB7\xF1\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA=\xD5\xE6";
    expected.replace(expected.find(armed_true), armed_true.size(),
                     "\xCA\xC7\xB7\xF1\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA=\xBC\xD9");
    EXPECT_EQ(config_bytes(), expected);  // every other byte unchanged, still GBK
}

TEST_F(StartupTest, ProcessEntryRunsUntilTheClockIsClosed) {
    // Closing from outside after five seconds of running ends the loop with code 0.
    Application& a = start();
    platform.advance(5000);
    platform.request_close(a.analog().form().window());
    EXPECT_EQ(a.run(), 0);
    EXPECT_TRUE(a.globals().config_path.empty());  // the exit routine ran
}

TEST_F(StartupTest, UnwritableConfigDoesNotStopTheProgram) {
    std::filesystem::create_directory(dir.fs() / "config.ini");  // not even a file
    start();
    EXPECT_TRUE(platform.request_close(analog().form().window()));
    EXPECT_EQ(platform.exit_code(), 0);
}

}  // namespace
}  // namespace horalune
