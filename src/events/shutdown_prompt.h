// The countdown prompt of the timed shutdown: a big number of seconds left and a sentence
// naming the power operation, a tick sound each second, and buttons to act at once or to give
// up. Modal, and kept hidden while it counts when the user asked for no prompt.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "app/globals.h"
#include "ui/form.h"
#include "ui/open_forms.h"

namespace horalune {

namespace shutdown_prompt_names {
inline constexpr std::string_view kSeconds = "已逝时间";
inline constexpr std::string_view kSentence = "关闭提示";
inline constexpr std::string_view kRunNow = "执行";
inline constexpr std::string_view kCancel = "取消";
inline constexpr std::string_view kTimer = "时钟1";
}  // namespace shutdown_prompt_names

const WindowDesign& shutdown_prompt_design();

// The stored 关机方式 as a power operation: 1 to 4 as stored, anything else sleep, which is
// what the prompt's sentence announces for such a value.
PowerMode power_mode_of(int stored);
// What follows the count in the prompt, e.g. "秒后将关闭系统！".
std::string_view power_sentence(PowerMode mode);
// The prompt's sentence for `left` seconds, e.g. "14秒后将注销登录！".
std::string count_sentence(std::uint8_t left, PowerMode mode);

class ShutdownPrompt {
  public:
    ShutdownPrompt(Platform& platform, Globals& globals, OpenForms& forms);
    ~ShutdownPrompt();
    ShutdownPrompt(const ShutdownPrompt&) = delete;
    ShutdownPrompt& operator=(const ShutdownPrompt&) = delete;

    // Opens the prompt and counts down modally; returns when it has closed ("取消任务", or the
    // modal loop given up by the desktop). Sets shutdown_countdown.
    void run();
    // The open prompt, or null.
    Form* form() { return form_.get(); }

  private:
    void count_down();
    PowerMode current_mode() const;  // the stored 关机方式, read anew each time
    void power_operation(PowerMode mode);
    void close();
    std::string read(std::string_view key) const;  // of section 定时关机

    Platform& platform_;
    Globals& globals_;
    OpenForms& forms_;
    std::unique_ptr<ListedForm> form_;
};

}  // namespace horalune
