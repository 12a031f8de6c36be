// The headless desktop's shell: menus, message boxes, native controls, modal loops, tray,
// tooltips, processes and dial-up, all recorded for tests and answered from their scripts.
// Nothing is shown; a modal loop runs its script and then as much virtual time as it needs.
#include <algorithm>
#include <cctype>

#include "platform/headless/headless_platform.h"

namespace horalune {

void HeadlessPlatform::mouse_move(WindowId w, int x, int y) {
    if (live(w) && sink_) sink_->on_mouse_move(w, x, y);
    tooltip_pointer(w, Point{x, y});
}

void HeadlessPlatform::mouse_leave(WindowId w) {
    if (live(w) && sink_) sink_->on_mouse_leave(w);
    tooltip_pointer(w, std::nullopt);
}

namespace {
bool contains(const Rect& r, Point p) {
    return p.x >= r.left && p.y >= r.top && p.x < r.left + r.width && p.y < r.top + r.height;
}
}  // namespace

// As a real tooltip control: the delay runs from the moment the pointer comes to rest in the
// area (or the tool changes under it), and a press hides the tip until the pointer leaves.
void HeadlessPlatform::tooltip_pointer(WindowId w, std::optional<Point> pointer) {
    TooltipState& t = tooltips_[w];
    t.pointer = pointer;
    const bool inside = pointer && contains(t.tool.area, *pointer);
    if (inside && !t.inside) t.resting_since = virtual_ms_;
    if (!inside) t.dismissed = false;
    t.inside = inside;
}

void HeadlessPlatform::set_tooltip(WindowId window, const Rect& area, const std::string& text) {
    if (!live(window)) return;
    TooltipState& t = tooltips_[window];
    if (t.tool.text == text && t.tool.area == area) return;
    t.tool = {area, text};
    t.inside = false;
    t.dismissed = false;
    tooltip_pointer(window, t.pointer);
}

HeadlessPlatform::Tooltip HeadlessPlatform::tooltip(WindowId w) const {
    const auto it = tooltips_.find(w);
    return it == tooltips_.end() ? Tooltip{} : it->second.tool;
}

std::string HeadlessPlatform::tooltip_shown(WindowId w) const {
    const auto it = tooltips_.find(w);
    const WindowState* state = window(w);
    if (it == tooltips_.end() || state == nullptr || !state->alive || !state->visible) return {};
    const TooltipState& t = it->second;
    if (t.tool.text.empty() || !t.inside || t.dismissed) return {};
    return virtual_ms_ - t.resting_since >= kTooltipDelayMs ? t.tool.text : std::string();
}

void HeadlessPlatform::tray_click(WindowId owner, MouseButton b) {
    if (tray_.count(owner) && sink_) sink_->on_tray_click(owner, b);
}

bool HeadlessPlatform::click_control(WindowId w, const std::string& caption, ControlEvent e) {
    WindowState* state = live(w);
    if (!state) return false;
    for (std::size_t i = 0; i < state->controls.size(); ++i) {
        if (state->controls[i].caption == caption) {
            if (sink_) sink_->on_control(w, static_cast<int>(i) + 1, e);
            return true;
        }
    }
    return false;
}

void HeadlessPlatform::user_input(WindowId w, int control, const ControlValue& value,
                                  ControlEvent event) {
    WindowState* state = live(w);
    if (!state || control < 1 || control > static_cast<int>(state->controls.size())) return;
    ControlSpec& c = state->controls[static_cast<std::size_t>(control) - 1];
    c.caption = c.type == ControlType::edit ? value.text : c.caption;
    c.selected = value.selected;
    c.checked = value.checked;
    if (!sink_) return;
    sink_->on_control_input(w, control, value);
    if (live(w)) sink_->on_control(w, control, event);
}

void HeadlessPlatform::control_event(WindowId w, int control, ControlEvent event) {
    if (live(w) && sink_) sink_->on_control(w, control, event);
}

ControlSpec* HeadlessPlatform::control_of(WindowId w, int control) {
    WindowState* state = live(w);
    if (!state || control < 1 || control > static_cast<int>(state->controls.size())) return nullptr;
    return &state->controls[static_cast<std::size_t>(control) - 1];
}

void HeadlessPlatform::drop_open(WindowId w, int control) {
    ControlSpec* list = control_of(w, control);
    if (!list || list->type != ControlType::drop_list || dropped_.count({w, control})) return;
    dropped_[{w, control}] = {};
    control_event(w, control, ControlEvent::drop_down);
    // What the program left selected as the list opened is where Esc goes back to.
    if (ControlSpec* now = control_of(w, control)) {
        dropped_[{w, control}].selected_at_open = now->selected;
    }
}

int HeadlessPlatform::dropped_highlight(WindowId w, int control) const {
    if (!dropped_.count({w, control})) return -1;
    const WindowState* state = window(w);
    return state->controls[static_cast<std::size_t>(control) - 1].selected;
}

void HeadlessPlatform::drop_move(WindowId w, int control, int item) {
    ControlSpec* list = control_of(w, control);
    if (!list || item == list->selected) return;
    ControlValue value;
    value.selected = item;
    user_input(w, control, value);
}

void HeadlessPlatform::drop_key(WindowId w, int control, int key) {
    ControlSpec* list = control_of(w, control);
    if (!list || !dropped_.count({w, control}) || list->items.empty()) return;
    const int last = static_cast<int>(list->items.size()) - 1;
    const int at = list->selected;  // -1: nothing highlighted yet, the keys start at the top
    int to = at;
    switch (key) {
        case kKeyHome:
            to = 0;
            break;
        case kKeyEnd:
            to = last;
            break;
        case kKeyDown:
            to = at < 0 ? 0 : std::min(at + 1, last);
            break;
        case kKeyUp:
            to = at < 0 ? 0 : std::max(at - 1, 0);
            break;
        case kKeyPageDown:
            to = std::min(std::max(at, 0) + kDroppedRows - 1, last);
            break;
        case kKeyPageUp:
            to = std::max(at - (kDroppedRows - 1), 0);
            break;
        default:
            return;
    }
    drop_move(w, control, to);
}

void HeadlessPlatform::drop_type(WindowId w, int control, char first_letter) {
    ControlSpec* list = control_of(w, control);
    if (!list || !dropped_.count({w, control})) return;
    // The next item after the highlight that starts with the letter, round past the end.
    const int count = static_cast<int>(list->items.size());
    for (int step = 1; step <= count; ++step) {
        const int i = ((list->selected < 0 ? -1 : list->selected) + step) % count;
        const std::string& item = list->items[static_cast<std::size_t>(i)];
        if (!item.empty() && std::tolower(static_cast<unsigned char>(item[0])) ==
                                 std::tolower(static_cast<unsigned char>(first_letter))) {
            drop_move(w, control, i);
            return;
        }
    }
}

void HeadlessPlatform::drop_click(WindowId w, int control, int item) {
    if (!dropped_.count({w, control})) return;
    drop_move(w, control, item);
    dropped_.erase({w, control});
    control_event(w, control, ControlEvent::close_up);
}

void HeadlessPlatform::drop_close(WindowId w, int control, int key) {
    const auto it = dropped_.find({w, control});
    if (it == dropped_.end()) return;
    const int back_to = it->second.selected_at_open;
    dropped_.erase(it);
    if (key == kKeyEscape) drop_move(w, control, back_to);  // Esc takes nothing
    control_event(w, control, ControlEvent::close_up);
}

std::optional<std::string> HeadlessPlatform::tray_tip(WindowId owner) const {
    const auto it = tray_.find(owner);
    if (it == tray_.end()) return std::nullopt;
    return it->second;
}

std::string HeadlessPlatform::displayed_text(WindowId w, int control) const {
    const WindowState* state = window(w);
    if (!state || control < 1 || control > static_cast<int>(state->controls.size())) return {};
    const ControlSpec& c = state->controls[static_cast<std::size_t>(control) - 1];
    if (c.type != ControlType::edit || !c.password) return c.caption;
    std::string bullets;
    for (const char byte : c.caption) {
        if ((static_cast<unsigned char>(byte) & 0xC0) != 0x80) bullets += "\u25CF";  // ●
    }
    return bullets;
}

void HeadlessPlatform::activate_window(WindowId window) {
    if (WindowState* state = live(window)) ++state->activations;
}

void HeadlessPlatform::begin_window_drag(WindowId window) {
    if (WindowState* state = live(window)) {
        ++state->drags;
        state->rect.left += drag_dx_;
        state->rect.top += drag_dy_;
    }
}

int HeadlessPlatform::popup_menu(WindowId owner, const std::vector<PopupItem>& items) {
    shown_menus_.push_back({owner, items});
    if (menu_answers_.empty()) return -1;
    const std::string answer = menu_answers_.front();
    menu_answers_.erase(menu_answers_.begin());
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].caption.empty() && items[i].caption == answer) return static_cast<int>(i);
    }
    return -1;
}

HeadlessPlatform::DialogOpen::DialogOpen(HeadlessPlatform& platform) : platform_(platform) {
    platform_.modal_stack_.push_back(kNoWindow);
    if (platform_.dialog_actions_.empty()) return;
    const auto action = std::move(platform_.dialog_actions_.front());
    platform_.dialog_actions_.erase(platform_.dialog_actions_.begin());
    action();
}

HeadlessPlatform::DialogOpen::~DialogOpen() {
    platform_.modal_stack_.pop_back();
}

bool HeadlessPlatform::activate_modal() {
    if (modal_stack_.empty()) return false;
    if (modal_stack_.back() == kNoWindow) {
        ++dialog_activations_;
    } else {
        activate_window(modal_stack_.back());
    }
    return true;
}

void HeadlessPlatform::message_box(WindowId, const std::string& text, const std::string& title,
                                   MessageIcon icon) {
    const DialogOpen open(*this);
    messages_.push_back({text, title, icon});
}

bool HeadlessPlatform::ask_ok_cancel(WindowId, const std::string& text, const std::string& title,
                                     MessageIcon icon, bool default_cancel) {
    const DialogOpen open(*this);
    questions_.push_back({text, title, icon, default_cancel});
    if (question_answers_.empty()) return !default_cancel;
    const bool ok = question_answers_.front();
    question_answers_.erase(question_answers_.begin());
    return ok;
}

namespace {

template <typename T>
std::optional<T> next_answer(std::vector<std::optional<T>>& answers) {
    if (answers.empty()) return std::nullopt;
    std::optional<T> answer = std::move(answers.front());
    answers.erase(answers.begin());
    return answer;
}

}  // namespace

std::optional<std::string> HeadlessPlatform::choose_file(WindowId, const std::string& title,
                                                         const std::string& filter) {
    const DialogOpen open(*this);
    dialogs_.push_back({DialogCall::Kind::file, title, filter, {}, 0});
    return next_answer(file_answers_);
}

std::optional<int> HeadlessPlatform::choose_colour(WindowId, int colour) {
    const DialogOpen open(*this);
    dialogs_.push_back({DialogCall::Kind::colour, {}, {}, {}, colour});
    return next_answer(colour_answers_);
}

std::optional<FontSpec> HeadlessPlatform::choose_font(WindowId, const FontSpec& initial,
                                                      int min_height, int max_height) {
    const DialogOpen open(*this);
    DialogCall call{DialogCall::Kind::font, {}, {}, initial.face, initial.height};
    call.bold = initial.bold;
    call.min = min_height;
    call.max = max_height;
    dialogs_.push_back(call);
    auto answer = next_answer(font_answers_);
    if (answer) answer->bold = initial.bold;  // the dialog gives face and height only
    return answer;
}

std::optional<std::string> HeadlessPlatform::input_box(WindowId, const std::string& prompt,
                                                       const std::string& title,
                                                       const std::string& initial) {
    const DialogOpen open(*this);
    dialogs_.push_back({DialogCall::Kind::input, title, prompt, initial, 0});
    return next_answer(input_answers_);
}

Image HeadlessPlatform::file_icon(const std::string& path) {
    const auto it = file_icons_.find(path);
    return it == file_icons_.end() ? Image{} : it->second;
}

int HeadlessPlatform::create_control(WindowId window, const ControlSpec& request) {
    WindowState* state = live(window);
    if (!state) return 0;
    state->controls.push_back(request);
    return static_cast<int>(state->controls.size());
}

void HeadlessPlatform::set_control_text(WindowId window, int control, const std::string& text) {
    WindowState* state = live(window);
    if (!state || control < 1 || control > static_cast<int>(state->controls.size())) return;
    state->controls[static_cast<std::size_t>(control) - 1].caption = text;
}

void HeadlessPlatform::update_control(WindowId window, int control, const ControlSpec& state) {
    WindowState* s = live(window);
    if (!s || control < 1 || control > static_cast<int>(s->controls.size())) return;
    s->controls[static_cast<std::size_t>(control) - 1] = state;
}

void HeadlessPlatform::run_modal(WindowId window) {
    WindowState* state = live(window);
    if (!state) return;
    state->modal = true;
    modal_stack_.push_back(window);
    if (!modal_answers_.empty()) {
        const auto script = std::move(modal_answers_.front());
        modal_answers_.erase(modal_answers_.begin());
        script(window);
    }
    // Time goes on inside the loop (the window's own timers run) until it is ended; a
    // modal window nobody answers gives up after a virtual hour rather than hang a test.
    for (int i = 0; i < 3600 && live(window) && live(window)->modal && !exit_code_; ++i) {
        advance(1000);
    }
    if (WindowState* s = live(window)) s->modal = false;
    modal_stack_.pop_back();
}

void HeadlessPlatform::end_modal(WindowId window) {
    if (WindowState* state = live(window)) state->modal = false;
}

void HeadlessPlatform::set_tray_icon(WindowId owner, const std::string& tip) {
    tray_[owner] = tip;
    ++tray_updates_;
}

bool HeadlessPlatform::start_process(const std::string& command_line) {
    processes_.push_back(command_line);
    return process_start_ok_;
}

}  // namespace horalune
