#include "buttons/sound_pickers.h"

#include <string>

#include "buttons/button_page.h"
#include "buttons/function_buttons.h"

namespace horalune {

void bind_button_sound_row(Form& form, Platform& platform) {
    using namespace button_page;
    form.on_control(kSoundPicker, ControlEvent::clicked, [&form, &platform] {
        const auto path = pick_file(form, platform, sound_pickers::kButtonSoundFilter);
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

}  // namespace horalune
