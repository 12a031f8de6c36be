// The "程序命令" tab on the headless desktop: every box writes through to the working copy, the
// icon buttons, the preset list with its caption and icon strip, and Apply / Cancel.
#include "buttons/button_page.h"

#include <gtest/gtest.h>

#include "buttons/icon_store.h"
#include "config/config.h"
#include "settings/settings_dialog.h"
#include "support/app_fixture.h"
#include "support/form_driver.h"
#include "ui/bmp_encode.h"
#include "ui/picture.h"

namespace horalune {
namespace {

namespace bp = button_page;

// Preset cell k of the test strip is one opaque colour.
std::uint32_t cell_colour(int k) {
    return 0xFF000000u | static_cast<std::uint32_t>(20 + 20 * k) << 16 | 0x6400u | (200 - 10 * k);
}
std::vector<std::uint32_t> filled(std::uint32_t colour) {
    return Image(32, 32, colour).pixels;
}

class ButtonTabTest : public testing::AppFixture {
  protected:
    void SetUp() override {
        std::vector<IconRecord> records(12);
        for (int i = 0; i < 12; ++i) {
            const std::string n = std::to_string(i + 1);
            records[i] = {"cmd" + n + ".exe", "ding" + n + ".wav", "tip " + n, "", "", ""};
        }
        records[6].icon = encode_bmp_keyed(Image(32, 32, 0xFF10A010u));
        ASSERT_TRUE(save_icon_store(icon_store_path(dir.path(), kIconStoreName), records));
        write_strip(10);
    }
    void write_strip(int cells) {
        Image strip(32 * cells, 32);
        for (int x = 0; x < strip.width; ++x) {
            for (int y = 0; y < 32; ++y) strip.at(x, y) = cell_colour(x / 32);
        }
        testing::write_bytes(dir.file("icon.bmp"), encode_bmp_keyed(strip));
    }
    testing::FormDriver open() {
        if (!app) start();
        app->open_settings(settings::kButtonPage);
        return {platform, app->settings_dialog()->form()};
    }
    IconRecord working(int n) {
        return load_icon_record(icon_store_path(dir.path(), kWorkingCopyName), n).value();
    }
    IconRecord stored(int n) {
        return load_icon_record(icon_store_path(dir.path(), kIconStoreName), n).value();
    }
    // The whole gesture on the preset list.
    void choose_preset(testing::FormDriver& d, int k) {
        d.event(bp::kPresets, ControlEvent::drop_down);
        EXPECT_EQ(d.shown(bp::kPresets).items.back(), "扫雷");  // no caption while open
        d.pick(bp::kPresets, k);
        d.event(bp::kPresets, ControlEvent::close_up);
        EXPECT_EQ(d.shown(bp::kPresets).items.at(d.shown(bp::kPresets).selected), "预设命令");
    }
    static std::vector<std::uint32_t> pixels(const std::string& bytes) {
        return bytes.empty() ? std::vector<std::uint32_t>() : decode_picture(bytes).value().pixels;
    }
};

TEST_F(ButtonTabTest, EditsGoIntoTheWorkingCopyAtOnceAndComeBackWithTheButton) {
    auto d = open();
    d.pick(bp::kButtonList, 2);
    d.type(bp::kCommandBox, "notepad.exe C:\\a.txt");
    d.type(bp::kSoundBox, "C:\\Media\\tada.wav");
    d.type(bp::kTooltipBox, "写笔记\r\n第二行");
    EXPECT_EQ(working(3), (IconRecord{"notepad.exe C:\\a.txt", "C:\\Media\\tada.wav",
                                      "写笔记\r\n第二行", "", "", ""}));
    EXPECT_EQ(stored(3).command, "cmd3.exe");  // not before Apply
    d.pick(bp::kButtonList, 6);
    EXPECT_EQ(d.shown(bp::kCommandBox).caption, "cmd7.exe");
    EXPECT_EQ(d.shown(bp::kIconPreview).picture.pixels, filled(0xFF10A010u));
    d.pick(bp::kButtonList, 2);
    EXPECT_EQ(d.shown(bp::kCommandBox).caption, "notepad.exe C:\\a.txt");
    EXPECT_EQ(d.shown(bp::kSoundBox).caption, "C:\\Media\\tada.wav");
    EXPECT_EQ(d.shown(bp::kTooltipBox).caption, "写笔记\r\n第二行");
    EXPECT_TRUE(d.shown(bp::kIconPreview).picture.empty());
}

TEST_F(ButtonTabTest, PresetsWriteCommandTooltipAndTheirCellOfTheStrip) {
    const struct {
        int k;
        bool nt;
        const char *command, *tooltip;
        int cells = 10;  // in the strip beside the program
    } cases[] = {
        {0, true, "光驱开关", "光驱开关"},     {2, true, "explorer.exe", "资源管理"},
        {3, true, "freecell.exe", "空当接龙"}, {4, true, "cmd.exe", "DOS系统"},
        {4, false, "command.com", "DOS系统"},  {5, true, "sndrec32.exe", "录音机"},
        {6, true, "calc.exe", "计算器"},       {7, true, "notepad.exe", "记事本"},
        {8, true, "mspaint.exe", "画图"},      {9, true, "winmine.exe", "扫雷"},
        {9, true, "winmine.exe", "扫雷", 9},  // a strip short of the cell gives no icon
    };
    auto d = open();
    d.pick(bp::kButtonList, 4);
    for (const auto& c : cases) {
        platform.set_nt_family(c.nt);
        write_strip(c.cells);
        choose_preset(d, c.k);
        const IconRecord record = working(5);
        EXPECT_EQ(record.command, c.command) << c.k;
        EXPECT_EQ(record.tooltip, c.tooltip) << c.k;
        EXPECT_EQ(record.sound, "ding5.wav");
        EXPECT_EQ(d.shown(bp::kCommandBox).caption, c.command) << c.k;
        EXPECT_EQ(d.shown(bp::kTooltipBox).caption, c.tooltip) << c.k;
        const auto icon = c.k < c.cells ? filled(cell_colour(c.k)) : std::vector<std::uint32_t>();
        EXPECT_EQ(pixels(record.icon), icon) << c.k;
        EXPECT_EQ(d.shown(bp::kIconPreview).picture.pixels, icon) << c.k;
    }
    EXPECT_TRUE(platform.dialogs().empty());  // only the dial preset asks anything
}

TEST_F(ButtonTabTest, DialPresetSetsTheButtonEvenWhenTheNumberIsCancelled) {
    write_config("[其它]\n默认拨号号码=163\n");
    const std::optional<std::string> answers[] = {std::nullopt, "16300"};
    for (const std::optional<std::string>& answer : answers) {
        auto d = open();
        d.pick(bp::kButtonList, 1);
        platform.answer_next_input(answer);
        choose_preset(d, 1);
        ASSERT_EQ(platform.dialogs().size(), answer ? 2u : 1u);
        const auto& prompt = platform.dialogs().back();
        EXPECT_EQ(prompt.kind, HeadlessPlatform::DialogCall::Kind::input);
        EXPECT_EQ(prompt.text, "输入默认拨号号码：如163、96063等");
        EXPECT_EQ(prompt.title, "拨号号码");
        EXPECT_EQ(prompt.initial, "96063");
        EXPECT_EQ(config_read(config_path(), "其它", "默认拨号号码"), answer ? "16300" : "163");
        EXPECT_EQ(working(2), (IconRecord{"上网下网", "ding2.wav", "拨号上网或断开网络。",
                                          working(2).icon, "", ""}));
        EXPECT_EQ(pixels(working(2).icon), filled(cell_colour(1)));
        EXPECT_EQ(d.shown(bp::kTooltipBox).caption, "拨号上网或断开网络。");
        d.press(settings::kCancel);
    }
}

TEST_F(ButtonTabTest, ProgramClearsTheTooltipWhileAnIconKeepsIt) {
    Image icon(32, 32, 0xFFC0A000u);
    icon.at(0, 0) = 0x00123456u;  // transparent: stored as white
    icon.at(1, 0) = 0xFFFFFFFFu;  // white drawn: must not turn transparent
    platform.set_file_icon("D:\\icons\\star.ico", icon);
    platform.set_file_icon("C:\\Tools\\edit.exe", Image(32, 32, 0xFF3060C0u));
    auto d = open();
    d.pick(bp::kButtonList, 8);
    d.press(bp::kChangeIcon);  // cancelled
    d.press(bp::kChooseProgram);
    EXPECT_EQ(working(9), stored(9));

    platform.answer_next_file("D:\\icons\\star.ico");
    d.press(bp::kChangeIcon);
    EXPECT_EQ(platform.dialogs().back().title, "选择一个程序或文件");
    EXPECT_EQ(platform.dialogs().back().text, "图标资源|*.ico");
    icon.at(0, 0) = 0xFFFFFFFFu, icon.at(1, 0) = 0xFFFEFEFEu;
    EXPECT_EQ(pixels(working(9).icon), icon.pixels);
    EXPECT_EQ(working(9).tooltip, "tip 9");
    EXPECT_EQ(working(9).command, "cmd9.exe");

    platform.answer_next_file("C:\\Tools\\edit.exe");
    d.press(bp::kChooseProgram);
    EXPECT_EQ(platform.dialogs().back().text, "应用程序|*.exe");
    EXPECT_EQ(working(9), (IconRecord{"C:\\Tools\\edit.exe", "ding9.wav", "",
                                      encode_bmp_keyed(Image(32, 32, 0xFF3060C0u)), "", ""}));
    EXPECT_EQ(d.shown(bp::kCommandBox).caption, "C:\\Tools\\edit.exe");
    EXPECT_EQ(d.shown(bp::kTooltipBox).caption, "");
    EXPECT_EQ(d.shown(bp::kIconPreview).picture.pixels, filled(0xFF3060C0u));
    platform.answer_next_file("C:\\Tools\\plain.exe");  // a program without an icon
    d.press(bp::kChooseProgram);
    EXPECT_EQ(working(9).icon, "");
}

TEST_F(ButtonTabTest, ApplyShowsTheIconsAtOnceAndCancelKeepsWhatWasApplied) {
    auto d = open();
    d.pick(bp::kButtonList, 3);
    choose_preset(d, 6);
    EXPECT_FALSE(analog().button_icon(4).has_value());
    d.press(settings::kApply);
    ASSERT_TRUE(analog().button_icon(4).has_value());
    EXPECT_EQ(analog().button_icon(4)->pixels, filled(cell_colour(6)));
    d.type(bp::kCommandBox, "not applied.exe");
    d.press(bp::kRecorder);
    EXPECT_EQ(platform.started_processes(), std::vector<std::string>{"sndrec32"});
    d.press(settings::kCancel);
    EXPECT_EQ(stored(4).command, "calc.exe");
    EXPECT_EQ(stored(4).tooltip, "计算器");
}

}  // namespace
}  // namespace horalune
