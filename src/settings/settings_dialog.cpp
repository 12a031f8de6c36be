#include "settings/settings_dialog.h"

#include <algorithm>
#include <string>

namespace horalune {

using namespace settings;

namespace {

constexpr int kWidth = 375;
constexpr int kHeight = PageFrame{}.height;
constexpr int kFrameTop = PageFrame{}.buttons_top;
// The three buttons' places inside their frame.
constexpr Rect kOkInFrame{49, 9, 80, 20};
constexpr Rect kApplyInFrame{144, 9, 80, 20};
constexpr Rect kCancelInFrame{240, 9, 80, 20};
constexpr Rect kTabRect{-1, 0, 376, 264};
constexpr Rect kNoteRect{0, 234, kWidth, 20};

// A page's controls carry their page in the tag: its number as text.
std::string page_tag(int page) {
    return std::to_string(page);
}

}  // namespace

WindowDesign settings_dialog_design(const std::vector<std::vector<ControlDesign>>& pages) {
    WindowDesign d{.name = "设置窗口",
                   .title = "Horalune 配置",
                   .rect = {50, 50, kWidth, kHeight},
                   .controls = {},
                   .framed = true,
                   .in_taskbar = true};
    d.controls.push_back(
        {kTitleStrip, ControlKind::label, {0, 0, 378, 22}, "Horalune v1.0　＊配置＊"});
    const auto framed = [](Rect r) { return Rect{r.left, r.top + kFrameTop, r.width, r.height}; };
    d.controls.push_back({kOk, ControlKind::button, framed(kOkInFrame), "功德圆满"});
    d.controls.push_back({kApply, ControlKind::button, framed(kApplyInFrame), "立竿见影"});
    d.controls.push_back({kCancel, ControlKind::button, framed(kCancelInFrame), "半途而废"});
    d.controls.push_back({.name = kNote,
                          .kind = ControlKind::label,
                          .rect = kNoteRect,
                          .caption = "＊本处更改后立即生效！＊按ESC键退出＊",
                          .visible = false});
    // Tags are views: their texts live as long as the design does, in a table of its own.
    static const std::vector<std::string> kTags = [] {
        std::vector<std::string> tags;
        for (int p = 0; p < kPageCount; ++p) tags.push_back(page_tag(p));
        return tags;
    }();
    for (std::size_t p = 0; p < pages.size() && p < kTags.size(); ++p) {
        for (ControlDesign c : pages[p]) {
            c = placed_in({kTabRect.left, kTabRect.top, 0, 0}, c);
            c.tag = kTags[p];
            c.visible = false;  // shown with their page
            d.controls.push_back(c);
        }
    }
    ControlDesign tabs{kTabs, ControlKind::tab, kTabRect};
    tabs.items = {"程序命令", "钟表设置", "报时提醒", "定时关机"};
    tabs.selected = 0;
    d.controls.push_back(tabs);
    return d;
}

namespace {

std::vector<std::vector<ControlDesign>> controls_of(
    const std::vector<std::unique_ptr<SettingsPage>>& pages) {
    std::vector<std::vector<ControlDesign>> controls;
    for (const auto& page : pages) controls.push_back(page->controls());
    return controls;
}

}  // namespace

SettingsDialog::SettingsDialog(Context context)
    : context_(std::move(context)), design_(settings_dialog_design(controls_of(context_.pages))) {
    // Made hidden: the page is filled before the user sees it.
    form_ = std::make_unique<ListedForm>(context_.forms, context_.platform, design_, false);
    Form& f = *form_;
    f.on_control(kTitleStrip, ControlEvent::left_down,
                 [this] { context_.platform.begin_window_drag(form_->window()); });
    f.on_control(kOk, ControlEvent::clicked, [this] { ok(); });
    f.on_control(kApply, ControlEvent::clicked, [this] { apply(); });
    f.on_control(kCancel, ControlEvent::clicked, [this] { cancel(); });
    f.on_key(kKeyEscape, [this] { escape(); });
    for (const auto& page : context_.pages) page->bind(f);
}

SettingsDialog::~SettingsDialog() {
    form_.reset();
}

int SettingsDialog::page() const {
    return form_->selected(kTabs);
}

SettingsPage& SettingsDialog::current() {
    const int last = static_cast<int>(context_.pages.size()) - 1;
    return *context_.pages[static_cast<std::size_t>(std::clamp(page(), 0, last))];
}

void SettingsDialog::open_on(int page) {
    form_->set_selected(kTabs, page);
    load_page();
    form_->show(true);
    context_.platform.activate_window(form_->window());
}

void SettingsDialog::show_page_controls(int page) {
    const std::string tag = page_tag(std::clamp(page, 0, kPageCount - 1));
    for (const Control& c : form_->controls()) {
        if (c.tag.empty()) continue;
        const bool on_page = c.tag == tag;
        if (c.visible != on_page) form_->set_visible(c.name, on_page);
    }
}

void SettingsDialog::move_button_frame(int top) {
    form_->move_control(kOk, kOkInFrame.left, top + kOkInFrame.top);
    form_->move_control(kApply, kApplyInFrame.left, top + kApplyInFrame.top);
    form_->move_control(kCancel, kCancelInFrame.left, top + kCancelInFrame.top);
}

void SettingsDialog::load_page() {
    Form& f = *form_;
    show_page_controls(page());
    // A dialog reopened on another page starts from that page's frame.
    SettingsPage& shown = current();
    const PageFrame frame = shown.frame();
    move_button_frame(frame.buttons_top);
    f.move_control(kNote, kNoteRect.left, kNoteRect.top);
    f.set_visible(kNote, frame.note);
    for (std::string_view button : {kOk, kApply, kCancel}) f.set_visible(button, frame.buttons);
    f.resize(kWidth, frame.height);
    shown.load(f);
}

void SettingsDialog::ok() {
    SettingsPage& shown = current();
    if (!shown.check(*form_)) return;
    shown.save(*form_);
    close(DialogClose::ok);
}

void SettingsDialog::apply() {
    SettingsPage& shown = current();
    if (shown.check(*form_)) shown.save(*form_);
}

void SettingsDialog::cancel() {
    close(DialogClose::cancel);
}

void SettingsDialog::escape() {
    close(DialogClose::escape);  // nothing saved, nothing let go of
}

void SettingsDialog::close(DialogClose how) {
    const SettingsPage* shown = &current();
    for (const auto& page : context_.pages) page->closing(how, page.get() == shown);
    // The owner hands the dialog to OpenForms::drop_later: it goes after the event.
    if (context_.closed) context_.closed();
}

}  // namespace horalune
