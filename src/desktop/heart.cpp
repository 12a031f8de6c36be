#include "desktop/heart.h"

#include <algorithm>
#include <random>

#include "analog/analog_window.h"
#include "config/names.h"
#include "desktop/menus.h"
#include "platform/calendar.h"

namespace horalune {

using namespace analog_names;

namespace {
std::mt19937 seeded(std::uint64_t seed) {
    std::seed_seq seq{static_cast<std::uint32_t>(seed), static_cast<std::uint32_t>(seed >> 32)};
    return std::mt19937(seq);
}
}  // namespace

HeartJump heart_jump(std::uint64_t seed, int window_width, int window_height) {
    std::mt19937 random = seeded(seed);
    return heart_jump(random, window_width, window_height);
}

std::mt19937& HeartRandom::from(Platform& platform) {
    if (!random_) random_ = seeded(static_cast<std::uint64_t>(to_local_ms(platform.now())));
    return *random_;
}

HeartJump heart_jump(std::mt19937& random, int window_width, int window_height) {
    // A window too small for the margins keeps the heart at the margin.
    const auto between = [&random](int low, int high) {
        return std::uniform_int_distribution<int>(low, std::max(low, high))(random);
    };
    HeartJump jump;
    jump.left = between(heart::kMargin, window_width - heart::kMargin);
    jump.top = between(heart::kMargin, window_height - heart::kMargin);
    jump.interval_ms = between(heart::kMinInterval, heart::kMaxInterval);
    return jump;
}

void heart_tick(Platform& platform, AnalogWindow& clock, HeartRandom& random) {
    Form& form = clock.form();
    // A hidden clock has nothing to show: the heart rests until the clock is shown again.
    if (!form.visible()) {
        form.set_interval(kHeartTimer, 0);
        return;
    }
    const Rect window = platform.window_rect(form.window());
    const HeartJump jump = heart_jump(random.from(platform), window.width, window.height);
    form.move_control(kHeart, jump.left, jump.top);
    form.set_interval(kHeartTimer, jump.interval_ms);
    clock.refresh();
}

void heart_clicked(Platform& platform, AnalogWindow& clock) {
    platform.message_box(clock.form().window(), std::string(heart::kMessage), "Horalune",
                         MessageIcon::none);
}

void toggle_heart(AnalogWindow& clock, Menu& tray_menu, Globals& globals) {
    MenuItem& item = tray_menu.item(menu_text::kHeart);
    const bool on = !item.checked;
    item.checked = on;
    Form& form = clock.form();
    form.set_interval(kHeartTimer, on ? heart::kStartInterval : 0);
    form.set_visible(kHeart, on);  // where it last was
    globals.save(&OtherSettings::heart, on);
    clock.refresh();
}

}  // namespace horalune
