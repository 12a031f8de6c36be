// The program's open windows other than the analog clock: events from the desktop reach the
// form whose window they concern. A form is listed for as long as its entry lives.
#pragma once

#include <vector>

#include "ui/form.h"

namespace horalune {

class OpenForms {
  public:
    // Lists a form while it lives; keep it beside the form it lists, destroyed first.
    class Entry {
      public:
        Entry(OpenForms& forms, Form& form) : forms_(forms), form_(&form) {
            forms_.forms_.push_back(form_);
        }
        ~Entry() { std::erase(forms_.forms_, form_); }
        Entry(const Entry&) = delete;
        Entry& operator=(const Entry&) = delete;

      private:
        OpenForms& forms_;
        Form* form_;
    };

    Form* find(WindowId window) const {
        for (Form* form : forms_) {
            if (form->window() == window) return form;
        }
        return nullptr;
    }

    // Each returns false when no listed form owns the window. A handler may close its own
    // form: nothing of it is touched after the handler ran.
    bool route_timer(WindowId window, int timer_id) {
        Form* form = find(window);
        return form != nullptr && form->dispatch_timer(timer_id);
    }
    bool route_control(WindowId window, int control, ControlEvent event) {
        Form* form = find(window);
        if (form == nullptr) return false;
        form->dispatch_control(control, event);
        return true;
    }
    bool route_input(WindowId window, int control, const ControlValue& value) {
        Form* form = find(window);
        if (form == nullptr) return false;
        form->apply_input(control, value);
        return true;
    }
    bool route_key(WindowId window, int key) {
        Form* form = find(window);
        return form != nullptr && form->dispatch_key(key);
    }

  private:
    std::vector<Form*> forms_;
};

// A form listed for its whole life: unlisted before its window goes, so no event is routed to
// a half-destroyed form.
class ListedForm : public Form {
  public:
    ListedForm(OpenForms& forms, Platform& platform, const WindowDesign& design,
               bool visible = true)
        : Form(platform, design, visible), entry_(forms, *this) {}

  private:
    OpenForms::Entry entry_;
};

}  // namespace horalune
