// What the native controls' making and updating (controls.cpp) and their messages
// (control_events.cpp) share. Needs <windows.h> before it, as backend.h brings.
#pragma once

#include "platform/win32/backend.h"

namespace horalune::win32 {

// The side of the tick box drawn before each row of a check list.
constexpr int kCheckGlyph = 13;

// The back-end's own changes to a control, for as long as this lives: its notifications
// meanwhile are not the user's and do not reach the program.
class Quiet {
  public:
    explicit Quiet(NativeControl& control) : control_(control), was_(control.quiet) {
        control.quiet = true;
    }
    ~Quiet() { control_.quiet = was_; }
    Quiet(const Quiet&) = delete;
    Quiet& operator=(const Quiet&) = delete;

  private:
    NativeControl& control_;
    bool was_;
};

// Labels with a colour or picture of their own paint their whole background themselves.
inline bool own_background(const ControlSpec& shown) {
    return (shown.type == ControlType::label || shown.type == ControlType::hyperlink) &&
           (shown.back_colour >= 0 || !shown.picture.empty());
}

// The font a control shows for `request` (underlined for hyperlinks) at a dpi; null when the
// stock dialog font serves as it is.
HFONT make_font(const FontSpec& request, bool underline, int dpi);

// The control with this id (1, 2, ...), or null.
NativeControl* control_of(NativeWindow& window, int id);

// The current item natively shown by a list or tab control, -1 for none.
int native_selection(const NativeControl& control);

// Labels, hyperlinks, group boxes and tabs are subclassed with this: presses, the hand cursor
// and the dialog face under boxes and tabs.
LRESULT CALLBACK control_procedure(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam,
                                   UINT_PTR subclass_id, DWORD_PTR data);

}  // namespace horalune::win32
