#include "ui/picture_guard.h"

#include <algorithm>
#include <cstddef>

namespace horalune {

namespace {

// Reads as the decoder does: past the end every byte is 0.
struct Reader {
    std::span<const std::uint8_t> bytes;
    std::size_t at;

    unsigned get8() { return at < bytes.size() ? bytes[at++] : (at++, 0u); }
    unsigned get16be() {
        const unsigned high = get8();
        return high << 8 | get8();
    }
    std::size_t get32be() {
        const std::size_t high = get16be();
        return high << 16 | get16be();
    }
};

// The decoder's test: a start-of-image marker, fill bytes 0xFF allowed before it.
bool is_jpeg(std::span<const std::uint8_t> bytes) {
    std::size_t i = 0;
    while (i < bytes.size() && bytes[i] == 0xFF) ++i;
    return i > 0 && i < bytes.size() && bytes[i] == 0xD8;
}

// A JPEG Huffman table (DHT) lists how many codes it has of each length 1..16; the decoder
// copies that many code sizes and symbols into arrays of 256 without checking the total. It
// takes FF C4 as that marker wherever it looks for markers (headers, between scans, after
// fill bytes), so every FF C4 in the data is read here the way it would read it.
bool jpeg_huffman_tables_fit(std::span<const std::uint8_t> bytes) {
    for (std::size_t i = 0; i + 1 < bytes.size(); ++i) {
        if (bytes[i] != 0xFF || bytes[i + 1] != 0xC4) continue;
        Reader r{bytes, i + 2};
        long left = static_cast<long>(r.get16be()) - 2;
        while (left > 0) {
            const unsigned q = r.get8();
            if (q >> 4 > 1 || (q & 15) > 3) break;  // the decoder stops at a bad header
            unsigned codes = 0;
            for (int length = 0; length < 16; ++length) codes += r.get8();
            if (codes > 256) return false;
            r.at += codes;
            left -= 17 + static_cast<long>(codes);
        }
    }
    return true;
}

// The decoder gathers the IDAT chunks' data into a buffer it grows to fit each chunk before
// reading it: a chunk claiming more than the file holds would make a tiny file allocate up to
// gigabytes, and an empty first one is copied to a buffer not yet allocated (undefined). Its
// walk through the chunks: an 8-byte signature, then length, type, data and checksum each.
bool png_data_chunks_fit(std::span<const std::uint8_t> bytes) {
    constexpr std::uint8_t kSignature[8] = {137, 80, 78, 71, 13, 10, 26, 10};
    if (bytes.size() < 8 || !std::equal(kSignature, kSignature + 8, bytes.begin())) return true;
    Reader r{bytes, 8};
    bool have_data = false;
    while (r.at + 8 <= bytes.size()) {
        const std::size_t length = r.get32be();
        const std::size_t type = r.get32be();
        if (type == 0x49454E44) break;  // "IEND"
        if (type == 0x49444154) {       // "IDAT"
            if (length > bytes.size() - r.at || (length == 0 && !have_data)) return false;
            have_data = have_data || length > 0;
        }
        r.at += length + 4;
    }
    return true;
}

}  // namespace

bool decoder_can_take(std::span<const std::uint8_t> bytes) {
    return (!is_jpeg(bytes) || jpeg_huffman_tables_fit(bytes)) && png_data_chunks_fit(bytes);
}

}  // namespace horalune
