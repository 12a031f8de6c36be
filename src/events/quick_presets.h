// The quick-preset drop-down lists ("N 分钟后") of the reminder popup and of the reminder and
// shutdown settings tabs. As designed a list holds the ten presets and, as item 10, a caption
// that is selected, so the closed list reads like a label. Opening the list removes the caption;
// closing it puts a caption back, selected, without running anything.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "config/time_of_day.h"
#include "settings/page_binding.h"
#include "ui/form.h"

namespace horalune {

struct QuickPreset {
    std::string_view text;
    int minutes;
};

inline constexpr int kQuickPresetCount = 10;
// Where the caption sits in a closed list.
inline constexpr int kQuickPresetCaptionIndex = kQuickPresetCount;

// Captions: the tabs' as designed and after first use, and the popup's.
inline constexpr std::string_view kTabPresetCaption = "快速设置";
inline constexpr std::string_view kTabPresetCaptionAfterUse = "快速输入";
inline constexpr std::string_view kPopupPresetCaption = "快速设置提醒";

const std::array<QuickPreset, kQuickPresetCount>& quick_presets();

// The designed items of a list: the ten presets, then `caption`.
std::vector<std::string_view> quick_preset_items(std::string_view caption);

// A designed drop-down list of the presets with `caption` as its selected item 10.
ControlDesign quick_preset_list(std::string_view name, Rect rect, std::string_view caption);

// The minutes of item `index`; nullopt for the caption and anything else.
std::optional<int> quick_preset_minutes(int index);

// Makes the list `list` of `form` behave as a preset list: `chosen` runs once for each preset
// the user picks, with its minutes, and may destroy the form. The caption put back when the
// list closes is `caption_after_use`.
//
// Which of a pick and the closing of the list is reported first is not promised: a pick made
// while the list is open runs when it closes, after the caption is back, and a pick reported
// while the list is closed runs at once.
void bind_quick_presets(Form& form, std::string_view list, std::string caption_after_use,
                        std::function<void(int minutes)> chosen);

// The settings tabs' preset: the time the three boxes hold plus `minutes`, wrapped past
// midnight; nullopt when the boxes hold no valid time of day (a box empty, not a number or out
// of range), and the caller then leaves them as they are.
std::optional<TimeOfDay> add_minutes(std::string_view hour_box, std::string_view minute_box,
                                     std::string_view second_box, int minutes);

// A settings page's preset list that adds its minutes to the page's three time boxes; boxes
// that hold no valid time stay as typed.
void bind_time_presets(Form& form, std::string_view list, TimeBoxes boxes);

}  // namespace horalune
