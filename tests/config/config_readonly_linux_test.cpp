// Failed writes on Linux: a folder the user may not write to, and a full disk. The checks run
// in a child process without root's rights, since root may write anywhere.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "config/config.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

// Runs `body` as an ordinary user in a child; returns its exit status.
template <typename Body>
int as_ordinary_user(Body body) {
    const pid_t pid = fork();
    if (pid == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) _exit(99);
        _exit(body());
    }
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 98;
}

TEST(ConfigFailedWriteTest, ReadOnlyFolderIsSilentAndKeepsTheFile) {
    testing::TempDir dir;
    const std::string ini = dir.file("config.ini");
    config_write(ini, "其它", "时钟状态", "显示");
    const std::string before = testing::read_bytes(ini);
    chmod(dir.path().c_str(), 0755);
    chmod((dir.path() + "/config.ini").c_str(), 0644);

    const int status = as_ordinary_user([&] {
        config_write(ini, "其它", "时钟状态", "隐藏");  // must neither crash nor change it
        return config_read(ini, "其它", "时钟状态") == "显示" ? 0 : 1;
    });
    EXPECT_EQ(status, 0);
    EXPECT_EQ(testing::read_bytes(ini), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.fs()), {}), 1);
}

TEST(ConfigFailedWriteTest, FullDiskLeavesTheOldFileWhole) {
    testing::TempDir dir;
    const std::string mount_point = dir.path() + "/small";
    std::filesystem::create_directory(mount_point);
    if (mount("tmpfs", mount_point.c_str(), "tmpfs", 0, "size=64k") != 0) {
        GTEST_SKIP() << "cannot mount a small tmpfs here";
    }
    const std::string ini = mount_point + "/config.ini";
    config_write(ini, "定时提醒", "提醒文字", "old");
    const std::string before = testing::read_bytes(ini);
    config_write(ini, "定时提醒", "提醒文字", std::string(100 * 1024, 'x'));
    EXPECT_EQ(testing::read_bytes(ini), before);
    EXPECT_EQ(config_read(ini, "定时提醒", "提醒文字"), "old");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(mount_point), {}), 1);
    umount(mount_point.c_str());
}

}  // namespace
}  // namespace horalune
