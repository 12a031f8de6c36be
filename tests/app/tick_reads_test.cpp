// How often the running program reads config.ini: not at all while the file stays as it was,
// once when it changes, and the change counts from the next second.
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

#include "platform/files.h"
#include "support/app_fixture.h"

namespace horalune {
namespace {

class TickReadsTest : public testing::AppFixture {
  protected:
    // As if another program had written the file a while ago: its write time is well past.
    void age_config() {
        std::filesystem::last_write_time(
            dir.fs() / "config.ini",
            std::filesystem::file_time_type::clock::now() - std::chrono::seconds(30));
    }
    std::uint64_t reads_in_one_second() {
        const std::uint64_t before = files::read_count();
        platform.advance(1000);
        return files::read_count() - before;
    }
    std::string armed(const std::string& reminder_time) {
        return "[整点报时]\n整点是否报时=真\n是否发声=真\n声音路径=c.wav\n是否震动=真\n"
               "[定时提醒]\n是否定时提醒=真\n提醒时间=2000年1月1日" +
               reminder_time +
               "\n是否文字提醒=真\n提醒文字=开会\n"
               "[定时关机]\n是否定时关机=真\n关机时间=2000年1月1日23:0:0\n倒计时间=30\n"
               "[时钟配置]\n自动隐藏=真\n[数字钟配置]\n自动隐藏=真\n[其它]\n数字钟状态=显示\n";
    }
};

TEST_F(TickReadsTest, UnchangedFileIsNotReadAndAChangeIsReadOnce) {
    write_config(armed("7:30:0"));
    age_config();
    platform.set_now({2026, 12, 8, 10, 15, 0, 0, 2});
    start();
    platform.advance(1000);
    for (int second = 0; second < 5; ++second) EXPECT_EQ(reads_in_one_second(), 0u);

    // Another program moves the reminder to three seconds from now.
    write_config(armed("10:15:09"));
    age_config();
    EXPECT_EQ(reads_in_one_second(), 1u);
    EXPECT_EQ(app->reminder_popup(), nullptr);
    EXPECT_EQ(reads_in_one_second(), 0u);
    EXPECT_EQ(app->reminder_popup(), nullptr);
    EXPECT_EQ(reads_in_one_second(), 0u);
    EXPECT_NE(app->reminder_popup(), nullptr);
}

// A second's work looks at the file once: the tick's checks and the auto-hide timer's arming
// all go by that one look. (With auto-hide on, that timer looks again three times a second.)
TEST_F(TickReadsTest, OneLookAtTheFileASecond) {
    std::string config = armed("7:30:0");
    for (std::size_t at; (at = config.find("自动隐藏=真")) != std::string::npos;) {
        config.replace(at, std::string("自动隐藏=真").size(), "自动隐藏=假");
    }
    write_config(config);
    age_config();
    platform.set_now({2026, 12, 8, 10, 15, 0, 0, 2});
    start();
    platform.advance(1000);
    for (int second = 0; second < 5; ++second) {
        const std::uint64_t before = files::look_count();
        platform.advance(1000);
        EXPECT_EQ(files::look_count() - before, 1u);
    }
}

}  // namespace
}  // namespace horalune
