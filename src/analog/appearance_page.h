// The "钟表设置" page of the settings dialog: how both clocks look. It has no OK or Apply:
// every control applies its change to the clock and writes it to config.ini at once. What it
// changes outside the analog clock (the buttons' faces, the digital clock) it reaches through
// the hooks its owner hands it.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "config/globals.h"
#include "platform/platform.h"
#include "settings/settings_page.h"
#include "settings/sound_row.h"
#include "ui/form.h"

namespace horalune {

class AnalogWindow;

namespace appearance_page {

// The analog clock's group.
inline constexpr std::string_view kClockGroup = "分组框1";
inline constexpr std::string_view kStyle1 = "单选框1";
inline constexpr std::string_view kStyle2 = "单选框2";
inline constexpr std::string_view kFacePicture = "选择时钟背景";
inline constexpr std::string_view kDefaultFace = "默认背景";
// Index 0 hour, 1 minute, 2 second hand.
inline constexpr std::array<std::string_view, 3> kHandColours = {"颜色选择器3", "颜色选择器4",
                                                                 "颜色选择器5"};
inline constexpr std::array<std::string_view, 3> kHandLengths = {"组合框2", "组合框3", "组合框4"};
inline constexpr std::array<std::string_view, 3> kHandWidths = {"组合框7", "组合框6", "组合框5"};

// The digital clock's group.
inline constexpr std::string_view kDigitalGroup = "分组框4";
inline constexpr std::string_view kTwelveHours = "单选框4";
inline constexpr std::string_view kTwentyFourHours = "单选框5";
inline constexpr std::string_view kTextColour = "颜色选择器1";
inline constexpr std::string_view kBackColour = "颜色选择器2";
inline constexpr std::string_view kFont = "选择框9";
inline constexpr std::string_view kSizeHint = "选择框1";
inline constexpr std::string_view kHasPicture = "选择框3";
inline constexpr std::string_view kDigitalPicture = "选择框24";

// The length lists' item numbers: how far the hand's tip stays inside the face's edge.
inline constexpr std::array<int, 6> kLengthNumbers = {63, 57, 51, 45, 39, 33};

inline constexpr std::string_view kFileTitle = sound_row::kFileDialogTitle;
inline constexpr std::string_view kPictureFilter = "JPG图片|*.jpg|GIF动画|*.gif|位图|*.bmp";
inline constexpr std::string_view kModeTitle = "选择图片显示方式";
inline constexpr std::string_view kModePrompt =
    "输入（1）代表平铺。  输入（2）代表居中。\r\n按取消按钮为图片居左上。\r\n"
    "当前时钟直径为200像素。";
inline constexpr std::string_view kModeInitial = "2";
inline constexpr std::string_view kSizeHintText = "请单击数字钟周围！";

// The digital clock's font heights the font dialog offers, in pixels: readable, and never wider
// than a digital clock on the screen.
inline constexpr int kMinFontHeight = 8;
inline constexpr int kMaxFontHeight = 200;
// `font` as the digital clock can show it: an upright face (no "@" before the name) and a
// height within the limits; with `keep_default_height` no height (0) stays the default.
FontSpec digital_font_fit(FontSpec font, bool keep_default_height);

// The tab's controls, placed on the tab page.
std::vector<ControlDesign> controls();

// The digital clock as the page changes it; each is called only while `open` says it is.
struct DigitalHooks {
    std::function<bool()> open;
    std::function<void(int colour)> set_text_colour;
    std::function<void(int colour)> set_back_colour;
    std::function<FontSpec()> font;
    std::function<void(const std::string& face, int height)> set_font;
    std::function<void(const std::string& path, int mode)> set_picture_file;
    std::function<void()> remove_picture;
};

// What the handlers change besides config.ini.
struct Context {
    Platform& platform;
    Globals& globals;
    AnalogWindow& clock;
    std::function<void(int style)> restyle_buttons;  // the buttons' faces of a style number
    DigitalHooks digital;
};

// Shows the stored settings without running any handler; the digital group is disabled while
// the digital clock is closed.
void load(Form& form, const Settings& settings, bool digital_open);

// Binds every control's handler.
void bind(Form& form, Context context);

}  // namespace appearance_page

class AppearancePage : public SettingsPage {
  public:
    explicit AppearancePage(appearance_page::Context context) : context_(std::move(context)) {}

    std::vector<ControlDesign> controls() const override { return appearance_page::controls(); }
    void bind(Form& form) override { appearance_page::bind(form, context_); }
    // No buttons: the note says that changes count at once.
    PageFrame frame() const override { return {.buttons = false, .note = true}; }
    void load(Form& form) override;
    // Everything is written as it changes.
    void save(Form& /*form*/) override {}

  private:
    appearance_page::Context context_;
};

}  // namespace horalune
