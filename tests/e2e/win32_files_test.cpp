// The Win32 back-end's file access and text conversion, run for real under Wine: UTF-8 names,
// both separators, atomic replacement that never leaves a half-written or stray file behind.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "platform/files.h"
#include "platform/win32/wide.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

using testing::read_bytes;
using testing::write_bytes;

TEST(Win32TextTest, RoundTripsThroughUtf16) {
    // CJK, a character outside the BMP (a surrogate pair in UTF-16) and an embedded NUL.
    const std::string samples[] = {"", "config.ini", "图标资源", "定时关机 \xF0\x9D\x84\x9E",
                                   std::string("a\0b", 3)};
    for (const std::string& s : samples) EXPECT_EQ(narrow(widen(s)), s) << s;
    EXPECT_EQ(widen("时钟"), L"\u65F6\u949F");
    EXPECT_EQ(widen("\xF0\x9D\x84\x9E").size(), 2u);
    EXPECT_EQ(widen_path("C:/a\\b/c"), L"C:\\a\\b\\c");
}

class Win32FilesTest : public ::testing::Test {
  protected:
    testing::TempDir dir;
    std::string target = dir.file("配置.ini");
    std::string temp = target + std::string(files::kTempSuffix);
    static void set_read_only(const std::string& path, bool on) {
        SetFileAttributesW(widen_path(path).c_str(),
                           on ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL);
    }
};

TEST_F(Win32FilesTest, WritesReadsAndReplacesWholeFiles) {
    const std::string bytes("[\xCA\xB1\xD6\xD3]\r\nk=\0v\r\n", 14);
    ASSERT_TRUE(files::write_atomic(target, bytes));
    EXPECT_EQ(files::read_all(target), bytes);
    EXPECT_EQ(read_bytes(target), bytes);  // as another reader sees it

    ASSERT_TRUE(files::write_atomic(target, "short"));
    EXPECT_EQ(files::read_all(target), "short");  // nothing of the longer content remains
    EXPECT_FALSE(files::exists(temp));

    ASSERT_TRUE(files::write_atomic(target, ""));
    EXPECT_EQ(files::read_all(target), "");
}

TEST_F(Win32FilesTest, AcceptsBothSeparators) {
    const std::string forward = dir.path() + "/配置.ini";
    ASSERT_TRUE(files::write_atomic(forward, "x=1"));
    EXPECT_EQ(files::read_all(target), "x=1");
    EXPECT_TRUE(files::exists(forward));
    EXPECT_TRUE(files::remove(forward));
    EXPECT_FALSE(files::exists(target));
}

TEST_F(Win32FilesTest, TakesOverALeftoverTemporaryFile) {
    write_bytes(temp, "half-written junk from a crash, longer than the new content");
    set_read_only(temp, true);
    ASSERT_TRUE(files::write_atomic(target, "new"));
    EXPECT_EQ(files::read_all(target), "new");
    EXPECT_FALSE(files::exists(temp));
}

TEST_F(Win32FilesTest, FailedWriteKeepsTheOldFileAndLeavesNoTemporary) {
    ASSERT_TRUE(files::write_atomic(target, "old"));
    set_read_only(target, true);
    EXPECT_FALSE(files::write_atomic(target, "new"));
    EXPECT_EQ(files::read_all(target), "old");
    EXPECT_FALSE(files::exists(temp));
    set_read_only(target, false);

    // A folder in the way, and a folder that does not exist.
    const std::string folder = dir.file("sub");
    ASSERT_TRUE(CreateDirectoryW(widen_path(folder).c_str(), nullptr));
    EXPECT_FALSE(files::write_atomic(folder, "x"));
    EXPECT_TRUE(files::exists(folder));
    EXPECT_FALSE(files::exists(folder + std::string(files::kTempSuffix)));
    EXPECT_FALSE(files::write_atomic(dir.file("missing\\config.ini"), "x"));
}

TEST_F(Win32FilesTest, MissingAndUnreadableThings) {
    EXPECT_EQ(files::read_all(dir.file("none.ini")), std::nullopt);
    EXPECT_EQ(files::read_all(dir.path()), std::nullopt);  // a folder is not a file
    EXPECT_EQ(files::read_all(""), std::nullopt);
    EXPECT_FALSE(files::exists(dir.file("none.ini")));
    EXPECT_TRUE(files::exists(dir.path()));
    EXPECT_TRUE(files::remove(dir.file("none.ini")));  // missing counts as removed
    EXPECT_TRUE(files::remove(dir.file("no-folder\\none.ini")));

    write_bytes(target, "kept");
    set_read_only(target, true);
    EXPECT_FALSE(files::remove(target));
    EXPECT_EQ(files::read_all(target), "kept");
    set_read_only(target, false);
    EXPECT_TRUE(files::remove(target));
    EXPECT_FALSE(files::exists(target));
}

}  // namespace
}  // namespace horalune
#endif  // _WIN32
