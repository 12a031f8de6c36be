#include "buttons/sound_pickers.h"

#include <functional>
#include <string>

#include "buttons/button_page.h"
#include "buttons/function_buttons.h"
#include "events/reminder_page.h"
#include "events/shutdown_page.h"

namespace horalune {

using namespace sound_pickers;

namespace {

std::optional<std::string> pick(Form& form, Platform& platform, std::string_view filter) {
    return platform.choose_file(form.window(), std::string(button_page::kFileDialogTitle),
                                std::string(filter));
}

// The caption does not follow the sound: one that ended still reads "停止" until clicked.
void toggle_preview(Form& form, Platform& platform, std::string_view preview,
                    const std::function<void()>& play) {
    if (form.text(preview) == kPlayCaption) {
        play();
        form.set_text(preview, std::string(kStopCaption));
    } else {
        platform.stop_sound();
        form.set_text(preview, std::string(kPlayCaption));
    }
}

}  // namespace

const std::array<SoundRow, 3>& sound_pickers::dialog_rows() {
    static constexpr std::array<SoundRow, 3> kRows{{
        {"选择声音2", "试听2", reminder_page::kChimeSoundPath, reminder_page::kChimeSoundOn},
        {"选择声音3", "试听3", reminder_page::kReminderSoundPath, reminder_page::kReminderSoundOn},
        {"选择声音4", "试听4", shutdown_page::kSoundPath, shutdown_page::kSoundOn},
    }};
    return kRows;
}

void bind_sound_row(Form& form, Platform& platform, const SoundRow& row) {
    form.on_control(row.picker, ControlEvent::clicked, [&form, &platform, row] {
        const auto path = pick(form, platform, kSoundFilter);
        if (!path) return;
        form.set_text(row.path_box, *path);
        form.set_checked(row.check_box, true);
    });
    form.on_control(row.preview, ControlEvent::clicked, [&form, &platform, row] {
        toggle_preview(form, platform, row.preview, [&] {
            // What the box holds now, saved or not; these rows know no MP3.
            const std::string& path = form.text(row.path_box);
            if (!path.empty()) platform.play_sound(path, false);
        });
    });
}

void bind_button_sound_row(Form& form, Platform& platform) {
    using namespace button_page;
    form.on_control(kSoundPicker, ControlEvent::clicked, [&form, &platform] {
        const auto path = pick(form, platform, kButtonSoundFilter);
        if (!path) return;
        form.set_text(kSoundBox, *path);
        edit_current_record(form, platform.program_dir(),
                            [&path](IconRecord& record) { record.sound = *path; });
    });
    form.on_control(kSoundPreview, ControlEvent::clicked, [&form, &platform] {
        toggle_preview(form, platform, kSoundPreview, [&] {
            const auto record = current_record(form, platform.program_dir());
            if (record) play_button_sound_file(platform, record->sound);
        });
    });
}

void bind_sound_pickers(Form& form, Platform& platform) {
    bind_button_sound_row(form, platform);
    for (const SoundRow& row : dialog_rows()) bind_sound_row(form, platform, row);
}

}  // namespace horalune
