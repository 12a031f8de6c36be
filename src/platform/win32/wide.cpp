// Converts between the program's UTF-8 and the UTF-16 of the W APIs.
// Does not normalise or validate text beyond what the Windows converters do.
#include "platform/win32/wide.h"

#include <windows.h>

#include <algorithm>
#include <climits>

namespace horalune {

std::wstring widen(std::string_view utf8) {
    if (utf8.empty() || utf8.size() > INT_MAX) return {};
    const int in = static_cast<int>(utf8.size());
    const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), in, nullptr, 0);
    if (n <= 0) return {};
    std::wstring out(static_cast<std::size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), in, out.data(), n);
    return out;
}

std::string narrow(std::wstring_view utf16) {
    if (utf16.empty() || utf16.size() > INT_MAX) return {};
    const int in = static_cast<int>(utf16.size());
    const int n = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), in, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), in, out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring widen_path(std::string_view utf8_path) {
    std::wstring path = widen(utf8_path);
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

}  // namespace horalune
