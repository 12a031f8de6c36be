// Data the bundled picture decoder (stb_image 2.27, as Debian 12 ships it) would mishandle,
// recognised before the decoder sees it.
#pragma once

#include <cstdint>
#include <span>

namespace horalune {

// False for bytes that would make that decoder read or write out of bounds; such data is
// damaged anyway and counts as no picture.
bool decoder_can_take(std::span<const std::uint8_t> bytes);

}  // namespace horalune
