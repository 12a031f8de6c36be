// Win32 access to the program's own files: whole reads, atomic replacement, existence, removal.
// Does not lock files against other writers, nor handle paths beyond MAX_PATH specially.
#include "platform/files.h"

#include <windows.h>

#include <algorithm>

#include "platform/file_counts.h"
#include "platform/win32/wide.h"

namespace horalune::files {
namespace {

// Closes the handle when it goes out of scope, so every early return stays leak-free.
class Handle {
  public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() { close(); }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool ok() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    bool close() {
        if (!ok()) return true;
        const bool closed = CloseHandle(h_) != 0;
        h_ = INVALID_HANDLE_VALUE;
        return closed;
    }

  private:
    HANDLE h_;
};

constexpr DWORD kChunk = 1u << 20;

bool write_all(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), kChunk));
        DWORD written = 0;
        if (!WriteFile(file, bytes.data(), want, &written, nullptr) || written == 0) return false;
        bytes.remove_prefix(written);
    }
    return true;
}

bool write_and_flush(const std::wstring& tmp, std::string_view bytes) {
    // A leftover from a crash may carry attributes (read-only, hidden) that make
    // CREATE_ALWAYS refuse it; clearing them lets the next write take it over.
    SetFileAttributesW(tmp.c_str(), FILE_ATTRIBUTE_NORMAL);
    Handle file(CreateFileW(tmp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return false;
    if (!write_all(file.get(), bytes)) return false;
    if (!FlushFileBuffers(file.get())) return false;
    return file.close();
}

// A FILETIME (100 ns since 1601) as nanoseconds since 1970.
std::int64_t nanoseconds(const FILETIME& t) {
    constexpr std::int64_t k1601To1970 = 116444736000000000;
    const std::int64_t ticks = static_cast<std::int64_t>(
        (static_cast<std::uint64_t>(t.dwHighDateTime) << 32) | t.dwLowDateTime);
    return (ticks - k1601To1970) * 100;
}

}  // namespace

Look look(const std::string& path) {
    count_look();
    Look result;
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    result.now_ns = nanoseconds(now);
    if (path.empty()) return result;
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(widen_path(path).c_str(), GetFileExInfoStandard, &data)) {
        return result;
    }
    const std::uint64_t size =
        (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    result.stamp = {true, size, nanoseconds(data.ftLastWriteTime)};
    return result;
}

std::optional<std::string> read_all(const std::string& path) {
    count_read();
    if (path.empty()) return std::nullopt;
    const std::wstring wide = widen_path(path);
    Handle file(CreateFileW(wide.c_str(), GENERIC_READ,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return std::nullopt;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size) || size.QuadPart < 0) return std::nullopt;

    std::string bytes;
    bytes.reserve(static_cast<std::size_t>(size.QuadPart));
    char buffer[64 * 1024];
    for (;;) {
        DWORD got = 0;
        if (!ReadFile(file.get(), buffer, sizeof buffer, &got, nullptr)) return std::nullopt;
        if (got == 0) break;
        bytes.append(buffer, got);
    }
    return bytes;
}

bool write_atomic(const std::string& path, std::string_view bytes) {
    if (path.empty()) return false;
    const std::wstring target = widen_path(path);
    // Windows refuses to replace a read-only file but Wine does not; refuse on both, before
    // anything is written.
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) != 0) {
        return false;
    }
    const std::wstring tmp = widen_path(path + std::string(kTempSuffix));
    if (write_and_flush(tmp, bytes) &&
        MoveFileExW(tmp.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        return true;
    }
    DeleteFileW(tmp.c_str());
    return false;
}

bool exists(const std::string& path) {
    if (path.empty()) return false;
    return GetFileAttributesW(widen_path(path).c_str()) != INVALID_FILE_ATTRIBUTES;
}

bool remove(const std::string& path) {
    if (path.empty()) return true;  // names no file, so there is nothing left to remove
    const std::wstring wide = widen_path(path);
    if (DeleteFileW(wide.c_str())) return true;
    const DWORD error = GetLastError();
    return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
}

}  // namespace horalune::files
