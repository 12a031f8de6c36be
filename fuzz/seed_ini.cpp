// config.ini seeds: sections, keys and values of every form the program and hand editing
// produce, saved in GBK as on disk (and two in UTF-16, as "Unicode" editors save them).
#include <initializer_list>
#include <string_view>
#include <utility>

#include "config/gb18030.h"
#include "config/ini_encoding.h"
#include "config/names.h"
#include "seeds.h"

namespace horalune::fuzz {

namespace {

std::string gbk(std::string_view utf8) {
    return utf8_to_gb18030(utf8);
}

// One quoted dictionary token, bytes as \xNN.
std::string token(std::string_view bytes) {
    static const char* hex = "0123456789ABCDEF";
    std::string out = "\"";
    for (const unsigned char c : bytes) {
        out += "\\x";
        out += hex[c >> 4];
        out += hex[c & 15];
    }
    return out + "\"\n";
}

}  // namespace

std::vector<Seed> ini_seeds() {
    using namespace cfg;
    struct Section {
        std::string_view name;
        std::initializer_list<std::pair<std::string_view, std::string_view>> items;
    };
    const Section sections[] = {
        {kClock,
         {{kHourColour, "255"},
          {kMinuteColour, "65280"},
          {kHourLength, "30"},
          {kStyle, "5"},
          {kBackground, kBuiltin1},
          {kPictureMode, "1"},
          {kAutoHide, kFalse}}},
        {kDigital,
         {{kFontName, "宋体"}, {kFontSize, "12.5"}, {kFormat, "hh:mm:ss"}, {kKind, kKindUptime}}},
        {kOther, {{kHeart, kTrue}, {kDialNumber, ""}}},
        {kReminder,
         {{kReminderOn, kTrue},
          {kReminderTime, "2000年1月1日07:05:30"},
          {kReminderText, "\"  该休息了\\r\\n\\\"喝水\\\" \\\\ \""}}},
        {kShutdown, {{kShutdownTime, "23:59"}, {kCountdownSeconds, "-3.7e1"}}},
        {kChime, {{kSoundPath, "C:\\声音\\整点.wav"}}},
    };
    std::string full;
    for (const Section& section : sections) {
        full.append("[").append(section.name).append("]\r\n");
        for (const auto& [key, value] : section.items)
            full.append(key).append("=").append(value).append("\r\n");
    }

    const std::string hand_edited = "; 注释\n# comment\n\n  [ " + std::string(kClock) + " ]  \n " +
                                    std::string(kStyle) + " = 6 \nno equals here\n" +
                                    std::string(kStyle) + "=7\n[" + std::string(kClock) + "]\n" +
                                    std::string(kBackground) + "=D:\\图片\\a=b.jpg";
    const std::string endings =
        "[x]\ra=1\r\n\r\n[" + std::string(kOther) + "]\n" + std::string(kHeart) + "=\"\"\r[x]\na=2";
    // Bytes no GBK text has: lone 0x80 and 0xFF, a lead byte without its trail, a broken
    // four-byte code, and text only GB18030 writes (four-byte codes, the euro sign).
    const std::string odd = gbk("[x]\r\na=€😀\r\n") + "a=\x80\xFF\x81\r\n[\x84\x31\xA4]\r\nb=\x81";

    return {
        {"full.ini", gbk(full)},
        {"hand_edited.ini", gbk(hand_edited)},
        {"line_endings.ini", gbk(endings)},
        {"odd_bytes.ini", odd},
        {"utf8_bom.ini", "\xEF\xBB\xBF[x]\r\na=" + std::string(kTrue) + "\r\n"},
        {"utf16le.ini", encode_ini({full, IniEncoding::utf16le_bom, {}})},
        {"utf16be.ini", encode_ini({hand_edited, IniEncoding::utf16be_bom, {}})},
        {"empty.ini", ""},
    };
}

std::string ini_dictionary() {
    std::string dict;
    for (const std::string_view word :
         {"[", "]", "=", "\"", "\\\\", "\\\"", "\\r", "\\n", "\r\n", ";", " "}) {
        dict += token(word);
    }
    using namespace cfg;
    for (const std::string_view name :
         {kClock, kDigital, kOther, kChime, kReminder, kShutdown, kHourColour, kStyle, kBackground,
          kFontName, kFormat, kHeart, kReminderTime, kReminderText, kShutdownTime, kSoundPath,
          kTrue, kFalse}) {
        dict += token(gbk(name));
    }
    return dict;
}

std::vector<Seed> time_seeds() {
    std::vector<Seed> seeds;
    int n = 0;
    for (const std::string_view text :
         {"2000年1月1日07:05:30", "2000年1月1日7:5:30", "07:05", "07:5:", "23:59:59", "24:00",
          "2024-3-5 8:00:00", "2024/3/5T8:00", "12：30：00", " 08:00 ", "12.5", "-3.7", "1e3",
          "+2147483648", "abc", "7|5|30", "07||", "99|99|99"}) {
        seeds.push_back({"time" + std::to_string(++n), std::string(text)});
    }
    return seeds;
}

std::string time_dictionary() {
    std::string dict;
    for (const std::string_view word :
         {"2000", "年", "月", "日", ":", "：", "-", "/", "T", " ", ".", "e", "|"}) {
        dict += token(word);
    }
    return dict;
}

}  // namespace horalune::fuzz
