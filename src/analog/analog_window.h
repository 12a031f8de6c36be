// The analog clock window: its design table and the picture it shows, composed by the program
// from the face canvas `画板1`, the twelve picture buttons and the heart.
#pragma once

#include <optional>
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

class AnalogWindow {
public:
    explicit AnalogWindow(Platform& platform);

    Form& form() { return form_; }
    Canvas& face() { return face_; }
    const Image& mask() const { return mask_; }

    // Sizes the window to the face picture box and cuts it to the mask.
    void fit_to_face();
    void cut_to_mask();

    // Composes the window's picture and hands it to the platform.
    void refresh();
    const Image& picture() const { return picture_; }

private:
    Form form_;
    Canvas face_;
    Image mask_;
    Image heart_;
    Image picture_;
};

}  // namespace horalune
