// What every page of the settings dialog is to the dialog's frame: its controls, how it loads
// and saves, and what the frame's buttons and Esc mean for it. The frame knows pages only
// through this interface; each page lives with the subsystem it edits.
#pragma once

#include <vector>

#include "ui/form.h"

namespace horalune {

// How the dialog is closed.
enum class DialogClose {
    ok,      // "功德圆满": saved, then closed
    cancel,  // "半途而废": closed unsaved
    escape,  // Esc: closed unsaved, and no page lets go of any working state
};

// How the frame looks while a page is current.
struct PageFrame {
    bool buttons = true;  // OK, Apply and Cancel shown
    bool note = false;    // the note that changes count at once, instead of the buttons
    int height = 283;     // the dialog's height
    int buttons_top = 242;
};

class SettingsPage {
  public:
    virtual ~SettingsPage() = default;

    // The page's controls, placed on the tab page (the frame tags and hides them).
    virtual std::vector<ControlDesign> controls() const = 0;
    // Binds the page's own handlers, once, when the dialog is made.
    virtual void bind(Form& form) = 0;
    virtual PageFrame frame() const { return {}; }
    // Fills the page each time the dialog is opened on it.
    virtual void load(Form& form) = 0;
    // Before OK or Apply saves: false keeps everything as it is (the page told the user why).
    virtual bool check(Form& /*form*/) { return true; }
    // OK and Apply on this page.
    virtual void save(Form& form) = 0;
    // The dialog closes; `current` tells whether this page was the one shown.
    virtual void closing(DialogClose /*how*/, bool /*current*/) {}
};

}  // namespace horalune
