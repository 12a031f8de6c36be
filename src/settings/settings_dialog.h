// The settings dialog: one window with four tab pages, opened on the page a command names and
// never switched by the user. It loads the page from config.ini (the button page from a working
// copy of the icon store) and saves it with "功德圆满" or "立竿见影"; the clock page writes
// each change itself and has no buttons.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "config/globals.h"
#include "platform/platform.h"
#include "ui/form.h"
#include "ui/open_forms.h"

namespace horalune {

class AnalogWindow;
class DigitalWindow;

namespace settings {

enum Page { kButtonPage = 0, kClockPage = 1, kReminderPage = 2, kShutdownPage = 3 };

inline constexpr std::string_view kTitleStrip = "标签33";
inline constexpr std::string_view kTabs = "选择夹1";
inline constexpr std::string_view kOk = "确定";
inline constexpr std::string_view kApply = "应用";
inline constexpr std::string_view kCancel = "取消";
inline constexpr std::string_view kNote = "标签32";
inline constexpr std::string_view kTimeError =
    "您是菜鸟吧！时间搞错了都不知道，不过还是可以改正的。";

}  // namespace settings

class SettingsDialog {
  public:
    struct Context {
        Platform& platform;
        Globals& globals;
        OpenForms& forms;
        AnalogWindow& clock;
        std::function<void()> closed;  // the owner lets go of the dialog from inside this call
        std::function<DigitalWindow*()> digital;  // the digital clock window, null when closed
    };

    explicit SettingsDialog(Context context);
    ~SettingsDialog();
    SettingsDialog(const SettingsDialog&) = delete;
    SettingsDialog& operator=(const SettingsDialog&) = delete;

    // Makes `page` current and loads it (also on a dialog that is open already).
    void open_on(int page);
    int page() const;
    Form& form() { return *form_; }

    // The designed operations, as the buttons and keys run them.
    void load_page();
    bool check_times();
    void save_page();
    void ok();
    void apply();
    void cancel();

  private:
    void show_page_controls(int page);
    void move_button_frame(int top);
    void load_clock_page();
    void load_reminder_page();
    void load_shutdown_page();
    void save_reminder_page();
    void save_shutdown_page();
    void close();

    Context context_;
    std::unique_ptr<ListedForm> form_;
};

// The dialog's designed window: frame, the four pages' controls, the tab control.
const WindowDesign& settings_dialog_design();

}  // namespace horalune
