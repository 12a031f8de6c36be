#include "buttons/function_buttons.h"

#include "analog/analog_window.h"

namespace horalune {

// The icon store and the buttons' pictures and commands arrive with the function buttons;
// until then the buttons show the face behind them and do nothing.
void load_button_faces(AnalogWindow&, const std::string&, int) {}
void load_button_icons(AnalogWindow&, const std::string&) {}
void share_button_handlers(AnalogWindow&) {}

}  // namespace horalune
