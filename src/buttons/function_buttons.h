// The twelve function buttons on the clock's rim, dressed from the icon store "图标资源".
#pragma once

#include <string>

namespace horalune {

class AnalogWindow;

// Button n's face picture from field `style` of record n of the store in `program_dir`.
void load_button_faces(AnalogWindow& window, const std::string& program_dir, int style);
// Button n's hover picture from field `图标` of record n.
void load_button_icons(AnalogWindow& window, const std::string& program_dir);
// Buttons 2 ... 12 raise their click and right-button events on button 1's handlers.
void share_button_handlers(AnalogWindow& window);

}  // namespace horalune
