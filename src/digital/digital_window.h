// The digital clock window: one label that fills a small borderless window and shows the time
// of day or the computer's running time. Clicks near the label's edges resize the window, a
// click in its middle moves it; its looks come from `数字钟配置`.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "config/globals.h"
#include "platform/platform.h"
#include "ui/form.h"
#include "ui/menu.h"
#include "ui/open_forms.h"

namespace horalune {

class AnalogWindow;

namespace digital_names {
inline constexpr std::string_view kLabel = "数字钟标签";
}  // namespace digital_names

const WindowDesign& digital_window_design();

class DigitalWindow {
  public:
    // A fresh installation has no saved size, and a window shrunk by clicks to nothing could
    // never be clicked again: a missing or non-positive size opens at the default, and no size
    // goes below the minimum, which keeps a middle to drag by and both edge zones.
    static constexpr int kDefaultWidth = 168;
    static constexpr int kDefaultHeight = 40;
    static constexpr int kMinWidth = 60;
    static constexpr int kMinHeight = 20;
    static constexpr Point kOpenAt{50, 0};
    // Colours a fresh installation shows until the user sets them (0x00BBGGRR).
    static constexpr int kFreshBackColour = 0xFFFFFF;
    static constexpr int kFreshTextColour = 0x000000;

    struct Context {
        Platform& platform;
        Globals& globals;
        OpenForms& forms;
        Menu& menu;           // "设置", which the window's set-up dresses
        AnalogWindow& clock;  // owns the vibration timer; its visibility names menu item 5
    };

    // Creates the window at its opening place and runs set-up, then shows it.
    explicit DigitalWindow(Context context);
    ~DigitalWindow();
    DigitalWindow(const DigitalWindow&) = delete;
    DigitalWindow& operator=(const DigitalWindow&) = delete;

    Form& form() { return *form_; }
    WindowId window() const { return form_->window(); }

    // The label, as the second tick and the appearance page change it.
    void set_text(const std::string& text);
    void set_text_colour(int colour);
    void set_back_colour(int colour);
    FontSpec font() const;
    // Face and size only: the designed weight stays.
    void set_font(const std::string& face, int size);
    // The picture file's whole content in `mode`; no picture when the file gives none.
    void set_picture_file(const std::string& path, int mode);
    void remove_picture();

    // A left press at (x, y) of the label: the vibration stops, then an edge zone resizes the
    // window or the middle silences the sound and starts a move.
    void left_pressed(int x, int y);

  private:
    void set_up();
    void resize_to(int width, int height);

    Context context_;
    std::unique_ptr<ListedForm> form_;
};

}  // namespace horalune
