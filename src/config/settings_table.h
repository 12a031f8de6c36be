// The one table between config.ini and Settings: for each field its section, key and kind.
// It drives both reading (parse_settings) and writing (field_text, row_of).
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

#include "config/names.h"
#include "config/settings.h"

namespace horalune {

// How a field's text reads; each kind follows from the field's C++ type.
enum class FieldKind : std::uint8_t {
    text,              // std::string: the stored value as it is
    integer,           // std::int32_t: to_integer of the text ("" and words read 0)
    optional_integer,  // std::optional<std::int32_t>: none for an empty text, else to_integer
    switch_word,       // Switch: "真", "假" or anything else
    shown_word,        // bool: true exactly for "显示"; written "显示" or "隐藏"
};

template <class T>
constexpr FieldKind kind_of() {
    if constexpr (std::is_same_v<T, std::string>) return FieldKind::text;
    if constexpr (std::is_same_v<T, std::int32_t>) return FieldKind::integer;
    if constexpr (std::is_same_v<T, std::optional<std::int32_t>>) {
        return FieldKind::optional_integer;
    }
    if constexpr (std::is_same_v<T, Switch>) return FieldKind::switch_word;
    if constexpr (std::is_same_v<T, bool>) return FieldKind::shown_word;
}

struct FieldRow {
    cfg::Name section;
    cfg::Name key;
    FieldKind kind;
    void* (*field)(Settings&);  // where the value lives in a Settings
};

// A row for the field `Member` of the section struct `Part` of Settings.
template <auto Part, auto Member, class T = std::remove_cvref_t<decltype(Settings{}.*Part.*Member)>>
constexpr FieldRow field_row(cfg::Name section, cfg::Name key) {
    return {section, key, kind_of<T>(), [](Settings& s) -> void* { return &(s.*Part.*Member); }};
}

std::span<const FieldRow> settings_table();

// Every field from the (decoded) text of config.ini in one pass. As with single lookups, the
// first item of a key in a section of that name counts, and stored values are unquoted.
Settings parse_settings(std::string_view text);

// The section struct of type `Part` inside a Settings.
template <class Part>
Part& part_of(Settings& s) {
    if constexpr (std::is_same_v<Part, ClockSettings>) return s.clock;
    if constexpr (std::is_same_v<Part, DigitalSettings>) return s.digital;
    if constexpr (std::is_same_v<Part, OtherSettings>) return s.other;
    if constexpr (std::is_same_v<Part, ChimeSettings>) return s.chime;
    if constexpr (std::is_same_v<Part, ReminderSettings>) return s.reminder;
    if constexpr (std::is_same_v<Part, ShutdownSettings>) return s.shutdown;
}

// The row of the field at `address` inside `scratch`.
const FieldRow& row_at(Settings& scratch, const void* address);

template <class Part, class T>
const FieldRow& row_of(T Part::*member) {
    Settings scratch;
    return row_at(scratch, &(part_of<Part>(scratch).*member));
}

// The text a value is stored as in a field of this kind: switches "真"/"假", shown states
// "显示"/"隐藏", numbers in decimal; a text is stored as given, whatever the kind.
std::string field_text(FieldKind kind, bool value);
std::string field_text(FieldKind kind, std::int64_t value);
std::string field_text(FieldKind kind, std::string_view value);

}  // namespace horalune
