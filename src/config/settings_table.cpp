#include "config/settings_table.h"

#include <array>
#include <cstdlib>

#include "config/convert.h"
#include "config/ini_text.h"
#include "config/stored_value.h"

namespace horalune {

namespace {

using namespace cfg;
using S = Settings;
using Clock = ClockSettings;
using Digital = DigitalSettings;
using Other = OtherSettings;
using Chime = ChimeSettings;
using Reminder = ReminderSettings;
using Shutdown = ShutdownSettings;

// Rows of a section stay together: the parser looks a key up among its section's rows only.
constexpr std::array kTable = {
    field_row<&S::clock, &Clock::hour_colour>(kClock, kHourColour),
    field_row<&S::clock, &Clock::minute_colour>(kClock, kMinuteColour),
    field_row<&S::clock, &Clock::second_colour>(kClock, kSecondColour),
    field_row<&S::clock, &Clock::hour_length>(kClock, kHourLength),
    field_row<&S::clock, &Clock::minute_length>(kClock, kMinuteLength),
    field_row<&S::clock, &Clock::second_length>(kClock, kSecondLength),
    field_row<&S::clock, &Clock::hour_length_level>(kClock, kHourLengthLevel),
    field_row<&S::clock, &Clock::minute_length_level>(kClock, kMinuteLengthLevel),
    field_row<&S::clock, &Clock::second_length_level>(kClock, kSecondLengthLevel),
    field_row<&S::clock, &Clock::hour_width>(kClock, kHourWidth),
    field_row<&S::clock, &Clock::minute_width>(kClock, kMinuteWidth),
    field_row<&S::clock, &Clock::second_width>(kClock, kSecondWidth),
    field_row<&S::clock, &Clock::style>(kClock, kStyle),
    field_row<&S::clock, &Clock::background>(kClock, kBackground),
    field_row<&S::clock, &Clock::picture_mode>(kClock, kPictureMode),
    field_row<&S::clock, &Clock::auto_hide>(kClock, kAutoHide),

    field_row<&S::digital, &Digital::width>(kDigital, kWidth),
    field_row<&S::digital, &Digital::height>(kDigital, kHeight),
    field_row<&S::digital, &Digital::kind>(kDigital, kKind),
    field_row<&S::digital, &Digital::format>(kDigital, kFormat),
    field_row<&S::digital, &Digital::text_colour>(kDigital, kTextColour),
    field_row<&S::digital, &Digital::back_colour>(kDigital, kBackColour),
    field_row<&S::digital, &Digital::font_name>(kDigital, kFontName),
    field_row<&S::digital, &Digital::font_size>(kDigital, kFontSize),
    field_row<&S::digital, &Digital::has_picture>(kDigital, kHasPicture),
    field_row<&S::digital, &Digital::background>(kDigital, kBackground),
    field_row<&S::digital, &Digital::picture_mode>(kDigital, kPictureMode),
    field_row<&S::digital, &Digital::auto_hide>(kDigital, kAutoHide),

    field_row<&S::other, &Other::digital_shown>(kOther, kDigitalState),
    field_row<&S::other, &Other::clock_shown>(kOther, kClockState),
    field_row<&S::other, &Other::heart>(kOther, kHeart),
    field_row<&S::other, &Other::dial_number>(kOther, kDialNumber),

    field_row<&S::chime, &Chime::on>(kChime, kChimeOn),
    field_row<&S::chime, &Chime::vibrate>(kChime, kVibrate),
    field_row<&S::chime, &Chime::vibrate_level>(kChime, kVibrateLevel),
    field_row<&S::chime, &Chime::sound_on>(kChime, kSoundOn),
    field_row<&S::chime, &Chime::sound_path>(kChime, kSoundPath),

    field_row<&S::reminder, &Reminder::on>(kReminder, kReminderOn),
    field_row<&S::reminder, &Reminder::time>(kReminder, kReminderTime),
    field_row<&S::reminder, &Reminder::text_on>(kReminder, kReminderTextOn),
    field_row<&S::reminder, &Reminder::text>(kReminder, kReminderText),
    field_row<&S::reminder, &Reminder::vibrate>(kReminder, kVibrate),
    field_row<&S::reminder, &Reminder::vibrate_level>(kReminder, kVibrateLevel),
    field_row<&S::reminder, &Reminder::sound_on>(kReminder, kSoundOn),
    field_row<&S::reminder, &Reminder::sound_path>(kReminder, kSoundPath),

    field_row<&S::shutdown, &Shutdown::on>(kShutdown, kShutdownOn),
    field_row<&S::shutdown, &Shutdown::time>(kShutdown, kShutdownTime),
    field_row<&S::shutdown, &Shutdown::mode>(kShutdown, kShutdownMode),
    field_row<&S::shutdown, &Shutdown::force_close>(kShutdown, kForceClose),
    field_row<&S::shutdown, &Shutdown::countdown_on>(kShutdown, kCountdownOn),
    field_row<&S::shutdown, &Shutdown::countdown_seconds>(kShutdown, kCountdownSeconds),
    field_row<&S::shutdown, &Shutdown::sound_on>(kShutdown, kSoundOn),
    field_row<&S::shutdown, &Shutdown::sound_path>(kShutdown, kSoundPath),
};

void store(const FieldRow& row, Settings& s, std::string_view stored) {
    void* at = row.field(s);
    const std::string value = load_value(stored);
    switch (row.kind) {
        case FieldKind::text:
            *static_cast<std::string*>(at) = value;
            break;
        case FieldKind::integer:
            *static_cast<std::int32_t*>(at) = to_integer(value);
            break;
        case FieldKind::optional_integer:
            *static_cast<std::optional<std::int32_t>*>(at) =
                value.empty() ? std::nullopt : std::optional(to_integer(value));
            break;
        case FieldKind::switch_word:
            *static_cast<Switch*>(at) = Switch(value);
            break;
        case FieldKind::shown_word:
            *static_cast<bool*>(at) = value == kShown;
            break;
    }
}

// The table's rows of one section: [first, last).
struct SectionRows {
    std::size_t first = 0;
    std::size_t last = 0;
};

SectionRows rows_of(std::string_view section) {
    SectionRows r;
    while (r.first < kTable.size() && kTable[r.first].section != section) ++r.first;
    r.last = r.first;
    while (r.last < kTable.size() && kTable[r.last].section == section) ++r.last;
    return r;
}

}  // namespace

std::span<const FieldRow> settings_table() {
    return kTable;
}

Settings parse_settings(std::string_view text) {
    Settings s;
    std::array<bool, kTable.size()> found{};
    SectionRows inside;  // empty outside the sections of the table
    std::size_t start = 0;
    // Lines end at CR or LF alone, as for single lookups (a CRLF leaves an empty line between).
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) end = text.size();
        const auto p = IniText::parse_line(text.substr(start, end - start));
        if (p.kind == IniText::Kind::section) {
            inside = rows_of(p.name);
        } else if (p.kind == IniText::Kind::item) {
            for (std::size_t i = inside.first; i < inside.last; ++i) {
                if (found[i] || kTable[i].key != p.name) continue;
                found[i] = true;
                store(kTable[i], s, p.value);
                break;
            }
        }
        start = end + 1;
    }
    return s;
}

const FieldRow& row_at(Settings& scratch, const void* address) {
    for (const FieldRow& row : kTable) {
        if (row.field(scratch) == address) return row;
    }
    std::abort();  // a field without a row: the table misses one
}

std::string field_text(FieldKind kind, bool value) {
    if (kind == FieldKind::shown_word) return std::string(value ? kShown : kHidden);
    return std::string(bool_text(value));
}

std::string field_text(FieldKind, std::int64_t value) {
    return int_text(value);
}

std::string field_text(FieldKind, std::string_view value) {
    return std::string(value);
}

std::int32_t ShutdownSettings::countdown_number() const {
    return to_integer(countdown_seconds);
}

}  // namespace horalune
