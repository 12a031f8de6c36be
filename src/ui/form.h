// Designed windows as data: a window design is a table of controls (designed name, kind,
// rectangle, caption, ...); a Form instantiates one on the platform and routes its events to
// handlers bound by designed name.
#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "platform/platform.h"

namespace horalune {

enum class ControlKind { picture_box, picture_button, picture, timer };

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    Rect rect;                      // relative to the window; unused for timers
    std::string_view caption = {};
    int interval = 0;               // timers: designed interval in ms (0 = stopped)
    bool visible = true;
    std::string_view tag = {};
};

struct WindowDesign {
    std::string_view name;
    std::string_view title;
    Rect rect;                      // designed position and size
    std::vector<ControlDesign> controls;
};

struct Control {
    std::string name;
    ControlKind kind;
    Rect rect;
    std::string caption;
    bool visible = true;
    int interval = 0;
    std::string tag;
};

class Form {
public:
    using Handler = std::function<void()>;

    // Creates the window (visible as designed) and starts its designed timers.
    Form(Platform& platform, const WindowDesign& design, bool visible = true);
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    WindowId window() const { return window_; }
    Platform& platform() { return platform_; }
    std::string_view name() const { return name_; }

    Control& control(std::string_view name);
    const Control& control(std::string_view name) const;
    bool has_control(std::string_view name) const;
    const std::vector<Control>& controls() const { return controls_; }

    // Timers are controls too: their interval is state kept here and mirrored to the platform.
    void set_interval(std::string_view timer, int interval_ms);
    int interval(std::string_view timer) const;
    void on_timer(std::string_view timer, Handler handler);
    // The id under which the platform knows the timer.
    int timer_id(std::string_view timer) const { return static_cast<int>(index_of(timer)) + 1; }
    // Routes a platform timer event; returns false for timers this form does not own.
    bool dispatch_timer(int timer_id);

    void resize(int width, int height);
    void show(bool visible);
    bool visible();

private:
    std::size_t index_of(std::string_view name) const;

    Platform& platform_;
    std::string name_;
    WindowId window_ = kNoWindow;
    std::vector<Control> controls_;
    std::map<int, Handler> timer_handlers_;  // by timer id = control index + 1
};

}  // namespace horalune
