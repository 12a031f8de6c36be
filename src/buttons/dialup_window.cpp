#include "buttons/dialup_window.h"

#include "config/convert.h"
#include "config/names.h"

namespace horalune {

using namespace dialup_names;

namespace {

// What the designed frame `外形框1` holds: hidden together while dialling.
constexpr std::string_view kInFrame[] = {"标签1",   kEntries, "标签2", kUser, "标签3",
                                         kPassword, "标签4",  kNumber, kLater};

WindowDesign make_design() {
    WindowDesign d{"拨号窗口", "　　　　★准备上网了★", {50, 50, 220, kIdleHeight}, {}};
    d.framed = true;
    d.in_taskbar = true;
    const auto label = [](std::string_view name, Rect r, std::string_view caption,
                          bool visible = true) {
        return ControlDesign{.name = name,
                             .kind = ControlKind::label,
                             .rect = r,
                             .caption = caption,
                             .visible = visible};
    };
    const auto edit = [](std::string_view name, Rect r) {
        return ControlDesign{name, ControlKind::edit, r};
    };
    // Masked, so that nobody behind the user reads it off the screen.
    const auto password_edit = [&edit](std::string_view name, Rect r) {
        ControlDesign box = edit(name, r);
        box.password = true;
        return box;
    };
    d.controls = {
        label(kTitleStrip, {0, 0, 224, 24}, "★★★带你去上网！★★★"),
        label(kElapsed, {5, 26, 86, 40}, "已用时1秒", false),
        label(kStatus, {88, 26, 127, 40}, "拨号状态标签", false),
        label("标签1", {10, 39, 90, 24}, "连接名称："),
        {kEntries, ControlKind::drop_list, {94, 39, 120, 20}},
        label("标签2", {10, 70, 90, 24}, "用户帐号："),
        edit(kUser, {94, 71, 120, 20}),
        label("标签3", {10, 101, 90, 24}, "帐号密码："),
        password_edit(kPassword, {94, 103, 120, 20}),
        label("标签4", {10, 132, 90, 24}, "电话号码："),
        edit(kNumber, {94, 134, 120, 20}),
        {kLater, ControlKind::button, {120, 160, 80, 24}, "以后再来"},
        {.name = kTimer, .kind = ControlKind::timer, .rect = {}},  // runs while dialling
        {kStart, ControlKind::button, {31, kStartTopIdle, 80, 24}, kStartCaption},
    };
    return d;
}

}  // namespace

const WindowDesign& dialup_window_design() {
    static const WindowDesign design = make_design();
    return design;
}

std::string elapsed_text(int seconds) {
    return "已用时" + int_text(seconds) + "秒　";
}

DialupWindow::DialupWindow(Context context) : context_(std::move(context)) {
    form_ = std::make_unique<ListedForm>(context_.forms, context_.platform, dialup_window_design());
    Form& f = *form_;
    f.on_control(kTitleStrip, ControlEvent::left_down,
                 [this] { context_.platform.begin_window_drag(form_->window()); });
    f.on_control(kEntries, ControlEvent::changed, [this] { entry_chosen(); });
    f.on_control(kStart, ControlEvent::clicked, [this] { start_or_stop(); });
    f.on_control(kLater, ControlEvent::clicked, [this] { close(); });
    f.on_timer(kTimer, [this] { tick(); });

    entries_ = context_.platform.dialup_entries();
    std::vector<std::string> names;
    for (const DialEntry& entry : entries_) names.push_back(entry.name);
    f.set_items(kEntries, std::move(names));
    f.set_selected(kEntries, 0);
    entry_chosen();
    f.set_text(kNumber, context_.globals.settings().other.dial_number);
}

DialupWindow::~DialupWindow() = default;

bool DialupWindow::dialling() const {
    return form_->text(kStart) != kStartCaption;
}

void DialupWindow::show_status(const std::string& text) {
    form_->set_text(kStatus, text);
}

void DialupWindow::entry_chosen() {
    // The list's items stand for the entries in order; the password and number stay as typed.
    const int i = form_->selected(kEntries);
    if (i < 0 || i >= static_cast<int>(entries_.size())) return;
    form_->set_text(kUser, entries_[static_cast<std::size_t>(i)].user);
}

void DialupWindow::start_or_stop() {
    if (dialling()) {
        stop();
    } else {
        start();
    }
}

void DialupWindow::show_state(bool dialling) {
    Form& f = *form_;
    f.resize(dialup_window_design().rect.width, dialling ? kDiallingHeight : kIdleHeight);
    f.set_visible(kElapsed, dialling);
    f.set_visible(kStatus, dialling);
    for (const std::string_view name : kInFrame) f.set_visible(name, !dialling);
    f.move_control(kStart, f.control(kStart).rect.left,
                   dialling ? kStartTopDialling : kStartTopIdle);
    f.set_text(kStart, std::string(dialling ? kStopCaption : kStartCaption));
}

void DialupWindow::start() {
    Form& f = *form_;
    // Blank until the first tick, so the first count seen is 1, never the designed text or the
    // count of an earlier try.
    f.set_text(kElapsed, "");
    show_state(true);
    // Counted from 0 at every start, however soon after a stop: the timer may not have
    // ticked in between to clear it.
    context_.globals.dial_elapsed = 0;
    context_.platform.dialup_dial(f.text(kNumber), f.text(kUser), f.text(kPassword));
    f.set_interval(kTimer, kTickMs);
}

void DialupWindow::stop() {
    context_.platform.dialup_hang_up();
    show_state(false);
    // The timer runs on: its next tick finds the status hidden and clears the counter.
}

void DialupWindow::tick() {
    std::int16_t& elapsed = context_.globals.dial_elapsed;
    if (!form_->control(kStatus).visible) {
        elapsed = 0;
        return;
    }
    elapsed = static_cast<std::int16_t>(elapsed + 1);
    form_->set_text(kElapsed, elapsed_text(elapsed));
    if (context_.platform.dialup_connected()) {
        elapsed = 0;
        close();
    }
}

void DialupWindow::close() {
    // The owner hands this window to OpenForms::drop_later: it goes after the event.
    if (context_.closed) context_.closed();
}

}  // namespace horalune
