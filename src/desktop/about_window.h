// The about window: who made the program and where to find it; modal, a fresh window each
// time it opens, dragged by its title strip, closed by "看够了".
#pragma once

#include <memory>

#include "ui/form.h"

namespace horalune {

const WindowDesign& about_window_design();

class AboutWindow {
  public:
    explicit AboutWindow(Platform& platform);
    Form& form() { return *form_; }
    // Runs it modally; returns when it has closed.
    void run();

  private:
    Platform& platform_;
    std::unique_ptr<Form> form_;
};

}  // namespace horalune
