// The codec against glibc's own converter, over the whole code space.

#include <gtest/gtest.h>
#include <iconv.h>

#include <optional>
#include <set>
#include <sstream>
#include <string>

#include "config/gb18030.h"
#include "support/utf8.h"

namespace horalune {
namespace {

using testing::utf8;

std::string hex(const std::string& bytes) {
    std::ostringstream o;
    o << std::hex << std::uppercase;
    for (unsigned char c : bytes) o << (c < 0x10 ? "0" : "") << int{c};
    return o.str();
}

class Glibc {
  public:
    Glibc() : to_utf8_(iconv_open("UTF-8", "GB18030")), to_gb_(iconv_open("GB18030", "UTF-8")) {}
    ~Glibc() {
        iconv_close(to_utf8_);
        iconv_close(to_gb_);
    }
    std::optional<std::string> decode(const std::string& gb) { return run(to_utf8_, gb); }
    std::optional<std::string> encode(const std::string& utf8) { return run(to_gb_, utf8); }

  private:
    static std::optional<std::string> run(iconv_t cd, const std::string& in) {
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
        char buf[32];
        char* src = const_cast<char*>(in.data());
        std::size_t src_len = in.size();
        char* dst = buf;
        std::size_t dst_len = sizeof buf;
        if (iconv(cd, &src, &src_len, &dst, &dst_len) == static_cast<std::size_t>(-1) || src_len)
            return std::nullopt;
        return std::string(buf, dst);
    }
    iconv_t to_utf8_, to_gb_;
};

// Private-use code points glibc cannot encode; the codec gives them codes glibc rejects or
// reads as another character.
const std::set<char32_t> kOwnCodes = {
    0xE78D, 0xE78E, 0xE78F, 0xE790, 0xE791, 0xE792, 0xE793, 0xE794, 0xE795, 0xE796, 0xE816, 0xE817,
    0xE818, 0xE81E, 0xE826, 0xE82B, 0xE82C, 0xE831, 0xE832, 0xE83B, 0xE843, 0xE854, 0xE855, 0xE864};

// Collects mismatches without flooding the log.
struct Mismatches {
    int count = 0;
    void add(const std::string& what) {
        if (++count <= 10) ADD_FAILURE() << what;
    }
};

TEST(Gb18030Glibc, EveryScalarValueEncodesAndDecodesAsGlibcDoes) {
    Glibc glibc;
    Mismatches bad;
    std::set<char32_t> own;
    for (char32_t cp = 0; cp <= 0x10FFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        std::string text = utf8(cp);
        std::string ours = utf8_to_gb18030(text);
        std::optional<std::string> theirs = glibc.encode(text);
        std::ostringstream where;
        where << "U+" << std::hex << std::uppercase << unsigned{cp} << ": ours " << hex(ours);
        if (!theirs) {
            own.insert(cp);
            if (glibc.decode(ours) == text) bad.add(where.str() + " is read by glibc");
        } else if (ours != *theirs) {
            bad.add(where.str() + ", glibc " + hex(*theirs));
        }
        if (gb18030_to_utf8(ours) != text) bad.add(where.str() + " does not decode back");
    }
    EXPECT_EQ(bad.count, 0);
    EXPECT_EQ(own, kOwnCodes);
}

TEST(Gb18030Glibc, EveryTwoByteSequenceDecodesAsGlibcDoes) {
    Glibc glibc;
    Mismatches bad;
    int valid = 0;
    for (int lead = 0x80; lead <= 0xFF; ++lead) {
        for (int trail = 0x40; trail <= 0xFF; ++trail) {
            std::string gb{static_cast<char>(lead), static_cast<char>(trail)};
            std::string ours = gb18030_to_utf8(gb);
            std::optional<std::string> theirs = glibc.decode(gb);
            if (theirs) ++valid;
            // Where glibc refuses, ours must not have read a character from the lead byte.
            bool same = theirs ? ours == *theirs : ours.starts_with(utf8(0xDC00 + lead));
            if (!same) bad.add(hex(gb) + " -> " + hex(ours));
            if (utf8_to_gb18030(ours) != gb) bad.add(hex(gb) + " does not encode back");
        }
    }
    EXPECT_EQ(bad.count, 0);
    EXPECT_EQ(valid, 126 * 190);
}

TEST(Gb18030Glibc, EveryFourByteSequenceDecodesAsGlibcDoesExceptOurOwnCodes) {
    Glibc glibc;
    Mismatches bad;
    std::set<char32_t> own;
    std::string gb;
    for (int b0 = 0x81; b0 <= 0xFE; ++b0) {
        for (int b1 = 0x30; b1 <= 0x39; ++b1) {
            for (int b2 = 0x81; b2 <= 0xFE; ++b2) {
                for (int b3 = 0x30; b3 <= 0x39; ++b3) {
                    gb = {static_cast<char>(b0), static_cast<char>(b1), static_cast<char>(b2),
                          static_cast<char>(b3)};
                    std::string ours = gb18030_to_utf8(gb);
                    std::optional<std::string> theirs = glibc.decode(gb);
                    if (utf8_to_gb18030(ours) != gb) bad.add(hex(gb) + " does not encode back");
                    if (theirs ? ours == *theirs : ours.starts_with(utf8(0xDC00 + b0))) continue;
                    // The only other outcome allowed: one of our own private-use codes.
                    char32_t cp = ours.size() == 3 ? (ours[0] & 0x0F) << 12 |
                                                         (ours[1] & 0x3F) << 6 | (ours[2] & 0x3F)
                                                   : 0;
                    if (kOwnCodes.count(cp))
                        own.insert(cp);
                    else
                        bad.add(hex(gb) + " -> " + hex(ours));
                }
            }
        }
    }
    EXPECT_EQ(bad.count, 0);
    EXPECT_EQ(own, kOwnCodes);
}

}  // namespace
}  // namespace horalune
