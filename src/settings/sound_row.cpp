#include "settings/sound_row.h"

namespace horalune {

using namespace sound_row;

std::optional<std::string> pick_file(Form& form, Platform& platform, std::string_view filter) {
    return platform.choose_file(form.window(), std::string(kFileDialogTitle), std::string(filter));
}

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

void bind_sound_row(Form& form, Platform& platform, const SoundRow& row) {
    form.on_control(row.picker, ControlEvent::clicked, [&form, &platform, row] {
        const auto path = pick_file(form, platform, kSoundFilter);
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

}  // namespace horalune
