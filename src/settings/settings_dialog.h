// The settings dialog: one window with a tab page per settings page, opened on the page a
// command names and never switched by the user. The frame knows its pages only as
// SettingsPage: it shows the current page's controls, lays itself out for it, and runs its
// load, check and save for "功德圆满" (OK), "立竿见影" (Apply), "半途而废" (Cancel) and Esc.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/platform.h"
#include "settings/page_binding.h"
#include "settings/settings_page.h"
#include "ui/form.h"
#include "ui/open_forms.h"

namespace horalune {

namespace settings {

// The pages in the order of their tabs, as the owner hands them over.
enum Page { kButtonPage = 0, kClockPage = 1, kReminderPage = 2, kShutdownPage = 3 };
inline constexpr int kPageCount = 4;

inline constexpr std::string_view kTitleStrip = "标签33";
inline constexpr std::string_view kTabs = "选择夹1";
inline constexpr std::string_view kOk = "确定";
inline constexpr std::string_view kApply = "应用";
inline constexpr std::string_view kCancel = "取消";
inline constexpr std::string_view kNote = "标签32";

}  // namespace settings

class SettingsDialog {
  public:
    struct Context {
        Platform& platform;
        OpenForms& forms;
        // One per tab, in the order of settings::Page.
        std::vector<std::unique_ptr<SettingsPage>> pages;
        // The dialog asks to be closed; the owner lets go of it through OpenForms::drop_later,
        // which destroys it once the event being handled has returned.
        std::function<void()> closed;
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
    void ok();
    void apply();
    void cancel();
    void escape();

  private:
    SettingsPage& current();
    void show_page_controls(int page);
    void move_button_frame(int top);
    void close(DialogClose how);

    Context context_;
    WindowDesign design_;
    std::unique_ptr<ListedForm> form_;
};

// The dialog's designed window: frame, the pages' controls (each tagged with its page number),
// the tab control.
WindowDesign settings_dialog_design(const std::vector<std::vector<ControlDesign>>& pages);

}  // namespace horalune
