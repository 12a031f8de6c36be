// Writes src/config/gb18030_table.inc, the GB18030 mapping tables of src/config/gb18030.cpp, from
// glibc's iconv. Checks every assumption the codec makes about the mapping and refuses to write
// a table if glibc's converter breaks one.
//
// Usage: gb18030_tablegen <output.inc>

#include <gnu/libc-version.h>
#include <iconv.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

constexpr int kTwoByteCells = 126 * 190;
constexpr std::uint32_t kFourByteBmpSpan = 4 * 10 * 126 * 10;     // leads 0x81..0x84
constexpr std::uint32_t kSupplementaryBase = 15 * 10 * 126 * 10;  // linear index of 0x90308130

// Cells whose GB18030-2005 character was a private-use code point that glibc now maps to the
// proper character instead. glibc cannot encode those private-use code points at all; the
// codec gives each one the four-byte code its proper character had in 2005 (the assignment
// GB18030-2022 also makes for the first eighteen), so that every scalar value stays encodable.
struct LegacyCell {
    std::uint16_t code;
    char32_t pua;
};
constexpr LegacyCell kLegacyCells[] = {
    {0xA6D9, 0xE78D}, {0xA6DA, 0xE78E}, {0xA6DB, 0xE78F}, {0xA6DC, 0xE790}, {0xA6DD, 0xE791},
    {0xA6DE, 0xE792}, {0xA6DF, 0xE793}, {0xA6EC, 0xE794}, {0xA6ED, 0xE795}, {0xA6F3, 0xE796},
    {0xFE59, 0xE81E}, {0xFE61, 0xE826}, {0xFE66, 0xE82B}, {0xFE67, 0xE82C}, {0xFE6D, 0xE832},
    {0xFE7E, 0xE843}, {0xFE90, 0xE854}, {0xFEA0, 0xE864}, {0xFE51, 0xE816}, {0xFE52, 0xE817},
    {0xFE53, 0xE818}, {0xFE6C, 0xE831}, {0xFE76, 0xE83B}, {0xFE91, 0xE855},
};

[[noreturn]] void fail(const std::string& why) {
    std::fprintf(stderr, "gb18030_tablegen: %s\n", why.c_str());
    std::exit(1);
}

std::string hex(std::uint32_t v, int digits = 4) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "0x%0*X", digits, static_cast<unsigned>(v));
    return buf;
}

class Iconv {
  public:
    Iconv(const char* to, const char* from) : cd_(iconv_open(to, from)) {
        if (cd_ == reinterpret_cast<iconv_t>(-1)) fail(std::string("iconv_open ") + from);
    }
    ~Iconv() { iconv_close(cd_); }
    Iconv(const Iconv&) = delete;
    Iconv& operator=(const Iconv&) = delete;

    // Converts the whole input in one go; false if iconv rejects any of it.
    bool run(const void* in, std::size_t in_len, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char buf[64];
        char* src = const_cast<char*>(static_cast<const char*>(in));
        char* dst = buf;
        std::size_t dst_len = sizeof buf;
        if (iconv(cd_, &src, &in_len, &dst, &dst_len) == static_cast<std::size_t>(-1)) return false;
        if (iconv(cd_, nullptr, nullptr, &dst, &dst_len) == static_cast<std::size_t>(-1))
            return false;
        out.assign(buf, dst);
        return in_len == 0;
    }

  private:
    iconv_t cd_;
};

class Glibc {
  public:
    // The single code point a byte sequence decodes to, or 0 if glibc rejects it.
    char32_t decode(const std::string& bytes) {
        std::string out;
        if (!decoder_.run(bytes.data(), bytes.size(), out) || out.size() != 4) return 0;
        char32_t cp = 0;
        for (int i = 3; i >= 0; --i) cp = cp << 8 | static_cast<unsigned char>(out[i]);
        return cp;
    }
    // The bytes of a code point, empty if glibc cannot encode it.
    std::string encode(char32_t cp) {
        unsigned char in[4] = {static_cast<unsigned char>(cp), static_cast<unsigned char>(cp >> 8),
                               static_cast<unsigned char>(cp >> 16),
                               static_cast<unsigned char>(cp >> 24)};
        std::string out;
        if (!encoder_.run(in, 4, out)) out.clear();
        return out;
    }

  private:
    Iconv decoder_{"UTF-32LE", "GB18030"};
    Iconv encoder_{"GB18030", "UTF-32LE"};
};

std::string two_byte(int cell) {
    int lead = 0x81 + cell / 190, t = cell % 190;
    return {static_cast<char>(lead), static_cast<char>(t < 0x3F ? 0x40 + t : 0x41 + t)};
}

std::string four_byte(std::uint32_t linear) {
    return {static_cast<char>(0x81 + linear / 12600), static_cast<char>(0x30 + linear / 1260 % 10),
            static_cast<char>(0x81 + linear / 10 % 126), static_cast<char>(0x30 + linear % 10)};
}

std::uint32_t packed(const std::string& bytes) {
    std::uint32_t v = 0;
    for (char c : bytes) v = v << 8 | static_cast<unsigned char>(c);
    return v;
}

struct Run {
    std::uint32_t index, count;
    char32_t first;
};

struct Tables {
    std::vector<char32_t> two_byte;
    std::vector<Run> runs;
    std::map<char32_t, std::uint32_t> legacy;  // private-use code point -> four-byte code
};

Tables read_glibc(Glibc& g) {
    Tables t;
    std::map<char32_t, std::string> seen;  // code point -> the bytes that decode to it
    auto claim = [&](char32_t cp, const std::string& bytes) {
        if (!seen.emplace(cp, bytes).second) fail("two codes decode to " + hex(cp));
        if (g.encode(cp) != bytes) fail("glibc does not encode " + hex(cp) + " back");
    };

    for (int cell = 0; cell < kTwoByteCells; ++cell) {
        char32_t cp = g.decode(two_byte(cell));
        if (cp != 0 && cp < 0x80) fail("two-byte code decodes to ASCII");
        t.two_byte.push_back(cp);
        if (cp) claim(cp, two_byte(cell));
    }

    for (std::uint32_t i = 0; i < kFourByteBmpSpan; ++i) {
        char32_t cp = g.decode(four_byte(i));
        if (cp == 0) continue;
        if (cp < 0x80 || cp > 0xFFFF) fail("four-byte BMP code outside the BMP");
        claim(cp, four_byte(i));
        if (!t.runs.empty() && t.runs.back().index + t.runs.back().count == i &&
            t.runs.back().first + t.runs.back().count == cp)
            ++t.runs.back().count;
        else
            t.runs.push_back({i, 1, cp});
    }

    // Above the BMP the mapping must be the plain arithmetic one, except for characters glibc
    // gives a two-byte code: those it decodes from their arithmetic code too, but never writes.
    for (char32_t cp = 0x10000; cp <= 0x10FFFF; ++cp) {
        std::string arith = four_byte(kSupplementaryBase + (cp - 0x10000));
        if (g.decode(arith) != cp) fail("no arithmetic code for " + hex(cp));
        auto two = seen.find(cp);
        std::string expect = two == seen.end() ? arith : two->second;
        if (g.encode(cp) != expect) fail("unexpected code for " + hex(cp));
    }
    if (g.decode(four_byte(kSupplementaryBase + 0x100000)) != 0) fail("code past U+10FFFF");

    for (const LegacyCell& c : kLegacyCells) {
        std::string code(1, static_cast<char>(c.code >> 8));
        code += static_cast<char>(c.code & 0xFF);
        char32_t now = g.decode(code);
        if (now == 0 || now == c.pua) fail("legacy cell " + hex(c.code) + " changed");
        if (!g.encode(c.pua).empty()) fail("glibc encodes " + hex(c.pua) + " now");
        std::uint32_t linear;
        if (now > 0xFFFF) {
            linear = kSupplementaryBase + (now - 0x10000);
        } else {
            // The four-byte slot the character had: continue the last run that starts below it.
            const Run* before = nullptr;
            for (const Run& r : t.runs)
                if (r.first < now) before = &r;
            if (!before) fail("no run below " + hex(now));
            linear = before->index + (now - before->first);
            if (g.decode(four_byte(linear)) != 0) fail("slot of " + hex(now) + " is taken");
        }
        t.legacy[c.pua] = packed(four_byte(linear));
    }

    // Every scalar value must now have exactly one code.
    for (char32_t cp = 0x80; cp <= 0xFFFF; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF) continue;
        if (seen.count(cp) == t.legacy.count(cp)) fail("no single code for " + hex(cp));
    }
    return t;
}

std::string render(const Tables& t) {
    std::ostringstream o;
    o << "// Generated by tools/gb18030_tablegen.cpp from glibc " << gnu_get_libc_version()
      << " iconv (GB18030 <-> UTF-32LE). Do not edit;\n"
         "// regenerate with: cmake --build --preset linux --target regen-gb18030-table\n\n";

    o << "// Two-byte codes, 190 cells per lead byte 0x81..0xFE (trail 0x40..0x7E, 0x80..0xFE);\n"
         "// 0 where unassigned.\n"
         "constexpr char32_t kTwoByte["
      << t.two_byte.size() << "] = {\n";
    for (std::size_t i = 0; i < t.two_byte.size(); ++i) {
        o << (i % 12 == 0 ? "    " : " ") << hex(t.two_byte[i]) << ',';
        if (i % 12 == 11 || i + 1 == t.two_byte.size()) o << '\n';
    }
    o << "};\n\n";

    o << "// Four-byte codes of the BMP: {linear index from 0x81308130, length, first code "
         "point}.\n"
         "constexpr FourByteRun kFourByteRuns["
      << t.runs.size() << "] = {\n";
    for (std::size_t i = 0; i < t.runs.size(); ++i) {
        const Run& r = t.runs[i];
        o << (i % 4 == 0 ? "    " : " ") << '{' << hex(r.index) << ", " << hex(r.count) << ", "
          << hex(r.first) << "},";
        if (i % 4 == 3 || i + 1 == t.runs.size()) o << '\n';
    }
    o << "};\n\n";

    o << "// Private-use code points glibc cannot encode, with the four-byte code given to each:\n"
         "// {code point, code}.\n"
         "constexpr LegacyPua kLegacyPua["
      << t.legacy.size() << "] = {\n";
    std::size_t i = 0;
    for (const auto& [pua, code] : t.legacy) {
        o << (i % 4 == 0 ? "    " : " ") << '{' << hex(pua) << ", " << hex(code, 8) << "},";
        if (i % 4 == 3 || i + 1 == t.legacy.size()) o << '\n';
        ++i;
    }
    o << "};\n";
    return o.str();
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gb18030_tablegen <output.inc>\n");
        return 2;
    }
    Glibc glibc;
    std::string text = render(read_glibc(glibc));

    // Write beside the target and rename, so an interrupted run leaves the old table intact.
    std::filesystem::path out = argv[1];
    std::filesystem::path tmp = out;
    tmp += ".tmp";
    {
        std::ofstream f(tmp, std::ios::binary);
        f << text;
        if (!f.flush()) fail("cannot write " + tmp.string());
    }
    std::filesystem::rename(tmp, out);
    std::printf("wrote %s (%zu bytes)\n", out.c_str(), text.size());
    return 0;
}
