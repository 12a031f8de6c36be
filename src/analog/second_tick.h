// The second tick: once a second, in this order, the digital clock's text, the hourly chime,
// the reminder, the timed shutdown, the tray tip and the face. Settings are read from
// config.ini once per tick (and only when the file changed), so a saved change counts from the
// next second.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "config/globals.h"
#include "platform/platform.h"

namespace horalune {

class AnalogWindow;

// What the tick starts in the windows that other parts of the program own.
class TickActions {
  public:
    virtual ~TickActions() = default;
    virtual bool digital_clock_open() = 0;
    virtual void set_digital_text(const std::string& text) = 0;
    virtual void open_reminder_popup(const std::string& text) = 0;  // modeless
    virtual void open_shutdown_prompt() = 0;                        // modal
    virtual void set_tray_tip(const std::string& tip) = 0;
};

class SecondTick {
  public:
    SecondTick(Platform& platform, Globals& globals, AnalogWindow& analog, TickActions& actions)
        : platform_(platform), globals_(globals), analog_(analog), actions_(actions) {}

    void operator()();

    // The face at the current time, presented; nothing while the clock is hidden.
    void redraw_face();

    // The timed events of one wall-clock second (steps 2 to 4).
    void check_events(const DateTime& at);
    void check_events(const DateTime& at, const Settings& settings);

    // Called with the second at the start of each check_events: lets tests see which
    // seconds the catch-up checked, and how often.
    void on_check(std::function<void(const DateTime&)> observer) {
        on_check_ = std::move(observer);
    }

  private:
    void digital_text();
    void chime(const DateTime& at, const ChimeSettings& chime);
    void reminder(const DateTime& at, const ReminderSettings& reminder);
    void shutdown(const DateTime& at, const ShutdownSettings& shutdown);

    Platform& platform_;
    Globals& globals_;
    AnalogWindow& analog_;
    TickActions& actions_;
    // The last wall-clock second whose events were checked, or are being checked: a late or
    // early timer must neither check a second twice nor skip one.
    std::optional<std::int64_t> last_second_;
    std::function<void(const DateTime&)> on_check_;
};

}  // namespace horalune
