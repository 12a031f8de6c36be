// Whole-file access on POSIX systems (the headless build and the tests on Linux).
// Folder separators "\" are taken as "/", so paths formed the Windows way work here too.
#include "platform/files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <ctime>
#include <string>

#include "platform/file_counts.h"

namespace horalune::files {

namespace {

std::string native(const std::string& path) {
    std::string p = path;
    for (char& c : p) {
        if (c == '\\') c = '/';
    }
    return p;
}

bool write_all(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

void sync_parent_folder(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : path.substr(0, slash + 1);
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

std::int64_t nanoseconds(const timespec& t) {
    return static_cast<std::int64_t>(t.tv_sec) * 1'000'000'000 + t.tv_nsec;
}

}  // namespace

Look look(const std::string& path) {
    count_look();
    Look result;
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    result.now_ns = nanoseconds(now);
    struct stat st {};
    if (::stat(native(path).c_str(), &st) != 0) return result;
    result.stamp = {true, static_cast<std::uint64_t>(st.st_size), nanoseconds(st.st_mtim)};
    return result;
}

std::optional<std::string> read_all(const std::string& path) {
    count_read();
    const int fd = ::open(native(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return std::nullopt;
    }
    std::string bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (n == 0) break;
        bytes.append(buffer, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return bytes;
}

bool exists(const std::string& path) {
    struct stat st {};
    return ::stat(native(path).c_str(), &st) == 0;
}

bool write_atomic(const std::string& path, std::string_view bytes) {
    const std::string target = native(path);
    const std::string temp = target + std::string(kTempSuffix);
    mode_t mode = 0644;
    struct stat st {};
    if (::stat(target.c_str(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) return false;
        mode = st.st_mode & 07777;
        // Renaming over a read-only file would succeed on POSIX; Windows refuses, and so do we.
        if (::access(target.c_str(), W_OK) != 0) return false;
    }
    const int fd = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, mode);
    if (fd < 0) return false;
    const bool ok = write_all(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(temp.c_str(), target.c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    sync_parent_folder(target);
    return true;
}

bool remove(const std::string& path) {
    const std::string p = native(path);
    return ::unlink(p.c_str()) == 0 || errno == ENOENT;
}

}  // namespace horalune::files
