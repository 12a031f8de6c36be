// The "报时提醒" page of the settings dialog: the hourly chime's and the reminder's controls,
// loaded and saved through one binding table, with its quick presets and two sound rows.
#pragma once

#include <span>
#include <string_view>
#include <vector>

#include "config/globals.h"
#include "platform/platform.h"
#include "settings/page_binding.h"
#include "settings/settings_page.h"

namespace horalune {

namespace reminder_page {

inline constexpr std::string_view kChimeOn = "整点报时否";
inline constexpr std::string_view kChimeVibrate = "整点震动否";
inline constexpr std::string_view kChimeLevel = "整点震动级别";
inline constexpr std::string_view kChimeSoundOn = "整点声音否";
inline constexpr std::string_view kChimeSoundPath = "整点声音路径";
inline constexpr std::string_view kChimeSoundPicker = "选择声音2";
inline constexpr std::string_view kChimeSoundPreview = "试听2";
inline constexpr std::string_view kReminderOn = "定时提醒否";
inline constexpr std::string_view kHourBox = "定时时框";
inline constexpr std::string_view kMinuteBox = "定时分框";
inline constexpr std::string_view kSecondBox = "定时秒框";
inline constexpr std::string_view kPresets = "定时快速设置";
inline constexpr std::string_view kReminderVibrate = "定时震动否";
inline constexpr std::string_view kReminderLevel = "定时震动级别";
inline constexpr std::string_view kReminderSoundOn = "定时声音否";
inline constexpr std::string_view kReminderSoundPath = "定时声音路径";
inline constexpr std::string_view kReminderSoundPicker = "选择声音3";
inline constexpr std::string_view kReminderSoundPreview = "试听3";
inline constexpr std::string_view kReminderTextOn = "定时文字提醒否";
inline constexpr std::string_view kReminderText = "定时文字框";

// The level lists' items: "一级" ... "五级", stored as 1 ... 5.
extern const std::vector<std::string_view> kLevelItems;

// The page's controls, placed on the tab page.
std::vector<ControlDesign> controls();
// The page's controls and their settings, in the order they are saved.
std::span<const Binding> bindings();

}  // namespace reminder_page

class ReminderPage : public SettingsPage {
  public:
    ReminderPage(Platform& platform, Globals& globals) : platform_(platform), globals_(globals) {}

    std::vector<ControlDesign> controls() const override { return reminder_page::controls(); }
    void bind(Form& form) override;
    void load(Form& form) override;
    bool check(Form& form) override;
    void save(Form& form) override;

  private:
    Platform& platform_;
    Globals& globals_;
};

}  // namespace horalune
