// The settings dialog's sound rows: picking a file into a row, and the "试听" / "停止" preview
// whose caption is its state, with the MP3 rule on the button tab only.
#include "buttons/sound_pickers.h"

#include <gtest/gtest.h>

#include "buttons/button_page.h"
#include "buttons/icon_store.h"
#include "config/config.h"
#include "events/reminder_page.h"
#include "events/shutdown_page.h"
#include "settings/settings_dialog.h"
#include "support/app_fixture.h"
#include "support/form_driver.h"

namespace horalune {
namespace {

using Kind = HeadlessPlatform::SoundCall::Kind;
namespace rp = reminder_page;

class SoundPickersTest : public testing::AppFixture {
  protected:
    void SetUp() override {
        ASSERT_TRUE(save_icon_store(icon_store_path(dir.path(), kIconStoreName),
                                    std::vector<IconRecord>(12)));
    }
    testing::FormDriver open(int page) {
        if (!app) start();
        app->open_settings(page);
        return {platform, app->settings_dialog()->form()};
    }
};

TEST_F(SoundPickersTest, PreviewPlaysThenStopsThenPlaysAgain) {
    const struct {
        int page;
        std::string_view preview, box;
        const char* path;
        std::optional<Kind> plays;  // none: nothing to play
    } cases[] = {
        {2, rp::kChimeSoundPreview, rp::kChimeSoundPath, "C:\\chime.wav", Kind::play},
        // Typed by hand: the dialog rows know only WAV and MIDI.
        {2, rp::kChimeSoundPreview, rp::kChimeSoundPath, "D:\\music\\song.mp3", Kind::play},
        {2, rp::kReminderSoundPreview, rp::kReminderSoundPath, "C:\\remind.mid", Kind::play},
        {3, shutdown_page::kSoundPreview, shutdown_page::kSoundPath, "C:\\tick.wav", Kind::play},
        {2, rp::kReminderSoundPreview, rp::kReminderSoundPath, "", std::nullopt},
        {0, button_page::kSoundPreview, button_page::kSoundBox, "C:\\ding.wav", Kind::play},
        {0, button_page::kSoundPreview, button_page::kSoundBox, "D:\\MP3\\ding.wav",
         Kind::play_mp3},
        {0, button_page::kSoundPreview, button_page::kSoundBox, "song.Mp3", Kind::play_mp3},
        {0, button_page::kSoundPreview, button_page::kSoundBox, "", std::nullopt},
    };
    for (const auto& c : cases) {
        auto d = open(c.page);
        d.type(c.box, c.path);  // not saved: the preview plays what the row holds now
        const std::size_t from = platform.sound_log().size();
        std::vector<std::pair<Kind, std::string>> expected, made;
        for (const char* caption : {"停止", "试听", "停止"}) {
            d.press(c.preview);
            EXPECT_EQ(d.shown(c.preview).caption, caption) << c.path;
            if (std::string_view(caption) == "试听") {
                expected.emplace_back(Kind::stop, "");
            } else if (c.plays) {
                expected.emplace_back(*c.plays, c.path);
            }
        }
        for (std::size_t i = from; i < platform.sound_log().size(); ++i) {
            const auto& call = platform.sound_log()[i];
            EXPECT_FALSE(call.repeat);
            made.emplace_back(call.kind, call.path);
        }
        EXPECT_EQ(made, expected) << c.preview << " " << c.path;
        d.press(settings::kCancel);
    }
}

TEST_F(SoundPickersTest, PickingPutsThePathInTheRowAndSwitchesTheSoundOn) {
    const struct {
        int page;
        std::string_view picker, box, check;
    } rows[] = {
        {2, rp::kChimeSoundPicker, rp::kChimeSoundPath, rp::kChimeSoundOn},
        {2, rp::kReminderSoundPicker, rp::kReminderSoundPath, rp::kReminderSoundOn},
        {3, shutdown_page::kSoundPicker, shutdown_page::kSoundPath, shutdown_page::kSoundOn},
    };
    for (const auto& row : rows) {
        auto d = open(row.page);
        d.type(row.box, "C:\\old.wav");
        d.press(row.picker);  // cancelled
        EXPECT_EQ(d.form.text(row.box), "C:\\old.wav");
        EXPECT_FALSE(d.form.checked(row.check));
        platform.answer_next_file("C:\\新的 声音.mid");
        d.press(row.picker);
        EXPECT_EQ(platform.dialogs().back().title, "选择一个程序或文件");
        EXPECT_EQ(platform.dialogs().back().text, "声音资源|*.wav|MID音序|*.mid");
        EXPECT_EQ(d.shown(row.box).caption, "C:\\新的 声音.mid") << row.picker;
        EXPECT_TRUE(d.shown(row.check).checked) << row.picker;
        d.press(settings::kOk);
    }
    EXPECT_EQ(config_read(config_path(), "定时关机", "是否发声"), "真");  // saved with the page
}

TEST_F(SoundPickersTest, ButtonRowPicksMp3IntoTheWorkingCopy) {
    auto d = open(0);
    d.pick(button_page::kButtonList, 5);
    platform.answer_next_file("E:\\歌\\晚安.mp3");
    d.press(button_page::kSoundPicker);
    EXPECT_EQ(platform.dialogs().back().text, "MP3音乐|*.mp3|声音资源|*.wav|MID音序|*.mid");
    EXPECT_EQ(d.shown(button_page::kSoundBox).caption, "E:\\歌\\晚安.mp3");
    d.press(button_page::kSoundPicker);  // cancelled: the field stays
    EXPECT_EQ(load_icon_record(icon_store_path(dir.path(), kWorkingCopyName), 6)->sound,
              "E:\\歌\\晚安.mp3");
    d.press(button_page::kSoundPreview);
    ASSERT_TRUE(platform.sounding().has_value());
    EXPECT_EQ(platform.sounding()->kind, Kind::play_mp3);
    EXPECT_EQ(platform.sounding()->path, "E:\\歌\\晚安.mp3");
}

}  // namespace
}  // namespace horalune
