// The button page's sound row: a "选择声音" button that also takes MP3 and a "试听" button,
// both working on the current record of the working copy of the icon store.
#pragma once

#include <string_view>

#include "platform/platform.h"
#include "settings/sound_row.h"
#include "ui/form.h"

namespace horalune {

namespace sound_pickers {
inline constexpr std::string_view kButtonSoundFilter = "MP3音乐|*.mp3|声音资源|*.wav|MID音序|*.mid";
}  // namespace sound_pickers

// Binds the button page's row.
void bind_button_sound_row(Form& form, Platform& platform);

}  // namespace horalune
