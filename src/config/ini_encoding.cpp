#include "config/ini_encoding.h"

#include <cstdint>

#include "config/gb18030.h"

namespace horalune {

namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16LeBom = "\xFF\xFE";
constexpr std::string_view kUtf16BeBom = "\xFE\xFF";

void append_utf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {  // lone surrogates too, so that they come back as they were
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::uint16_t unit_at(std::string_view bytes, std::size_t i, bool big_endian) {
    const auto a = static_cast<std::uint8_t>(bytes[i]);
    const auto b = static_cast<std::uint8_t>(bytes[i + 1]);
    return static_cast<std::uint16_t>(big_endian ? (a << 8) | b : (b << 8) | a);
}

std::string utf16_to_utf8(std::string_view bytes, bool big_endian) {
    std::string out;
    out.reserve(bytes.size());
    const std::size_t units = bytes.size() / 2;
    for (std::size_t u = 0; u < units; ++u) {
        const std::uint16_t w = unit_at(bytes, 2 * u, big_endian);
        if (w >= 0xD800 && w < 0xDC00 && u + 1 < units) {
            const std::uint16_t low = unit_at(bytes, 2 * u + 2, big_endian);
            if (low >= 0xDC00 && low < 0xE000) {
                append_utf8(out, 0x10000 + ((w - 0xD800u) << 10) + (low - 0xDC00u));
                ++u;
                continue;
            }
        }
        append_utf8(out, w);
    }
    return out;
}

void append_unit(std::string& out, std::uint32_t w, bool big_endian) {
    const auto hi = static_cast<char>((w >> 8) & 0xFF);
    const auto lo = static_cast<char>(w & 0xFF);
    if (big_endian) {
        out += hi;
        out += lo;
    } else {
        out += lo;
        out += hi;
    }
}

// The code point of the UTF-8 sequence at `i` and its length; 0xFFFD and 1 when invalid.
// Three-byte surrogate forms are accepted: they are the lone surrogates read from the file.
std::pair<std::uint32_t, std::size_t> next_code_point(std::string_view s, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<std::uint8_t>(s[k]); };
    const auto cont = [&](std::size_t k) { return k < s.size() && (byte(k) & 0xC0) == 0x80; };
    const std::uint8_t b = byte(i);
    if (b < 0x80) return {b, 1};
    if (b >= 0xC2 && b < 0xE0 && cont(i + 1)) return {((b & 0x1Fu) << 6) | (byte(i + 1) & 0x3F), 2};
    if (b >= 0xE0 && b < 0xF0 && cont(i + 1) && cont(i + 2)) {
        const std::uint32_t c =
            ((b & 0x0Fu) << 12) | ((byte(i + 1) & 0x3Fu) << 6) | (byte(i + 2) & 0x3F);
        if (c >= 0x800) return {c, 3};
    }
    if (b >= 0xF0 && b < 0xF5 && cont(i + 1) && cont(i + 2) && cont(i + 3)) {
        const std::uint32_t c = ((b & 0x07u) << 18) | ((byte(i + 1) & 0x3Fu) << 12) |
                                ((byte(i + 2) & 0x3Fu) << 6) | (byte(i + 3) & 0x3F);
        if (c >= 0x10000 && c < 0x110000) return {c, 4};
    }
    return {0xFFFD, 1};
}

std::string utf8_to_utf16(std::string_view text, bool big_endian) {
    std::string out;
    out.reserve(text.size() * 2);
    for (std::size_t i = 0; i < text.size();) {
        const auto [c, length] = next_code_point(text, i);
        i += length;
        if (c >= 0x10000) {
            append_unit(out, 0xD800 + ((c - 0x10000) >> 10), big_endian);
            append_unit(out, 0xDC00 + ((c - 0x10000) & 0x3FF), big_endian);
        } else {
            append_unit(out, c, big_endian);
        }
    }
    return out;
}

}  // namespace

IniDecoded decode_ini(std::string_view bytes) {
    IniDecoded d;
    if (bytes.starts_with(kUtf8Bom)) {
        d.encoding = IniEncoding::utf8_bom;
        d.text = bytes.substr(kUtf8Bom.size());
    } else if (bytes.starts_with(kUtf16LeBom) || bytes.starts_with(kUtf16BeBom)) {
        const bool big_endian = bytes.starts_with(kUtf16BeBom);
        d.encoding = big_endian ? IniEncoding::utf16be_bom : IniEncoding::utf16le_bom;
        std::string_view body = bytes.substr(2);
        if (body.size() % 2 != 0) {
            d.odd_byte.assign(1, body.back());
            body.remove_suffix(1);
        }
        d.text = utf16_to_utf8(body, big_endian);
    } else {
        d.text = gb18030_to_utf8(bytes);
    }
    return d;
}

std::string encode_ini(const IniDecoded& d) {
    switch (d.encoding) {
        case IniEncoding::utf8_bom:
            return std::string(kUtf8Bom) + d.text;
        case IniEncoding::utf16le_bom:
            return std::string(kUtf16LeBom) + utf8_to_utf16(d.text, false) + d.odd_byte;
        case IniEncoding::utf16be_bom:
            return std::string(kUtf16BeBom) + utf8_to_utf16(d.text, true) + d.odd_byte;
        case IniEncoding::gb18030:
            break;
    }
    return utf8_to_gb18030(d.text);
}

}  // namespace horalune
