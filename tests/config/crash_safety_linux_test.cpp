// Writers killed at random moments: config.ini and the icon store must still hold either the
// old or the new content, byte for byte, and leave at most one temporary file per target,
// which the next write takes over. HORALUNE_CRASH_SEED=<n> replays a run.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "buttons/icon_store.h"
#include "config/config.h"
#include "platform/files.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

constexpr int kKills = 520;

std::uint64_t crash_seed() {
    if (const char* given = std::getenv("HORALUNE_CRASH_SEED")) {
        return std::strtoull(given, nullptr, 10);
    }
    return static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count());
}

// Kill delays from a microsecond to a few milliseconds. Half are spread evenly over the
// orders of magnitude, so the first steps of a write (reading, the temporary file's creation)
// get hit; half evenly over 0-6 ms, the span of a couple of whole writes.
class KillDelays {
  public:
    explicit KillDelays(std::uint64_t seed) : random_(seed) {}
    std::chrono::microseconds next() {
        if (random_() % 2 == 0) {
            std::uniform_real_distribution<double> exponent(0.0, std::log(4000.0));
            return std::chrono::microseconds(std::llround(std::exp(exponent(random_))));
        }
        return std::chrono::microseconds(std::uniform_int_distribution<int>(0, 6000)(random_));
    }

  private:
    std::mt19937_64 random_;
};

// Where a write keeps its bytes before they replace the file, as the POSIX layer spells it.
std::string native_temp(const std::string& path) {
    std::string p = path + std::string(files::kTempSuffix);
    std::replace(p.begin(), p.end(), '\\', '/');
    return p;
}

// Runs `write(i)` for i = 0, 1, 2, ... in a child process and kills it with SIGKILL `delay`
// after it has started, or - with `temp` - as soon as that temporary file shows, so that some
// kills surely land inside a write however fast or slow the machine is. Returns false unless
// the child died of exactly that kill.
template <typename Write>
bool kill_while_writing(Write write, std::chrono::microseconds delay,
                        const std::string& temp = {}) {
    int started[2];
    if (pipe(started) != 0) return false;
    const pid_t pid = fork();
    if (pid == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);  // never outlive a test that failed hard
        close(started[0]);
        const char go = 1;
        if (::write(started[1], &go, 1) != 1) _exit(2);
        for (unsigned i = 0; i < 1'000'000; ++i) write(i);
        _exit(1);
    }
    close(started[1]);
    char go = 0;
    const bool ran = pid > 0 && read(started[0], &go, 1) == 1;
    close(started[0]);
    if (pid < 0) return false;
    if (ran && temp.empty()) std::this_thread::sleep_for(delay);
    if (ran && !temp.empty()) {
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(5);
        while (access(temp.c_str(), F_OK) != 0 && std::chrono::steady_clock::now() < give_up) {
        }
    }
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    return ran && WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

std::set<std::string> folder_entries(const testing::TempDir& dir) {
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.fs())) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace(name.begin(), name.end());
    }
    return names;
}

std::string with_temp_suffix(const std::string& name) {
    return name + std::string(files::kTempSuffix);
}

// What the folder may hold: the targets, each with at most its one temporary file. Returns
// how many temporary files there are, or -1 for anything else in the folder.
int leftovers(const testing::TempDir& dir, const std::vector<std::string>& targets) {
    std::set<std::string> allowed;
    for (const std::string& t : targets) {
        allowed.insert(t);
        allowed.insert(with_temp_suffix(t));
    }
    int temps = 0;
    for (const std::string& name : folder_entries(dir)) {
        if (!allowed.contains(name)) return -1;
        if (name.ends_with(files::kTempSuffix)) ++temps;
    }
    return temps;
}

// A long text whose every line says which version and line it is, so no mix of two versions
// and no cut-off tail can pass for either.
std::string long_value(const std::string& tag, int lines) {
    std::string text;
    for (int i = 0; i < lines; ++i) {
        text += tag + "第" + std::to_string(i) + "行，提醒文字 reminder text;";
    }
    return text;
}

// The index of `bytes` among `versions`, or -1.
int version_of(const std::string& bytes, const std::vector<std::string>& versions) {
    for (std::size_t v = 0; v < versions.size(); ++v) {
        if (bytes == versions[v]) return static_cast<int>(v);
    }
    return -1;
}

// Versions 0 and 1 are long, and the child alternates between them, starting with the one
// not on disk (an unchanged item is not written at all). Versions 2 and 3 are short: the
// parent writes one after a kill that left a temporary file, which then holds more than that
// write puts in it, so a takeover that kept the leftover's tail would show.
int first_long_version(int on_disk) {
    return on_disk == 0 ? 1 : 0;
}
int short_version_besides(int on_disk) {
    return on_disk == 2 ? 3 : 2;
}

TEST(CrashSafetyTest, ConfigIniIsOldOrNewAfterEveryKill) {
    const std::uint64_t seed = crash_seed();
    SCOPED_TRACE("HORALUNE_CRASH_SEED=" + std::to_string(seed));
    testing::TempDir dir;
    const std::string ini = dir.file("config.ini");
    const std::vector<std::string> values = {long_value("甲", 900), long_value("乙", 600), "短",
                                             "小"};
    const auto write_version = [&](int v) { config_write(ini, "定时提醒", "提醒文字", values[v]); };
    config_write(ini, "其它", "时钟状态", "显示");
    write_version(0);
    config_write(ini, "整点报时", "声音路径", "C:\\chime.wav");
    std::vector<std::string> versions;
    for (int v = 0; v < 4; ++v) {
        write_version(v);
        versions.push_back(testing::read_bytes(ini));
    }
    ASSERT_GT(versions[1].size(), 20'000u);

    KillDelays delays(seed);
    int mid_write = 0, between = 0;
    int on_disk = 3;
    for (int kill = 0; kill < kKills; ++kill) {
        const int first = first_long_version(on_disk);
        const std::string watch = kill % 3 == 0 ? native_temp(ini) : std::string();
        ASSERT_TRUE(kill_while_writing([&](unsigned i) { write_version((first + i) % 2); },
                                       delays.next(), watch))
            << "kill " << kill;
        const std::string bytes = testing::read_bytes(ini);
        const int v = version_of(bytes, versions);
        ASSERT_TRUE(v == on_disk || v == 0 || v == 1)
            << "kill " << kill << ": config.ini holds " << bytes.size() << " bytes, version " << v;
        ASSERT_EQ(config_read(ini, "定时提醒", "提醒文字"), values[v]) << "kill " << kill;
        on_disk = v;
        const int temps = leftovers(dir, {"config.ini"});
        ASSERT_GE(temps, 0) << "kill " << kill << ": a stray file";
        if (temps == 0) {
            ++between;
            continue;
        }
        ++mid_write;
        // The next write takes the leftover over and leaves nothing behind.
        on_disk = short_version_besides(on_disk);
        write_version(on_disk);
        ASSERT_EQ(version_of(testing::read_bytes(ini), versions), on_disk) << "kill " << kill;
        ASSERT_EQ(leftovers(dir, {"config.ini"}), 0) << "kill " << kill;
    }
    std::printf(
        "[ crash safety ] config.ini: %d kills (seed %llu), %d mid-write, %d between "
        "writes\n",
        kKills, static_cast<unsigned long long>(seed), mid_write, between);
    // Both kinds of moment were hit, or the test proved little.
    EXPECT_GT(mid_write, kKills / 20);
    EXPECT_GT(between, kKills / 20);

    write_version(short_version_besides(on_disk));
    EXPECT_EQ(folder_entries(dir), std::set<std::string>{"config.ini"});
    EXPECT_EQ(config_read(ini, "其它", "时钟状态"), "显示");
    EXPECT_EQ(config_read(ini, "整点报时", "声音路径"), "C:\\chime.wav");
}

// Twelve records whose pictures take `picture_bytes` each; `tag` tells versions apart.
std::vector<IconRecord> store_records(const std::string& tag, std::size_t picture_bytes) {
    std::vector<IconRecord> records;
    for (int n = 1; n <= kIconRecordCount; ++n) {
        const std::string id = tag + std::to_string(n);
        std::string picture(picture_bytes, '\0');
        for (std::size_t i = 0; i < picture.size(); ++i) {
            picture[i] = static_cast<char>(
                (i * 131 + static_cast<std::size_t>(n) * 7 + static_cast<unsigned char>(tag[0])) &
                0xFF);
        }
        records.push_back({"prog" + id + ".exe", "C:\\声音\\" + id + ".wav", "提示" + id, picture,
                           "face5-" + id, "face6-" + id});
    }
    return records;
}

TEST(CrashSafetyTest, IconStoreIsOldOrNewAfterEveryKill) {
    const std::uint64_t seed = crash_seed() ^ 0x5A5A5A5AULL;
    SCOPED_TRACE("HORALUNE_CRASH_SEED=" + std::to_string(seed));
    testing::TempDir dir;
    // Applying the function-button page: the working copy is saved, then copied over the store.
    const std::string store = icon_store_path(dir.path(), kIconStoreName);
    const std::string work = icon_store_path(dir.path(), kWorkingCopyName);
    const std::string store_name = std::string(kIconStoreName) + std::string(kIconStoreExtension);
    const std::string work_name = std::string(kWorkingCopyName) + std::string(kIconStoreExtension);
    const std::vector<std::vector<IconRecord>> records = {
        store_records("x", 3000), store_records("y", 2000), store_records("z", 1),
        store_records("w", 0)};
    std::vector<std::string> versions;
    for (const auto& r : records) versions.push_back(encode_icon_store(r));
    ASSERT_GT(versions[1].size(), 20'000u);
    const auto apply = [&](int v) {
        return save_icon_store(work, records[v]) && copy_icon_store(work, store);
    };
    ASSERT_TRUE(apply(3));

    KillDelays delays(seed);
    int mid_write = 0, between = 0;
    int work_on_disk = 3, store_on_disk = 3;
    for (int kill = 0; kill < kKills; ++kill) {
        const int first = first_long_version(store_on_disk);
        const std::string watch = kill % 3 == 0 ? native_temp(store) : std::string();
        ASSERT_TRUE(
            kill_while_writing([&](unsigned i) { apply((first + i) % 2); }, delays.next(), watch))
            << "kill " << kill;
        // Each file on its own is whole: the store may still be the old one while the working
        // copy is already the new one.
        using File = std::pair<const std::string*, int*>;
        for (const auto& [path, on_disk] :
             {File{&work, &work_on_disk}, File{&store, &store_on_disk}}) {
            const std::string bytes = testing::read_bytes(*path);
            const int v = version_of(bytes, versions);
            ASSERT_TRUE(v == *on_disk || v == 0 || v == 1)
                << "kill " << kill << ": " << *path << " holds " << bytes.size()
                << " bytes, version " << v;
            ASSERT_EQ(load_icon_store(*path), records[v]) << "kill " << kill;
            *on_disk = v;
        }
        const int temps = leftovers(dir, {store_name, work_name});
        ASSERT_GE(temps, 0) << "kill " << kill << ": a stray file";
        if (temps == 0) {
            ++between;
            continue;
        }
        ++mid_write;
        store_on_disk = work_on_disk = short_version_besides(store_on_disk);
        ASSERT_TRUE(apply(store_on_disk)) << "kill " << kill;
        ASSERT_EQ(version_of(testing::read_bytes(work), versions), work_on_disk) << "kill " << kill;
        ASSERT_EQ(version_of(testing::read_bytes(store), versions), store_on_disk)
            << "kill " << kill;
        ASSERT_EQ(leftovers(dir, {store_name, work_name}), 0) << "kill " << kill;
    }
    std::printf(
        "[ crash safety ] icon store: %d kills (seed %llu), %d mid-write, %d between "
        "writes\n",
        kKills, static_cast<unsigned long long>(seed), mid_write, between);
    EXPECT_GT(mid_write, kKills / 20);
    EXPECT_GT(between, kKills / 20);

    ASSERT_TRUE(apply(short_version_besides(store_on_disk)));
    EXPECT_EQ(folder_entries(dir), (std::set<std::string>{store_name, work_name}));
}

}  // namespace
}  // namespace horalune
