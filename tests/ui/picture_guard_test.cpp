// Damaged pictures that would make the bundled decoder write out of bounds, hit undefined
// behaviour or allocate far beyond the file are refused; real pictures still decode.
#include "ui/picture_guard.h"

#include <gtest/gtest.h>

#include <string>

#include "ui/builtin_assets.h"
#include "ui/picture.h"

namespace horalune {
namespace {

std::span<const std::uint8_t> bytes_of(const std::string& s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

TEST(PictureGuardTest, JpegHuffmanTableWithTooManyCodesIsRefused) {
    // A table holds at most 256 codes; this DC table claims 255 each of lengths 15 and 16,
    // which the decoder would write past its arrays.
    const std::string table = std::string(15, '\0') + "\xFF\xFF" + std::string(510, '\x01');
    const std::size_t length = table.size() + 2;
    const std::string dht =
        std::string("\xFF\xC4") + char(length >> 8) + char(length & 0xFF) + table;
    // Also behind fill bytes before the start marker, where the decoder still finds it.
    for (const std::string start : {"\xFF\xD8", "\xFF\xFF\xFF\xD8"}) {
        EXPECT_FALSE(decode_picture(start + dht + "\xFF\xD9").has_value());
    }
    for (const auto jpeg : {builtin::background1_jpg(), builtin::background2_jpg()}) {
        EXPECT_TRUE(decoder_can_take(jpeg));
        EXPECT_TRUE(decode_picture(jpeg).has_value());
    }
}

// A PNG chunk: length, type, data and a checksum the decoder does not check.
std::string png_chunk(const std::string& type, const std::string& data) {
    const std::size_t n = data.size();
    const std::string length{char(n >> 24), char(n >> 16), char(n >> 8), char(n)};
    return length + type + data + std::string(4, '\0');
}

TEST(PictureGuardTest, PngDataChunksTheDecoderWouldMishandleAreRefused) {
    // 1 x 1, 8-bit grey 0x80: a stored zlib block holding the filter byte and the pixel.
    const std::string head = std::string("\x89PNG\r\n\x1A\n", 8) +
                             png_chunk("IHDR", std::string("\0\0\0\1\0\0\0\1\x08\0\0\0\0", 13));
    const std::string data =
        png_chunk("IDAT", std::string("\x78\x01\x01\x02\x00\xFD\xFF\x00\x80\x00\x82\x00\x81", 13));
    const std::string end = png_chunk("IEND", "");
    const auto plain = decode_picture(head + data + end);
    ASSERT_TRUE(plain.has_value());
    EXPECT_EQ(plain->at(0, 0), 0xFF808080u);

    // An empty first data chunk would be copied to a buffer not allocated yet; empty ones
    // after the first data are harmless.
    EXPECT_FALSE(decode_picture(head + png_chunk("IDAT", "") + data + end).has_value());
    EXPECT_TRUE(decode_picture(head + data + png_chunk("IDAT", "") + end).has_value());

    // A chunk claiming a gigabyte that the file does not hold: the decoder would allocate it
    // before finding the data missing.
    std::string huge = png_chunk("IDAT", "");
    huge[0] = 0x40;
    EXPECT_FALSE(decoder_can_take(bytes_of(head + data + huge + end)));
    EXPECT_TRUE(decoder_can_take(bytes_of(head + data + end)));
}

}  // namespace
}  // namespace horalune
