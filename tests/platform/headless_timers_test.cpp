// Virtual time on the headless desktop: timers fire in time order, restart and stop as real
// window timers do, and the local clock and uptime move with them.
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "platform/headless/headless_platform.h"
#include "support/quiet_sink.h"

namespace horalune {
namespace {

struct Recorder : testing::QuietSink {
    HeadlessPlatform* platform = nullptr;
    std::vector<std::pair<int, int>> fired;  // (timer id, second of the local time)
    std::function<void(int)> on_fire;
    void on_timer(WindowId, int id) override {
        fired.emplace_back(id, platform->now().second);
        if (on_fire) on_fire(id);
    }
};

TEST(HeadlessTimersTest, FireInTimeOrderAndStop) {
    HeadlessPlatform p;
    Recorder r;
    r.platform = &p;
    p.set_event_sink(&r);
    p.set_now({2026, 12, 8, 13, 59, 58, 0, 2});
    const WindowId w = p.create_window({});
    p.set_timer(w, 1, 1000);
    p.set_timer(w, 2, 300);
    p.advance(1000);
    EXPECT_EQ(r.fired, (std::vector<std::pair<int, int>>{{2, 58}, {2, 58}, {2, 58}, {1, 59}}));
    r.fired.clear();
    p.set_timer(w, 2, 0);
    p.advance(2000);
    EXPECT_EQ(r.fired, (std::vector<std::pair<int, int>>{{1, 0}, {1, 1}}));
    EXPECT_EQ(p.now().hour, 14);
    EXPECT_EQ(p.now().minute, 0);
}

TEST(HeadlessTimersTest, ATimerRestartedFromItsHandlerCountsFromThen) {
    HeadlessPlatform p;
    Recorder r;
    r.platform = &p;
    p.set_event_sink(&r);
    const WindowId w = p.create_window({});
    p.set_timer(w, 1, 100);
    r.on_fire = [&](int) { p.set_timer(w, 1, 250); };
    p.advance(600);  // 100, then 350, then 600
    EXPECT_EQ(r.fired.size(), 3u);
    p.destroy_window(w);  // a destroyed window's timers die with it
    p.advance(1000);
    EXPECT_EQ(r.fired.size(), 3u);
}

TEST(HeadlessTimersTest, CalendarAndUptime) {
    HeadlessPlatform p;
    p.set_now({2026, 2, 28, 23, 59, 59, 500, 0});
    p.set_uptime_ms(1000);
    p.advance(600);
    const DateTime t = p.now();
    EXPECT_EQ(t.month, 3);
    EXPECT_EQ(t.day, 1);
    EXPECT_EQ(t.weekday, 0);  // Sunday 1 March 2026
    EXPECT_EQ(t.millisecond, 100);
    EXPECT_EQ(p.uptime_ms(), 1600u);
    p.jump_clock(-3'600'000);  // the wall clock jumps; uptime does not
    EXPECT_EQ(p.now().hour, 23);
    EXPECT_EQ(p.uptime_ms(), 1600u);
}

}  // namespace
}  // namespace horalune
