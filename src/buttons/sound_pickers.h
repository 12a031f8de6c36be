// The sound rows of the settings dialog: a "选择声音" button that picks a file into the row and
// a "试听" button that plays it and turns into "停止" until clicked again. Three rows sit on the
// reminder and shutdown tabs (WAV and MIDI, with a path box and a check box); the button tab's
// row also takes MP3 and keeps its path in the working copy of the icon store.
#pragma once

#include <array>
#include <string_view>

#include "platform/platform.h"
#include "ui/form.h"

namespace horalune {

namespace sound_pickers {

inline constexpr std::string_view kSoundFilter = "声音资源|*.wav|MID音序|*.mid";
inline constexpr std::string_view kButtonSoundFilter = "MP3音乐|*.mp3|声音资源|*.wav|MID音序|*.mid";
// A preview button's caption is its state.
inline constexpr std::string_view kPlayCaption = "试听";
inline constexpr std::string_view kStopCaption = "停止";

struct SoundRow {
    std::string_view picker;
    std::string_view preview;
    std::string_view path_box;
    std::string_view check_box;  // ticked by a pick: choosing a sound switches it on
};

// The hourly chime's, the reminder's and the shutdown countdown's rows.
const std::array<SoundRow, 3>& dialog_rows();

}  // namespace sound_pickers

// Binds one of the dialog rows.
void bind_sound_row(Form& form, Platform& platform, const sound_pickers::SoundRow& row);
// Binds the button tab's row, which works on the current record of the working copy.
void bind_button_sound_row(Form& form, Platform& platform);
// Binds all four rows of the settings dialog.
void bind_sound_pickers(Form& form, Platform& platform);

}  // namespace horalune
