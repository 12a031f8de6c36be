// Drives a form's native controls by designed name as a user would, on the headless desktop.
#pragma once

#include <string>
#include <string_view>

#include "platform/headless/headless_platform.h"
#include "ui/form.h"

namespace horalune::testing {

struct FormDriver {
    HeadlessPlatform& platform;
    Form& form;

    int id(std::string_view name) const { return form.control(name).native_id; }
    void type(std::string_view name, const std::string& text) {
        platform.user_input(form.window(), id(name), ControlValue{text, -1, false});
    }
    void tick(std::string_view name, bool on) {
        platform.user_input(form.window(), id(name), ControlValue{{}, -1, on},
                            ControlEvent::clicked);
    }
    void pick(std::string_view name, int index) {
        platform.user_input(form.window(), id(name), ControlValue{{}, index, false});
    }
    void press(std::string_view name) {
        platform.control_event(form.window(), id(name), ControlEvent::clicked);
    }
    void event(std::string_view name, ControlEvent e) {
        platform.control_event(form.window(), id(name), e);
    }
    // What the desktop shows of a control.
    const ControlSpec& shown(std::string_view name) const {
        return platform.window(form.window())->controls[static_cast<std::size_t>(id(name)) - 1];
    }
};

}  // namespace horalune::testing
