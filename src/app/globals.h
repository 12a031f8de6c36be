// The program-wide values, owned by the application object.
#pragma once

#include <array>
#include <cstdint>
#include <string>

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
};

}  // namespace horalune
