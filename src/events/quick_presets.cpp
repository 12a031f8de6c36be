#include "events/quick_presets.h"

#include "ui/caption_list.h"

namespace horalune {

const std::array<QuickPreset, kQuickPresetCount>& quick_presets() {
    static constexpr std::array<QuickPreset, kQuickPresetCount> kPresets{{
        {"1 分钟后", 1},
        {"3 分钟后", 3},
        {"5 分钟后", 5},
        {"10分钟后", 10},
        {"20分钟后", 20},
        {"30分钟后", 30},
        {"45分钟后", 45},
        {"1 小时后", 60},
        {"90分钟后", 90},
        {"2 小时后", 120},
    }};
    return kPresets;
}

std::vector<std::string_view> quick_preset_items(std::string_view caption) {
    std::vector<std::string_view> items;
    for (const QuickPreset& preset : quick_presets()) items.push_back(preset.text);
    items.push_back(caption);
    return items;
}

ControlDesign quick_preset_list(std::string_view name, Rect rect, std::string_view caption) {
    ControlDesign list{name, ControlKind::drop_list, rect};
    list.items = quick_preset_items(caption);
    list.selected = kQuickPresetCaptionIndex;
    return list;
}

std::optional<int> quick_preset_minutes(int index) {
    if (index < 0 || index >= kQuickPresetCount) return std::nullopt;
    return quick_presets()[static_cast<std::size_t>(index)].minutes;
}

void bind_quick_presets(Form& form, std::string_view list, std::string caption_after_use,
                        std::function<void(int minutes)> chosen) {
    bind_caption_list(
        form, list, kQuickPresetCount, std::move(caption_after_use),
        [chosen = std::move(chosen)](int index) { chosen(*quick_preset_minutes(index)); });
}

void bind_time_presets(Form& form, std::string_view list, TimeBoxes boxes) {
    bind_quick_presets(
        form, list, std::string(kTabPresetCaptionAfterUse), [&form, boxes](int minutes) {
            const auto t = add_minutes(form.text(boxes.hour), form.text(boxes.minute),
                                       form.text(boxes.second), minutes);
            if (!t) return;  // the boxes hold no valid time: they stay as typed
            show_time(form, boxes, {.hour = t->hour, .minute = t->minute, .second = t->second});
        });
}

std::optional<TimeOfDay> add_minutes(std::string_view hour_box, std::string_view minute_box,
                                     std::string_view second_box, int minutes) {
    if (hour_box.empty() || minute_box.empty() || second_box.empty()) return std::nullopt;
    const std::optional<TimeOfDay> start =
        parse_time_of_day(time_of_day_text(hour_box, minute_box, second_box));
    if (!start) return std::nullopt;
    return TimeOfDay::from_seconds(start->seconds_since_midnight() + minutes * 60LL);
}

}  // namespace horalune
