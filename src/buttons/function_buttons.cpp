#include "buttons/function_buttons.h"

#include <algorithm>
#include <cctype>

#include "analog/analog_window.h"
#include "buttons/icon_store.h"
#include "config/convert.h"
#include "config/settings.h"
#include "ui/picture.h"

namespace horalune {

namespace {

std::string store_path(const std::string& program_dir) {
    return icon_store_path(program_dir, kIconStoreName);
}

bool plays_as_mp3(std::string_view path) {
    std::string lower(path);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower.find("mp3") != std::string::npos;
}

}  // namespace

void load_button_faces(AnalogWindow& window, const std::string& program_dir, int style) {
    const auto records = load_icon_store(store_path(program_dir));
    for (int n = 1; n <= analog_names::kButtonCount; ++n) {
        const std::string* field = records ? horalune::field((*records)[n - 1], style) : nullptr;
        window.set_button_face(n, field && (style == ClockSettings::kFirstStyleNumber ||
                                            style == ClockSettings::kSecondStyleNumber)
                                      ? decode_picture(*field)
                                      : std::nullopt);
    }
    window.refresh();
}

void load_button_icons(AnalogWindow& window, const std::string& program_dir) {
    const auto records = load_icon_store(store_path(program_dir));
    for (int n = 1; n <= analog_names::kButtonCount; ++n) {
        window.set_button_icon(n, records ? decode_picture((*records)[n - 1].icon) : std::nullopt);
        window.set_button_tooltip(n, records ? (*records)[n - 1].tooltip : std::string());
    }
    window.refresh();
}

void share_button_handlers(ButtonContext& context) {
    // One pair of handlers for every button: the tag says which button raised it.
    const auto number = [](const Control& button) { return to_integer(button.tag); };
    const AnalogWindow::ButtonHandler click = [&context, number](const Control& button) {
        run_button_command(context, number(button));
    };
    const AnalogWindow::ButtonHandler right = [&context, number](const Control& button) {
        play_button_sound(context, number(button));
    };
    for (int n = 1; n <= analog_names::kButtonCount; ++n) {
        context.window.set_button_handlers(n, click, right);
    }
}

void run_button_command(ButtonContext& context, int n) {
    const auto record = load_icon_record(store_path(context.program_dir), n);
    if (!record) return;
    const std::string& command = record->command;
    Form& form = context.window.form();
    if (command == kCdTrayCommand) {
        context.platform.send_media_command(context.cd_tray_opened ? "Set CDAudio Door Closed Wait"
                                                                   : "Set CDAudio Door Open Wait");
        context.cd_tray_opened = !context.cd_tray_opened;
    } else if (command == kDialCommand) {
        if (!context.platform.dialup_connected()) {
            if (context.open_dialup_window) context.open_dialup_window();
        } else {
            context.platform.dialup_hang_up();
            context.platform.message_box(form.window(), std::string(kHungUpMessage), "",
                                         MessageIcon::none);
        }
    } else if (!command.empty()) {
        context.platform.start_process(command);
    }
}

void play_button_sound(ButtonContext& context, int n) {
    const auto record = load_icon_record(store_path(context.program_dir), n);
    if (record) play_button_sound_file(context.platform, record->sound);
}

void play_button_sound_file(Platform& platform, const std::string& path) {
    if (path.empty()) return;
    if (plays_as_mp3(path)) {
        platform.play_mp3(path);
    } else {
        platform.play_sound(path, false);
    }
}

}  // namespace horalune
