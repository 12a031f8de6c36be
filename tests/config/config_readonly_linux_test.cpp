// Failed writes on Linux: a folder or file the user may not write to, and a full disk, for
// config.ini and the icon store. The checks run in a child process without root's rights,
// since root may write anywhere.
#include <gtest/gtest.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "buttons/icon_store.h"
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

// Unmounts on every way out of a test.
struct SmallDisk {
    std::string path;
    bool mounted = false;
    explicit SmallDisk(std::string at) : path(std::move(at)) {
        std::filesystem::create_directory(path);
        mounted = mount("tmpfs", path.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~SmallDisk() {
        if (mounted) umount(path.c_str());
    }
};

std::vector<IconRecord> records_with_tooltips(const std::string& tip) {
    std::vector<IconRecord> records(kIconRecordCount);
    for (IconRecord& r : records) r.tooltip = tip;
    return records;
}

TEST(IconStoreFailedWriteTest, ReadOnlyFolderOrStoreRefusesAndKeepsTheStore) {
    testing::TempDir dir;
    const std::string store = icon_store_path(dir.path(), kIconStoreName);
    const std::string work = icon_store_path(dir.path(), kWorkingCopyName);
    const std::string store_file =
        dir.path() + "/" + std::string(kIconStoreName) + std::string(kIconStoreExtension);
    const auto old_records = records_with_tooltips("旧");
    const auto new_records = records_with_tooltips("新");
    ASSERT_TRUE(save_icon_store(store, old_records));
    ASSERT_TRUE(save_icon_store(work, new_records));
    const std::string before = testing::read_bytes(store);
    const auto try_to_replace = [&] {
        if (copy_icon_store(work, store)) return 1;
        if (save_icon_store(store, new_records)) return 2;
        return load_icon_store(store) == old_records ? 0 : 3;
    };

    // The store is the user's, the folder is not: only the folder says no.
    chmod(dir.path().c_str(), 0755);
    ASSERT_EQ(chown(store_file.c_str(), 65534, 65534), 0);
    EXPECT_EQ(as_ordinary_user(try_to_replace), 0);
    EXPECT_EQ(testing::read_bytes(store), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.fs()), {}), 2);

    // The folder is the user's, the store is read-only: refused, as Windows refuses it.
    ASSERT_EQ(chown(dir.path().c_str(), 65534, 65534), 0);
    chmod(store_file.c_str(), 0444);
    EXPECT_EQ(as_ordinary_user(try_to_replace), 0);
    EXPECT_EQ(testing::read_bytes(store), before);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.fs()), {}), 2);
}

TEST(IconStoreFailedWriteTest, FullDiskLeavesTheOldStoreWhole) {
    testing::TempDir dir;
    SmallDisk disk(dir.path() + "/small");
    if (!disk.mounted) GTEST_SKIP() << "cannot mount a small tmpfs here";
    const std::string store = icon_store_path(disk.path, kIconStoreName);
    const auto old_records = records_with_tooltips("旧");
    ASSERT_TRUE(save_icon_store(store, old_records));
    const std::string before = testing::read_bytes(store);
    // Far more than the disk holds; the working copy lives on the big disk.
    std::vector<IconRecord> big = records_with_tooltips("新");
    big[0].icon = std::string(100 * 1024, 'p');
    const std::string work = icon_store_path(dir.path(), kWorkingCopyName);
    ASSERT_TRUE(save_icon_store(work, big));

    EXPECT_FALSE(save_icon_store(store, big));
    EXPECT_EQ(testing::read_bytes(store), before);
    EXPECT_FALSE(copy_icon_store(work, store));
    EXPECT_EQ(testing::read_bytes(store), before);
    EXPECT_EQ(load_icon_store(store), old_records);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(disk.path), {}), 1);
}

}  // namespace
}  // namespace horalune
