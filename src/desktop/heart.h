// The beating heart: a small picture on the analog clock's face that jumps to a random place
// at random intervals while it is on, and answers a click with a message.
#pragma once

#include <cstdint>
#include <optional>
#include <random>
#include <string>
#include <string_view>

#include "config/globals.h"
#include "platform/platform.h"

namespace horalune {

class AnalogWindow;
class Menu;

namespace heart {
inline constexpr std::string_view kMessage = "我真的爱你！投我一票吧！";
// The heart's top-left corner stays this far from the window's edges.
inline constexpr int kMargin = 32;
inline constexpr int kMinInterval = 100;
inline constexpr int kMaxInterval = 3000;
// The first jump after the heart is switched on.
inline constexpr int kStartInterval = 100;
}  // namespace heart

struct HeartJump {
    int left = 0;
    int top = 0;
    int interval_ms = 0;
};

// Where the heart goes on a window of this size, and how long it stays there, for one seed:
// left and top in kMargin ... size - kMargin, the interval in kMinInterval ... kMaxInterval,
// all ends included.
HeartJump heart_jump(std::uint64_t seed, int window_width, int window_height);
// The same from a generator that goes on from jump to jump.
HeartJump heart_jump(std::mt19937& random, int window_width, int window_height);

// The heart's generator, seeded once from the time of day when it is first needed: seeding
// costs far more than drawing a number, and the heart jumps up to ten times a second.
class HeartRandom {
  public:
    std::mt19937& from(Platform& platform);

  private:
    std::optional<std::mt19937> random_;
};

// The heart timer: moves the heart and re-arms the timer.
void heart_tick(Platform& platform, AnalogWindow& clock, HeartRandom& random);
// A click on the heart: the message, with an OK button and no icon, until the user closes it.
void heart_clicked(Platform& platform, AnalogWindow& clock);
// "跳动的心" of the tray menu: switches the heart off or on after its check mark and writes the
// new state to config.ini.
void toggle_heart(AnalogWindow& clock, Menu& tray_menu, Globals& globals);

}  // namespace horalune
