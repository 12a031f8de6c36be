// The second tick as a busy desktop drives it: ticks that come early and late, stalls, a
// modal prompt that runs ticks of its own, and a clock that is set forward and back. Each
// wall-clock second is checked once, and each event fires once per pass of its second.
#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "analog/analog_window.h"
#include "analog/second_tick.h"
#include "config/config.h"
#include "config/names.h"
#include "platform/calendar.h"
#include "platform/headless/headless_platform.h"
#include "support/quiet_sink.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

using analog_names::kSecondTimer;

constexpr std::int64_t kDay = 86'400;

// SplitMix64: the same sequence from every compiler and library, unlike <random>'s
// distributions.
class Sequence {
  public:
    explicit Sequence(std::uint64_t seed) : state_(seed) {}
    std::int64_t between(std::int64_t lo, std::int64_t hi) {
        return lo + static_cast<std::int64_t>(next() % static_cast<std::uint64_t>(hi - lo + 1));
    }

  private:
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    std::uint64_t state_;
};

std::int64_t floor_div(std::int64_t a, std::int64_t b) {
    return a / b - (a % b < 0 ? 1 : 0);
}

// Local seconds since 2000 for a time on 8 December 2026 (a day after it for h >= 24).
std::int64_t dec8(int h, int m, int s) {
    return to_local_ms({2026, 12, 8, 0, 0, 0, 0, 2}) / 1000 + h * 3600 + m * 60 + s;
}

std::string clock_text(std::int64_t second) {
    const DateTime t = from_local_ms(second * 1000);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

struct Fired {
    std::string what;  // "chime", "reminder" or "prompt"
    std::int64_t second;
    friend bool operator==(const Fired&, const Fired&) = default;
    friend void PrintTo(const Fired& f, std::ostream* os) {
        *os << f.what << " at " << clock_text(f.second);
    }
};

// The index of the first second that does not follow the one before it, or size() when
// the seconds run on one by one.
std::size_t first_break(const std::vector<std::int64_t>& seconds, std::size_t from = 0) {
    for (std::size_t i = from + 1; i < seconds.size(); ++i) {
        if (seconds[i] != seconds[i - 1] + 1) return i;
    }
    return seconds.size();
}

class KeepsTimeTest : public ::testing::Test, public testing::QuietSink, public TickActions {
  protected:
    KeepsTimeTest() {
        globals.config_path = dir.file("config.ini");
        // Hands a pixel long: drawing is not what this test is about, and a day of it is slow.
        globals.hand_length = {80, 80, 80};
        platform.set_event_sink(this);
        set(cfg::kChime, cfg::kChimeOn, "真");
        set(cfg::kChime, cfg::kSoundOn, "真");
        set(cfg::kChime, cfg::kSoundPath, "chime.wav");
    }

    void set(std::string_view section, std::string_view key, std::string_view value) {
        config_write(globals.config_path, section, key, value);
    }
    void remind_at(const char* time) {
        set(cfg::kReminder, cfg::kReminderOn, "真");
        set(cfg::kReminder, cfg::kReminderTime, time);
        set(cfg::kReminder, cfg::kReminderTextOn, "真");
        set(cfg::kReminder, cfg::kReminderText, "开会");
    }
    void shut_down_at(const char* time, const char* countdown) {
        set(cfg::kShutdown, cfg::kShutdownOn, "真");
        set(cfg::kShutdown, cfg::kShutdownTime, time);
        set(cfg::kShutdown, cfg::kCountdownSeconds, countdown);
    }

    // A fresh clock window whose first tick comes at the next full second after `wall_ms`.
    void start_at(std::int64_t wall_ms) {
        platform.set_now(from_local_ms(wall_ms));
        window = std::make_unique<AnalogWindow>(platform);
        // Nothing here listens to the heart's or the auto-hide's timers; a day of them is slow.
        window->form().set_interval(analog_names::kHeartTimer, 0);
        window->form().set_interval(analog_names::kAutoHideTimer, 0);
        tick = std::make_unique<SecondTick>(platform, globals, *window, *this);
        tick->on_check([this](const DateTime& at) {
            note_sounds();
            checking_ = floor_div(to_local_ms(at), 1000);
            checked.push_back(checking_);
        });
        window->form().on_timer(kSecondTimer, [this] {
            (*tick)();
            note_sounds();
        });
        checked.clear();
        fired.clear();
        sounds_seen_ = platform.sound_log().size();
    }

    std::int64_t wall() { return to_local_ms(platform.now()); }

    // The second timer is aligned: it is due at the next full second of the wall clock as it
    // read at the last tick. Moving the clock before that lets the tick find `at` instead, so
    // it comes early (at < the full second) or late. Needs no clock jump since the last tick.
    void tick_at(std::int64_t at) {
        const std::int64_t w = wall();
        const std::int64_t due_in = 1000 - (w - floor_div(w, 1000) * 1000);
        platform.jump_clock(at - (w + due_in));
        platform.advance(due_in);
    }

    // Sounds come only from the chime; they belong to the second being checked.
    void note_sounds() {
        const auto& log = platform.sound_log();
        for (; sounds_seen_ < log.size(); ++sounds_seen_) {
            if (log[sounds_seen_].kind == HeadlessPlatform::SoundCall::Kind::play) {
                fired.push_back({"chime", checking_});
            }
        }
    }

    // --- TickActions ----------------------------------------------------------------------
    bool digital_clock_open() override { return false; }
    void set_digital_text(const std::string&) override {}
    void open_reminder_popup(const std::string&) override {
        fired.push_back({"reminder", checking_});
    }
    void open_shutdown_prompt() override {
        fired.push_back({"prompt", checking_});
        if (!modal_prompt) return;
        // As the real prompt: a modal window counting down while the clock ticks on.
        prompt_ = platform.create_window({"prompt", {0, 0, 200, 100}});
        countdown_ = 30;
        platform.set_timer(prompt_, 1, 1000);
        platform.run_modal(prompt_);
        platform.destroy_window(prompt_);
        prompt_ = kNoWindow;
    }
    void set_tray_tip(const std::string&) override {}

    // --- EventSink ------------------------------------------------------------------------
    void on_timer(WindowId w, int id) override {
        if (w == prompt_ && prompt_ != kNoWindow) {
            if (--countdown_ == 0) platform.end_modal(w);
            return;
        }
        if (window && w == window->form().window()) window->form().dispatch_timer(id);
    }

    testing::TempDir dir;
    HeadlessPlatform platform;
    Globals globals;
    std::unique_ptr<AnalogWindow> window;
    std::unique_ptr<SecondTick> tick;
    std::vector<std::int64_t> checked;  // every second check_events ran for, in order
    std::vector<Fired> fired;
    bool modal_prompt = false;

  private:
    std::int64_t checking_ = 0;
    std::size_t sounds_seen_ = 0;
    WindowId prompt_ = kNoWindow;
    int countdown_ = 0;
};

TEST_F(KeepsTimeTest, AJitteryDayChecksEverySecondOnce) {
    const std::int64_t day = dec8(0, 0, 0);
    const std::int64_t reminder = dec8(7, 30, 15);
    const std::int64_t prompt = dec8(22, 59, 30);
    remind_at("2000年1月1日7:30:15");
    shut_down_at("2000年1月1日23:0:0", "30");
    // The prompt stays open for its 30 s countdown, and the clock ticks inside the check that
    // opened it.
    modal_prompt = true;
    start_at((day - 2) * 1000 + 500);

    Sequence sequence(20261208);
    int ticks = 0, early = 0, late = 0, stalls = 0, repeats = 0, catch_ups = 0;
    for (std::int64_t k = day - 1; k <= day + kDay + 1; ++k) {
        // Most ticks come up to 450 ms early or late; now and then a busy moment holds one
        // back by one to two seconds.
        std::int64_t offset = sequence.between(-450, 450);
        if (sequence.between(0, 199) == 0) offset = sequence.between(1000, 1999);
        // The reminder's second never gets a tick of its own: it is only caught up.
        if (k == reminder - 1) offset = 400;
        if (k == reminder) offset = -300;
        if (k == reminder + 1) offset = 200;
        // The prompt's second comes right after a tick that found its second checked already.
        if (k == prompt - 1) offset = 900;
        if (k == prompt) offset = -50;
        if (k == prompt + 1) offset = -400;
        const std::int64_t at = k * 1000 + offset;
        if (at <= wall()) continue;  // a stall or the prompt's own ticks went past it
        ++ticks;
        if (offset < 0) ++early;
        if (offset > 0 && offset < 1000) ++late;
        if (offset >= 1000) ++stalls;
        const std::size_t before = checked.size();
        tick_at(at);
        const std::size_t seen = checked.size() - before;
        if (seen == 0) ++repeats;
        if (seen == 2 || seen == 3) ++catch_ups;
    }
    std::printf(
        "[ keeps time ] 1 day, %d jittered ticks (%d early, %d late, %d stalled); "
        "%d found their second checked, %d caught up\n",
        ticks, early, late, stalls, repeats, catch_ups);
    // The jitter did reach both paths: ticks within a checked second, and ticks after a gap.
    EXPECT_GT(repeats, 1000);
    EXPECT_GT(catch_ups, 1000);

    ASSERT_FALSE(checked.empty());
    EXPECT_LE(checked.front(), day);
    EXPECT_GE(checked.back(), day + kDay);
    const std::size_t broken = first_break(checked);
    EXPECT_EQ(broken, checked.size())
        << clock_text(checked[broken]) << " checked after " << clock_text(checked[broken - 1]);

    std::vector<Fired> expected;
    for (int h = 0; h < 24; ++h) {
        expected.push_back({"chime", day + h * 3600});
        if (h == 7) expected.push_back({"reminder", reminder});
        if (h == 22) expected.push_back({"prompt", prompt});
    }
    expected.push_back({"chime", day + kDay});  // the next midnight, still inside the run
    EXPECT_EQ(fired, expected);
}

TEST_F(KeepsTimeTest, ClockSetForwardAndBack) {
    {
        SCOPED_TRACE("forward an hour, onto a full hour");
        start_at(dec8(13, 59, 58) * 1000 + 500);
        platform.advance(2000);  // ticks at 13:59:59 and 14:00:00; now 14:00:00.500
        platform.jump_clock(3'600'000 - 1000);
        platform.advance(2500);  // ticks at 15:00:00, 15:00:01, 15:00:02
        EXPECT_EQ(checked,
                  (std::vector<std::int64_t>{dec8(13, 59, 59), dec8(14, 0, 0), dec8(15, 0, 0),
                                             dec8(15, 0, 1), dec8(15, 0, 2)}));
        EXPECT_EQ(fired,
                  (std::vector<Fired>{{"chime", dec8(14, 0, 0)}, {"chime", dec8(15, 0, 0)}}));
    }
    {
        SCOPED_TRACE("back an hour: the hour is lived again, each second once");
        start_at(dec8(14, 59, 59) * 1000 + 500);
        platform.advance(1000);  // chimes at 15:00:00; now 15:00:00.500
        platform.jump_clock(-3'600'000);
        platform.advance(3'601'000);  // 14:00:01 to 15:00:01
        ASSERT_EQ(checked.size(), 3602u);
        EXPECT_EQ(checked[0], dec8(15, 0, 0));
        EXPECT_EQ(checked[1], dec8(14, 0, 1));
        EXPECT_EQ(first_break(checked, 1), checked.size());
        EXPECT_EQ(checked.back(), dec8(15, 0, 1));
        EXPECT_EQ(fired,
                  (std::vector<Fired>{{"chime", dec8(15, 0, 0)}, {"chime", dec8(15, 0, 0)}}));
    }
    {
        SCOPED_TRACE("over midnight by a late tick: midnight is caught up");
        start_at(dec8(23, 59, 58) * 1000 + 500);
        platform.advance(1000);     // 23:59:59
        platform.jump_clock(1500);  // the next tick reads 00:00:01.500
        platform.advance(1500);     // and then 00:00:02
        EXPECT_EQ(checked, (std::vector<std::int64_t>{dec8(23, 59, 59), dec8(24, 0, 0),
                                                      dec8(24, 0, 1), dec8(24, 0, 2)}));
        EXPECT_EQ(fired, (std::vector<Fired>{{"chime", dec8(24, 0, 0)}}));
    }
    {
        SCOPED_TRACE("forward an hour over midnight: the skipped midnight does not chime");
        start_at(dec8(23, 40, 0) * 1000 + 500);
        platform.advance(1000);  // 23:40:01
        platform.jump_clock(3'600'000);
        platform.advance(20 * 60 * 1000);  // 00:40:02 to 01:00:01 of the next day
        ASSERT_EQ(checked.size(), 1u + 1200u);
        EXPECT_EQ(checked[1], dec8(24, 40, 2));
        EXPECT_EQ(first_break(checked, 1), checked.size());
        EXPECT_EQ(fired, (std::vector<Fired>{{"chime", dec8(25, 0, 0)}}));
    }
    {
        SCOPED_TRACE("back over midnight by a second and a half: midnight chimes once");
        start_at(dec8(23, 59, 59) * 1000 + 500);
        platform.advance(1000);  // chimes at 00:00:00; now 00:00:00.500
        platform.jump_clock(-1500);
        platform.advance(2500);  // 23:59:59.500, 00:00:00 again, then 00:00:01
        EXPECT_EQ(checked, (std::vector<std::int64_t>{dec8(24, 0, 0), dec8(24, 0, 1)}));
        EXPECT_EQ(fired, (std::vector<Fired>{{"chime", dec8(24, 0, 0)}}));
    }
    {
        SCOPED_TRACE("back an hour over midnight: the same midnight chimes in each pass");
        start_at(dec8(23, 59, 59) * 1000 + 500);
        platform.advance(601'000);  // 00:00:00 to 00:10:00; now 00:10:00.500
        platform.jump_clock(-3'600'000);
        platform.advance(3'001'000);  // 23:10:01 to 00:00:01
        ASSERT_EQ(checked.size(), 601u + 3001u);
        EXPECT_EQ(checked[0], dec8(24, 0, 0));
        EXPECT_EQ(first_break(checked), 601u);
        EXPECT_EQ(checked[601], dec8(23, 10, 1));
        EXPECT_EQ(first_break(checked, 601), checked.size());
        EXPECT_EQ(fired,
                  (std::vector<Fired>{{"chime", dec8(24, 0, 0)}, {"chime", dec8(24, 0, 0)}}));
    }
    {
        SCOPED_TRACE("back a second, again and again, around a reminder and a prompt");
        remind_at("2000年1月1日7:30:0");
        shut_down_at("2000年1月1日7:30:30", "30");
        start_at(dec8(7, 29, 58) * 1000 + 500);
        platform.advance(1000);      // 07:29:59
        platform.jump_clock(-1000);  // 07:29:59 again
        platform.advance(1000);
        platform.advance(1000);  // 07:30:00: both due
        for (int i = 0; i < 3; ++i) {
            platform.jump_clock(-1000);  // 07:30:00 again
            platform.advance(1000);
        }
        platform.advance(2000);  // 07:30:01, 07:30:02
        EXPECT_EQ(checked, (std::vector<std::int64_t>{dec8(7, 29, 59), dec8(7, 30, 0),
                                                      dec8(7, 30, 1), dec8(7, 30, 2)}));
        EXPECT_EQ(fired,
                  (std::vector<Fired>{{"reminder", dec8(7, 30, 0)}, {"prompt", dec8(7, 30, 0)}}));
    }
}

}  // namespace
}  // namespace horalune
