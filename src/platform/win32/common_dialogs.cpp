// The common dialogs: open-file with a filter, colour and font. Each runs modally over the
// owner and answers nothing when the user cancels.
// <commdlg.h> needs <windows.h> before it.
// clang-format off
#include <windows.h>
#include <commdlg.h>
// clang-format on

#include <algorithm>
#include <cstdlib>
#include <string>

#include "platform/win32/backend.h"
#include "platform/win32/trace.h"
#include "platform/win32/wide.h"

namespace horalune::win32 {

std::optional<std::string> Win32Platform::choose_file(WindowId owner, const std::string& title,
                                                      const std::string& filter) {
    // "name|*.a|name|*.b" becomes the dialog's list of NUL-separated pairs.
    std::wstring pairs = widen(filter);
    std::replace(pairs.begin(), pairs.end(), L'|', L'\0');
    pairs.append(2, L'\0');
    std::wstring file(32768, L'\0');
    const std::wstring caption = widen(title);
    OPENFILENAMEW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = hwnd_of(owner);
    request.lpstrFilter = pairs.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = file.data();
    request.nMaxFile = static_cast<DWORD>(file.size());
    request.lpstrTitle = caption.empty() ? nullptr : caption.c_str();
    request.Flags =
        OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_EXPLORER;
    const DialogOpen open(*this);
    if (!GetOpenFileNameW(&request)) return std::nullopt;
    file.resize(wcslen(file.c_str()));
    trace("file chosen: " + narrow(file));
    return narrow(file);
}

std::optional<int> Win32Platform::choose_colour(WindowId owner, int colour) {
    static COLORREF custom[16] = {};  // the user's own colours, kept while the program runs
    CHOOSECOLORW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = hwnd_of(owner);
    request.rgbResult = static_cast<COLORREF>(colour) & 0x00FFFFFFu;
    request.lpCustColors = custom;
    request.Flags = CC_RGBINIT | CC_FULLOPEN | CC_ANYCOLOR;
    const DialogOpen open(*this);
    if (!ChooseColorW(&request)) return std::nullopt;
    return static_cast<int>(request.rgbResult & 0x00FFFFFFu);
}

std::optional<FontSpec> Win32Platform::choose_font(WindowId owner, const FontSpec& initial,
                                                   int min_height, int max_height) {
    // The dialog opens on the font shown: the default dialog font stands in for what is unset.
    LOGFONTW font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    if (!initial.face.empty()) {
        const std::wstring face = widen(initial.face);
        std::fill(std::begin(font.lfFaceName), std::end(font.lfFaceName), L'\0');
        std::copy_n(face.begin(), std::min<std::size_t>(face.size(), LF_FACESIZE - 1),
                    font.lfFaceName);
    }
    const int shown = initial.height > 0 ? initial.height : std::abs(font.lfHeight);
    font.lfHeight = -std::clamp(shown, min_height, max_height);
    font.lfWidth = 0;
    font.lfWeight = initial.bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    // The dialog's sizes are points; the limits are pixels on this screen.
    const HDC screen = GetDC(nullptr);
    const int dpi = std::max(GetDeviceCaps(screen, LOGPIXELSY), 1);
    ReleaseDC(nullptr, screen);
    CHOOSEFONTW request{};
    request.lStructSize = sizeof request;
    request.hwndOwner = hwnd_of(owner);
    request.lpLogFont = &font;
    request.Flags =
        CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_NOSCRIPTSEL | CF_NOVERTFONTS | CF_LIMITSIZE;
    request.nSizeMin = (min_height * 72 + dpi - 1) / dpi;
    request.nSizeMax = max_height * 72 / dpi;
    const DialogOpen open(*this);
    if (!ChooseFontW(&request)) return std::nullopt;
    FontSpec chosen = initial;  // the dialog decides face and size only
    chosen.face = narrow(font.lfFaceName);
    chosen.height = font.lfHeight < 0 ? -font.lfHeight : font.lfHeight;
    trace("font chosen: " + chosen.face + " " + std::to_string(chosen.height));
    return chosen;
}

bool Win32Platform::is_nt_family() {
    // Only the NT family runs the W entry points this program is built on.
    return (GetVersion() & 0x80000000u) == 0;
}

}  // namespace horalune::win32
