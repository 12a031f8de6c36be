// config.ini from any bytes, done in memory the way config_read and config_write do it: the
// designed items read as the clock reads them, and one item rewritten. The file's bytes survive
// decoding (GBK, or UTF-8 / UTF-16 with a byte-order mark), the typed settings read in one pass
// agree with single lookups, the rewritten value reads back, other items keep their values, and
// every other line keeps its text and its line ending.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "config/convert.h"
#include "config/ini_encoding.h"
#include "config/ini_text.h"
#include "config/names.h"
#include "config/settings_table.h"
#include "config/stored_value.h"
#include "config/time_of_day.h"
#include "ini_lines.h"

using horalune::fuzz::ini_lines;
using horalune::fuzz::only_item_changed;
using horalune::fuzz::utf8_sequence_length;

using namespace horalune;

namespace {

struct Item {
    std::string_view section;
    std::string_view key;
};

// Items of every kind of value: colours and numbers, words, times, paths and free text; one
// pair of plain ASCII names so that hand-written files reach the same paths.
constexpr Item kItems[] = {
    {cfg::kClock, cfg::kHourColour},
    {cfg::kClock, cfg::kStyle},
    {cfg::kClock, cfg::kBackground},
    {cfg::kDigital, cfg::kFontName},
    {cfg::kDigital, cfg::kFormat},
    {cfg::kOther, cfg::kHeart},
    {cfg::kReminder, cfg::kReminderTime},
    {cfg::kReminder, cfg::kReminderText},
    {cfg::kShutdown, cfg::kShutdownTime},
    {cfg::kChime, cfg::kSoundPath},
    {"x", "a"},
};
constexpr std::size_t kItemCount = std::size(kItems);

std::optional<std::string> read_item(std::string_view text, const Item& item) {
    const auto stored = find_ini_value(text, item.section, item.key);
    if (!stored) return std::nullopt;
    return load_value(*stored);
}

// What the readers do with a value: numbers, switches, times; and it must store losslessly.
void use_value(const std::string& value) {
    to_integer(value);
    is_on(value);
    if (const auto t = parse_time_of_day(value)) FUZZ_CHECK(t->hour >= 0 && t->hour <= 23);
    FUZZ_CHECK(load_value(store_value(value)) == value);
    FUZZ_CHECK(ini_lines(store_value(value)).size() <= 1);
}

// Values typed into the program are valid UTF-8. A value still holding a byte the codec could
// not decode cannot always be written back exactly: a lone lead byte before an escape's
// backslash is a valid GB18030 pair on disk. Such bytes only survive in lines left alone.
std::string as_typed(const std::string& value) {
    std::string out;
    for (std::size_t i = 0; i < value.size();) {
        const std::size_t n = utf8_sequence_length(value, i);
        if (n == 0) {
            out += '?';
            ++i;
        } else {
            out.append(value, i, n);
            i += n;
        }
    }
    return out;
}

// Each field of the one-pass read holds what a lookup of its key reads, as its kind reads it.
void check_settings(const std::string& text) {
    Settings s = parse_settings(text);
    for (const FieldRow& row : settings_table()) {
        const std::string value = read_item(text, {row.section, row.key}).value_or("");
        const void* at = row.field(s);
        switch (row.kind) {
            case FieldKind::text:
                FUZZ_CHECK(*static_cast<const std::string*>(at) == value);
                break;
            case FieldKind::integer:
                FUZZ_CHECK(*static_cast<const std::int32_t*>(at) == to_integer(value));
                break;
            case FieldKind::optional_integer: {
                const auto& number = *static_cast<const std::optional<std::int32_t>*>(at);
                FUZZ_CHECK(number ==
                           (value.empty() ? std::nullopt : std::optional(to_integer(value))));
                break;
            }
            case FieldKind::switch_word:
                FUZZ_CHECK(static_cast<const Switch*>(at)->on() == is_on(value));
                FUZZ_CHECK(static_cast<const Switch*>(at)->off() == (value == cfg::kFalse));
                break;
            case FieldKind::shown_word:
                FUZZ_CHECK(*static_cast<const bool*>(at) == (value == cfg::kShown));
                break;
        }
    }
}

void rewrite(const IniDecoded& file, const Item& item, const std::string& value) {
    const std::string& text = file.text;
    const std::string stored = store_value(value);
    IniText ini(text);
    ini.set(item.section, item.key, stored);
    // To disk and back in the file's own encoding, as the next config_read sees it.
    const std::string written = ini.text();
    const std::string reread = decode_ini(encode_ini({written, file.encoding, file.odd_byte})).text;
    FUZZ_CHECK(reread == written);

    FUZZ_CHECK(read_item(reread, item) == value);
    for (const Item& other : kItems) {
        if (other.section == item.section && other.key == item.key) continue;
        FUZZ_CHECK(read_item(reread, other) == read_item(text, other));
    }
    FUZZ_CHECK(only_item_changed(ini_lines(text), ini_lines(reread), item.section, item.key,
                                 std::string(item.key) + "=" + stored));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const IniDecoded decoded = decode_ini(bytes);
    const std::string& text = decoded.text;
    FUZZ_CHECK(encode_ini(decoded) == bytes);
    FUZZ_CHECK(IniText(text).text() == text);
    check_settings(text);

    std::vector<std::optional<std::string>> values;
    for (const Item& item : kItems) {
        values.push_back(read_item(text, item));
        if (values.back()) use_value(*values.back());
    }

    // The last two bytes choose the item to write and the item whose value it gets; with no
    // such value, the file's first line is typed in.
    const std::size_t target = size > 0 ? data[size - 1] % kItemCount : 0;
    const std::size_t source = size > 1 ? data[size - 2] % kItemCount : 0;
    std::string value = values[source] ? *values[source] : text.substr(0, text.find('\n'));
    rewrite(decoded, kItems[target], as_typed(value));
    return 0;
}
