// The sound player: WAV through PlaySoundW, MIDI and MP3 through the MCI string interface.
// Plays one sound at a time; it does not mix, fade or report whether anything is playing.
#pragma once

#include <windows.h>

#include <string>

namespace horalune {

class SoundPlayer {
  public:
    SoundPlayer() = default;
    ~SoundPlayer();
    SoundPlayer(const SoundPlayer&) = delete;
    SoundPlayer& operator=(const SoundPlayer&) = delete;

    // A WAV or MIDI file, once or repeating until stop(); replaces what plays.
    void play(const std::string& path, bool repeat);
    // An MP3 file, once; replaces what plays.
    void play_mp3(const std::string& path);
    void stop();

    bool can_play_wave() const;
    bool can_play_midi() const;
    bool can_play_mp3() const;

    // MM_MCINOTIFY from the hidden notification window.
    void on_mci_notify(WPARAM flags);

  private:
    bool play_mci(const std::string& path, const wchar_t* type, bool repeat);
    void close_mci();
    HWND notify_window();

    HWND notify_ = nullptr;
    bool mci_open_ = false;
    bool mci_repeat_ = false;
    bool wave_started_ = false;
    std::string current_;  // the path that plays, for the trace
};

}  // namespace horalune
