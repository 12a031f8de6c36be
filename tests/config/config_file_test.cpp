// config.ini as the program reads and writes it: GBK bytes on disk, items replaced in place,
// everything else kept byte for byte, every write whole or not at all.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "config/config.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

using testing::read_bytes;
using testing::write_bytes;

// GBK bytes of the names used below, as a Chinese Windows editor saves them.
const std::string kClockGbk = "\xCA\xB1\xD6\xD3\xC5\xE4\xD6\xC3";                  // 时钟配置
const std::string kHourColourGbk = "\xCA\xB1\xD5\xEB\xD1\xD5\xC9\xAB";             // 时针颜色
const std::string kShutdownGbk = "\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA";               // 定时关机
const std::string kArmedGbk = "\xCA\xC7\xB7\xF1\xB6\xA8\xCA\xB1\xB9\xD8\xBB\xFA";  // 是否定时关机
const std::string kTrueGbk = "\xD5\xE6";                                           // 真
const std::string kFalseGbk = "\xBC\xD9";                                          // 假

class ConfigFileTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    std::string ini = dir.file("config.ini");
    std::string raw() const { return read_bytes(ini); }
};

TEST_F(ConfigFileTest, MissingThingsReadAsEmptyText) {
    EXPECT_EQ(config_read(ini, "时钟配置", "时针颜色"), "");
    write_bytes(ini, "[" + kClockGbk + "]\r\n" + kHourColourGbk + "=\r\nother=1\r\n");
    EXPECT_EQ(config_read(ini, "时钟配置", "时针颜色"), "");  // present but empty
    EXPECT_EQ(config_read(ini, "时钟配置", "分针颜色"), "");
    EXPECT_EQ(config_read(ini, "其它", "other"), "");
    EXPECT_EQ(config_read(dir.file("nowhere\\config.ini"), "时钟配置", "other"), "");
}

TEST_F(ConfigFileTest, ReadsGbkWithExactSectionAndKeyMatching) {
    write_bytes(ini, "[" + kClockGbk + "1]\r\n" + kHourColourGbk + "=1\r\n[" + kClockGbk + "]\r\n" +
                         kHourColourGbk + "1=2\r\n " + kHourColourGbk + " = 255 \r\n" +
                         kHourColourGbk + "=999\r\n");
    // Another section with a longer name, a longer key, blanks around '=', the first of two.
    EXPECT_EQ(config_read(ini, "时钟配置", "时针颜色"), "255");
    EXPECT_EQ(config_read(ini, "时钟配置1", "时针颜色"), "1");
    EXPECT_EQ(config_read(ini, "时钟配置", "时针颜色1"), "2");
}

TEST_F(ConfigFileTest, NewFileIsGbkWithCrlf) {
    config_write(ini, "定时关机", "是否定时关机", "假");
    EXPECT_EQ(raw(), "[" + kShutdownGbk + "]\r\n" + kArmedGbk + "=" + kFalseGbk + "\r\n");
    EXPECT_EQ(config_read(ini, "定时关机", "是否定时关机"), "假");
}

TEST_F(ConfigFileTest, WriteReplacesInPlaceAndKeepsEverythingElse) {
    const std::string before = "; kept comment\n[" + kShutdownGbk + "]\n" + kArmedGbk + "=" +
                               kTrueGbk + "\nunknown line without equals\n\n[x]\na=1\n";
    write_bytes(ini, before);
    config_write(ini, "定时关机", "是否定时关机", "假");
    config_write(ini, "定时关机", "是否定时关机", "假");  // no duplicate line
    std::string expected = before;
    expected.replace(expected.find(kArmedGbk + "=" + kTrueGbk), kArmedGbk.size() + 3,
                     kArmedGbk + "=" + kFalseGbk);
    EXPECT_EQ(raw(), expected);
}

TEST_F(ConfigFileTest, AddsItemsToTheirSectionAndSectionsAtTheEnd) {
    write_bytes(ini, "[a]\nk=1\n\n[b]\nk=2");  // LF endings, no newline at the end
    config_write(ini, "a", "new", "x");
    config_write(ini, "b", "new", "y");
    config_write(ini, "c", "new", "z");
    EXPECT_EQ(raw(), "[a]\nk=1\nnew=x\n\n[b]\nk=2\nnew=y\n[c]\nnew=z\n");
    for (const auto& [section, value] : {std::pair{"a", "x"}, {"b", "y"}, {"c", "z"}}) {
        EXPECT_EQ(config_read(ini, section, "new"), value);
    }
}

TEST_F(ConfigFileTest, InsertedItemKeepsMixedLineEndingsApart) {
    // The file's first line ends in a lone CR; an item inserted before an empty LF line must
    // not end in CR, or the two would read back as one CRLF and the empty line would be gone.
    write_bytes(ini, "[a]\rk=1\n\n[b]\n");
    config_write(ini, "a", "new", "x");
    EXPECT_EQ(raw(), "[a]\rk=1\nnew=x\n\n[b]\n");
}

TEST_F(ConfigFileTest, EveryTypedValueRoundTripsOnOneLine) {
    const std::string values[] = {
        "第一行\r\n第二行\n第三行",  // line breaks
        "  leading and trailing  ",  // blanks the reader would trim
        "\"quoted\"",                // would read as a hand-quoted value
        "C:\\new\\rain.wav",         // backslashes stay plain
        "emoji 😀 and 𠀀 and €",      // outside GBK
        "tab\there;#=[]",
        std::string(5000, 'x'),
        std::string("nul\0inside", 10),
    };
    for (const std::string& v : values) {
        config_write(ini, "定时提醒", "提醒文字", v);
        EXPECT_EQ(config_read(ini, "定时提醒", "提醒文字"), v);
        config_write(ini, "定时提醒", "after", "ok");
        EXPECT_EQ(config_read(ini, "定时提醒", "after"), "ok");
    }
    // Still one item per line: exactly the section and the two items.
    const std::string text = raw();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 3);
}

TEST_F(ConfigFileTest, PathsAreStoredAsTyped) {
    config_write(ini, "整点报时", "声音路径", "C:\\new\\rain.wav");
    EXPECT_NE(raw().find("=C:\\new\\rain.wav\r\n"), std::string::npos);
    write_bytes(ini, "[x]\nk=\"hand quoted\"\n");
    EXPECT_EQ(config_read(ini, "x", "k"), "hand quoted");
}

TEST_F(ConfigFileTest, GarbageBytesSurviveAWrite) {
    std::string garbage;
    for (int i = 0; i < 4096; ++i)
        garbage += static_cast<char>((i * 7919) % 256 == 10 ? 0x81 : (i * 7919) % 256);
    const std::string before = "[x]\r\nk=" + garbage + "\r\n[" + kClockGbk + "]\r\n";
    write_bytes(ini, before);
    config_write(ini, "时钟配置", "风格", "5");
    const std::string after = raw();
    ASSERT_GE(after.size(), before.size());
    EXPECT_EQ(after.substr(0, before.size()), before);
    EXPECT_EQ(config_read(ini, "时钟配置", "风格"), "5");
}

TEST_F(ConfigFileTest, HugeFileStillWorks) {
    std::string big = "[big]\r\n";
    for (int i = 0; i < 200000; ++i) big += "key" + std::to_string(i) + "=value\r\n";
    write_bytes(ini, big);
    config_write(ini, "其它", "跳动的心", "假");
    EXPECT_EQ(config_read(ini, "big", "key199999"), "value");
    EXPECT_EQ(config_read(ini, "其它", "跳动的心"), "假");
    EXPECT_EQ(raw().substr(0, big.size()), big);
}

TEST_F(ConfigFileTest, Utf8FileWithByteOrderMarkStaysUtf8) {
    write_bytes(ini, "\xEF\xBB\xBF[时钟配置]\r\n时针颜色=255\r\n");
    EXPECT_EQ(config_read(ini, "时钟配置", "时针颜色"), "255");
    config_write(ini, "时钟配置", "分针颜色", "7");
    EXPECT_EQ(raw(), "\xEF\xBB\xBF[时钟配置]\r\n时针颜色=255\r\n分针颜色=7\r\n");
}

TEST_F(ConfigFileTest, WritesLeaveNoTemporaryFileAndTakeOverALeftover) {
    write_bytes(ini + std::string(files::kTempSuffix), "half-written leftover");
    config_write(ini, "其它", "时钟状态", "显示");
    EXPECT_EQ(config_read(ini, "其它", "时钟状态"), "显示");
    for (const auto& entry : std::filesystem::directory_iterator(dir.fs())) {
        EXPECT_EQ(entry.path().filename().string(), "config.ini");
    }
}

TEST_F(ConfigFileTest, SomethingThatIsNotAFileIsNeverReplaced) {
    std::filesystem::create_directory(dir.fs() / "config.ini");
    config_write(ini, "其它", "时钟状态", "显示");
    EXPECT_TRUE(std::filesystem::is_directory(dir.fs() / "config.ini"));
    EXPECT_EQ(config_read(ini, "其它", "时钟状态"), "");
}

}  // namespace
}  // namespace horalune
