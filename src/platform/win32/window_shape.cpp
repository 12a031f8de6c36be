// Builds a window region from a mask picture, one rectangle per run of inside pixels, and finds
// what changed between two pictures. Does not smooth edges: a pixel is inside or outside.
#include "platform/win32/window_shape.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace horalune::win32 {
namespace {

bool inside(std::uint32_t argb) {
    return (argb & 0x00FFFFFFu) != 0x00FFFFFFu;
}

// Unchanged rows between two changed bands up to which they are repainted as one: a few more
// pixels cost less than another rectangle.
constexpr int kJoinGap = 8;

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

std::vector<RECT> changed_bands(const Image& before, const Image& after) {
    std::vector<RECT> bands;
    for (int y = 0; y < after.height; ++y) {
        const std::uint32_t* a = &before.pixels[static_cast<std::size_t>(y) * after.width];
        const std::uint32_t* b = &after.pixels[static_cast<std::size_t>(y) * after.width];
        int left = 0;
        while (left < after.width && a[left] == b[left]) ++left;
        if (left == after.width) continue;
        int right = after.width;
        while (a[right - 1] == b[right - 1]) --right;
        if (!bands.empty() && y - bands.back().bottom <= kJoinGap) {
            RECT& band = bands.back();
            band.left = std::min<LONG>(band.left, left);
            band.right = std::max<LONG>(band.right, right);
            band.bottom = y + 1;
        } else {
            bands.push_back(RECT{left, y, right, y + 1});
        }
    }
    return bands;
}

}  // namespace horalune::win32
