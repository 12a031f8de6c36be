#include "analog/analog_window.h"

#include <cstring>

#include "platform/dpi.h"
#include "platform/rect_math.h"
#include "ui/builtin_assets.h"
#include "ui/button_pictures.h"
#include "ui/clock_art.h"
#include "ui/picture.h"

namespace horalune {

using namespace analog_names;

namespace {

WindowDesign make_design() {
    WindowDesign d{"启动窗口", "Horalune", {550, 0, 211, 203}, {}};
    d.controls.push_back({kFace, ControlKind::picture_box, {0, 0, 164, 164}});
    static constexpr Rect kButtons[kButtonCount] = {
        {100, 8, 32, 32},  {124, 32, 32, 32}, {132, 65, 32, 32}, {124, 99, 32, 32},
        {99, 124, 32, 32}, {65, 132, 32, 32}, {31, 123, 32, 32}, {7, 98, 32, 32},
        {0, 65, 32, 32},   {8, 33, 32, 32},   {31, 9, 32, 32},   {65, 0, 32, 32}};
    static constexpr std::string_view kButtonNames[kButtonCount] = {
        "图形按钮1", "图形按钮2", "图形按钮3", "图形按钮4",  "图形按钮5",  "图形按钮6",
        "图形按钮7", "图形按钮8", "图形按钮9", "图形按钮10", "图形按钮11", "图形按钮12"};
    static constexpr std::string_view kTags[kButtonCount] = {"1", "2", "3", "4",  "5",  "6",
                                                             "7", "8", "9", "10", "11", "12"};
    for (int i = 0; i < kButtonCount; ++i) {
        d.controls.push_back({.name = kButtonNames[i],
                              .kind = ControlKind::picture_button,
                              .rect = kButtons[i],
                              .tag = kTags[i]});
    }
    d.controls.push_back({kHeart, ControlKind::picture, {72, 72, 40, 40}});
    d.controls.push_back(
        {.name = kHeartTimer, .kind = ControlKind::timer, .rect = {}, .interval = 100});
    d.controls.push_back(
        {.name = kAutoHideTimer, .kind = ControlKind::timer, .rect = {}, .interval = 300});
    d.controls.push_back({.name = kVibrateTimer, .kind = ControlKind::timer, .rect = {}});
    // The second hand moves on the wall clock's whole seconds.
    d.controls.push_back({.name = kSecondTimer,
                          .kind = ControlKind::timer,
                          .rect = {},
                          .interval = 1000,
                          .aligned = true});
    return d;
}

bool is_white(std::uint32_t argb) {
    return (argb & 0xFFFFFFu) == 0xFFFFFFu;
}

// Pictures shown on the face treat pure white as transparent; only the part inside `clip`
// is drawn.
void draw_keyed(Image& target, const Image& picture, int left, int top, const Rect& clip) {
    const Rect r = intersected(intersected({left, top, picture.width, picture.height}, clip),
                               {0, 0, target.width, target.height});
    for (int y = r.top; y < r.top + r.height; ++y) {
        for (int x = r.left; x < r.left + r.width; ++x) {
            const std::uint32_t p = picture.at(x - left, y - top);
            if (!is_white(p)) target.at(x, y) = p;
        }
    }
}

}  // namespace

const WindowDesign& analog_window_design() {
    static const WindowDesign design = make_design();
    return design;
}

AnalogWindow::AnalogWindow(Platform& platform)
    : form_(platform, analog_window_design()),
      face_(form_.control(kFace).rect.width, form_.control(kFace).rect.height) {
    mask_ = decode_picture(builtin::window_mask_bmp()).value_or(Image());
    heart_ = decode_picture(builtin::heart_bmp()).value_or(Image());
    // The caption carries the CD tray flag; it starts empty at every run.
    form_.set_caption("");
    set_dpi(platform.window_dpi(form_.window()));
}

void AnalogWindow::set_dpi(int dpi) {
    if (dpi <= 0 || dpi == dpi_) return;
    dpi_ = dpi;
    // At 100 % the shipped pictures are used as they are; at any other scale they are drawn.
    if (dpi == kLogicalDpi) {
        mask_ = decode_picture(builtin::window_mask_bmp()).value_or(Image());
        heart_ = decode_picture(builtin::heart_bmp()).value_or(Image());
    } else {
        mask_ = draw_window_mask(dpi);
        heart_ = draw_heart(dpi);
    }
    face_.set_dpi(dpi);
    for (Button& b : buttons_) scale_button_pictures(b);
    all_changed_ = true;
}

void AnalogWindow::scale_button_pictures(Button& button) const {
    const auto at_dpi = [this](const std::optional<Image>& stored) -> std::optional<Image> {
        if (!stored || dpi_ == kLogicalDpi) return std::nullopt;
        return button_picture_at(*stored, dpi_);
    };
    button.face_shown = at_dpi(button.face);
    button.icon_shown = at_dpi(button.icon);
}

Rect AnalogWindow::button_area(int n) const {
    const Rect& r = button_control(n).rect;
    return {scaled(r.left, dpi_), scaled(r.top, dpi_), scaled(r.width, dpi_),
            scaled(r.height, dpi_)};
}

const Control& AnalogWindow::button_control(int n) const {
    return form_.controls()[static_cast<std::size_t>(n)];  // buttons follow the face
}

namespace {
bool inside(const Rect& r, int x, int y) {
    return x >= r.left && y >= r.top && x < r.left + r.width && y < r.top + r.height;
}
}  // namespace

AnalogHit AnalogWindow::hit_test(int x, int y) const {
    const int mx = scaled(x, dpi_), my = scaled(y, dpi_);
    if (!mask_.empty() && (!mask_.contains(mx, my) || is_white(mask_.at(mx, my)))) return {};
    for (int n = 1; n <= kButtonCount; ++n) {
        const Control& b = button_control(n);
        if (b.visible && inside(b.rect, x, y)) return {AnalogHit::Kind::button, n};
    }
    const Control& heart = form_.control(kHeart);
    if (heart.visible && inside(heart.rect, x, y)) return {AnalogHit::Kind::heart, 0};
    if (inside(form_.control(kFace).rect, x, y)) return {AnalogHit::Kind::face, 0};
    return {};
}

void AnalogWindow::set_button_face(int n, std::optional<Image> picture) {
    buttons_[n - 1].face = std::move(picture);
    scale_button_pictures(buttons_[n - 1]);
    all_changed_ = true;
}

void AnalogWindow::set_button_icon(int n, std::optional<Image> picture) {
    buttons_[n - 1].icon = std::move(picture);
    scale_button_pictures(buttons_[n - 1]);
    all_changed_ = true;
}

void AnalogWindow::set_button_tooltip(int n, std::string text) {
    buttons_[n - 1].tooltip = std::move(text);
}

void AnalogWindow::set_button_handlers(int n, ButtonHandler click, ButtonHandler right_button) {
    buttons_[n - 1].click = std::move(click);
    buttons_[n - 1].right_button = std::move(right_button);
}

bool AnalogWindow::button_mouse_down(MouseButton b, int x, int y) {
    const AnalogHit hit = hit_test(x, y);
    if (hit.kind != AnalogHit::Kind::button) return false;
    if (b == MouseButton::left) {
        pressed_ = hit.button;
    } else if (const auto handler = buttons_[hit.button - 1].right_button) {
        handler(button_control(hit.button));
    }
    return true;
}

bool AnalogWindow::button_mouse_up(MouseButton b, int x, int y) {
    const int pressed = pressed_;
    if (b == MouseButton::left) pressed_ = 0;
    const AnalogHit hit = hit_test(x, y);
    if (hit.kind != AnalogHit::Kind::button) return pressed != 0;
    // A click is a press and a release on the same button.
    if (b == MouseButton::left && pressed == hit.button) {
        if (const auto handler = buttons_[hit.button - 1].click)
            handler(button_control(hit.button));
    }
    return true;
}

void AnalogWindow::pointer_at(std::optional<std::pair<int, int>> point) {
    int hovered = 0;
    if (point) {
        const AnalogHit hit = hit_test(point->first, point->second);
        if (hit.kind == AnalogHit::Kind::button) hovered = hit.button;
    }
    if (hovered == hovered_) return;
    hovered_ = hovered;
    if (hovered != 0) {
        form_.platform().set_tooltip(form_.window(), button_control(hovered).rect,
                                     buttons_[hovered - 1].tooltip);
    } else {
        form_.platform().set_tooltip(form_.window(), {}, {});
    }
    refresh();
}

void AnalogWindow::fit_to_face() {
    const Rect& face = form_.control(kFace).rect;
    form_.resize(face.width, face.height);
}

void AnalogWindow::cut_to_mask() {
    if (!mask_.empty()) form_.platform().set_window_shape(form_.window(), mask_);
}

AnalogWindow::Shown AnalogWindow::shown_now() const {
    Shown now;
    for (int n = 1; n <= kButtonCount; ++n) now.buttons[n - 1] = button_control(n).visible;
    now.hovered = hovered_;
    const Control& heart = form_.control(kHeart);
    now.heart = heart.visible && !heart_.empty();
    now.heart_rect = {scaled(heart.rect.left, dpi_), scaled(heart.rect.top, dpi_), heart_.width,
                      heart_.height};
    return now;
}

void AnalogWindow::refresh() {
    const Image& face = face_.image();
    const Rect whole{0, 0, face.width, face.height};
    Rect changed = face_.take_changed();
    const Shown now = shown_now();
    const bool all = all_changed_ || picture_.width != face.width || picture_.height != face.height;
    if (all) {
        changed = whole;
    } else {
        for (int n = 1; n <= kButtonCount; ++n) {
            if (now.buttons[n - 1] != shown_.buttons[n - 1])
                changed = united(changed, button_area(n));
        }
        if (now.hovered != shown_.hovered) {
            if (shown_.hovered != 0) changed = united(changed, button_area(shown_.hovered));
            if (now.hovered != 0) changed = united(changed, button_area(now.hovered));
        }
        if (now.heart != shown_.heart || now.heart_rect != shown_.heart_rect) {
            if (shown_.heart) changed = united(changed, shown_.heart_rect);
            if (now.heart) changed = united(changed, now.heart_rect);
        }
        changed = intersected(changed, whole);
    }
    shown_ = now;
    all_changed_ = false;
    if (all) {
        picture_ = face;
        compose(whole);
        form_.platform().present(form_.window(), picture_);
    } else if (!is_empty(changed)) {
        compose(changed);
        form_.platform().present_part(form_.window(), picture_, changed);
    }
}

void AnalogWindow::compose(const Rect& area) {
    const Image& face = face_.image();
    for (int y = area.top; y < area.top + area.height; ++y) {
        const std::size_t at = static_cast<std::size_t>(y) * face.width + area.left;
        std::memcpy(&picture_.pixels[at], &face.pixels[at], area.width * sizeof(std::uint32_t));
    }
    for (int n = 1; n <= kButtonCount; ++n) {
        const Control& c = button_control(n);
        const Button& b = buttons_[n - 1];
        const bool icon = n == hovered_ && b.icon;
        const std::optional<Image>& stored = icon ? b.icon : b.face;
        const std::optional<Image>& at_dpi = icon ? b.icon_shown : b.face_shown;
        const std::optional<Image>& shown = at_dpi ? at_dpi : stored;
        const Rect place = button_area(n);
        if (c.visible && shown) draw_keyed(picture_, *shown, place.left, place.top, area);
    }
    if (shown_.heart) {
        draw_keyed(picture_, heart_, shown_.heart_rect.left, shown_.heart_rect.top, area);
    }
}

}  // namespace horalune
