// The clock shaking as a visual alarm, driven by the vibration timer on virtual time.
#include <gtest/gtest.h>

#include "config/config.h"
#include "support/app_fixture.h"

namespace horalune {
namespace {

using analog_names::kVibrateTimer;

class VibrationTest : public testing::AppFixture {
  protected:
    void shake(int interval) { analog().form().set_interval(kVibrateTimer, interval); }
    std::pair<int, int> where() { return {analog_state().rect.left, analog_state().rect.top}; }
    void stop_by_pressing_the_face() {
        const Point at = face_point();
        platform.mouse_down(analog().form().window(), MouseButton::left, at.x, at.y);
    }
};

TEST_F(VibrationTest, ChimeLevelThreeMovesNinePixelsAndBack) {
    write_config("[整点报时]\n震动级别=3\n[定时提醒]\n震动级别=1\n");
    start();
    const auto rest = where();
    shake(250);
    platform.advance(250);
    EXPECT_EQ(where(), (std::pair{rest.first + 9, rest.second + 9}));
    platform.advance(250);
    EXPECT_EQ(where(), rest);
    shake(251);  // the reminder takes over: its level, the phase carries on
    platform.advance(251);
    EXPECT_EQ(where(), (std::pair{rest.first + 3, rest.second + 3}));
}

TEST_F(VibrationTest, LevelsReduceToEightBits) {
    const struct {
        const char* level;
        int d;
    } cases[] = {{"", 0}, {"0", 0}, {"5", 15}, {"300", 132}, {"2.9", 6}, {"-1", 765}};
    for (const auto& c : cases) {
        write_config(std::string("[定时提醒]\n震动级别=") + c.level + "\n");
        start();
        const auto rest = where();
        shake(251);
        platform.advance(251);
        EXPECT_EQ(where(), (std::pair{rest.first + c.d, rest.second + c.d})) << c.level;
    }
}

TEST_F(VibrationTest, StoppingLeavesThePhaseAndTheOffset) {
    write_config("[整点报时]\n震动级别=5\n[定时提醒]\n震动级别=2\n");
    start();
    const auto rest = where();
    shake(250);
    platform.advance(250);  // pushed out by 15
    stop_by_pressing_the_face();
    platform.advance(2000);
    EXPECT_EQ(where(), (std::pair{rest.first + 15, rest.second + 15}));
    EXPECT_EQ(app->globals().vibrate_phase, 1);
    shake(251);  // the next shake starts by moving back by its own, smaller offset
    platform.advance(251);
    EXPECT_EQ(where(), (std::pair{rest.first + 9, rest.second + 9}));
    EXPECT_EQ(app->globals().vibrate_phase, 0);
}

TEST_F(VibrationTest, AlertFromTheTickShakesUntilTheFaceIsPressed) {
    write_config("[整点报时]\n整点是否报时=真\n是否震动=真\n震动级别=1\n");
    platform.set_now({2026, 12, 8, 13, 59, 59, 500, 2});
    start();
    const auto rest = where();
    platform.advance(1000);  // 14:00:00 chimes: shaking starts
    EXPECT_EQ(analog().form().interval(kVibrateTimer), 250);
    platform.advance(250);
    EXPECT_EQ(where(), (std::pair{rest.first + 3, rest.second + 3}));
    stop_by_pressing_the_face();
    EXPECT_EQ(analog().form().interval(kVibrateTimer), 0);
}

}  // namespace
}  // namespace horalune
