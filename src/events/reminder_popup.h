// The reminder popup: the reminder's text, a snooze through the quick presets, and buttons to
// close it or go on to the reminder settings. Modeless, dragged by its title strip; a fresh
// window each time it opens, destroyed when it closes.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "config/globals.h"
#include "ui/form.h"
#include "ui/open_forms.h"

namespace horalune {

namespace reminder_popup_names {
inline constexpr std::string_view kTitleStrip = "标签33";
inline constexpr std::string_view kTextBox = "提醒内容框";
inline constexpr std::string_view kPresetList = "组合框2";
inline constexpr std::string_view kAdvancedButton = "高级设置";
inline constexpr std::string_view kCloseButton = "关闭";
}  // namespace reminder_popup_names

const WindowDesign& reminder_popup_design();

class ReminderPopup {
  public:
    struct Hooks {
        // Opens the settings dialog on the reminder tab.
        std::function<void()> open_advanced_settings;
        // The popup asks to be closed; the owner lets go of it through OpenForms::drop_later,
        // which destroys it once the event being handled has returned.
        std::function<void()> closed;
    };

    // Opens the popup with its designed text, listed in `forms` while it is open.
    ReminderPopup(Platform& platform, Globals& globals, OpenForms& forms, Hooks hooks);
    ~ReminderPopup();
    ReminderPopup(const ReminderPopup&) = delete;
    ReminderPopup& operator=(const ReminderPopup&) = delete;

    // Puts the reminder's text into the text box, in place of whatever it holds.
    void show_text(const std::string& text);
    // Only while open.
    Form& form() { return *form_; }

  private:
    void snooze(int minutes);
    // Asks the owner to let go of the popup; nothing is destroyed meanwhile.
    void close();

    Platform& platform_;
    Globals& globals_;
    Hooks hooks_;
    std::unique_ptr<ListedForm> form_;
};

}  // namespace horalune
