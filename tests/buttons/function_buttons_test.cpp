// The function buttons on the headless desktop: what a click and a right click do, by record,
// and the tooltip each shows while the pointer rests on it.
#include "buttons/function_buttons.h"

#include <gtest/gtest.h>

#include <functional>

#include "buttons/icon_store.h"
#include "platform/files.h"
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
    const std::string caption = analog().form().caption();
    click(1);
    click(2);  // the flag is shared by every button with the command
    click(1);
    EXPECT_EQ(platform.media_commands(), (std::vector<std::string>{"Set CDAudio Door Open Wait",
                                                                   "Set CDAudio Door Closed Wait",
                                                                   "Set CDAudio Door Open Wait"}));
    EXPECT_EQ(analog().form().caption(), caption);  // the tray's state is not kept in the title
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

namespace horalune {
namespace {

class ButtonTooltipTest : public FunctionButtonsTest {
  protected:
    void write_tooltips(const std::vector<std::string>& texts) {
        std::vector<IconRecord> records(12);
        for (std::size_t i = 0; i < records.size(); ++i) {
            records[i].command = "app" + std::to_string(i + 1) + ".exe";
            records[i].icon = bmp_of(200, 0, 0);
            if (i < texts.size()) records[i].tooltip = texts[i];
        }
        ASSERT_TRUE(save_icon_store(icon_store_path(dir.path(), kIconStoreName), records));
    }
    WindowId window() { return analog().form().window(); }
    void hover(int n) {
        const auto [x, y] = centre(n);
        platform.mouse_move(window(), x, y);
    }
    std::string shown() { return platform.tooltip_shown(window()); }
    static constexpr std::int64_t kDelay = HeadlessPlatform::kTooltipDelayMs;
};

TEST_F(ButtonTooltipTest, RestingOnAButtonShowsItsTextAfterTheDelay) {
    write_tooltips({"记事本", "计算器", "", "画图"});
    start();
    const struct {
        int button;
        const char* text;  // empty: nothing shows, however long the pointer rests
    } cases[] = {{1, "记事本"}, {2, "计算器"}, {3, ""}, {4, "画图"}, {12, ""}};
    for (const auto& c : cases) {
        hover(c.button);
        EXPECT_EQ(shown(), "") << c.button;  // not at once
        platform.advance(kDelay - 1);
        EXPECT_EQ(shown(), "") << c.button;
        platform.advance(1);
        EXPECT_EQ(shown(), c.text) << c.button;
        platform.advance(3000);
        EXPECT_EQ(shown(), c.text) << c.button;  // stays while the pointer rests
        // The tip belongs to the button under the pointer.
        EXPECT_EQ(platform.tooltip(window()).area,
                  analog().form().controls()[static_cast<std::size_t>(c.button)].rect);
    }
}

TEST_F(ButtonTooltipTest, LeavingTheButtonOrPressingItHidesTheTip) {
    write_tooltips({"记事本", "计算器"});
    start();
    const Point face = face_point();
    const std::function<void()> leave_ways[] = {
        [&] { platform.mouse_move(window(), face.x, face.y); },  // onto the bare face
        [&] { platform.mouse_leave(window()); },                 // off the window
    };
    for (const auto& leave : leave_ways) {
        hover(1);
        platform.advance(kDelay);
        ASSERT_EQ(shown(), "记事本");
        leave();
        EXPECT_EQ(shown(), "");
        EXPECT_EQ(platform.tooltip(window()).text, "");  // taken away, not just out of reach
        platform.advance(kDelay * 4);
        EXPECT_EQ(shown(), "");
    }
    // A press hides it; the click still runs the command.
    hover(2);
    platform.advance(kDelay);
    ASSERT_EQ(shown(), "计算器");
    click(2);
    EXPECT_EQ(shown(), "");
    EXPECT_EQ(platform.started_processes().back(), "app2.exe");
}

TEST_F(ButtonTooltipTest, EditedTextsAndAMissingStore) {
    write_tooltips({"记事本"});
    start();
    write_tooltips({"我的记事本"});
    load_button_icons(analog(), dir.path());  // as saving the button page does
    hover(1);
    platform.advance(kDelay);
    EXPECT_EQ(shown(), "我的记事本");

    platform.mouse_leave(window());
    ASSERT_TRUE(files::remove(icon_store_path(dir.path(), kIconStoreName)));
    load_button_icons(analog(), dir.path());
    hover(1);
    platform.advance(kDelay * 2);
    EXPECT_EQ(shown(), "");
}

}  // namespace
}  // namespace horalune
