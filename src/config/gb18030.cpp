#include "config/gb18030.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

namespace horalune {
namespace {

struct FourByteRun {
    std::uint16_t index;  // linear four-byte index of the run's first code
    std::uint16_t count;
    char16_t first;
};

struct LegacyPua {
    char16_t pua;
    std::uint32_t code;  // the four bytes, first byte highest
};

#include "config/gb18030_table.inc"

constexpr std::uint32_t kFourByteBmpSpan = 4 * 10 * 126 * 10;     // leads 0x81..0x84
constexpr std::uint32_t kSupplementaryBase = 15 * 10 * 126 * 10;  // linear index of 0x90308130
constexpr std::uint32_t kSupplementaryCount = 0x100000;
constexpr char32_t kReplacement = 0xFFFD;
constexpr char32_t kMarkerBase = 0xDC00;  // invalid byte b decodes to kMarkerBase + b

// Index into kTwoByte, or -1 if the pair is not a two-byte code.
int two_byte_cell(unsigned lead, unsigned trail) {
    if (lead < 0x81 || lead > 0xFE || trail < 0x40 || trail > 0xFE || trail == 0x7F) return -1;
    return static_cast<int>((lead - 0x81) * 190 + trail - (trail < 0x7F ? 0x40 : 0x41));
}

std::uint32_t four_byte_code(std::uint32_t linear) {
    return (0x81 + linear / 12600) << 24 | (0x30 + linear / 1260 % 10) << 16 |
           (0x81 + linear / 10 % 126) << 8 | (0x30 + linear % 10);
}

std::uint32_t four_byte_linear(std::uint32_t code) {
    return (((((code >> 24) - 0x81) * 10 + ((code >> 16 & 0xFF) - 0x30)) * 126 +
             ((code >> 8 & 0xFF) - 0x81)) *
                10 +
            ((code & 0xFF) - 0x30));
}

// The lookups the bundled tables do not answer directly, each built once on first use: a
// config.ini of two-byte text is read without either, and the encoder's 256 KB table is made
// only when something is written.
struct DecodeTables {
    std::array<char16_t, kFourByteBmpSpan> bmp_four{};  // linear index -> code point, 0 = none
    // Supplementary characters glibc gives a two-byte code, sorted.
    std::vector<char32_t> supp_two;
    // Arithmetic codes of those characters, given back to the private-use stand-ins.
    std::vector<std::pair<std::uint32_t, char16_t>> supp_pua;
};

struct EncodeTables {
    std::array<std::uint32_t, 0x10000> bmp_code{};  // code point -> bytes, 0 = none
    // Supplementary characters glibc gives a two-byte code: code point -> two bytes.
    std::vector<std::pair<char32_t, std::uint32_t>> supp_two;
};

std::uint32_t two_byte_code(int cell) {
    return (0x81 + cell / 190) << 8 | (cell % 190 + (cell % 190 < 0x3F ? 0x40 : 0x41));
}

std::unique_ptr<const DecodeTables> make_decode_tables() {
    auto t = std::make_unique<DecodeTables>();
    for (char32_t cp : kTwoByte) {
        if (cp >= 0x10000) t->supp_two.push_back(cp);
    }
    for (const FourByteRun& run : kFourByteRuns) {
        for (std::uint32_t k = 0; k < run.count; ++k)
            t->bmp_four[run.index + k] = static_cast<char16_t>(run.first + k);
    }
    for (const LegacyPua& legacy : kLegacyPua) {
        std::uint32_t linear = four_byte_linear(legacy.code);
        if (linear < kFourByteBmpSpan)
            t->bmp_four[linear] = legacy.pua;
        else
            t->supp_pua.emplace_back(linear, legacy.pua);
    }
    std::sort(t->supp_two.begin(), t->supp_two.end());
    std::sort(t->supp_pua.begin(), t->supp_pua.end());
    return t;
}

std::unique_ptr<const EncodeTables> make_encode_tables() {
    auto t = std::make_unique<EncodeTables>();
    for (int cell = 0; cell < static_cast<int>(std::size(kTwoByte)); ++cell) {
        char32_t cp = kTwoByte[cell];
        if (cp == 0) continue;
        if (cp < 0x10000)
            t->bmp_code[cp] = two_byte_code(cell);
        else
            t->supp_two.emplace_back(cp, two_byte_code(cell));
    }
    for (const FourByteRun& run : kFourByteRuns) {
        for (std::uint32_t k = 0; k < run.count; ++k)
            t->bmp_code[run.first + k] = four_byte_code(run.index + k);
    }
    for (const LegacyPua& legacy : kLegacyPua) t->bmp_code[legacy.pua] = legacy.code;
    std::sort(t->supp_two.begin(), t->supp_two.end());
    return t;
}

const DecodeTables& decode_tables() {
    static const std::unique_ptr<const DecodeTables> t = make_decode_tables();
    return *t;
}

const EncodeTables& encode_tables() {
    static const std::unique_ptr<const EncodeTables> t = make_encode_tables();
    return *t;
}

template <typename Key, typename Value>
const Value* find(const std::vector<std::pair<Key, Value>>& sorted, Key key) {
    auto it = std::lower_bound(sorted.begin(), sorted.end(), key,
                               [](const auto& entry, Key k) { return entry.first < k; });
    return it != sorted.end() && it->first == key ? &it->second : nullptr;
}

char32_t four_byte_char(std::uint32_t linear) {
    const DecodeTables& t = decode_tables();
    if (linear < kFourByteBmpSpan) return t.bmp_four[linear];
    if (linear < kSupplementaryBase || linear - kSupplementaryBase >= kSupplementaryCount) return 0;
    if (const char16_t* pua = find(t.supp_pua, linear)) return *pua;
    char32_t cp = 0x10000 + (linear - kSupplementaryBase);
    // A character with a two-byte code is only ever written that way; reading its arithmetic
    // code as the same character would break the byte-for-byte round trip.
    return std::binary_search(t.supp_two.begin(), t.supp_two.end(), cp) ? 0 : cp;
}

struct Decoded {
    char32_t cp;  // 0: the byte at the start is invalid
    std::size_t length;
};

Decoded decode_one(std::string_view s, std::size_t i) {
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(s[i + k]); };
    std::size_t left = s.size() - i;
    if (left < 2 || at(0) == 0x80 || at(0) == 0xFF) return {0, 1};
    if (at(1) >= 0x30 && at(1) <= 0x39) {
        if (left < 4 || at(2) < 0x81 || at(2) > 0xFE || at(3) < 0x30 || at(3) > 0x39) return {0, 1};
        std::uint32_t linear =
            ((((at(0) - 0x81u) * 10 + (at(1) - 0x30u)) * 126 + (at(2) - 0x81u)) * 10 +
             (at(3) - 0x30u));
        char32_t cp = four_byte_char(linear);
        return {cp, cp ? 4u : 1u};
    }
    int cell = two_byte_cell(at(0), at(1));
    char32_t cp = cell < 0 ? 0 : kTwoByte[cell];
    return {cp, cp ? 2u : 1u};
}

void append_utf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

constexpr char32_t kInvalidUtf8 = 0xFFFFFFFF;

// Reads one UTF-8 sequence at s[i] (not ASCII). Gives kInvalidUtf8 and the length of the
// maximal invalid subsequence when it is not a scalar value or a marker.
Decoded next_utf8(std::string_view s, std::size_t i) {
    auto byte = [&](std::size_t k) {
        return i + k < s.size() ? static_cast<unsigned char>(s[i + k]) : 0u;
    };
    auto cont = [](unsigned b) { return b >= 0x80 && b <= 0xBF; };
    unsigned b0 = byte(0);
    if (b0 == 0xED && (byte(1) == 0xB2 || byte(1) == 0xB3) && cont(byte(2)))
        return {static_cast<char32_t>(0xD000 | (byte(1) & 0x3F) << 6 | (byte(2) & 0x3F)), 3};

    std::size_t need;
    unsigned lo = 0x80, hi = 0xBF;  // allowed range of the second byte
    char32_t cp;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        need = 1, cp = b0 & 0x1F;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        need = 2, cp = b0 & 0x0F;
        if (b0 == 0xE0) lo = 0xA0;
        if (b0 == 0xED) hi = 0x9F;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        need = 3, cp = b0 & 0x07;
        if (b0 == 0xF0) lo = 0x90;
        if (b0 == 0xF4) hi = 0x8F;
    } else {
        return {kInvalidUtf8, 1};
    }
    for (std::size_t k = 1; k <= need; ++k) {
        unsigned b = byte(k);
        bool ok = k == 1 ? b >= lo && b <= hi : cont(b);
        if (!ok) return {kInvalidUtf8, k};
        cp = cp << 6 | (b & 0x3F);
    }
    return {cp, need + 1};
}

void append_code(std::string& out, std::uint32_t code) {
    if (code > 0xFFFF) {
        out += static_cast<char>(code >> 24);
        out += static_cast<char>(code >> 16);
    }
    out += static_cast<char>(code >> 8);
    out += static_cast<char>(code);
}

std::uint32_t code_of(const EncodeTables& t, char32_t cp) {
    if (cp < 0x10000) return t.bmp_code[cp] ? t.bmp_code[cp] : t.bmp_code[kReplacement];
    if (const std::uint32_t* two = find(t.supp_two, cp)) return *two;
    return four_byte_code(kSupplementaryBase + (cp - 0x10000));
}

}  // namespace

std::string gb18030_to_utf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 2);
    std::size_t i = 0;
    while (i < bytes.size()) {
        std::size_t ascii = i;
        while (ascii < bytes.size() && static_cast<unsigned char>(bytes[ascii]) < 0x80) ++ascii;
        out.append(bytes, i, ascii - i);
        if ((i = ascii) == bytes.size()) break;

        Decoded d = decode_one(bytes, i);
        append_utf8(out, d.cp ? d.cp : kMarkerBase + static_cast<unsigned char>(bytes[i]));
        i += d.length;
    }
    return out;
}

std::string utf8_to_gb18030(std::string_view utf8) {
    const EncodeTables& t = encode_tables();
    std::string out;
    out.reserve(utf8.size());
    std::size_t i = 0;
    while (i < utf8.size()) {
        std::size_t ascii = i;
        while (ascii < utf8.size() && static_cast<unsigned char>(utf8[ascii]) < 0x80) ++ascii;
        out.append(utf8, i, ascii - i);
        if ((i = ascii) == utf8.size()) break;

        Decoded d = next_utf8(utf8, i);
        if (d.cp >= kMarkerBase + 0x80 && d.cp <= kMarkerBase + 0xFF)
            out += static_cast<char>(d.cp - kMarkerBase);
        else
            append_code(out, code_of(t, d.cp == kInvalidUtf8 ? kReplacement : d.cp));
        i += d.length;
    }
    return out;
}

}  // namespace horalune
