// The reminder and shutdown pages' binding tables: what a page loads from config.ini it saves
// back unchanged, into a file emptied meanwhile (so each control is tied to its own key both
// ways, levels and modes 1-based), and every control that shows a setting has its row.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "config/config.h"
#include "config/names.h"
#include "events/reminder_page.h"
#include "events/shutdown_page.h"
#include "settings/settings_dialog.h"
#include "support/app_fixture.h"
#include "support/form_driver.h"

namespace horalune {
namespace {

using namespace cfg;

struct Item {
    std::string_view section, key;
};

// Every key the two pages bind but the times, which load the time now.
constexpr Item kReminderItems[] = {
    {kChime, kChimeOn},      {kChime, kVibrate},           {kChime, kVibrateLevel},
    {kChime, kSoundOn},      {kChime, kSoundPath},         {kReminder, kReminderOn},
    {kReminder, kVibrate},   {kReminder, kVibrateLevel},   {kReminder, kSoundOn},
    {kReminder, kSoundPath}, {kReminder, kReminderTextOn}, {kReminder, kReminderText},
};
constexpr Item kShutdownItems[] = {
    {kShutdown, kShutdownOn},  {kShutdown, kShutdownMode},     {kShutdown, kForceClose},
    {kShutdown, kCountdownOn}, {kShutdown, kCountdownSeconds}, {kShutdown, kSoundOn},
    {kShutdown, kSoundPath},
};

class PageBindingsTest : public testing::AppFixture {
  protected:
    void SetUp() override {
        platform.set_now({.year = 2026, .hour = 14, .minute = 5, .second = 9});
    }
    std::string read(const Item& item) {
        return config_read(config_path(), item.section, item.key);
    }
};

TEST_F(PageBindingsTest, WhatAPageLoadsItSavesBackUnchanged) {
    // Neighbouring keys differ in each file, so a row tied to the wrong key shows.
    const struct {
        int page;
        std::string file;
        std::span<const Item> items;
        Item time;  // saved as the boxes showed it: the time of opening
    } cases[] = {
        {settings::kReminderPage,
         "[整点报时]\n整点是否报时=真\n是否震动=真\n震动级别=4\n是否发声=假\n声音路径=C:\\chime."
         "wav\n"
         "[定时提醒]\n是否定时提醒=假\n是否震动=假\n震动级别=2\n是否发声=真\n"
         "声音路径=C:\\remind.mid\n是否文字提醒=真\n提醒文字=开会\n",
         kReminderItems,
         {kReminder, kReminderTime}},
        {settings::kReminderPage,
         "[整点报时]\n整点是否报时=假\n是否震动=假\n震动级别=1\n是否发声=真\n声音路径=D:\\a.wav\n"
         "[定时提醒]\n是否定时提醒=真\n是否震动=真\n震动级别=5\n是否发声=假\n"
         "声音路径=D:\\b.wav\n是否文字提醒=假\n提醒文字=喝水\n",
         kReminderItems,
         {kReminder, kReminderTime}},
        {settings::kShutdownPage,
         "[定时关机]\n是否定时关机=真\n关机方式=3\n是否强制关闭=假\n是否倒计时=真\n倒计时间=25\n"
         "是否发声=假\n声音路径=C:\\tick.wav\n",
         kShutdownItems,
         {kShutdown, kShutdownTime}},
        {settings::kShutdownPage,
         "[定时关机]\n是否定时关机=假\n关机方式=1\n是否强制关闭=真\n是否倒计时=假\n倒计时间=7\n"
         "是否发声=真\n声音路径=D:\\end.wav\n",
         kShutdownItems,
         {kShutdown, kShutdownTime}},
    };
    for (const auto& c : cases) {
        write_config(c.file);
        if (!app) start();
        std::vector<std::string> before;
        for (const Item& item : c.items) before.push_back(read(item));
        app->open_settings(c.page);
        write_config("");  // whatever the page saves comes from what it showed
        testing::FormDriver{platform, app->settings_dialog()->form()}.press(settings::kOk);
        ASSERT_FALSE(app->settings_dialog_open());
        for (std::size_t i = 0; i < c.items.size(); ++i) {
            EXPECT_EQ(read(c.items[i]), before[i])
                << c.page << " " << c.items[i].section << "/" << c.items[i].key;
        }
        EXPECT_EQ(read(c.time), "2000年1月1日14:5:9") << c.page;
    }
}

TEST_F(PageBindingsTest, EveryControlShowingASettingHasItsRow) {
    Globals globals;
    const struct {
        const char* page;
        std::vector<ControlDesign> controls;
        std::span<const Binding> table;
        std::vector<std::string_view> not_settings;  // lists that only fill the time boxes
    } pages[] = {
        {"reminder",
         ReminderPage(platform, globals).controls(),
         reminder_page::bindings(),
         {reminder_page::kPresets}},
        {"shutdown",
         ShutdownPage(platform, globals).controls(),
         shutdown_page::bindings(),
         {shutdown_page::kPresets}},
    };
    for (const auto& p : pages) {
        std::vector<std::string_view> bound;
        for (const Binding& row : p.table) {
            bound.push_back(row.control);
            if (row.kind == BindingKind::time_of_day) {
                bound.push_back(row.time.minute);
                bound.push_back(row.time.second);
            }
        }
        for (const ControlDesign& c : p.controls) {
            const bool shows_a_setting =
                c.kind == ControlKind::check_box || c.kind == ControlKind::edit ||
                c.kind == ControlKind::drop_list || c.kind == ControlKind::check_list;
            if (!shows_a_setting || std::ranges::count(p.not_settings, c.name) > 0) continue;
            EXPECT_EQ(std::ranges::count(bound, c.name), 1) << p.page << ": " << c.name;
        }
    }
}

}  // namespace
}  // namespace horalune
