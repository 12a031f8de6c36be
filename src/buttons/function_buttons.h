// The twelve function buttons on the clock's rim, dressed from the icon store "图标资源": a
// click runs the button's command, the right button plays its sound.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/platform.h"

namespace horalune {

class AnalogWindow;

inline constexpr std::string_view kCdTrayCommand = "光驱开关";
inline constexpr std::string_view kDialCommand = "上网下网";
inline constexpr std::string_view kHungUpMessage = "下网成功了，收获不小吧！";

// What a button's command needs besides the platform.
struct ButtonContext {
    Platform& platform;
    AnalogWindow& window;
    std::string program_dir;
    std::function<void()> open_dialup_window;  // modeless
    // What the CD-tray command last asked for; the drive's real state is unknown.
    bool cd_tray_opened = false;
};

// Button n's face picture from field `style` of record n of the store (no picture when the
// style is neither 5 nor 6, or the store is missing or damaged).
void load_button_faces(AnalogWindow& window, const std::string& program_dir, int style);
// Button n's hover picture from field `图标` of record n, and its tooltip from `提示文字`.
void load_button_icons(AnalogWindow& window, const std::string& program_dir);
// All twelve buttons raise button 1's click and right-button handlers, which tell the buttons
// apart by their tag.
void share_button_handlers(ButtonContext& context);

void run_button_command(ButtonContext& context, int n);
// Plays a button's sound file once; as MP3 when "mp3" occurs anywhere in its path, in any
// case (a WAV file in a folder named "MP3" too). An empty path plays nothing.
void play_button_sound_file(Platform& platform, const std::string& path);
void play_button_sound(ButtonContext& context, int n);

}  // namespace horalune
