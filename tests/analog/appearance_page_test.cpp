// The "钟表设置" tab: what it shows when opened, and how each control changes the clocks and
// config.ini at once.
#include "analog/appearance_page.h"

#include <gtest/gtest.h>

#include "analog/face_background.h"
#include "buttons/icon_store.h"
#include "config/config.h"
#include "digital/digital_window.h"
#include "settings/settings_dialog.h"
#include "support/app_fixture.h"
#include "support/bmp.h"
#include "support/form_driver.h"
#include "ui/picture.h"

namespace horalune {
namespace {

using testing::bmp_of;

namespace ap = appearance_page;

class AppearancePageTest : public testing::AppFixture {
  protected:
    testing::FormDriver open(const std::string& config, bool digital_open = true) {
        write_config((digital_open ? "[其它]\n数字钟状态=显示\n" : "") + config);
        start();
        app->open_settings(1);
        return {platform, app->settings_dialog()->form()};
    }
    std::string read(std::string_view section, std::string_view key) {
        return config_read(config_path(), section, key);
    }
    const Control& label() { return app->digital_window()->form().control(digital_names::kLabel); }
    std::string picture_file(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        const std::string path = dir.file("pic" + std::to_string(r + g + b) + ".bmp");
        testing::write_bytes(path, bmp_of(r, g, b));
        return path;
    }
};

TEST_F(AppearancePageTest, LoadingShowsTheStoredValuesAndWritesNothing) {
    auto d = open(
        "[数字钟配置]\n格式=2\n文本颜色=255\n背景颜色=65280\n有无底图=真\n"
        "[时钟配置]\n风格=5\n时针颜色=1\n分针颜色=2\n秒针颜色=3\n时针长度1=3\n分针长度1=6\n"
        "秒针长度1=7\n时针宽度=1\n分针宽度=\n秒针宽度=5\n");
    const std::string before = config_bytes();
    EXPECT_TRUE(d.form.checked(ap::kTwelveHours));
    EXPECT_FALSE(d.form.checked(ap::kTwentyFourHours));
    EXPECT_EQ(d.shown(ap::kTextColour).colour, 255);
    EXPECT_EQ(d.shown(ap::kTextColour).type, ControlType::colour_picker);
    EXPECT_EQ(d.form.colour(ap::kBackColour), 65280);
    EXPECT_TRUE(d.shown(ap::kHasPicture).checked);
    EXPECT_TRUE(d.form.checked(ap::kStyle1));
    EXPECT_FALSE(d.form.checked(ap::kStyle2));
    EXPECT_EQ(d.form.colour(ap::kHandColours[2]), 3);
    EXPECT_EQ(d.shown(ap::kHandLengths[0]).selected, 2);
    EXPECT_EQ(d.form.selected(ap::kHandLengths[1]), 5);
    EXPECT_EQ(d.form.selected(ap::kHandLengths[2]), -1);  // "7" is past the list
    EXPECT_EQ(d.form.selected(ap::kHandWidths[0]), 0);
    EXPECT_EQ(d.form.selected(ap::kHandWidths[1]), -1);
    EXPECT_EQ(d.form.selected(ap::kHandWidths[2]), 4);
    EXPECT_TRUE(d.shown(ap::kDigitalGroup).enabled);
    EXPECT_EQ(config_bytes(), before);

    auto other = open("[数字钟配置]\n格式=0\n[时钟配置]\n风格=6\n");
    EXPECT_TRUE(other.form.checked(ap::kTwentyFourHours));
    EXPECT_TRUE(other.form.checked(ap::kStyle2));
    EXPECT_FALSE(other.form.checked(ap::kHasPicture));
}

TEST_F(AppearancePageTest, DigitalGroupIsDisabledWhileTheDigitalClockIsClosed) {
    auto d = open("", false);
    for (std::string_view name : {ap::kDigitalGroup, ap::kTwelveHours, ap::kTextColour, ap::kFont,
                                  ap::kSizeHint, ap::kHasPicture, ap::kDigitalPicture})
        EXPECT_FALSE(d.shown(name).enabled) << name;
    EXPECT_TRUE(d.shown(ap::kStyle1).enabled);
    d.press(ap::kSizeHint);  // a stray event finds nothing to change
    d.press(ap::kFont);
    EXPECT_TRUE(platform.dialogs().empty());
    EXPECT_TRUE(platform.messages().empty());
}

TEST_F(AppearancePageTest, HandListsAndPickersGoToTheClockAndTheFile) {
    const struct {
        std::string_view list;
        int index, hand;
        const char *key, *value, *level_key;  // level_key: lengths only
        bool length;
    } cases[] = {{ap::kHandLengths[0], 2, 0, "时针长度", "51", "时针长度1", true},
                 {ap::kHandLengths[2], 5, 2, "秒针长度", "33", "秒针长度1", true},
                 {ap::kHandWidths[0], 1, 0, "时针宽度", "2", nullptr, false},
                 {ap::kHandWidths[2], 4, 2, "秒针宽度", "5", nullptr, false}};
    for (const auto& c : cases) {
        auto d = open("");
        d.pick(c.list, c.index);
        const Globals& g = app->globals();
        EXPECT_EQ(c.length ? g.hand_length[c.hand] : g.hand_width[c.hand], std::stoi(c.value));
        EXPECT_EQ(read("时钟配置", c.key), c.value);
        if (c.level_key) {
            EXPECT_EQ(read("时钟配置", c.level_key), std::to_string(c.index + 1));
        }
        app->settings_dialog()->cancel();
        app->open_settings(1);
        EXPECT_EQ(app->settings_dialog()->form().selected(c.list), c.index) << c.key;
    }
    auto d = open("[时钟配置]\n分针颜色=7\n");
    platform.answer_next_colour(0x123456);
    d.press(ap::kHandColours[1]);
    EXPECT_EQ(platform.dialogs().back().number, 7);  // the dialog starts on the shown colour
    EXPECT_EQ(app->globals().hand_colour[1], 0x123456);
    EXPECT_EQ(read("时钟配置", "分针颜色"), "1193046");
    platform.answer_next_colour(std::nullopt);
    d.press(ap::kHandColours[1]);
    EXPECT_EQ(d.form.colour(ap::kHandColours[1]), 0x123456);
}

TEST_F(AppearancePageTest, StyleWritesItsDefaultPictureAndReloadsTheButtonFaces) {
    std::vector<IconRecord> records(12);
    for (IconRecord& r : records) r.face5 = bmp_of(0, 200, 0), r.face6 = bmp_of(0, 0, 200);
    ASSERT_TRUE(save_icon_store(icon_store_path(dir.path(), kIconStoreName), records));
    auto d = open("[时钟配置]\n风格=5\n底图=" + picture_file(9, 9, 9) + "\n方式=1\n");
    d.tick(ap::kStyle2, true);
    EXPECT_EQ(read("时钟配置", "风格"), "6");
    EXPECT_EQ(read("时钟配置", "底图"), "默认2");
    EXPECT_EQ(read("时钟配置", "方式"), "1");
    EXPECT_FALSE(d.form.checked(ap::kStyle1));
    EXPECT_EQ(analog().face().background_picture()->pixels, builtin_background(2).pixels);
    EXPECT_EQ(analog().button_face(1)->pixels, decode_picture(bmp_of(0, 0, 200))->pixels);
    d.tick(ap::kStyle1, true);
    EXPECT_EQ(read("时钟配置", "风格"), "5");
    EXPECT_EQ(read("时钟配置", "底图"), "默认1");
    EXPECT_EQ(analog().button_face(12)->pixels, decode_picture(bmp_of(0, 200, 0))->pixels);
    EXPECT_FALSE(d.form.checked(ap::kStyle2));
}

TEST_F(AppearancePageTest, FacePictureAsksForItsModeInOneByte) {
    const std::string path = picture_file(200, 0, 0);
    const struct {
        std::optional<std::string> answer;
        int mode;
    } cases[] = {{std::nullopt, 0}, {"1", 1}, {"300", 44}, {"两", 0}};
    for (const auto& c : cases) {
        auto d = open("");
        platform.answer_next_file(path);
        platform.answer_next_input(c.answer);
        d.press(ap::kFacePicture);
        EXPECT_EQ(read("时钟配置", "方式"), std::to_string(c.mode));
        EXPECT_EQ(read("时钟配置", "底图"), path);
        EXPECT_EQ(analog().face().picture_mode(), c.mode);
        EXPECT_EQ(analog().face().background_picture()->pixels,
                  decode_picture(bmp_of(200, 0, 0))->pixels);
    }
    const auto& file = platform.dialogs()[0];
    EXPECT_EQ(file.title, "选择一个程序或文件");
    EXPECT_EQ(file.text, "JPG图片|*.jpg|GIF动画|*.gif|位图|*.bmp");
    const auto& input = platform.dialogs()[1];
    EXPECT_EQ(input.title, "选择图片显示方式");
    EXPECT_EQ(input.text,
              "输入（1）代表平铺。  输入（2）代表居中。\r\n按取消按钮为图片居左上。\r\n"
              "当前时钟直径为200像素。");
    EXPECT_EQ(input.initial, "2");

    auto d = open("[时钟配置]\n底图=默认1\n");
    const std::size_t dialogs = platform.dialogs().size();
    d.press(ap::kFacePicture);  // the file dialog is cancelled: no mode box, nothing written
    EXPECT_EQ(platform.dialogs().size(), dialogs + 1);
    EXPECT_EQ(read("时钟配置", "底图"), "默认1");
}

TEST_F(AppearancePageTest, DigitalControlsChangeTheLabelAndTheFile) {
    auto d = open("[数字钟配置]\n字体名称=Arial Black\n字体大小=35\n");
    platform.answer_next_colour(255);
    d.press(ap::kTextColour);
    platform.answer_next_colour(65280);
    d.press(ap::kBackColour);
    EXPECT_EQ(label().text_colour, 255);
    EXPECT_EQ(label().back_colour, 65280);
    EXPECT_EQ(read("数字钟配置", "文本颜色"), "255");
    EXPECT_EQ(read("数字钟配置", "背景颜色"), "65280");

    d.tick(ap::kTwelveHours, true);
    EXPECT_FALSE(d.form.checked(ap::kTwentyFourHours));
    EXPECT_EQ(app->globals().digital_format, 2);
    EXPECT_EQ(read("数字钟配置", "格式"), "2");
    d.tick(ap::kTwentyFourHours, true);
    EXPECT_EQ(app->globals().digital_format, 0);
    EXPECT_EQ(read("数字钟配置", "格式"), "0");

    const std::string before = config_bytes();
    d.press(ap::kFont);  // cancelled
    EXPECT_EQ(platform.dialogs().back().initial, "Arial Black");
    EXPECT_EQ(platform.dialogs().back().number, 35);
    EXPECT_EQ(label().font, (FontSpec{"Arial Black", 35, true}));
    EXPECT_EQ(config_bytes(), before);
    platform.answer_next_font(FontSpec{"宋体", 24, false});
    d.press(ap::kFont);
    EXPECT_EQ(label().font, (FontSpec{"宋体", 24, true}));
    EXPECT_EQ(read("数字钟配置", "字体名称"), "宋体");
    EXPECT_EQ(read("数字钟配置", "字体大小"), "24");

    d.press(ap::kSizeHint);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, "请单击数字钟周围！");
    EXPECT_EQ(platform.messages()[0].icon, MessageIcon::none);
}

TEST_F(AppearancePageTest, TheFontDialogOpensOnTheShownFontAndKeepsToUprightReadableSizes) {
    // What the dialog is given: the stored font made upright and within 8 to 200 pixels.
    const struct {
        const char* stored;
        const char* face;
        int height;
    } opened[] = {
        {"字体名称=Arial Black\n字体大小=35\n", "Arial Black", 35},
        {"字体名称=@宋体\n字体大小=620\n", "宋体", 200},
        {"字体名称=宋体\n字体大小=3\n", "宋体", 8},
        {"", "Arial Black", 35},             // nothing stored: the designed font shows
        {"字体大小=0\n", "Arial Black", 0},  // no height: the desktop's default
    };
    for (const auto& c : opened) {
        auto d = open(std::string("[数字钟配置]\n") + c.stored);
        const std::string before = config_bytes();
        const FontSpec shown = label().font;
        d.press(ap::kFont);  // cancelled: nothing changes
        ASSERT_EQ(platform.dialogs().back().kind, HeadlessPlatform::DialogCall::Kind::font);
        EXPECT_EQ(platform.dialogs().back().initial, c.face) << c.stored;
        EXPECT_EQ(platform.dialogs().back().number, c.height) << c.stored;
        EXPECT_EQ(platform.dialogs().back().bold, shown.bold) << c.stored;
        EXPECT_EQ(platform.dialogs().back().min, 8);
        EXPECT_EQ(platform.dialogs().back().max, 200);
        EXPECT_EQ(label().font, shown) << c.stored;
        EXPECT_EQ(config_bytes(), before) << c.stored;
    }

    // What is kept of an answer: never a vertical face, never a size outside the limits.
    const struct {
        FontSpec answer;
        const char* face;
        int height;
    } chosen[] = {
        {{"宋体", 24, false}, "宋体", 24},     {{"@SimSun", 24, false}, "SimSun", 24},
        {{"Arial", 620, false}, "Arial", 200}, {{"Arial", 2, false}, "Arial", 8},
        {{"Arial", 200, false}, "Arial", 200}, {{"Arial", 8, false}, "Arial", 8},
    };
    auto d = open("[数字钟配置]\n字体名称=Arial Black\n字体大小=35\n");
    for (const auto& c : chosen) {
        platform.answer_next_font(c.answer);
        d.press(ap::kFont);
        EXPECT_EQ(label().font.face, c.face) << c.answer.face << " " << c.answer.height;
        EXPECT_EQ(label().font.height, c.height) << c.answer.face << " " << c.answer.height;
        EXPECT_EQ(read("数字钟配置", "字体名称"), c.face);
        EXPECT_EQ(read("数字钟配置", "字体大小"), std::to_string(c.height));
    }
}

TEST_F(AppearancePageTest, ChoosingADigitalPictureTicksTheBoxAndTheBoxTogglesIt) {
    const std::string path = picture_file(0, 0, 200);
    auto d = open("");
    platform.answer_next_file(path);
    platform.answer_next_input("2");
    d.press(ap::kDigitalPicture);
    EXPECT_TRUE(d.shown(ap::kHasPicture).checked);
    EXPECT_EQ(read("数字钟配置", "有无底图"), "真");
    EXPECT_EQ(read("数字钟配置", "底图"), path);
    EXPECT_EQ(read("数字钟配置", "方式"), "2");
    EXPECT_EQ(label().picture.width, 2);
    EXPECT_EQ(label().picture_mode, 2);
    d.tick(ap::kHasPicture, false);
    EXPECT_TRUE(label().picture.empty());
    EXPECT_EQ(read("数字钟配置", "有无底图"), "假");
    d.tick(ap::kHasPicture, true);  // back from the stored path and mode
    EXPECT_EQ(label().picture.at(1, 1), 0xFF0000C8u);
    EXPECT_EQ(label().picture_mode, 2);
    EXPECT_EQ(read("数字钟配置", "有无底图"), "真");
}

}  // namespace
}  // namespace horalune
