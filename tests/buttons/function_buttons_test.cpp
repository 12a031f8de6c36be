// The function buttons on the headless desktop: what a click and a right click do, by record.
#include <gtest/gtest.h>

#include "buttons/icon_store.h"
#include "support/app_fixture.h"
#include "support/bmp.h"

namespace horalune {
namespace {

using testing::bmp_of;

class FunctionButtonsTest : public testing::AppFixture {
  protected:
    // Records for buttons 1 ... 12, the rest of each record filled in.
    void write_store(const std::vector<std::pair<std::string, std::string>>& command_and_sound) {
        std::vector<IconRecord> records(12);
        for (std::size_t i = 0; i < records.size(); ++i) {
            if (i < command_and_sound.size()) {
                records[i].command = command_and_sound[i].first;
                records[i].sound = command_and_sound[i].second;
            }
            records[i].icon = bmp_of(200, 0, 0);
            records[i].face5 = bmp_of(0, 200, 0);
            records[i].face6 = bmp_of(0, 0, 200);
        }
        ASSERT_TRUE(save_icon_store(icon_store_path(dir.path(), kIconStoreName), records));
    }
    // Centre of button n on the window.
    std::pair<int, int> centre(int n) {
        const Rect r = analog().form().controls()[static_cast<std::size_t>(n)].rect;
        return {r.left + 16, r.top + 16};
    }
    void click(int n) {
        const auto [x, y] = centre(n);
        platform.mouse_down(analog().form().window(), MouseButton::left, x, y);
        platform.mouse_up(analog().form().window(), MouseButton::left, x, y);
    }
    void right_click(int n) {
        const auto [x, y] = centre(n);
        platform.mouse_down(analog().form().window(), MouseButton::right, x, y);
        platform.mouse_up(analog().form().window(), MouseButton::right, x, y);
    }
};

TEST_F(FunctionButtonsTest, CommandsRunExactlyAsWritten) {
    write_store({{"notepad.exe", ""},
                 {"\"C:\\Program Files\\x.exe\" /a b", ""},
                 {"光驱开关 ", ""},  // a command word followed by a blank is a command line
                 {"", ""}});         // an empty command starts nothing
    start();
    for (int n : {1, 2, 3, 4}) click(n);
    EXPECT_EQ(platform.started_processes(),
              (std::vector<std::string>{"notepad.exe", "\"C:\\Program Files\\x.exe\" /a b",
                                        "光驱开关 "}));
    EXPECT_TRUE(platform.media_commands().empty());
}

TEST_F(FunctionButtonsTest, CdTrayAlternatesStartingWithOpen) {
    write_store({{"光驱开关", ""}, {"光驱开关", ""}});
    start();
    click(1);
    click(2);  // the flag is shared by every button with the command
    click(1);
    EXPECT_EQ(platform.media_commands(), (std::vector<std::string>{"Set CDAudio Door Open Wait",
                                                                   "Set CDAudio Door Closed Wait",
                                                                   "Set CDAudio Door Open Wait"}));
    EXPECT_EQ(analog().form().caption(), "ok");
    EXPECT_TRUE(platform.started_processes().empty());
}

TEST_F(FunctionButtonsTest, DialUpHangsUpWhenConnected) {
    write_store({{"上网下网", ""}});
    start();
    platform.set_dialup_connected(true);
    click(1);
    EXPECT_EQ(platform.hang_ups(), 1);
    ASSERT_EQ(platform.messages().size(), 1u);
    EXPECT_EQ(platform.messages()[0].text, "下网成功了，收获不小吧！");
    click(1);  // offline now: no second hang-up, no message (the dial-up window opens instead)
    EXPECT_EQ(platform.hang_ups(), 1);
    EXPECT_EQ(platform.messages().size(), 1u);
}

TEST_F(FunctionButtonsTest, RightButtonPlaysTheSoundOnce) {
    write_store({{"", "C:\\Media\\ding.wav"},
                 {"", "D:\\MP3\\alarm.wav"},  // "mp3" anywhere: played as MP3
                 {"", "song.Mp3"},
                 {"", ""}});
    start();
    for (int n : {1, 2, 3, 4}) right_click(n);
    const auto& log = platform.sound_log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].kind, HeadlessPlatform::SoundCall::Kind::play);
    EXPECT_EQ(log[0].path, "C:\\Media\\ding.wav");
    EXPECT_FALSE(log[0].repeat);
    EXPECT_EQ(log[1].kind, HeadlessPlatform::SoundCall::Kind::play_mp3);
    EXPECT_EQ(log[2].kind, HeadlessPlatform::SoundCall::Kind::play_mp3);
    EXPECT_TRUE(platform.started_processes().empty());  // a right click runs nothing
}

TEST_F(FunctionButtonsTest, AClickNeedsPressAndReleaseOnTheSameButton) {
    write_store({{"a.exe", ""}, {"b.exe", ""}});
    start();
    const auto [x1, y1] = centre(1);
    const auto [x2, y2] = centre(2);
    platform.mouse_down(analog().form().window(), MouseButton::left, x1, y1);
    platform.mouse_up(analog().form().window(), MouseButton::left, x2, y2);
    EXPECT_TRUE(platform.started_processes().empty());
    EXPECT_EQ(analog_state().drags, 0);  // a press on a button is no face press
}

TEST_F(FunctionButtonsTest, FacesFollowTheStyleAndIconsShowOnHover) {
    write_store({});
    write_config("[时钟配置]\n风格=6\n");
    start();
    const auto [x, y] = centre(3);
    // The 2 x 2 pictures sit at the button's top-left corner.
    const Rect r = analog().form().controls()[3].rect;
    const auto shown = [&] { return analog_state().content.at(r.left + 1, r.top + 1); };
    EXPECT_EQ(shown(), 0xFF0000C8u);  // style 6 face: blue
    platform.mouse_move(analog().form().window(), x, y);
    EXPECT_EQ(shown(), 0xFFC80000u);  // the icon: red
    platform.mouse_leave(analog().form().window());
    EXPECT_EQ(shown(), 0xFF0000C8u);
    load_button_faces(analog(), dir.path(), 5);
    EXPECT_EQ(shown(), 0xFF00C800u);
    load_button_faces(analog(), dir.path(), 0);  // no face for other styles: the dial shows
    EXPECT_FALSE(analog().button_face(3).has_value());
    EXPECT_TRUE(analog().button_icon(3).has_value());  // icons stay as they are
}

TEST_F(FunctionButtonsTest, DamagedOrMissingStoreLeavesButtonsWithoutEffect) {
    for (const std::string& bytes :
         {std::string(), std::string("HRS garbage"), std::string(10000, '\xFF')}) {
        if (!bytes.empty())
            testing::write_bytes(icon_store_path(dir.path(), kIconStoreName), bytes);
        start();
        for (int n = 1; n <= 12; ++n) {
            click(n);
            right_click(n);
            EXPECT_FALSE(analog().button_face(n).has_value());
        }
        EXPECT_TRUE(platform.started_processes().empty());
        EXPECT_TRUE(platform.sound_log().empty());
    }
}

}  // namespace
}  // namespace horalune
