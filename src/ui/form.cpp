#include "ui/form.h"

#include <stdexcept>

namespace horalune {

Form::Form(Platform& platform, const WindowDesign& design, bool visible,
           const std::map<std::string_view, Image>& pictures)
    : platform_(platform), name_(design.name), caption_(design.title) {
    for (const ControlDesign& c : design.controls) {
        controls_.push_back({std::string(c.name), c.kind, c.rect, std::string(c.caption), c.visible,
                             c.interval, std::string(c.tag), c.aligned, std::string(c.target)});
    }
    WindowSpec request;
    request.title = std::string(design.title);
    request.rect = design.rect;
    request.visible = visible;
    window_ = platform_.create_window(request);
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        Control& c = controls_[i];
        if (!is_native(c.kind)) continue;
        ControlSpec native;
        native.type = c.kind == ControlKind::label    ? ControlType::label
                      : c.kind == ControlKind::button ? ControlType::button
                      : c.kind == ControlKind::icon   ? ControlType::picture
                                                      : ControlType::hyperlink;
        native.rect = c.rect;
        native.caption = c.caption;
        native.font = design.controls[i].font;
        if (const auto it = pictures.find(design.controls[i].name); it != pictures.end()) {
            native.picture = it->second;
        }
        c.native_id = platform_.create_control(window_, native);
    }
    for (const Control& c : controls_) {
        if (c.kind == ControlKind::timer && c.interval > 0) set_interval(c.name, c.interval);
    }
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
    return kind == ControlKind::label || kind == ControlKind::button ||
           kind == ControlKind::hyperlink || kind == ControlKind::icon;
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
    platform_.resize_window(window_, width, height);
}

void Form::show(bool visible) {
    platform_.show_window(window_, visible);
}

bool Form::visible() {
    return platform_.window_visible(window_);
}

}  // namespace horalune
