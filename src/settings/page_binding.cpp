#include "settings/page_binding.h"

#include "config/convert.h"
#include "config/time_of_day.h"

namespace horalune {

void show_time(Form& form, TimeBoxes boxes, const DateTime& at) {
    form.set_text(boxes.hour, int_text(at.hour));
    form.set_text(boxes.minute, int_text(at.minute));
    form.set_text(boxes.second, int_text(at.second));
}

std::string time_text(const Form& form, TimeBoxes boxes) {
    return time_of_day_text(form.text(boxes.hour), form.text(boxes.minute),
                            form.text(boxes.second));
}

void load_bindings(std::span<const Binding> table, Form& form, const LoadSource& from) {
    for (const Binding& row : table) row.load(form, from);
}

void save_bindings(std::span<const Binding> table, const Form& form, Globals& globals) {
    for (const Binding& row : table) row.save(form, globals);
}

bool check_bindings(std::span<const Binding> table, Form& form, Platform& platform) {
    // Only the upper limits are checked, each box as a number read the lenient way.
    constexpr double kLimits[3] = {23, 59, 59};
    constexpr double kTolerance = 0.0000001;
    for (const Binding& row : table) {
        if (row.kind != BindingKind::time_of_day) continue;
        const std::string_view boxes[3] = {row.time.hour, row.time.minute, row.time.second};
        for (int i = 0; i < 3; ++i) {
            if (to_number(form.text(boxes[i])) - kLimits[i] > kTolerance) {
                platform.message_box(form.window(), std::string(settings::kTimeError), "",
                                     MessageIcon::error);
                return false;
            }
        }
    }
    return true;
}

}  // namespace horalune
