#include "desktop/menus.h"

namespace horalune {

using namespace menu_text;

Menu make_tray_menu() {
    return Menu("托盘菜单", {{kAutoHide},
                             {},
                             {.caption = kHeart, .checked = true},
                             {kShowClock},
                             {kShowDigital},
                             {},
                             {kButtonSettings},
                             {kClockSettings},
                             {},
                             {kReminderSettings},
                             {kShutdownSettings},
                             {},
                             {kExit},
                             {kAbout}});
}

Menu make_digital_menu() {
    return Menu("设置", {{kAutoHide},
                         {},
                         {kUptime},
                         {},
                         {kShowClock},
                         {kShowDigital},
                         {},
                         {kButtonSettings},
                         {kClockSettings},
                         {},
                         {kReminderSettings},
                         {kShutdownSettings},
                         {},
                         {kExit},
                         {kAbout}});
}

}  // namespace horalune
