#include "events/quick_presets.h"

#include <memory>

namespace horalune {

namespace {

struct PresetList {
    std::string name;
    std::string caption;
    std::function<void(int)> chosen;
    bool open = false;
    std::optional<int> pending;  // picked while the list is open
};

void put_caption_back(Form& form, const PresetList& list) {
    std::vector<std::string> items = form.items(list.name);
    // Replaces a caption that is still there rather than adding a second one.
    if (items.size() > static_cast<std::size_t>(kQuickPresetCount)) items.resize(kQuickPresetCount);
    items.push_back(list.caption);
    form.set_items(list.name, std::move(items));
    form.set_selected(list.name, static_cast<int>(form.items(list.name).size()) - 1);
}

}  // namespace

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
    auto state = std::make_shared<PresetList>();
    state->name = std::string(list);
    state->caption = std::move(caption_after_use);
    state->chosen = std::move(chosen);
    Form* f = &form;

    form.on_control(list, ControlEvent::drop_down, [f, state] {
        state->open = true;
        state->pending.reset();
        std::vector<std::string> items = f->items(state->name);
        if (items.size() > static_cast<std::size_t>(kQuickPresetCount)) {
            items.resize(kQuickPresetCount);
            f->set_items(state->name, std::move(items));
        }
    });
    // `chosen` comes last in both handlers: it may destroy the form, and with it these
    // handlers; `state` lives on in the copy of the handler that is running.
    form.on_control(list, ControlEvent::close_up, [f, state] {
        state->open = false;
        put_caption_back(*f, *state);
        if (!state->pending) return;
        const int minutes = *state->pending;
        state->pending.reset();
        state->chosen(minutes);
    });
    form.on_control(list, ControlEvent::changed, [f, state] {
        const std::optional<int> minutes = quick_preset_minutes(f->selected(state->name));
        if (state->open) {
            // Moving through the open list with the keys: only where it closes counts.
            state->pending = minutes;
            return;
        }
        if (!minutes) return;
        put_caption_back(*f, *state);
        state->chosen(*minutes);
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
