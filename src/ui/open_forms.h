// The program's open windows other than the analog clock: events from the desktop reach the
// form whose window they concern. A form is listed for as long as its entry lives.
//
// Closing is deferred: a window that closes itself from one of its own handlers only asks its
// owner to let go of it, and the owner hands the object to drop_later(). It is destroyed when the
// outermost event being handled has returned (a Turn ends), so no handler ever runs on, or
// returns into, a destroyed window.
#pragma once

#include <memory>
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

    // One event being handled: while any Turn lives, objects handed to drop_later() live on.
    // Nested turns (an event inside a modal loop inside a handler) keep them too.
    class Turn {
      public:
        explicit Turn(OpenForms& forms) : forms_(forms) { ++forms_.depth_; }
        ~Turn() {
            if (--forms_.depth_ == 0) forms_.sweep();
        }
        Turn(const Turn&) = delete;
        Turn& operator=(const Turn&) = delete;

      private:
        OpenForms& forms_;
    };

    // Takes a closed window's object; destroyed once no event is being handled (at once when
    // none is, as when the owner itself closes it).
    template <class T>
    void drop_later(std::unique_ptr<T> closed) {
        if (!closed) return;
        dropped_.push_back(std::shared_ptr<void>(std::move(closed)));
        if (depth_ == 0) sweep();
    }
    // Objects handed over and not yet destroyed.
    std::size_t pending_drops() const { return dropped_.size(); }

    // Each returns false when no listed form owns the window. A handler may close its own
    // form: it is dropped after the event.
    bool route_timer(WindowId window, int timer_id) {
        const Turn turn(*this);
        Form* form = find(window);
        return form != nullptr && form->dispatch_timer(timer_id);
    }
    bool route_control(WindowId window, int control, ControlEvent event) {
        const Turn turn(*this);
        Form* form = find(window);
        if (form == nullptr) return false;
        form->dispatch_control(control, event);
        return true;
    }
    bool route_input(WindowId window, int control, const ControlValue& value) {
        const Turn turn(*this);
        Form* form = find(window);
        if (form == nullptr) return false;
        form->apply_input(control, value);
        return true;
    }
    // The window's scale changed: its texts are fitted to the fonts as they now measure.
    bool route_dpi_change(WindowId window) {
        const Turn turn(*this);
        Form* form = find(window);
        if (form == nullptr) return false;
        form->fit_text();
        return true;
    }
    bool route_key(WindowId window, int key) {
        const Turn turn(*this);
        Form* form = find(window);
        return form != nullptr && form->dispatch_key(key);
    }

  private:
    void sweep() {
        // Destroying one may hand over another (an owner letting go of its children): repeat.
        ++depth_;
        while (!dropped_.empty()) {
            std::vector<std::shared_ptr<void>> now;
            now.swap(dropped_);
        }
        --depth_;
    }

    std::vector<Form*> forms_;
    std::vector<std::shared_ptr<void>> dropped_;
    int depth_ = 0;
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
