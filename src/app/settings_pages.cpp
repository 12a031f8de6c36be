#include "app/settings_pages.h"

#include "analog/analog_window.h"
#include "analog/appearance_page.h"
#include "buttons/button_page.h"
#include "buttons/function_buttons.h"
#include "digital/digital_window.h"
#include "events/reminder_page.h"
#include "events/shutdown_page.h"

namespace horalune {

namespace {

// The digital clock as the clock page sees it; each hook finds the window again, so a closed
// clock is never reached.
appearance_page::DigitalHooks digital_hooks(const std::function<DigitalWindow*()>& digital) {
    const auto with = [digital](auto action) {
        return [digital, action](auto&&... args) {
            if (DigitalWindow* window = digital ? digital() : nullptr) {
                action(*window, args...);
            }
        };
    };
    return {
        .open = [digital] { return digital && digital() != nullptr; },
        .set_text_colour = with([](DigitalWindow& w, int colour) { w.set_text_colour(colour); }),
        .set_back_colour = with([](DigitalWindow& w, int colour) { w.set_back_colour(colour); }),
        .font =
            [digital] {
                DigitalWindow* window = digital ? digital() : nullptr;
                return window != nullptr ? window->font() : FontSpec{};
            },
        .set_font = with([](DigitalWindow& w, const std::string& face, int height) {
            w.set_font(face, height);
        }),
        .set_picture_file = with([](DigitalWindow& w, const std::string& path, int mode) {
            w.set_picture_file(path, mode);
        }),
        .remove_picture = with([](DigitalWindow& w) { w.remove_picture(); }),
    };
}

}  // namespace

const WindowDesign& settings_dialog_design() {
    static const WindowDesign design =
        settings_dialog_design({button_page::controls(), appearance_page::controls(),
                                reminder_page::controls(), shutdown_page::controls()});
    return design;
}

std::vector<std::unique_ptr<SettingsPage>> make_settings_pages(
    Platform& platform, Globals& globals, AnalogWindow& clock,
    std::function<DigitalWindow*()> digital) {
    std::vector<std::unique_ptr<SettingsPage>> pages;
    pages.push_back(std::make_unique<ButtonPage>(platform, globals, clock));
    pages.push_back(std::make_unique<AppearancePage>(
        appearance_page::Context{.platform = platform,
                                 .globals = globals,
                                 .clock = clock,
                                 .restyle_buttons =
                                     [&platform, &clock](int style) {
                                         load_button_faces(clock, platform.program_dir(), style);
                                     },
                                 .digital = digital_hooks(digital)}));
    pages.push_back(std::make_unique<ReminderPage>(platform, globals));
    pages.push_back(std::make_unique<ShutdownPage>(platform, globals));
    return pages;
}

}  // namespace horalune
