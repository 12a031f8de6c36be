#include "support/temp_dir.h"

#include <atomic>
#include <chrono>
#include <fstream>
#include <iterator>
#include <system_error>

namespace horalune::testing {

namespace {

std::filesystem::path from_utf8(const std::string& s) {
    std::string native = s;
#ifndef _WIN32
    for (char& c : native) {
        if (c == '\\') c = '/';
    }
#endif
    return std::filesystem::path(std::u8string(native.begin(), native.end()));
}

std::string to_utf8(const std::filesystem::path& p) {
    const std::u8string s = p.u8string();
    return std::string(s.begin(), s.end());
}

}  // namespace

TempDir::TempDir() {
    static std::atomic<int> counter{0};
    const auto stamp = std::chrono::steady_clock::now().time_since_epoch().count();
    dir_ = std::filesystem::temp_directory_path() /
           ("horalune-test-" + std::to_string(stamp) + "-" + std::to_string(counter++));
    std::filesystem::create_directories(dir_);
}

TempDir::~TempDir() {
    std::error_code ec;
    std::filesystem::permissions(dir_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ec);
    std::filesystem::remove_all(dir_, ec);
}

std::string TempDir::path() const {
    return to_utf8(dir_);
}

std::string TempDir::file(const std::string& name) const {
    return path() + "\\" + name;
}

std::string read_bytes(const std::string& utf8_path) {
    std::ifstream in(from_utf8(utf8_path), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_bytes(const std::string& utf8_path, const std::string& bytes) {
    std::ofstream out(from_utf8(utf8_path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace horalune::testing
