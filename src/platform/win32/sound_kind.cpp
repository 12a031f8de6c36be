// Tells MIDI files from everything else for the sound player.
// Does not recognise MP3 or other formats; those go to the wave player, which stays silent.
#include "platform/win32/sound_kind.h"

#include <array>
#include <cctype>

namespace horalune {
namespace {

bool ends_with_ignoring_case(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    text.remove_prefix(text.size() - suffix.size());
    for (std::size_t i = 0; i < suffix.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (std::tolower(c) != suffix[i]) return false;
    }
    return true;
}

}  // namespace

SoundKind sound_kind(std::string_view path, std::string_view head) {
    constexpr std::array<std::string_view, 3> kMidiEndings = {".mid", ".midi", ".rmi"};
    for (std::string_view ending : kMidiEndings) {
        if (ends_with_ignoring_case(path, ending)) return SoundKind::midi;
    }
    if (head.substr(0, 4) == "MThd") return SoundKind::midi;
    if (head.size() >= 12 && head.substr(0, 4) == "RIFF" && head.substr(8, 4) == "RMID") {
        return SoundKind::midi;
    }
    return SoundKind::wave;
}

}  // namespace horalune
