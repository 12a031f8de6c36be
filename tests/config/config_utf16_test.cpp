// config.ini saved as UTF-16 with a byte-order mark ("Unicode" in Windows editors): read as
// such, written back in the same encoding and line endings, every other byte kept.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "config/config.h"
#include "config/ini_encoding.h"
#include "config/settings_file.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

using testing::read_bytes;
using testing::write_bytes;

// UTF-16 of a UTF-8 text of the basic plane, each unit in the given byte order.
std::string utf16(const std::string& utf8, bool big_endian) {
    std::string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<std::uint8_t>(utf8[i]);
        std::uint32_t c = b;
        std::size_t n = 1;
        if (b >= 0xE0) {
            c = ((b & 0x0Fu) << 12) | ((utf8[i + 1] & 0x3Fu) << 6) | (utf8[i + 2] & 0x3Fu);
            n = 3;
        } else if (b >= 0xC0) {
            c = ((b & 0x1Fu) << 6) | (utf8[i + 1] & 0x3Fu);
            n = 2;
        }
        i += n;
        const char hi = static_cast<char>(c >> 8), lo = static_cast<char>(c & 0xFF);
        out += big_endian ? hi : lo;
        out += big_endian ? lo : hi;
    }
    return out;
}

struct Order {
    const char* name;
    bool big_endian;
    std::string bom;
};

void PrintTo(const Order& order, std::ostream* out) {
    *out << order.name;
}

class ConfigUtf16Test : public ::testing::TestWithParam<Order> {
  protected:
    std::string encoded(const std::string& utf8) const {
        return GetParam().bom + utf16(utf8, GetParam().big_endian);
    }
    testing::TempDir dir;
    std::string ini = dir.file("config.ini");
};

TEST_P(ConfigUtf16Test, ReadsAndWritesBackInTheSameEncoding) {
    const std::string before =
        "; 我的设置\r\n[定时关机]\r\n未知的一行\r\n倒计时间=30\r\n\r\n[x]\r\na=1\r\n";
    write_bytes(ini, encoded(before));
    EXPECT_EQ(config_read(ini, "定时关机", "倒计时间"), "30");
    SettingsFile file;
    EXPECT_EQ(file.current(ini).shutdown.countdown_number(), 30);

    config_write(ini, "定时关机", "倒计时间", "45");
    config_write(ini, "定时关机", "是否发声", "真");
    config_write(ini, "其它", "跳动的心", "假");
    EXPECT_EQ(read_bytes(ini),
              encoded("; 我的设置\r\n[定时关机]\r\n未知的一行\r\n倒计时间=45\r\n是否发声=真\r\n\r\n"
                      "[x]\r\na=1\r\n[其它]\r\n跳动的心=假\r\n"));
    EXPECT_TRUE(file.current(ini).shutdown.sound_on.on());
    EXPECT_TRUE(file.current(ini).other.heart.off());
}

// Units that are no text (a lone surrogate, a final odd byte) and LF or CR line ends survive.
TEST_P(ConfigUtf16Test, KeepsEveryOtherByte) {
    const bool be = GetParam().big_endian;
    const std::string lone = be ? std::string("\xD8\x01", 2) : std::string("\x01\xD8", 2);
    const std::string head = GetParam().bom + utf16("; a", be) + lone + utf16("\n[其它]\r", be);
    const std::string tail = utf16("\n[x]\ny=2", be) + "\x7F";
    write_bytes(ini, head + utf16("跳动的心=真", be) + tail);
    EXPECT_EQ(config_read(ini, "其它", "跳动的心"), "真");
    config_write(ini, "其它", "跳动的心", "假");
    EXPECT_EQ(read_bytes(ini), head + utf16("跳动的心=假", be) + tail);
    config_write(ini, "其它", "跳动的心", "真");
    EXPECT_EQ(read_bytes(ini), head + utf16("跳动的心=真", be) + tail);
}

INSTANTIATE_TEST_SUITE_P(ByteOrders, ConfigUtf16Test,
                         ::testing::Values(Order{"LittleEndian", false, "\xFF\xFE"},
                                           Order{"BigEndian", true, "\xFE\xFF"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A byte string that starts like UTF-16 of any kind comes back byte for byte.
TEST(IniEncoding, RoundTripsArbitraryBytes) {
    using namespace std::string_literals;
    const std::string samples[] = {
        "\xFF\xFE"s,
        "\xFE\xFF"s,
        "\xFF\xFE\x00"s,
        "\xFF\xFE\x00\xDC\x00\xD8"s,      // two lone surrogates, the high one last
        "\xFE\xFF\xD8\x3D\xDE\x00"s,      // a pair
        "\xFF\xFE\x3D\xD8\x00\xDE\x41"s,  // a pair and an odd byte
        "\xFE\xFF\xDE\x00\xD8\x3D"s,      // a pair the wrong way round
        "\xEF\xBB\xBF\xFF"s,
        "\xFF\xFF\xFE"s,
    };
    for (const std::string& bytes : samples) {
        EXPECT_EQ(encode_ini(decode_ini(bytes)), bytes);
    }
    EXPECT_EQ(decode_ini("\xFE\xFF\xD8\x3D\xDE\x00"s).text, "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace horalune
