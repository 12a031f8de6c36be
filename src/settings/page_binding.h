// A page's binding table: one row per control that shows a setting (control, typed field,
// kind). The same rows load the page, check it and save it, so a pair is written once.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "config/globals.h"
#include "config/settings_table.h"
#include "platform/platform.h"
#include "ui/form.h"

namespace horalune {

namespace settings {
inline constexpr std::string_view kTimeError =
    "您是菜鸟吧！时间搞错了都不知道，不过还是可以改正的。";
}  // namespace settings

enum class BindingKind : std::uint8_t {
    check,        // a check box and a Switch: loading only ticks, it never unticks
    level,        // a list and a 1-based item number
    text,         // an edit box and its text as it is
    time_of_day,  // three boxes (hour, minute, second): they load the time now, save the time
};

struct TimeBoxes {
    std::string_view hour;
    std::string_view minute;
    std::string_view second;
};

// What loading reads: the settings as they are, and the clock for the time boxes.
struct LoadSource {
    const Settings& settings;
    DateTime now;
};

struct Binding {
    BindingKind kind;
    std::string_view control;  // for a time of day, its hour box
    TimeBoxes time = {};       // time_of_day only
    std::function<void(Form&, const LoadSource&)> load;
    std::function<void(const Form&, Globals&)> save;
};

// The time of day in three boxes.
void show_time(Form& form, TimeBoxes boxes, const DateTime& at);
std::string time_text(const Form& form, TimeBoxes boxes);

namespace binding_detail {
template <class Part>
const Part& part(const Settings& s) {
    return part_of<Part>(const_cast<Settings&>(s));
}
}  // namespace binding_detail

template <class Part>
Binding check_binding(std::string_view box, Switch Part::*field) {
    return {.kind = BindingKind::check,
            .control = box,
            .load =
                [box, field](Form& f, const LoadSource& from) {
                    if ((binding_detail::part<Part>(from.settings).*field).on()) {
                        f.set_checked(box, true);
                    }
                },
            .save = [box, field](const Form& f, Globals& g) { g.save(field, f.checked(box)); }};
}

template <class Part>
Binding level_binding(std::string_view list, std::int32_t Part::*field) {
    return {
        .kind = BindingKind::level,
        .control = list,
        .load =
            [list, field](Form& f, const LoadSource& from) {
                f.set_selected(list, binding_detail::part<Part>(from.settings).*field - 1);
            },
        .save = [list, field](const Form& f, Globals& g) { g.save(field, f.selected(list) + 1); }};
}

template <class Part>
Binding text_binding(std::string_view box, std::string Part::*field) {
    return {.kind = BindingKind::text,
            .control = box,
            .load =
                [box, field](Form& f, const LoadSource& from) {
                    f.set_text(box, binding_detail::part<Part>(from.settings).*field);
                },
            .save = [box, field](const Form& f, Globals& g) { g.save(field, f.text(box)); }};
}

// The stored time is not shown back: the boxes start from the time now.
template <class Part>
Binding time_binding(TimeBoxes boxes, std::string Part::*field) {
    return {
        .kind = BindingKind::time_of_day,
        .control = boxes.hour,
        .time = boxes,
        .load = [boxes](Form& f, const LoadSource& from) { show_time(f, boxes, from.now); },
        .save = [boxes, field](const Form& f, Globals& g) { g.save(field, time_text(f, boxes)); }};
}

void load_bindings(std::span<const Binding> table, Form& form, const LoadSource& from);
void save_bindings(std::span<const Binding> table, const Form& form, Globals& globals);
// Every time of the table within a day (hour up to 23, minute and second up to 59); at the
// first that is not, the user is told and the answer is false.
bool check_bindings(std::span<const Binding> table, Form& form, Platform& platform);

}  // namespace horalune
