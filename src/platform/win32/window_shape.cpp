// Builds a window region from a mask picture, one rectangle per run of inside pixels.
// Does not smooth edges: a pixel is inside or outside, as the mask says.
#include "platform/win32/window_shape.h"

#include <cstring>
#include <vector>

namespace horalune::win32 {
namespace {

bool inside(std::uint32_t argb) {
    return (argb & 0x00FFFFFFu) != 0x00FFFFFFu;
}

}  // namespace

HRGN region_from_mask(const Image& mask) {
    if (mask.empty()) return nullptr;
    std::vector<RECT> runs;
    for (int y = 0; y < mask.height; ++y) {
        int x = 0;
        while (x < mask.width) {
            while (x < mask.width && !inside(mask.at(x, y))) ++x;
            const int start = x;
            while (x < mask.width && inside(mask.at(x, y))) ++x;
            if (x > start) runs.push_back(RECT{start, y, x, y + 1});
        }
    }
    // One ExtCreateRegion call instead of thousands of CombineRgn calls.
    std::vector<std::byte> data(sizeof(RGNDATAHEADER) + runs.size() * sizeof(RECT));
    auto* header = reinterpret_cast<RGNDATAHEADER*>(data.data());
    header->dwSize = sizeof(RGNDATAHEADER);
    header->iType = RDH_RECTANGLES;
    header->nCount = static_cast<DWORD>(runs.size());
    header->nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header->rcBound = RECT{0, 0, mask.width, mask.height};
    if (!runs.empty()) {
        std::memcpy(data.data() + sizeof(RGNDATAHEADER), runs.data(), runs.size() * sizeof(RECT));
    }
    return ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                           reinterpret_cast<const RGNDATA*>(data.data()));
}

}  // namespace horalune::win32
