// config.ini is read again only when it may have changed: its size or last-write time moved,
// or its last write lies within two seconds (FAT's resolution) of the look.
#include "config/settings_file.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "config/config.h"
#include "config/gb18030.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

using testing::write_bytes;

class SettingsFileTest : public ::testing::Test {
  protected:
    // Sets the file's last write `ms` before now (a whole second when `whole`, as FAT keeps
    // it), and back to that same moment later.
    void age(int ms, bool whole = false) {
        using namespace std::chrono;
        written_ = std::filesystem::file_time_type::clock::now() - milliseconds(ms);
        if (whole) written_ = floor<seconds>(written_);
        std::filesystem::last_write_time(native(), written_);
    }
    void restore_write_time() { std::filesystem::last_write_time(native(), written_); }
    std::filesystem::path native() const { return dir.fs() / "config.ini"; }
    void write(const std::string& utf8) { write_bytes(ini, utf8_to_gb18030(utf8)); }

    // Reads done by `current()` (and everything else) while `f` runs.
    template <class F>
    std::uint64_t reads_during(F f) {
        const std::uint64_t before = files::read_count();
        f();
        return files::read_count() - before;
    }

    testing::TempDir dir;
    std::string ini = dir.file("config.ini");
    SettingsFile file;
    std::filesystem::file_time_type written_;
};

TEST_F(SettingsFileTest, AnUnchangedSettledFileIsReadOnce) {
    write("[定时关机]\n倒计时间=30\n");
    age(10000);
    EXPECT_EQ(reads_during([&] { EXPECT_EQ(file.current(ini).shutdown.countdown_number(), 30); }),
              1u);
    EXPECT_EQ(reads_during([&] {
                  for (int i = 0; i < 5; ++i) file.current(ini);
              }),
              0u);
}

TEST_F(SettingsFileTest, AChangedSizeOrWriteTimeIsReadAgain) {
    write("[定时关机]\n倒计时间=30\n");
    age(10000);
    file.current(ini);
    write("[定时关机]\n倒计时间=300\n");  // another size
    age(10000);                           // and an old time: the size alone tells
    EXPECT_EQ(file.current(ini).shutdown.countdown_number(), 300);
    write("[定时关机]\n倒计时间=400\n");  // same size
    age(20000);                           // another old time
    EXPECT_EQ(file.current(ini).shutdown.countdown_number(), 400);
}

// A second write within the resolution of the write time leaves the size and the time as they
// were; a read that came so soon after a write is not trusted. Whole seconds are taken as FAT's
// two, a write time with a fraction as a fine clock's.
TEST_F(SettingsFileTest, AFileWrittenWithinTheResolutionIsReadAtEveryLook) {
    struct Case {
        int ms_ago;
        bool whole_second;
        bool read_again;
    };
    const Case cases[] = {{1000, true, true},
                          {0, true, true},
                          {3000, true, false},
                          {-1000, false, true},
                          {1000, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.ms_ago) + (c.whole_second ? " ms, whole" : " ms"));
        SettingsFile fresh;
        write("[定时关机]\n倒计时间=30\n");
        age(c.ms_ago, c.whole_second);
        // Some runtimes set write times in whole seconds only (MinGW's std::filesystem).
        const bool whole = files::look(ini).stamp.write_time_ns % 1'000'000'000 == 0;
        if (whole != c.whole_second) {
            std::printf("[ skipped ] a write time with a fraction cannot be set here\n");
            continue;
        }
        EXPECT_EQ(fresh.current(ini).shutdown.countdown_number(), 30);
        write("[定时关机]\n倒计时间=40\n");
        restore_write_time();  // same size, same time
        EXPECT_EQ(reads_during([&] { fresh.current(ini); }), c.read_again ? 1u : 0u);
        if (c.read_again) {
            EXPECT_EQ(fresh.current(ini).shutdown.countdown_number(), 40);
        }
    }
}

TEST_F(SettingsFileTest, AMissingFileReadsAsDefaultsUntilItAppears) {
    EXPECT_FALSE(file.current(ini).chime.on.on());
    EXPECT_EQ(reads_during([&] { file.current(ini); }), 0u);
    write("[整点报时]\n整点是否报时=真\n");
    EXPECT_TRUE(file.current(ini).chime.on.on());
    std::filesystem::remove(native());
    EXPECT_FALSE(file.current(ini).chime.on.on());
}

TEST_F(SettingsFileTest, OwnWritesAndAnotherPathAreSeenAtOnce) {
    write("[其它]\n跳动的心=真\n");
    age(10000);
    file.current(ini);
    file.save(ini, &OtherSettings::heart, false);
    EXPECT_TRUE(file.current(ini).other.heart.off());
    // The write goes through config_write, whatever the cache holds.
    config_write(ini, "其它", "跳动的心", "真");
    EXPECT_TRUE(file.current(ini).other.heart.on());

    const std::string other = dir.file("other.ini");
    write_bytes(other, utf8_to_gb18030("[其它]\n跳动的心=假\n"));
    EXPECT_TRUE(file.current(other).other.heart.off());
}

}  // namespace
}  // namespace horalune
