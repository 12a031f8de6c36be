#include "default_config.h"

#include <cstddef>
#include <filesystem>
#include <string_view>

#include "analog/appearance_page.h"
#include "config/config.h"
#include "config/names.h"

namespace horalune::assets {

namespace {

// A colour as config.ini stores it: 0x00BBGGRR in decimal.
std::string colour(int r, int g, int b) {
    return std::to_string(r | g << 8 | b << 16);
}

// A hand length as the clock page stores it: the level picked (1 ... 6) and the pixels the
// tip stays inside the face's edge for that level.
struct Length {
    std::string level, inset;
};
Length length(std::size_t level) {
    return {std::to_string(level), std::to_string(appearance_page::kLengthNumbers.at(level - 1))};
}

}  // namespace

void write_default_config(const std::string& path) {
    std::filesystem::remove(path);
    const auto write = [&path](std::string_view section, std::string_view key,
                               std::string_view value) { config_write(path, section, key, value); };
    using namespace cfg;

    // The second style's face and buttons; a short thick hour hand, a longer minute hand and a
    // thin red second hand, all ending inside the ring of buttons on the rim.
    write(kClock, kStyle, "6");
    write(kClock, kBackground, kBuiltin2);
    write(kClock, kHourColour, colour(0x30, 0x30, 0x38));
    write(kClock, kMinuteColour, colour(0x48, 0x48, 0x50));
    write(kClock, kSecondColour, colour(0xD2, 0x28, 0x28));
    const Length hour = length(2), minute = length(4), second = length(5);
    write(kClock, kHourLength, hour.inset);
    write(kClock, kMinuteLength, minute.inset);
    write(kClock, kSecondLength, second.inset);
    write(kClock, kHourLengthLevel, hour.level);
    write(kClock, kMinuteLengthLevel, minute.level);
    write(kClock, kSecondLengthLevel, second.level);
    write(kClock, kHourWidth, "4");
    write(kClock, kMinuteWidth, "3");
    write(kClock, kSecondWidth, "1");

    // The digital clock tells the time of day, not the computer's running time.
    write(kDigital, kKind, kKindTime);

    // Every alert off until the user asks for one.
    write(kChime, kChimeOn, kFalse);
    write(kChime, kVibrate, kFalse);
    write(kChime, kSoundOn, kFalse);
    write(kReminder, kReminderOn, kFalse);
    write(kReminder, kVibrate, kFalse);
    write(kReminder, kSoundOn, kFalse);
    write(kReminder, kReminderTextOn, kFalse);
    write(kShutdown, kShutdownOn, kFalse);
}

}  // namespace horalune::assets
