#include "ui/form.h"

#include <algorithm>
#include <stdexcept>

#include "platform/dpi.h"
#include "ui/layout.h"

namespace horalune {

namespace {

ControlType type_of(ControlKind kind) {
    switch (kind) {
        case ControlKind::button:
            return ControlType::button;
        case ControlKind::hyperlink:
            return ControlType::hyperlink;
        case ControlKind::icon:
            return ControlType::picture;
        case ControlKind::edit:
            return ControlType::edit;
        case ControlKind::check_box:
            return ControlType::check_box;
        case ControlKind::radio:
            return ControlType::radio;
        case ControlKind::drop_list:
            return ControlType::drop_list;
        case ControlKind::list_box:
            return ControlType::list_box;
        case ControlKind::check_list:
            return ControlType::check_list;
        case ControlKind::group_box:
            return ControlType::group_box;
        case ControlKind::tab:
            return ControlType::tab;
        case ControlKind::colour_picker:
            return ControlType::colour_picker;
        default:
            return ControlType::label;
    }
}

// A framed window's frame line takes a pixel on each side of the designed size.
constexpr int kFrameLine = 1;

// What the back-end shows: the model's state, in the place the text fit gave it.
ControlSpec shown(const Control& c, const Adjustment& fit) {
    ControlSpec state = c.state();
    state.rect = adjusted(c.rect, fit);
    return state;
}

// The one place a designed control becomes live state.
Control made_from(const ControlDesign& d) {
    Control c;
    c.name = d.name;
    c.kind = d.kind;
    c.interval = d.interval;
    c.aligned = d.aligned;
    c.tag = d.tag;
    c.target = d.target;
    c.type = type_of(d.kind);
    c.rect = d.rect;
    c.caption = d.caption;
    c.font = d.font;
    for (std::string_view item : d.items) c.items.emplace_back(item);
    c.selected = d.selected;
    c.visible = d.visible;
    c.multiline = d.multiline;
    c.centred = d.centred;
    c.password = d.password;
    return c;
}

}  // namespace

Form::Form(Platform& platform, const WindowDesign& design, bool visible,
           const std::map<std::string_view, Image>& pictures)
    : platform_(platform), name_(design.name), caption_(design.title) {
    for (const ControlDesign& c : design.controls) controls_.push_back(made_from(c));
    WindowSpec request;
    request.title = std::string(design.title);
    request.rect = design.rect;
    request.visible = visible;
    request.framed = design.framed;
    request.in_taskbar = design.in_taskbar;
    window_ = platform_.create_window(request);
    size_ = {design.rect.width, design.rect.height};
    frame_ = design.framed ? 2 * kFrameLine : 0;
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Control& c = controls_[i];
        if (!is_native(c.kind)) continue;
        if (const auto it = pictures.find(design.controls[i].name); it != pictures.end()) {
            c.picture = it->second;
        }
    }
    fit_ = compute_fit();
    if (fit_.growth != Size{}) resize(size_.width, size_.height);
    keep_within_monitor();
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Control& c = controls_[i];
        if (is_native(c.kind))
            c.native_id = platform_.create_control(window_, shown(c, fit_.controls[i]));
    }
    for (const Control& c : controls_) {
        if (c.kind == ControlKind::timer && c.interval > 0) set_interval(c.name, c.interval);
    }
}

void Form::keep_within_monitor() {
    const std::vector<Rect> monitors = platform_.monitor_rects();
    const Rect r = platform_.window_rect(window_);
    const int i = monitor_index(monitors, r);
    if (i < 0) return;
    const Point to = within(monitors[static_cast<std::size_t>(i)], r);
    if (to != Point{r.left, r.top}) platform_.move_window(window_, to.x, to.y);
}

Form::~Form() {
    platform_.destroy_window(window_);
}

std::size_t Form::index_of(std::string_view name) const {
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (controls_[i].name == name) return i;
    }
    // A designed name that is not in the table is a programming error, not user input.
    throw std::logic_error("no control named " + std::string(name) + " in " + name_);
}

Control& Form::control(std::string_view name) {
    return controls_[index_of(name)];
}
const Control& Form::control(std::string_view name) const {
    return controls_[index_of(name)];
}

bool Form::has_control(std::string_view name) const {
    for (const Control& c : controls_) {
        if (c.name == name) return true;
    }
    return false;
}

void Form::set_interval(std::string_view timer, int interval_ms) {
    const std::size_t i = index_of(timer);
    Control& c = controls_[i];
    c.interval = interval_ms > 0 ? interval_ms : 0;
    if (c.aligned) {
        platform_.set_aligned_timer(window_, static_cast<int>(i) + 1, c.interval);
    } else {
        platform_.set_timer(window_, static_cast<int>(i) + 1, c.interval);
    }
}

int Form::interval(std::string_view timer) const {
    return controls_[index_of(timer)].interval;
}

void Form::on_timer(std::string_view timer, Handler handler) {
    timer_handlers_[static_cast<int>(index_of(timer)) + 1] = std::move(handler);
}

bool Form::dispatch_timer(int timer_id) {
    const auto it = timer_handlers_.find(timer_id);
    if (it == timer_handlers_.end()) return timer_id >= 1 && timer_id <= int(controls_.size());
    // Copy first: a handler may rebind or destroy what it runs from.
    const Handler handler = it->second;
    if (handler) handler();
    return true;
}

bool Form::is_native(ControlKind kind) {
    return kind != ControlKind::picture_box && kind != ControlKind::picture_button &&
           kind != ControlKind::picture && kind != ControlKind::timer;
}

void Form::change(std::string_view name, const std::function<void(Control&)>& edit) {
    const std::size_t i = index_of(name);
    Control& c = controls_[i];
    edit(c);
    // Only native controls have a state to show; the others are drawn by the program.
    if (c.native_id != 0) {
        platform_.update_control(window_, c.native_id, shown(c, fit_.controls[i]));
    }
}

Fit Form::compute_fit() const {
    const Size client{size_.width - frame_, size_.height - frame_};
    return horalune::fit_text(controls_, client, [this](std::size_t i, const Rect& rect) {
        ControlSpec state = controls_[i].state();
        state.rect = rect;
        return platform_.measure_text(window_, state);
    });
}

void Form::fit_text() {
    fit_ = compute_fit();
    resize(size_.width, size_.height);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const Control& c = controls_[i];
        if (c.native_id != 0) {
            platform_.update_control(window_, c.native_id, shown(c, fit_.controls[i]));
        }
    }
}

void Form::set_text(std::string_view name, std::string text) {
    change(name, [&](Control& c) { c.caption = std::move(text); });
}

void Form::set_checked(std::string_view name, bool checked) {
    change(name, [&](Control& c) { c.checked = checked; });
}

void Form::set_selected(std::string_view name, int index) {
    change(name, [&](Control& c) {
        c.selected = index >= 0 && index < static_cast<int>(c.items.size()) ? index : -1;
    });
}

void Form::set_items(std::string_view name, std::vector<std::string> items) {
    change(name, [&](Control& c) {
        c.items = std::move(items);
        if (c.selected >= static_cast<int>(c.items.size())) c.selected = -1;
    });
}

void Form::set_visible(std::string_view name, bool visible) {
    change(name, [&](Control& c) { c.visible = visible; });
}

void Form::set_enabled(std::string_view name, bool enabled) {
    change(name, [&](Control& c) { c.enabled = enabled; });
}

void Form::move_control(std::string_view name, int left, int top) {
    change(name, [&](Control& c) { c.rect.left = left, c.rect.top = top; });
}

void Form::resize_control(std::string_view name, int width, int height) {
    change(name, [&](Control& c) { c.rect.width = width, c.rect.height = height; });
}

void Form::set_font(std::string_view name, FontSpec font) {
    change(name, [&](Control& c) { c.font = std::move(font); });
}

void Form::set_text_colour(std::string_view name, int colour) {
    change(name, [&](Control& c) { c.text_colour = colour; });
}

void Form::set_back_colour(std::string_view name, int colour) {
    change(name, [&](Control& c) { c.back_colour = colour; });
}

void Form::set_picture(std::string_view name, Image picture, int mode) {
    change(name, [&](Control& c) {
        c.picture = std::move(picture);
        c.picture_mode = mode;
    });
}

void Form::set_colour(std::string_view name, int colour) {
    change(name, [&](Control& c) { c.colour = colour; });
}

bool Form::dispatch_key(int key) {
    const auto it = key_handlers_.find(key);
    if (it == key_handlers_.end()) return false;
    const Handler handler = it->second;
    if (handler) handler();
    return true;
}

void Form::apply_input(int native_id, const ControlValue& value) {
    for (Control& c : controls_) {
        if (c.native_id != native_id || native_id == 0) continue;
        if (c.kind == ControlKind::edit) c.caption = value.text;
        if (c.kind == ControlKind::check_box || c.kind == ControlKind::radio) {
            c.checked = value.checked;
        }
        if (c.kind == ControlKind::drop_list || c.kind == ControlKind::list_box ||
            c.kind == ControlKind::check_list || c.kind == ControlKind::tab) {
            c.selected = value.selected >= 0 && value.selected < static_cast<int>(c.items.size())
                             ? value.selected
                             : -1;
        }
        return;
    }
}

void Form::on_control(std::string_view name, ControlEvent event, Handler handler) {
    control_handlers_[{control(name).native_id, event}] = std::move(handler);
}

void Form::dispatch_control(int native_id, ControlEvent event) {
    const auto it = control_handlers_.find({native_id, event});
    if (it == control_handlers_.end()) return;
    const Handler handler = it->second;
    if (handler) handler();
}

void Form::resize(int width, int height) {
    size_ = {width, height};
    platform_.resize_window(window_, width + fit_.growth.width, height + fit_.growth.height);
}

void Form::show(bool visible) {
    platform_.show_window(window_, visible);
}

bool Form::visible() {
    return platform_.window_visible(window_);
}

}  // namespace horalune
