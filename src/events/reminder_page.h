// The "报时提醒" tab of the settings dialog: the hourly chime's and the reminder's controls.
// The dialog loads and saves them; the tab itself handles its quick presets.
#pragma once

#include <string_view>
#include <vector>

#include "ui/form.h"

namespace horalune::reminder_page {

inline constexpr std::string_view kChimeOn = "整点报时否";
inline constexpr std::string_view kChimeVibrate = "整点震动否";
inline constexpr std::string_view kChimeLevel = "整点震动级别";
inline constexpr std::string_view kChimeSoundOn = "整点声音否";
inline constexpr std::string_view kChimeSoundPath = "整点声音路径";
inline constexpr std::string_view kReminderOn = "定时提醒否";
inline constexpr std::string_view kHourBox = "定时时框";
inline constexpr std::string_view kMinuteBox = "定时分框";
inline constexpr std::string_view kSecondBox = "定时秒框";
inline constexpr std::string_view kPresets = "定时快速设置";
inline constexpr std::string_view kReminderVibrate = "定时震动否";
inline constexpr std::string_view kReminderLevel = "定时震动级别";
inline constexpr std::string_view kReminderSoundOn = "定时声音否";
inline constexpr std::string_view kReminderSoundPath = "定时声音路径";
inline constexpr std::string_view kReminderTextOn = "定时文字提醒否";
inline constexpr std::string_view kReminderText = "定时文字框";

// The level lists' items: "一级" ... "五级", stored as 1 ... 5.
extern const std::vector<std::string_view> kLevelItems;

// The tab's controls, placed on the tab page.
std::vector<ControlDesign> controls();

// Binds the quick presets to the time boxes.
void bind(Form& form);

// A quick-preset list that adds its minutes to three time boxes (this tab's and the shutdown
// tab's).
void bind_time_presets(Form& form, std::string_view list, std::string_view hour_box,
                       std::string_view minute_box, std::string_view second_box);

}  // namespace horalune::reminder_page
