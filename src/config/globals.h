// The program-wide values, owned by the application object, and the settings of the
// config.ini they name.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "config/settings_file.h"

namespace horalune {

struct Globals {
    std::string config_path;          // program folder + "\config.ini"
    std::int32_t vibrate_phase = 0;   // 1 while a shaken window is pushed out
    std::uint8_t digital_format = 0;  // time text format of the digital clock
    std::string digital_kind;         // "时间" or "已运行时间"
    // Index 0 hour, 1 minute, 2 second hand.
    std::array<std::int32_t, 3> hand_length{};  // pixels the tip stays inside the edge
    std::array<std::int32_t, 3> hand_colour{};  // 0x00BBGGRR
    std::array<std::int32_t, 3> hand_width{};   // pen width
    std::int16_t dial_elapsed = 0;              // seconds counted by the dial-up window
    std::uint8_t shutdown_countdown = 0;        // seconds left in the shutdown prompt

    // config.ini at config_path, read again only when it may have changed.
    SettingsFile config;

    // The settings as they are in the file now.
    const Settings& settings() { return config.current(config_path); }

    // Stores one setting in the file, e.g. save(&ClockSettings::auto_hide, true).
    template <class Part, class T, class V>
    void save(T Part::*field, const V& value) {
        config.save(config_path, field, value);
    }
};

}  // namespace horalune
