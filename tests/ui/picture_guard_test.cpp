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

TEST(PictureGuardTest, JpegWhoseScanRunsOutOfBitsDecodesWithoutHarm) {
    // Found by the picture fuzzer (shrunk): a marker inside the scan leaves the decoder short
    // of bits, and it shifts its bit buffer by 32. The sanitizer builds run this on the decoder
    // as we compile it; the answer only has to be safe.
    const std::string hex =
        "ffd8ffc000110800a400a403012200021101031101ffc401a200000105010101010101000000000000000001"
        "02030405060708090a0b100002010303020403050504040000017d0102030004110512213141061351610100"
        "000000000171082342b1c11552d1f02433627282090a161718191a25262728292a3435363738393a43444546"
        "4748494a535455565758595a636465666768696a737475767778797a838485868788898a9293949596979899"
        "9aa2a3a4a5a6a7a8a9aab2b3b4b5b6b7b8b9bac2c3c4c5c6c7c8c9cad2d3d4d5d6d7d8d9dae1e2e3e4e5e6e7"
        "89504e470d0a1a0af6f7f8f9fa0100030101010101010101010000000000000102030405060708090a0b1100"
        "020102040403040705040400010277000102031104052131061241510761711322328108144291a1b1c10923"
        "3352f0156272d10a162434e125f11718191a262728292a3536ffd8ffffc0c2c3c4ffffffffffffffffffffff"
        "ffd9ffffffffffffffffff00f9ffffffffffffffffffffffffffffffffffffffffffff14c028a28a00ffd9aa"
        "ffd3d4d5d6d7d8d9bac2c3c4c5c6000000fcd202110311003f00eb93ff00f9ffd9e8e9eaf2f3f4f5f6f7f8f9"
        "faffda000c03010002110311003f00eb93ff00f9ffd9";
    std::string jpeg;
    for (std::size_t i = 0; i + 1 < hex.size(); i += 2) {
        jpeg += static_cast<char>(std::stoi(hex.substr(i, 2), nullptr, 16));
    }
    ASSERT_EQ(jpeg.size(), 462u);
    const auto picture = decode_picture(jpeg);
    if (picture) {
        EXPECT_LE(picture->width, kMaxPictureSide);
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
