#include "digital/digital_window.h"

#include <algorithm>
#include <cstdint>

#include "analog/analog_window.h"
#include "config/convert.h"
#include "config/names.h"
#include "desktop/menus.h"
#include "events/vibration.h"
#include "ui/picture.h"

namespace horalune {

using digital_names::kLabel;

namespace {

constexpr int kDesignWidth = 265;
constexpr int kDesignHeight = 124;
// The edge zones of the label: a press this close to a side resizes instead of moving.
constexpr int kSideZone = 20;
constexpr int kTopBottomZone = 5;
constexpr int kWidthStep = 5;
constexpr int kHeightStep = 2;

WindowDesign make_design() {
    WindowDesign d{
        "数字钟窗口",
        "Horalune 数字钟",
        {DigitalWindow::kOpenAt.x, DigitalWindow::kOpenAt.y, kDesignWidth, kDesignHeight},
        {}};
    ControlDesign label{
        kLabel, ControlKind::label, {0, 0, kDesignWidth, kDesignHeight}, "15:34:01"};
    label.font = FontSpec{.face = "Arial Black", .height = 35, .bold = true};
    label.centred = true;  // the time stays in the middle however the window is sized
    d.controls.push_back(label);
    return d;
}

int saved_size(int value, int fallback, int minimum) {
    return value > 0 ? std::max(value, minimum) : fallback;
}

}  // namespace

const WindowDesign& digital_window_design() {
    static const WindowDesign design = make_design();
    return design;
}

DigitalWindow::DigitalWindow(Context context) : context_(context) {
    // Made hidden: set-up sizes and dresses it before the user sees it.
    form_ = std::make_unique<ListedForm>(context_.forms, context_.platform, digital_window_design(),
                                         false);
    form_->on_key(kKeyF4, [] {});  // Alt+F4 must not close the clock
    form_->on_control(kLabel, ControlEvent::left_down, [this] {
        // The label fills the window, so the pointer's place in the window is its place on
        // the label.
        const Point at = context_.platform.cursor_pos();
        const Rect r = context_.platform.window_rect(window());
        left_pressed(at.x - r.left, at.y - r.top);
    });
    set_up();
    form_->show(true);
}

DigitalWindow::~DigitalWindow() = default;

void DigitalWindow::set_up() {
    using namespace menu_text;
    Menu& menu = context_.menu;
    Globals& globals = context_.globals;
    // A copy: setting a picture or a font must not see the file change under it.
    const DigitalSettings saved = globals.settings().digital;
    resize_to(saved_size(saved.width, kDefaultWidth, kMinWidth),
              saved_size(saved.height, kDefaultHeight, kMinHeight));
    // The menu outlives the window: each opening dresses it as a fresh one would be.
    menu.item(kUptime).caption = saved.kind == cfg::kKindTime ? kUptime : kTimeNow;
    menu.item(kAutoHide).checked = saved.auto_hide.on();
    if (saved.has_picture.on()) set_picture_file(saved.background, saved.picture_mode);
    // A fresh installation has no looks saved: black on white in the designed font rather than
    // black on black in no font at all. A saved value, whatever it is, counts as it is.
    set_back_colour(saved.back_colour.value_or(kFreshBackColour));
    set_text_colour(saved.text_colour.value_or(kFreshTextColour));
    const FontSpec designed = form_->control(kLabel).font;
    set_font(saved.font_name.empty() ? designed.face : saved.font_name,
             saved.font_size.value_or(designed.height));
    globals.digital_format = static_cast<std::uint8_t>(to_integer(saved.format));
    globals.digital_kind = saved.kind;
    menu.item(kShowDigital).caption = kHideDigital;
    menu.item(kShowClock).caption = context_.clock.form().visible() ? kHideClock : kShowClock;
}

void DigitalWindow::resize_to(int width, int height) {
    form_->resize(width, height);
    // There is no resized event to wait for: the label follows the size the window took.
    const Rect r = context_.platform.window_rect(window());
    form_->resize_control(kLabel, r.width, r.height);
}

void DigitalWindow::set_text(const std::string& text) {
    form_->set_text(kLabel, text);
}

void DigitalWindow::set_text_colour(int colour) {
    form_->set_text_colour(kLabel, colour);
}

void DigitalWindow::set_back_colour(int colour) {
    form_->set_back_colour(kLabel, colour);
}

FontSpec DigitalWindow::font() const {
    return form_->control(kLabel).font;
}

void DigitalWindow::set_font(const std::string& face, int size) {
    FontSpec font = form_->control(kLabel).font;
    font.face = face;
    font.height = size;
    form_->set_font(kLabel, std::move(font));
}

void DigitalWindow::set_picture_file(const std::string& path, int mode) {
    form_->set_picture(kLabel, load_picture(path).value_or(Image()), mode);
}

void DigitalWindow::remove_picture() {
    form_->set_picture(kLabel, Image(), form_->control(kLabel).picture_mode);
}

void DigitalWindow::left_pressed(int x, int y) {
    stop_shaking(context_.clock);
    const Rect label = form_->control(kLabel).rect;
    const Rect before = context_.platform.window_rect(window());
    int width = before.width;
    int height = before.height;
    if (x < kSideZone) {
        width = std::max(before.width - kWidthStep, kMinWidth);
    } else if (x > label.width - kSideZone) {
        width = before.width + kWidthStep;
    } else if (y < kTopBottomZone) {
        height = std::max(before.height - kHeightStep, kMinHeight);
    } else if (y > label.height - kTopBottomZone) {
        height = before.height + kHeightStep;
    } else {
        context_.platform.stop_sound();
        context_.platform.begin_window_drag(window());
        return;
    }
    if (width == before.width && height == before.height) return;  // held at the minimum
    resize_to(width, height);
    // What the desktop made of the request is what the next opening restores.
    const Rect after = context_.platform.window_rect(window());
    if (width != before.width) context_.globals.save(&DigitalSettings::width, after.width);
    if (height != before.height) context_.globals.save(&DigitalSettings::height, after.height);
}

}  // namespace horalune
