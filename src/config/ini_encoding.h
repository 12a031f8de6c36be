// The bytes of config.ini as text and back. The file is GBK (read as GB18030); a file that an
// editor saved as UTF-8, UTF-16 LE or UTF-16 BE with a byte-order mark is read as such and
// written back the same way, so encode(decode(b)) == b for every byte string b.
#pragma once

#include <string>
#include <string_view>

namespace horalune {

enum class IniEncoding { gb18030, utf8_bom, utf16le_bom, utf16be_bom };

struct IniDecoded {
    std::string text;  // UTF-8; a lone UTF-16 surrogate is kept in its three-byte form
    IniEncoding encoding = IniEncoding::gb18030;
    std::string odd_byte;  // a UTF-16 file's last byte when its length is odd
};

IniDecoded decode_ini(std::string_view bytes);
std::string encode_ini(const IniDecoded& decoded);

}  // namespace horalune
