// Icons taken from program and icon files: the first one, drawn at 32 x 32 on white, as the
// program's pictures use white for transparent. Files without icons give an empty picture.
#include <cstring>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

// <shellapi.h> needs <windows.h> before it (backend.h).
#include <shellapi.h>

namespace horalune::win32 {
namespace {

constexpr int kIconSize = 32;

// The first icon at 32 x 32 if the file has one in that size, else its large icon to be scaled.
OwnedIcon first_icon(const std::wstring& path) {
    HICON icon = nullptr;
    UINT resource = 0;
    const UINT found =
        PrivateExtractIconsW(path.c_str(), 0, kIconSize, kIconSize, &icon, &resource, 1, 0);
    // 0xFFFFFFFF: the file is missing or unreadable.
    if (found == 1 && icon != nullptr) return OwnedIcon(icon);
    if (icon != nullptr) DestroyIcon(icon);
    icon = nullptr;
    if (ExtractIconExW(path.c_str(), 0, &icon, nullptr, 1) > 0 && icon != nullptr) {
        return OwnedIcon(icon);
    }
    return nullptr;
}

Image draw_on_white(HICON icon) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = kIconSize;
    info.bmiHeader.biHeight = -kIconSize;  // top-down, like Image
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HDC screen = GetDC(nullptr);
    const HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    const HBITMAP dib = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (dc == nullptr || dib == nullptr || bits == nullptr) {
        if (dib != nullptr) DeleteObject(dib);
        if (dc != nullptr) DeleteDC(dc);
        return {};
    }
    const HGDIOBJ before = SelectObject(dc, dib);
    const std::size_t count = static_cast<std::size_t>(kIconSize) * kIconSize;
    std::memset(bits, 0xFF, count * sizeof(std::uint32_t));
    const bool drawn = DrawIconEx(dc, 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    GdiFlush();

    Image image;
    if (drawn) {
        image = Image(kIconSize, kIconSize);
        const auto* source = static_cast<const std::uint32_t*>(bits);
        // The alpha byte the drawing leaves behind means nothing here: every pixel is opaque,
        // and those the icon did not cover are still exactly white.
        for (std::size_t i = 0; i < count; ++i) image.pixels[i] = 0xFF000000u | source[i];
    }
    SelectObject(dc, before);
    DeleteObject(dib);
    DeleteDC(dc);
    return image;
}

}  // namespace

Image Win32Platform::file_icon(const std::string& path) {
    const OwnedIcon icon = first_icon(widen_path(path));
    if (icon == nullptr) {
        trace("no icon in " + path);
        return {};
    }
    return draw_on_white(icon.get());
}

}  // namespace horalune::win32
