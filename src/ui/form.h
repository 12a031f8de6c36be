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
#include "ui/layout.h"

namespace horalune {

// Drawn by the program: picture_box, picture_button, picture. Timers have no looks. The rest
// are realised natively by the back-end (icon: a native picture).
enum class ControlKind {
    picture_box,
    picture_button,
    picture,
    timer,
    label,
    button,
    hyperlink,
    icon,
    edit,
    check_box,
    radio,
    drop_list,
    list_box,
    check_list,
    group_box,
    tab,
    colour_picker,
};

struct ControlDesign {
    std::string_view name;
    ControlKind kind;
    Rect rect;  // relative to the window; unused for timers
    std::string_view caption = {};
    int interval = 0;  // timers: designed interval in ms (0 = stopped)
    bool visible = true;
    std::string_view tag = {};
    bool aligned = false;  // timers: tick on whole multiples of the wall clock
    FontSpec font = {};
    std::string_view target = {};              // hyperlinks: what they open
    std::vector<std::string_view> items = {};  // lists and tabs
    int selected = -1;                         // lists and tabs: the designed current item
    bool multiline = false;                    // edit boxes
    bool centred = false;                      // labels: text centred across the label
    bool password = false;                     // edit boxes: the text shows masked
};

// A control designed inside a container (a group box, a tab page): its rectangle made relative
// to the container's container.
inline ControlDesign placed_in(const Rect& container, ControlDesign control) {
    control.rect.left += container.left;
    control.rect.top += container.top;
    return control;
}

struct WindowDesign {
    std::string_view name;
    std::string_view title;
    Rect rect;  // designed position and size
    std::vector<ControlDesign> controls;
    bool framed = false;      // a thin frame line around the borderless window
    bool in_taskbar = false;  // a window of its own the user may need to find again
};

// A control of a live form: the very state the platform shows (ControlSpec, handed to the
// back-end as it is), plus what only the program needs: its designed name and kind, the
// back-end's id for it, and the timer and hyperlink details.
struct Control : ControlSpec {
    std::string name;
    ControlKind kind = ControlKind::label;
    int native_id = 0;  // the back-end's id for native controls
    int interval = 0;   // timers: ms, 0 stopped
    bool aligned = false;
    std::string tag;
    std::string target;  // hyperlinks
    const ControlSpec& state() const { return *this; }
};

class Form {
  public:
    using Handler = std::function<void()>;

    // Creates the window (visible as designed), its native controls, and starts its designed
    // timers. `pictures` gives native picture controls their picture, by designed name.
    Form(Platform& platform, const WindowDesign& design, bool visible = true,
         const std::map<std::string_view, Image>& pictures = {});
    ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    WindowId window() const { return window_; }
    Platform& platform() { return platform_; }
    std::string_view name() const { return name_; }
    // The window's caption text; windows without a title bar keep it as plain state.
    const std::string& caption() const { return caption_; }
    void set_caption(std::string caption) { caption_ = std::move(caption); }

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

    // Native controls: handlers by designed name, and the routing of their events.
    void on_control(std::string_view name, ControlEvent event, Handler handler);
    void dispatch_control(int native_id, ControlEvent event);
    // Keys pressed in the window (or one of its controls); true when a handler took the key.
    void on_key(int key, Handler handler) { key_handlers_[key] = std::move(handler); }
    bool dispatch_key(int key);
    // The user's change of a native control: taken into the model, without echo.
    void apply_input(int native_id, const ControlValue& value);

    // The state of native controls. Each setter shows the change at once; none runs a handler,
    // so filling a window from the settings never writes anything back.
    const std::string& text(std::string_view name) const { return control(name).caption; }
    void set_text(std::string_view name, std::string text);
    bool checked(std::string_view name) const { return control(name).checked; }
    void set_checked(std::string_view name, bool checked);
    int selected(std::string_view name) const { return control(name).selected; }
    void set_selected(std::string_view name, int index);
    const std::vector<std::string>& items(std::string_view name) const {
        return control(name).items;
    }
    void set_items(std::string_view name, std::vector<std::string> items);
    void set_visible(std::string_view name, bool visible);
    void set_enabled(std::string_view name, bool enabled);
    void move_control(std::string_view name, int left, int top);
    void resize_control(std::string_view name, int width, int height);
    void set_font(std::string_view name, FontSpec font);
    // Labels' colours and background picture; a native picture's picture.
    void set_text_colour(std::string_view name, int colour);
    void set_back_colour(std::string_view name, int colour);
    void set_picture(std::string_view name, Image picture, int mode = 0);
    // Colour pickers.
    int colour(std::string_view name) const { return control(name).colour; }
    void set_colour(std::string_view name, int colour);
    // Pictures of native picture controls are set before the form is shown.
    static bool is_native(ControlKind kind);

    // The window's size as the program asks for it; it grows by what the text fit needs.
    void resize(int width, int height);
    // Fits the controls to their texts again, as the fonts now measure (after a change of
    // scale). Forms fit themselves when made.
    void fit_text();
    // What the fit changed, to the window and each control (in the table's order).
    const Fit& fit() const { return fit_; }
    void show(bool visible);
    bool visible();

  private:
    std::size_t index_of(std::string_view name) const;
    // Changes a control's state and shows the change.
    void change(std::string_view name, const std::function<void(Control&)>& edit);
    Fit compute_fit() const;
    // A window made where its monitor's edge would cut it (a small screen, a large scale, a
    // window grown for its texts) is moved wholly onto that monitor.
    void keep_within_monitor();

    Platform& platform_;
    std::string name_;
    std::string caption_;
    WindowId window_ = kNoWindow;
    std::vector<Control> controls_;
    std::map<int, Handler> timer_handlers_;  // by timer id = control index + 1
    std::map<std::pair<int, ControlEvent>, Handler> control_handlers_;  // by native id
    std::map<int, Handler> key_handlers_;
    Size size_;      // the window's size as the program asked for it
    int frame_ = 0;  // what a frame line takes from the size, across and down
    Fit fit_;
};

}  // namespace horalune
