// The icon store from any bytes: no crash, and a store that decodes is exactly what encoding
// its records writes, so re-encoding and decoding give the same records.
#include <cstdint>
#include <string>
#include <string_view>

#include "buttons/icon_store_format.h"
#include "check.h"

using namespace horalune;

namespace {

void check(std::string_view bytes) {
    const auto records = decode_icon_store(bytes);
    if (!records) return;
    FUZZ_CHECK(records->size() == static_cast<std::size_t>(kIconRecordCount));
    const std::string encoded = encode_icon_store(*records);
    FUZZ_CHECK(encoded == bytes);
    const auto again = decode_icon_store(encoded);
    FUZZ_CHECK(again && *again == *records);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    check(bytes);
    // The same bytes with their checksum made right, so that every input also reaches the
    // structure checks behind it.
    if (size >= 4) {
        std::string sealed(bytes);
        const std::uint32_t crc = crc32(bytes.substr(0, size - 4));
        for (int i = 0; i < 4; ++i) sealed[size - 4 + i] = static_cast<char>(crc >> (8 * i));
        check(sealed);
    }
    return 0;
}
