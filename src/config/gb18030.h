#pragma once

// GB18030 <-> UTF-8, our own so that Linux and Windows read and write config.ini the same way.
//
// The mapping is glibc's (see gb18030_table.inc), made a bijection between all Unicode scalar
// values and all valid byte sequences:
//   - 24 private-use code points glibc cannot encode (the 2005 stand-ins for characters glibc
//     now maps properly) get the four-byte code their character used to have: U+E78D..U+E796
//     and eight more take the free codes 0x82359037.. and 0x84318236.. as GB18030-2022 does;
//     U+E816 and five more take the four-byte code of the supplementary character glibc gives
//     their two-byte cell (U+E816 -> 0x95329031, the arithmetic code of U+20087 = 0xFE51).
//   - Single bytes 0x80 and 0xFF are invalid (the euro sign is 0xA2E3, not 0x80 as in CP936).
//
// Decoding never fails. Each byte that does not start a valid sequence becomes the marker
// U+DC80 + byte, written as the three-byte surrogate form 0xED 0xB2..0xB3 0x80..0xBF; decoding
// resumes at the next byte. The encoder writes a marker back as its original byte, so
// utf8_to_gb18030(gb18030_to_utf8(b)) == b for every byte string b, garbage included. Markers
// are not valid UTF-8: anything that shows text to the user sees them as invalid sequences.
//
// Encoding never fails. Invalid UTF-8 (other than the markers) is written as U+FFFD
// (0x84 0x31 0xA4 0x37), once per maximal invalid subsequence.

#include <string>
#include <string_view>

namespace horalune {

std::string gb18030_to_utf8(std::string_view bytes);
std::string utf8_to_gb18030(std::string_view utf8);

}  // namespace horalune
