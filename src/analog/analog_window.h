// The analog clock window: its design table and the picture it shows, composed by the program
// from the face canvas `画板1`, the twelve picture buttons and the heart.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ui/canvas.h"
#include "ui/form.h"

namespace horalune {

namespace analog_names {
inline constexpr std::string_view kFace = "画板1";
inline constexpr std::string_view kHeart = "我的心";
inline constexpr std::string_view kHeartTimer = "时钟1";
inline constexpr std::string_view kAutoHideTimer = "自动隐藏时钟";
inline constexpr std::string_view kVibrateTimer = "震动时钟";
inline constexpr std::string_view kSecondTimer = "时间时钟";
inline constexpr int kButtonCount = 12;
}  // namespace analog_names

const WindowDesign& analog_window_design();

// What lies under a point of the window, top-most first: a button, the heart, the face.
struct AnalogHit {
    enum class Kind { none, button, heart, face } kind = Kind::none;
    int button = 0;  // 1 ... 12 for buttons
};

class AnalogWindow {
  public:
    using ButtonHandler = std::function<void(const Control& button)>;

    explicit AnalogWindow(Platform& platform);

    AnalogHit hit_test(int x, int y) const;

    // Button n (1 ... 12): its face and icon pictures (white is transparent), and the click and
    // right-button handlers it raises. A button without handlers does nothing.
    void set_button_face(int n, std::optional<Image> picture);
    void set_button_icon(int n, std::optional<Image> picture);
    const std::optional<Image>& button_face(int n) const { return buttons_[n - 1].face; }
    const std::optional<Image>& button_icon(int n) const { return buttons_[n - 1].icon; }
    void set_button_handlers(int n, ButtonHandler click, ButtonHandler right_button);
    // Button n's tooltip, shown by the desktop while the pointer rests on it; empty: none.
    void set_button_tooltip(int n, std::string text);

    // Mouse input on the buttons; return true when the button took it.
    bool button_mouse_down(MouseButton b, int x, int y);
    bool button_mouse_up(MouseButton b, int x, int y);
    // The pointer moved or left: a button under it shows its icon and offers its tooltip.
    void pointer_at(std::optional<std::pair<int, int>> point);
    int hovered_button() const { return hovered_; }

    Form& form() { return form_; }
    Canvas& face() { return face_; }
    // The window's shape at the device's size.
    const Image& mask() const { return mask_; }

    // Draws at this dpi from now on (96 = 100 %): the mask, the heart, the face and the buttons'
    // pictures are made at the device's size, the designed geometry stays logical. Follows the
    // window's dpi when made.
    void set_dpi(int dpi);
    int dpi() const { return dpi_; }

    // Sizes the window to the face picture box and cuts it to the mask.
    void fit_to_face();
    void cut_to_mask();

    // Composes the window's picture and hands it to the platform: only the parts that
    // changed since the last refresh (the hands' area, where the heart was and is, a button
    // whose look changed) are composed and handed on again.
    void refresh();
    const Image& picture() const { return picture_; }

  private:
    struct Button {
        std::optional<Image> face, icon;
        std::optional<Image> face_shown, icon_shown;  // at the device's size
        ButtonHandler click, right_button;
        std::string tooltip;
    };
    const Control& button_control(int n) const;
    // What the picture showed when it was last composed, to find what changed since.
    struct Shown {
        std::array<bool, analog_names::kButtonCount> buttons{};
        int hovered = 0;
        bool heart = false;
        Rect heart_rect;
    };
    Shown shown_now() const;
    void compose(const Rect& area);
    // Button n's box on the device.
    Rect button_area(int n) const;
    void scale_button_pictures(Button& button) const;

    Form form_;
    Canvas face_;
    std::array<Button, analog_names::kButtonCount> buttons_;
    int dpi_ = 96;
    int hovered_ = 0;  // 0: none
    int pressed_ = 0;
    Image mask_;
    Image heart_;
    Image picture_;
    Shown shown_;              // in device pixels
    bool all_changed_ = true;  // a picture, the window or its size changed: compose it all
};

}  // namespace horalune
