// The settings of config.ini as typed values: one plain struct per section. Each field's key
// and how its text is read are in the field table (config/settings_table.cpp); a default is
// what a missing key reads as. Adding a setting: a field here, a row in that table.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "config/names.h"

namespace horalune {

// A 真/假 switch as the file holds it. Most checks count only "真" as on; a few count
// everything but "假" as on (a switch that is on until switched off), so both are kept.
class Switch {
  public:
    enum class State : std::uint8_t { unset, on, off };
    Switch() = default;
    explicit Switch(std::string_view text)
        : state_(text == cfg::kTrue    ? State::on
                 : text == cfg::kFalse ? State::off
                                       : State::unset) {}
    bool on() const { return state_ == State::on; }    // exactly "真"
    bool off() const { return state_ == State::off; }  // exactly "假"
    bool operator==(const Switch&) const = default;

  private:
    State state_ = State::unset;
};

// 时钟配置
struct ClockSettings {
    std::int32_t hour_colour = 0;  // 时针颜色 0x00BBGGRR
    std::int32_t minute_colour = 0;
    std::int32_t second_colour = 0;
    std::int32_t hour_length = 0;  // 时针长度: pixels the tip stays inside the edge
    std::int32_t minute_length = 0;
    std::int32_t second_length = 0;
    std::int32_t hour_length_level = 0;  // 时针长度1: 1-based item of the page's list
    std::int32_t minute_length_level = 0;
    std::int32_t second_length_level = 0;
    std::int32_t hour_width = 0;  // 时针宽度: pen width
    std::int32_t minute_width = 0;
    std::int32_t second_width = 0;
    std::string style;              // 风格: "5" 界面风格1, "6" 界面风格2
    std::string background;         // 底图: "默认1", "默认2" or a picture file
    std::int32_t picture_mode = 0;  // 方式
    Switch auto_hide;               // 自动隐藏

    // 风格's numbers: the two looks of the face and the buttons.
    static constexpr int kFirstStyleNumber = 5;   // 界面风格1
    static constexpr int kSecondStyleNumber = 6;  // 界面风格2
    static constexpr std::string_view kFirstStyle = "5";
    bool first_style() const { return style == kFirstStyle; }
};

// 数字钟配置
struct DigitalSettings {
    std::int32_t width = 0;  // 宽度; 0 or less: the designed size
    std::int32_t height = 0;
    std::string kind;                         // 类型: "时间" or "已运行时间"
    std::string format;                       // 格式: "0" 24 hours, "2" 12 hours
    std::optional<std::int32_t> text_colour;  // 文本颜色; none when nothing is saved
    std::optional<std::int32_t> back_colour;  // 背景颜色
    std::string font_name;                    // 字体名称
    std::optional<std::int32_t> font_size;    // 字体大小
    Switch has_picture;                       // 有无底图
    std::string background;                   // 底图
    std::int32_t picture_mode = 0;            // 方式
    Switch auto_hide;                         // 自动隐藏

    static constexpr std::string_view kTwelveHours = "2";
    static constexpr std::string_view kTwentyFourHours = "0";
    bool twelve_hours() const { return format == kTwelveHours; }
};

// 其它
struct OtherSettings {
    bool digital_shown = false;  // 数字钟状态: "显示" or "隐藏"
    bool clock_shown = false;    // 时钟状态
    Switch heart;                // 跳动的心: beats unless "假"
    std::string dial_number;     // 默认拨号号码
};

// 整点报时
struct ChimeSettings {
    Switch on;                       // 整点是否报时
    Switch vibrate;                  // 是否震动
    std::int32_t vibrate_level = 0;  // 震动级别
    Switch sound_on;                 // 是否发声
    std::string sound_path;          // 声音路径
};

// 定时提醒
struct ReminderSettings {
    Switch on;                       // 是否定时提醒
    std::string time;                // 提醒时间, as time_of_day_text writes it
    Switch text_on;                  // 是否文字提醒
    std::string text;                // 提醒文字
    Switch vibrate;                  // 是否震动
    std::int32_t vibrate_level = 0;  // 震动级别
    Switch sound_on;                 // 是否发声
    std::string sound_path;          // 声音路径
};

// 定时关机
struct ShutdownSettings {
    Switch on;                      // 是否定时关机
    std::string time;               // 关机时间
    std::int32_t mode = 0;          // 关机方式: 1-based item of the page's list
    Switch force_close;             // 是否强制关闭
    Switch countdown_on;            // 是否倒计时: the prompt shows unless "假"
    std::string countdown_seconds;  // 倒计时间, as typed (the page shows it back as it is)
    Switch sound_on;                // 是否发声
    std::string sound_path;         // 声音路径

    std::int32_t countdown_number() const;
};

struct Settings {
    ClockSettings clock;
    DigitalSettings digital;
    OtherSettings other;
    ChimeSettings chime;
    ReminderSettings reminder;
    ShutdownSettings shutdown;
};

}  // namespace horalune
