// The typed settings: one pass over config.ini reads every field exactly as a single lookup of
// its key would, and one table row per field drives both reading and writing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "config/config.h"
#include "config/convert.h"
#include "config/gb18030.h"
#include "config/settings_file.h"
#include "config/settings_table.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

using testing::read_bytes;
using testing::write_bytes;

class SettingsTest : public ::testing::Test {
  protected:
    Settings parse() { return parse_settings(gb18030_to_utf8(read_bytes(ini))); }
    testing::TempDir dir;
    std::string ini = dir.file("config.ini");
};

// Every key lands in its own field: a distinct value per key, checked field by field.
TEST_F(SettingsTest, EachKeyFillsItsField) {
    write_bytes(ini,
                utf8_to_gb18030("[时钟配置]\r\n时针颜色=1\r\n分针颜色=2\r\n秒针颜色=3\r\n"
                                "时针长度=4\r\n分针长度=5\r\n秒针长度=6\r\n时针长度1=7\r\n"
                                "分针长度1=8\r\n秒针长度1=9\r\n时针宽度=10\r\n分针宽度=11\r\n"
                                "秒针宽度=12\r\n风格=6\r\n底图=默认2\r\n方式=13\r\n自动隐藏=真\r\n"
                                "[数字钟配置]\r\n宽度=14\r\n高度=15\r\n类型=时间\r\n格式=2\r\n"
                                "文本颜色=16\r\n背景颜色=17\r\n字体名称=宋体\r\n字体大小=18\r\n"
                                "有无底图=假\r\n底图=d.bmp\r\n方式=19\r\n自动隐藏=假\r\n"
                                "[其它]\r\n数字钟状态=显示\r\n时钟状态=隐藏\r\n跳动的心=假\r\n"
                                "默认拨号号码=123\r\n"
                                "[整点报时]\r\n整点是否报时=真\r\n是否震动=假\r\n震动级别=20\r\n"
                                "是否发声=真\r\n声音路径=c.wav\r\n"
                                "[定时提醒]\r\n是否定时提醒=真\r\n提醒时间=7:30:0\r\n"
                                "是否文字提醒=假\r\n提醒文字=开会\r\n是否震动=真\r\n"
                                "震动级别=21\r\n是否发声=假\r\n声音路径=r.wav\r\n"
                                "[定时关机]\r\n是否定时关机=真\r\n关机时间=23:0:0\r\n"
                                "关机方式=22\r\n是否强制关闭=假\r\n是否倒计时=真\r\n"
                                "倒计时间=30秒\r\n是否发声=真\r\n声音路径=s.wav\r\n"));
    const Settings s = parse();
    const ClockSettings& c = s.clock;
    EXPECT_EQ(std::vector({c.hour_colour, c.minute_colour, c.second_colour, c.hour_length,
                           c.minute_length, c.second_length, c.hour_length_level,
                           c.minute_length_level, c.second_length_level, c.hour_width,
                           c.minute_width, c.second_width, c.picture_mode}),
              std::vector({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13}));
    EXPECT_EQ(c.style, "6");
    EXPECT_EQ(c.background, "默认2");
    EXPECT_TRUE(c.auto_hide.on());
    const DigitalSettings& d = s.digital;
    EXPECT_EQ(std::vector({d.width, d.height, d.picture_mode}), std::vector({14, 15, 19}));
    EXPECT_EQ(d.kind, "时间");
    EXPECT_TRUE(d.twelve_hours());
    EXPECT_EQ(d.text_colour, 16);
    EXPECT_EQ(d.back_colour, 17);
    EXPECT_EQ(d.font_name, "宋体");
    EXPECT_EQ(d.font_size, 18);
    EXPECT_TRUE(d.has_picture.off());
    EXPECT_EQ(d.background, "d.bmp");
    EXPECT_TRUE(d.auto_hide.off());
    EXPECT_TRUE(s.other.digital_shown);
    EXPECT_FALSE(s.other.clock_shown);
    EXPECT_TRUE(s.other.heart.off());
    EXPECT_EQ(s.other.dial_number, "123");
    EXPECT_TRUE(s.chime.on.on());
    EXPECT_TRUE(s.chime.vibrate.off());
    EXPECT_EQ(s.chime.vibrate_level, 20);
    EXPECT_TRUE(s.chime.sound_on.on());
    EXPECT_EQ(s.chime.sound_path, "c.wav");
    const ReminderSettings& r = s.reminder;
    EXPECT_TRUE(r.on.on());
    EXPECT_EQ(r.time, "7:30:0");
    EXPECT_TRUE(r.text_on.off());
    EXPECT_EQ(r.text, "开会");
    EXPECT_TRUE(r.vibrate.on());
    EXPECT_EQ(r.vibrate_level, 21);
    EXPECT_TRUE(r.sound_on.off());
    EXPECT_EQ(r.sound_path, "r.wav");
    const ShutdownSettings& h = s.shutdown;
    EXPECT_TRUE(h.on.on());
    EXPECT_EQ(h.time, "23:0:0");
    EXPECT_EQ(h.mode, 22);
    EXPECT_TRUE(h.force_close.off());
    EXPECT_TRUE(h.countdown_on.on());
    EXPECT_EQ(h.countdown_seconds, "30秒");
    EXPECT_EQ(h.countdown_number(), 30);
    EXPECT_TRUE(h.sound_on.on());
    EXPECT_EQ(h.sound_path, "s.wav");
}

// What a field holds for the text that config_read gives for its key, by the field's kind.
void expect_reads_as(const FieldRow& row, Settings& s, const std::string& text) {
    SCOPED_TRACE(std::string(row.section) + "/" + std::string(row.key) + " = [" + text + "]");
    const void* at = row.field(s);
    switch (row.kind) {
        case FieldKind::text:
            EXPECT_EQ(*static_cast<const std::string*>(at), text);
            break;
        case FieldKind::integer:
            EXPECT_EQ(*static_cast<const std::int32_t*>(at), to_integer(text));
            break;
        case FieldKind::optional_integer: {
            const auto& value = *static_cast<const std::optional<std::int32_t>*>(at);
            EXPECT_EQ(value.has_value(), !text.empty());
            if (value) {
                EXPECT_EQ(*value, to_integer(text));
            }
            break;
        }
        case FieldKind::switch_word:
            EXPECT_EQ(static_cast<const Switch*>(at)->on(), is_on(text));
            EXPECT_EQ(static_cast<const Switch*>(at)->off(), text == cfg::kFalse);
            break;
        case FieldKind::shown_word:
            EXPECT_EQ(*static_cast<const bool*>(at), text == cfg::kShown);
            break;
    }
}

// The one pass agrees with a lookup of each key, on texts that each kind reads in its own way
// and on a file where a key comes twice, in a repeated section and in look-alike sections.
TEST_F(SettingsTest, OnePassReadsWhatEachSingleLookupReads) {
    const std::vector<std::string> samples = {"",     "真",        "假",   " 真 ",       "\"真\"",
                                              "真假", "显示",      "隐藏", "12.9",       "-3.7",
                                              "abc",  "\"a\\nb\"", "1e3",  "99999999999"};
    for (const std::string& sample : samples) {
        std::string text = "; comment\r\n[其它1]\r\n";
        for (const FieldRow& row : settings_table()) {
            text += "[" + std::string(row.section) + "]\r\n";
            text += std::string(row.key) + " = " + sample + "\r\n";
            text += std::string(row.key) + "=second\r\n";
            text += "[" + std::string(row.section) + "x]\r\n" + std::string(row.key) + "=x\n";
        }
        write_bytes(ini, utf8_to_gb18030(text));
        Settings s = parse();
        for (const FieldRow& row : settings_table()) {
            expect_reads_as(row, s, config_read(ini, row.section, row.key));
        }
    }
    // Nothing in the file: every field holds what an empty text reads as.
    write_bytes(ini, "");
    Settings s = parse();
    for (const FieldRow& row : settings_table()) expect_reads_as(row, s, "");
}

TEST_F(SettingsTest, KeysOfOneSectionAreNotReadFromAnother) {
    write_bytes(ini, utf8_to_gb18030("自动隐藏=真\n[数字钟配置]\n自动隐藏=真\n方式=4\n"));
    const Settings s = parse();
    EXPECT_FALSE(s.clock.auto_hide.on());
    EXPECT_TRUE(s.digital.auto_hide.on());
    EXPECT_EQ(s.clock.picture_mode, 0);
    EXPECT_EQ(s.digital.picture_mode, 4);
}

// Writing one field goes to its row's section and key, in its kind's words, and keeps the
// rest of the file as it was.
TEST_F(SettingsTest, SavingAFieldWritesItsItemOnly) {
    const std::string before = utf8_to_gb18030("; mine\n[其它]\nodd line\n数字钟状态=显示\n");
    write_bytes(ini, before);
    SettingsFile file;
    file.save(ini, &OtherSettings::digital_shown, false);
    EXPECT_EQ(read_bytes(ini), utf8_to_gb18030("; mine\n[其它]\nodd line\n数字钟状态=隐藏\n"));
    file.save(ini, &OtherSettings::clock_shown, true);
    file.save(ini, &OtherSettings::heart, false);
    file.save(ini, &ClockSettings::auto_hide, true);
    file.save(ini, &DigitalSettings::font_size, 12);
    file.save(ini, &ShutdownSettings::countdown_seconds, " 30 ");
    file.save(ini, &ReminderSettings::text, "a\r\nb");
    EXPECT_EQ(config_read(ini, "其它", "时钟状态"), "显示");
    EXPECT_EQ(config_read(ini, "其它", "跳动的心"), "假");
    EXPECT_EQ(config_read(ini, "时钟配置", "自动隐藏"), "真");
    EXPECT_EQ(config_read(ini, "数字钟配置", "字体大小"), "12");
    EXPECT_EQ(config_read(ini, "定时关机", "倒计时间"), " 30 ");
    EXPECT_EQ(config_read(ini, "定时提醒", "提醒文字"), "a\r\nb");
    const Settings& s = file.current(ini);
    EXPECT_TRUE(s.other.clock_shown);
    EXPECT_FALSE(s.other.digital_shown);
    EXPECT_EQ(s.digital.font_size, 12);
    EXPECT_EQ(s.shutdown.countdown_seconds, " 30 ");
    EXPECT_EQ(s.reminder.text, "a\r\nb");
}

}  // namespace
}  // namespace horalune
