// The input box (a prompt, one edit line, OK and Cancel) and icons taken from program files.
// Neither is realised yet: the box answers as if cancelled and files give no icon.
#include "platform/win32/backend.h"
#include "platform/win32/trace.h"

namespace horalune::win32 {

std::optional<std::string> Win32Platform::input_box(WindowId, const std::string& prompt,
                                                    const std::string& title,
                                                    const std::string&) {
    trace("input box not available: \"" + title + "\" " + prompt);
    return std::nullopt;
}

Image Win32Platform::file_icon(const std::string&) {
    return {};
}

}  // namespace horalune::win32
