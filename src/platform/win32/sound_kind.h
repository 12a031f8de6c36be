// Which player a sound file goes to: decided from the name and the first bytes of the file.
// Does not look deeper into the file; a broken file is found out by the player itself.
#pragma once

#include <string_view>

namespace horalune {

enum class SoundKind { wave, midi };

// MIDI when the name ends in .mid, .midi or .rmi (any case) or the bytes start like a
// standard MIDI file ("MThd") or a RIFF MIDI file ("RIFF" .... "RMID"); otherwise wave.
SoundKind sound_kind(std::string_view path, std::string_view head);

// How many leading bytes sound_kind looks at.
constexpr std::size_t kSoundHeadSize = 12;

}  // namespace horalune
