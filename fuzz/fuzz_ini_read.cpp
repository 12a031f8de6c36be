// config.ini from any bytes, done in memory the way config_read and config_write do it: the
// designed items read as the clock reads them, and one item rewritten. The file's bytes survive
// decoding, the rewritten value reads back, other items keep their values, and every other line
// keeps its text and its line ending.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "check.h"
#include "config/convert.h"
#include "config/gb18030.h"
#include "config/ini_text.h"
#include "config/names.h"
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

void rewrite(const std::string& text, const Item& item, const std::string& value) {
    const std::string stored = store_value(value);
    IniText ini(text);
    ini.set(item.section, item.key, stored);
    // To disk and back, as the next config_read sees it.
    const std::string written = ini.text();
    const std::string reread = gb18030_to_utf8(utf8_to_gb18030(written));
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
    const std::string text = gb18030_to_utf8(bytes);
    FUZZ_CHECK(utf8_to_gb18030(text) == bytes);
    FUZZ_CHECK(IniText(text).text() == text);

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
    rewrite(text, kItems[target], as_typed(value));
    return 0;
}
