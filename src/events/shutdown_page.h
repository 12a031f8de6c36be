// The "定时关机" tab of the settings dialog. The dialog loads and saves its controls; the tab
// handles its quick presets and asks before the force box is ticked.
#pragma once

#include <string_view>
#include <vector>

#include "platform/platform.h"
#include "ui/form.h"

namespace horalune::shutdown_page {

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

inline constexpr std::string_view kForceTitle = "确认吗？";
inline constexpr std::string_view kForceQuestion =
    "选择强制关闭后，当前正在运行的所有软件将不等待正常结束而立即执行指定的操作！"
    "　真的要选择强制关闭？";

// The tab's controls, placed on the tab page.
std::vector<ControlDesign> controls();

// Binds the quick presets and the force box's confirmation.
void bind(Form& form, Platform& platform);

}  // namespace horalune::shutdown_page
