// Which player the Win32 sound player hands a file to: MIDI by name or by its first bytes.
#ifdef _WIN32
#include <gtest/gtest.h>

#include <string>

#include "platform/win32/sound_kind.h"

namespace horalune {
namespace {

TEST(Win32SoundKindTest, MidiByNameOrByHeader) {
    const std::string smf = std::string("MThd\0\0\0\x06\0\0\0\x01", 12);
    const std::string rmid = std::string("RIFF\x10\0\0\0RMID", 12);
    const std::string wave = std::string("RIFF\x10\0\0\0WAVE", 12);
    struct Case {
        const char* path;
        std::string head;
        SoundKind kind;
    };
    const Case cases[] = {
        {"C:\\s\\chime.mid", wave, SoundKind::midi},  // the name decides first
        {"C:\\s\\CHIME.MIDI", "", SoundKind::midi},
        {"C:/s/tune.Rmi", "", SoundKind::midi},
        {"C:\\s\\renamed.wav", smf, SoundKind::midi},
        {"C:\\s\\renamed.dat", rmid, SoundKind::midi},
        {"C:\\s\\chime.wav", wave, SoundKind::wave},
        {"C:\\s\\song.mp3", "ID3\x04", SoundKind::wave},
        {"C:\\s\\mid", "", SoundKind::wave},  // no extension, no header
        {"C:\\s\\x.wav", "MTh", SoundKind::wave},
        {"C:\\s\\x.wav", std::string("RIFF\0\0\0\0RMI", 11), SoundKind::wave},
    };
    for (const Case& c : cases) EXPECT_EQ(sound_kind(c.path, c.head), c.kind) << c.path;
}

}  // namespace
}  // namespace horalune
#endif  // _WIN32
