// The two popup menus: "托盘菜单" of the analog clock and "设置" of the digital clock.
#pragma once

#include <string_view>

#include "ui/menu.h"

namespace horalune::menu_text {

inline constexpr std::string_view kAutoHide = "自动隐藏";
inline constexpr std::string_view kHeart = "跳动的心";
inline constexpr std::string_view kShowClock = "显示时钟";
inline constexpr std::string_view kHideClock = "隐藏时钟";
inline constexpr std::string_view kShowDigital = "显示数字钟";
inline constexpr std::string_view kHideDigital = "隐藏数字钟";
inline constexpr std::string_view kUptime = "已运行时间";
inline constexpr std::string_view kTimeNow = "现在时间";
inline constexpr std::string_view kButtonSettings = "功能配置";
inline constexpr std::string_view kClockSettings = "钟表配置";
inline constexpr std::string_view kReminderSettings = "定时提醒";
inline constexpr std::string_view kShutdownSettings = "定时关机";
inline constexpr std::string_view kExit = "退出";
inline constexpr std::string_view kAbout = "关于";

}  // namespace horalune::menu_text

namespace horalune {

Menu make_tray_menu();     // "托盘菜单"
Menu make_digital_menu();  // "设置"

}  // namespace horalune
