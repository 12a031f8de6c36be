// The "定时关机" page of the settings dialog, loaded and saved through one binding table; it
// has its own quick presets and sound row, and asks before the force box is ticked.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "config/globals.h"
#include "platform/platform.h"
#include "settings/page_binding.h"
#include "settings/settings_page.h"

namespace horalune {

namespace shutdown_page {

inline constexpr std::string_view kShutdownOn = "定时关机否";
inline constexpr std::string_view kHourBox = "关机时框";
inline constexpr std::string_view kMinuteBox = "关机分框";
inline constexpr std::string_view kSecondBox = "关机秒框";
inline constexpr std::string_view kPresets = "关机快速设置";
inline constexpr std::string_view kModes = "关机方式选择框";
inline constexpr std::string_view kForce = "强制关闭否";
inline constexpr std::string_view kCountdownOn = "到时提示否";
inline constexpr std::string_view kCountdownBox = "倒时时间框";
inline constexpr std::string_view kSoundOn = "关机声音否";
inline constexpr std::string_view kSoundPath = "关机声音路径";
inline constexpr std::string_view kSoundPicker = "选择声音4";
inline constexpr std::string_view kSoundPreview = "试听4";

inline constexpr std::string_view kForceTitle = "确认吗？";
inline constexpr std::string_view kForceQuestion =
    "选择强制关闭后，当前正在运行的所有软件将不等待正常结束而立即执行指定的操作！"
    "　真的要选择强制关闭？";

// The page's controls, placed on the tab page.
std::vector<ControlDesign> controls();
// The page's controls and their settings, in the order they are saved.
std::span<const Binding> bindings();

}  // namespace shutdown_page

class ShutdownPage : public SettingsPage {
  public:
    ShutdownPage(Platform& platform, Globals& globals) : platform_(platform), globals_(globals) {}

    std::vector<ControlDesign> controls() const override { return shutdown_page::controls(); }
    // The presets, the sound row and the force box's confirmation.
    void bind(Form& form) override;
    // A shorter dialog, the buttons moved up with its bottom.
    PageFrame frame() const override { return {.height = 240, .buttons_top = 200}; }
    void load(Form& form) override;
    bool check(Form& form) override;
    void save(Form& form) override;

  private:
    Platform& platform_;
    Globals& globals_;
};

}  // namespace horalune
