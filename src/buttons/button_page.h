// The "程序命令" tab of the settings dialog: the twelve buttons' records, edited on a working
// copy "temp" of the icon store that Apply writes back and Cancel throws away.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "ui/form.h"

namespace horalune {

class AnalogWindow;

namespace button_page {

inline constexpr std::string_view kButtonList = "时间刻度";
inline constexpr std::string_view kCommandBox = "命令编辑框";
inline constexpr std::string_view kSoundBox = "声音编辑框";
inline constexpr std::string_view kTooltipBox = "提示文字框";

// The tab's controls, placed on the tab page.
std::vector<ControlDesign> controls();

}  // namespace button_page

// Copies the icon store to the working copy and shows button 1's record.
void prepare_button_page(Form& form, const std::string& program_dir);
// Writes the working copy over the icon store and shows the new icons on the clock.
void apply_button_page(const std::string& program_dir, AnalogWindow& clock);
// Deletes the working copy; a missing one is no error.
void discard_button_page(const std::string& program_dir);
// Shows the record of the button selected in the list (button 1 when none is).
void set_current_button(Form& form, const std::string& program_dir);

}  // namespace horalune
