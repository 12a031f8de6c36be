// Designed windows on the headless desktop without the whole program: an event sink that hands
// timer, control, input and key events to the open forms, ways to work a control the way a user
// would by its designed name, and a config.ini of the test's own.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "config/gb18030.h"
#include "config/globals.h"
#include "platform/headless/headless_platform.h"
#include "support/quiet_sink.h"
#include "support/temp_dir.h"
#include "ui/open_forms.h"

namespace horalune::testing {

class FormSink : public QuietSink {
  public:
    FormSink(HeadlessPlatform& platform, OpenForms& forms) : platform_(platform), forms_(forms) {
        platform_.set_event_sink(this);
    }
    ~FormSink() override { platform_.set_event_sink(nullptr); }
    FormSink(const FormSink&) = delete;
    FormSink& operator=(const FormSink&) = delete;

    void on_timer(WindowId window, int timer_id) override { forms_.route_timer(window, timer_id); }
    bool on_key_down(WindowId window, int key) override { return forms_.route_key(window, key); }
    void on_control(WindowId window, int control, ControlEvent event) override {
        forms_.route_control(window, control, event);
    }
    void on_control_input(WindowId window, int control, const ControlValue& value) override {
        forms_.route_input(window, control, value);
    }

    // Each takes the window and control before acting: the form may be gone afterwards.
    void type(Form& form, std::string_view name, const std::string& text) {
        platform_.user_input(form.window(), id(form, name), ControlValue{text, -1, false});
    }
    // A pick reported on its own, without the list opening or closing around it.
    void select(Form& form, std::string_view name, int index) {
        platform_.user_input(form.window(), id(form, name), ControlValue{{}, index, false});
    }
    void event(Form& form, std::string_view name, ControlEvent e) {
        platform_.control_event(form.window(), id(form, name), e);
    }
    void press(Form& form, std::string_view name) { event(form, name, ControlEvent::clicked); }
    // The whole gesture on a drop-down list: it opens, the user picks, it closes.
    void pick(Form& form, std::string_view name, int index) {
        const WindowId window = form.window();
        const int control = id(form, name);
        platform_.control_event(window, control, ControlEvent::drop_down);
        platform_.user_input(window, control, ControlValue{{}, index, false});
        platform_.control_event(window, control, ControlEvent::close_up);
    }

  private:
    static int id(const Form& form, std::string_view name) { return form.control(name).native_id; }

    HeadlessPlatform& platform_;
    OpenForms& forms_;
};

// A test with a headless desktop, the open forms, and Globals whose config.ini lies in a fresh
// folder.
class FormTest : public ::testing::Test {
  protected:
    FormTest() { globals.config_path = dir.file("config.ini"); }

    // config.ini as a Chinese Windows editor would save it: GBK, CRLF.
    void write_config(const std::string& utf8_text) {
        std::string crlf;
        for (const char c : utf8_text) {
            if (c == '\n') crlf += '\r';
            crlf += c;
        }
        write_bytes(globals.config_path, utf8_to_gb18030(crlf));
    }
    std::string config_bytes() const { return read_bytes(globals.config_path); }

    TempDir dir;
    HeadlessPlatform platform;
    OpenForms forms;
    FormSink sink{platform, forms};
    Globals globals;
};

}  // namespace horalune::testing
