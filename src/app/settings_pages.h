// The settings dialog's pages, made by the application: the one place that knows every page's
// subsystem, and hands each page what it may change outside its own folder.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "config/globals.h"
#include "platform/platform.h"
#include "settings/settings_dialog.h"
#include "settings/settings_page.h"

namespace horalune {

class AnalogWindow;
class DigitalWindow;

// In the order of settings::Page. `digital` is the digital clock window, null while closed.
std::vector<std::unique_ptr<SettingsPage>> make_settings_pages(
    Platform& platform, Globals& globals, AnalogWindow& clock,
    std::function<DigitalWindow*()> digital);

// The dialog's design with these pages' controls, as the program shows it.
const WindowDesign& settings_dialog_design();

}  // namespace horalune
