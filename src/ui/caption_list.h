// A drop-down list that reads like a label while closed: its choices, then one caption item that
// is selected. Opening the list removes the caption, so only the choices show; closing it puts
// the caption back, selected, without running anything.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "ui/form.h"

namespace horalune {

// Makes `list` of `form` such a list over its first `choices` items: `chosen` runs once for each
// choice the user makes, with its index, and may destroy the form. `caption` is the item put
// back when the list closes.
//
// Which of a pick and the closing of the list is reported first differs between desktops: a
// pick made while the list is open runs when it closes, after the caption is back, and a pick
// reported while the list is closed runs at once.
void bind_caption_list(Form& form, std::string_view list, int choices, std::string caption,
                       std::function<void(int index)> chosen);

}  // namespace horalune
