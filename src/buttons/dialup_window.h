// The dial-up window: the connection's entry, user name, password and number, then dialling
// with the seconds spent and the dial-up layer's status texts. Modeless; it closes itself once
// the connection is up. The password lives only in its box while the window is open.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "config/globals.h"
#include "ui/form.h"
#include "ui/open_forms.h"

namespace horalune {

namespace dialup_names {
inline constexpr std::string_view kTitleStrip = "标签6";
inline constexpr std::string_view kElapsed = "逝去时间";
inline constexpr std::string_view kStatus = "拨号状态";
inline constexpr std::string_view kEntries = "组合框1";
inline constexpr std::string_view kUser = "帐号";
inline constexpr std::string_view kPassword = "密码";
inline constexpr std::string_view kNumber = "号码";
inline constexpr std::string_view kLater = "开始1";
inline constexpr std::string_view kStart = "开始";
inline constexpr std::string_view kTimer = "时钟1";

inline constexpr std::string_view kStartCaption = "开始吧";
inline constexpr std::string_view kStopCaption = "不上了";
inline constexpr int kIdleHeight = 192;
inline constexpr int kDiallingHeight = 103;
inline constexpr int kStartTopIdle = 160;
inline constexpr int kStartTopDialling = 70;
inline constexpr int kTickMs = 1000;
}  // namespace dialup_names

const WindowDesign& dialup_window_design();

// "已用时" + seconds + "秒　" (the last character an ideographic space).
std::string elapsed_text(int seconds);

class DialupWindow {
  public:
    struct Context {
        Platform& platform;
        Globals& globals;  // config_path, and dial_elapsed that counts the seconds
        OpenForms& forms;
        // The window asks to be closed; the owner lets go of it through OpenForms::drop_later,
        // which destroys it once the event being handled has returned.
        std::function<void()> closed;
    };

    // Opens the window, filled from the system's dial-up entries and config.ini.
    explicit DialupWindow(Context context);
    ~DialupWindow();
    DialupWindow(const DialupWindow&) = delete;
    DialupWindow& operator=(const DialupWindow&) = delete;

    Form& form() { return *form_; }
    bool dialling() const;

    // A status text of the dial-up layer, shown as it comes.
    void show_status(const std::string& text);
    // Closes the window without dialling: its owner destroys it after the event.
    void close();

  private:
    void entry_chosen();
    void start_or_stop();
    void start();
    void stop();
    void tick();
    // Shows the controls of one state: the inputs when idle, the counter and status otherwise.
    void show_state(bool dialling);

    Context context_;
    std::vector<DialEntry> entries_;
    std::unique_ptr<ListedForm> form_;
};

}  // namespace horalune
