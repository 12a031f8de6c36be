#include "config/gb18030.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "support/utf8.h"

// GCC 12 warns falsely (-Wrestrict) on "literal" + std::string temporaries, used freely below.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wrestrict"
#endif

namespace horalune {
namespace {

using testing::utf8;

// What an invalid byte decodes to.
std::string marker(unsigned char b) {
    return utf8(0xDC00 + b);
}

const std::string kReplacement = "\x84\x31\xA4\x37";  // U+FFFD

TEST(Gb18030, KnownTextBothWays) {
    struct Case {
        const char* utf8;
        std::string gb;
    };
    const Case cases[] = {
        {"", ""},
        {"key=value\r\n", "key=value\r\n"},
        {"时钟配置", "\xCA\xB1\xD6\xD3\xC5\xE4\xD6\xC3"},
        {"[时钟]\r\n名称=值\r\n", "[\xCA\xB1\xD6\xD3]\r\n\xC3\xFB\xB3\xC6=\xD6\xB5\r\n"},
        {"；", "\xA3\xBB"},
        {"\u00B7", "\xA1\xA4"},
        {"€", "\xA2\xE3"},
        {"\u00A5", "\x81\x30\x84\x36"},
        {"\u0080", "\x81\x30\x81\x30"},
        {"\u0251", "\xA8\xBB"},
        {"\u1E3F", "\xA8\xBC"},
        {"\uE7C7", "\x81\x35\xF4\x37"},
        {"\uE5E5", "\xA3\xA0"},
        {"⏰", "\x81\x37\x81\x34"},
        {"\uFFFF", "\x84\x31\xA4\x39"},
        {"\U00010000", "\x90\x30\x81\x30"},
        {"🕰", "\x94\x39\xEE\x32"},
        {"\U00020000", "\x95\x32\x82\x36"},
        {"\U0010FFFF", "\xE3\x32\x9A\x35"},
        // Characters that replaced private-use stand-ins, and the stand-ins themselves.
        {"\uFE10", "\xA6\xD9"},
        {"\uE78D", "\x84\x31\x82\x36"},
        {"\uE78E", "\x84\x31\x82\x38"},
        {"\uE81E", "\x82\x35\x90\x37"},
        {"\U00020087", "\xFE\x51"},
        {"\uE816", "\x95\x32\x90\x31"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(utf8_to_gb18030(c.utf8), c.gb) << c.utf8;
        EXPECT_EQ(gb18030_to_utf8(c.gb), c.utf8) << c.utf8;
    }
}

TEST(Gb18030, InvalidBytesBecomeMarkersAndTheRestSurvives) {
    struct Case {
        std::string gb, utf8;
    };
    const Case cases[] = {
        {"\x80", marker(0x80)},
        {"\xFF", marker(0xFF)},
        {"a\x81", "a" + marker(0x81)},
        {"\x81=1\r\n", marker(0x81) + "=1\r\n"},
        {"\x81\x7F", marker(0x81) + "\x7F"},
        {"\x81\xFF\xCA\xB1", marker(0x81) + marker(0xFF) + "时"},
        {"\x81\x30", marker(0x81) + "0"},
        {"\x81\x30\x81", marker(0x81) + "0" + marker(0x81)},
        {"\x81\x30\x81\x2F", marker(0x81) + "0" + marker(0x81) + "/"},
        {"\x84\x31\xA5\x30", marker(0x84) + "1" + marker(0xA5) + "0"},  // past U+FFFF
        {"\x85\x30\x81\x30", marker(0x85) + "0" + marker(0x81) + "0"},  // gap before planes
        {"\xE3\x32\x9A\x36", marker(0xE3) + "2" + marker(0x9A) + "6"},  // past U+10FFFF
        {"\xFE\x39\xFE\x39", marker(0xFE) + "9" + marker(0xFE) + "9"},
        {"\xCA\xB1\x80\xD6\xD3", "时" + marker(0x80) + "钟"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(gb18030_to_utf8(c.gb), c.utf8);
        EXPECT_EQ(utf8_to_gb18030(c.utf8), c.gb);
    }
}

TEST(Gb18030, InvalidUtf8BecomesReplacementCharacters) {
    const std::string r = kReplacement;
    struct Case {
        std::string utf8, gb;
    };
    const Case cases[] = {
        {"\xFF", r},
        {"\xC0\xAF", r + r},                  // overlong
        {"\xE6\x97", r},                      // truncated at the end
        {"\xE6\x97=", r + "="},               // truncated mid-text
        {"\xED\xA0\x80", r + r + r},          // surrogate
        {"\xED\xB1\x81", r + r + r},          // U+DC41: not one of our markers
        {"\xED\xB2", r + r},                  // truncated marker
        {"\xF4\x90\x80\x80", r + r + r + r},  // past U+10FFFF
        {"\xF0\x9F\x95", r},                  // truncated four-byte sequence
        {"\x80时", r + "\xCA\xB1"},
    };
    for (const Case& c : cases) EXPECT_EQ(utf8_to_gb18030(c.utf8), c.gb);
}

TEST(Gb18030, EveryScalarValueRoundTrips) {
    int failures = 0;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        std::string gb = utf8_to_gb18030(utf8(cp));
        bool ok = gb18030_to_utf8(gb) == utf8(cp) &&
                  (cp < 0x80 ? gb.size() == 1 : gb.size() == 2 || gb.size() == 4);
        if (!ok && ++failures <= 10) ADD_FAILURE() << "U+" << std::hex << unsigned{cp};
    }
    EXPECT_EQ(failures, 0);
}

// The read-modify-write cycle of config.ini must keep bytes it cannot read.
TEST(Gb18030, AnyByteStringRoundTripsExactly) {
    std::string all_pairs;
    for (int a = 0; a < 256; ++a) {
        for (int b = 0; b < 256; ++b) {
            all_pairs += static_cast<char>(a);
            all_pairs += static_cast<char>(b);
        }
    }
    // Random bytes, and random bytes drawn from the ranges GB18030 sequences are made of, so that
    // well-formed and broken four-byte codes both turn up often.
    std::mt19937 rng(18030);
    std::string noise, shaped;
    const unsigned char kShapes[] = {0x30, 0x35, 0x39, 0x40, 0x7F, 0x80, 0x81, 0x84,
                                     0x85, 0x90, 0x95, 0xA6, 0xE3, 0xE4, 0xFE, 0xFF};
    for (int i = 0; i < 1 << 20; ++i) {
        noise += static_cast<char>(rng());
        shaped += static_cast<char>(kShapes[rng() % std::size(kShapes)] + (rng() % 4 == 0));
    }
    for (const std::string* bytes : {&all_pairs, &noise, &shaped}) {
        std::string back = utf8_to_gb18030(gb18030_to_utf8(*bytes));
        ASSERT_EQ(back.size(), bytes->size());
        EXPECT_TRUE(back == *bytes);
    }
}

TEST(Gb18030, HugeMixedText) {
    const std::string line = "[时钟]\r\n名称=值 ⏰🕰 €" + marker(0x80) + "é\r\n";
    const std::string line_gb = utf8_to_gb18030(line);
    std::string text;
    while (text.size() < (16u << 20)) text += line;
    std::string gb = utf8_to_gb18030(text);
    ASSERT_EQ(gb.size(), text.size() / line.size() * line_gb.size());
    EXPECT_EQ(gb.substr(gb.size() - line_gb.size()), line_gb);
    std::string back = gb18030_to_utf8(gb);
    ASSERT_EQ(back.size(), text.size());
    EXPECT_TRUE(back == text);
}

}  // namespace
}  // namespace horalune
