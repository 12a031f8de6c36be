// A sound row of the settings dialog: a "选择声音" button that picks a file into the row's path
// box and ticks its check box, and a "试听" button that plays what the box holds and turns into
// "停止" until clicked again. Pages bind their own rows.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "ui/form.h"

namespace horalune {

namespace sound_row {

// The dialog's one open-file dialog, which every picker of every page opens with its own filter.
inline constexpr std::string_view kFileDialogTitle = "选择一个程序或文件";
inline constexpr std::string_view kSoundFilter = "声音资源|*.wav|MID音序|*.mid";
// A preview button's caption is its state.
inline constexpr std::string_view kPlayCaption = "试听";
inline constexpr std::string_view kStopCaption = "停止";

}  // namespace sound_row

struct SoundRow {
    std::string_view picker;
    std::string_view preview;
    std::string_view path_box;
    std::string_view check_box;  // ticked by a pick: choosing a sound switches it on
};

// Binds a row that knows WAV and MIDI.
void bind_sound_row(Form& form, Platform& platform, const SoundRow& row);

// The dialog's file dialog with `filter`; nothing when cancelled.
std::optional<std::string> pick_file(Form& form, Platform& platform, std::string_view filter);

// A click on a preview button: plays (`play`) and reads "停止", or stops and reads "试听". The
// caption does not follow the sound: one that ended still reads "停止" until clicked.
void toggle_preview(Form& form, Platform& platform, std::string_view preview,
                    const std::function<void()>& play);

}  // namespace horalune
