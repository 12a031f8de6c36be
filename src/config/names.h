// Sections, keys and fixed words of config.ini, written once here.
#pragma once

#include <string_view>

namespace horalune::cfg {

using Name = std::string_view;

// Sections.
inline constexpr Name kClock = "时钟配置";
inline constexpr Name kDigital = "数字钟配置";
inline constexpr Name kOther = "其它";
inline constexpr Name kChime = "整点报时";
inline constexpr Name kReminder = "定时提醒";
inline constexpr Name kShutdown = "定时关机";

// 时钟配置
inline constexpr Name kHourColour = "时针颜色";
inline constexpr Name kMinuteColour = "分针颜色";
inline constexpr Name kSecondColour = "秒针颜色";
inline constexpr Name kHourLength = "时针长度";
inline constexpr Name kMinuteLength = "分针长度";
inline constexpr Name kSecondLength = "秒针长度";
inline constexpr Name kHourLengthLevel = "时针长度1";
inline constexpr Name kMinuteLengthLevel = "分针长度1";
inline constexpr Name kSecondLengthLevel = "秒针长度1";
inline constexpr Name kHourWidth = "时针宽度";
inline constexpr Name kMinuteWidth = "分针宽度";
inline constexpr Name kSecondWidth = "秒针宽度";
inline constexpr Name kStyle = "风格";
inline constexpr Name kBackground = "底图";
inline constexpr Name kPictureMode = "方式";
inline constexpr Name kAutoHide = "自动隐藏";

// 数字钟配置 (also 底图, 方式, 自动隐藏 above)
inline constexpr Name kWidth = "宽度";
inline constexpr Name kHeight = "高度";
inline constexpr Name kKind = "类型";
inline constexpr Name kFormat = "格式";
inline constexpr Name kTextColour = "文本颜色";
inline constexpr Name kBackColour = "背景颜色";
inline constexpr Name kFontName = "字体名称";
inline constexpr Name kFontSize = "字体大小";
inline constexpr Name kHasPicture = "有无底图";

// 其它
inline constexpr Name kDigitalState = "数字钟状态";
inline constexpr Name kClockState = "时钟状态";
inline constexpr Name kHeart = "跳动的心";
inline constexpr Name kDialNumber = "默认拨号号码";

// 整点报时 and 定时提醒
inline constexpr Name kChimeOn = "整点是否报时";
inline constexpr Name kVibrate = "是否震动";
inline constexpr Name kVibrateLevel = "震动级别";
inline constexpr Name kSoundOn = "是否发声";
inline constexpr Name kSoundPath = "声音路径";
inline constexpr Name kReminderOn = "是否定时提醒";
inline constexpr Name kReminderTime = "提醒时间";
inline constexpr Name kReminderTextOn = "是否文字提醒";
inline constexpr Name kReminderText = "提醒文字";

// 定时关机
inline constexpr Name kShutdownOn = "是否定时关机";
inline constexpr Name kShutdownTime = "关机时间";
inline constexpr Name kShutdownMode = "关机方式";
inline constexpr Name kForceClose = "是否强制关闭";
inline constexpr Name kCountdownOn = "是否倒计时";
inline constexpr Name kCountdownSeconds = "倒计时间";

// Words.
inline constexpr Name kTrue = "真";
inline constexpr Name kFalse = "假";
inline constexpr Name kShown = "显示";
inline constexpr Name kHidden = "隐藏";
inline constexpr Name kBuiltin1 = "默认1";
inline constexpr Name kBuiltin2 = "默认2";
inline constexpr Name kKindTime = "时间";
inline constexpr Name kKindUptime = "已运行时间";

inline constexpr Name kConfigFileName = "config.ini";

}  // namespace horalune::cfg
