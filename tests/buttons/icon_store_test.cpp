// The icon store's byte format and its file functions.
#include "buttons/icon_store.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace horalune {
namespace {

using testing::TempDir;

// Twelve records with every kind of field content: empty, UTF-8, binary with NUL bytes.
std::vector<IconRecord> sample_records() {
    std::vector<IconRecord> records;
    for (int n = 1; n <= kIconRecordCount; ++n) {
        const std::string tag = std::to_string(n);
        records.push_back({n == 10 ? "光驱开关" : "prog" + tag + ".exe",
                           n % 4 == 0 ? "C:\\声音\\" + tag + ".wav" : "", "提示" + tag,
                           std::string("\x89PNG\0\r\n", 7) + tag, n % 3 ? "face5-" + tag : "",
                           std::string(std::size_t(n) * 3, char(0xFF - n))});
    }
    return records;
}

// A store small enough to damage at every position.
std::vector<IconRecord> tiny_records() {
    std::vector<IconRecord> records(kIconRecordCount);
    records[0].command = "a";
    records[11].face6 = "zz";
    return records;
}

void put_le32(std::string& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + i] = char((v >> (8 * i)) & 0xFF);
}

// Recomputes the checksum, so the structure checks behind it are reached.
std::string reseal(std::string bytes) {
    put_le32(bytes, bytes.size() - 4, crc32(std::string_view(bytes).substr(0, bytes.size() - 4)));
    return bytes;
}

TEST(IconStoreFormat, Crc32MatchesTheStandardCheckValues) {
    EXPECT_EQ(crc32(""), 0u);
    EXPECT_EQ(crc32("123456789"), 0xCBF43926u);
    EXPECT_EQ(crc32("The quick brown fox jumps over the lazy dog"), 0x414FA339u);
}

TEST(IconStoreFormat, RoundTripsEveryField) {
    const std::vector<IconRecord> records = sample_records();
    const auto decoded = decode_icon_store(encode_icon_store(records));
    ASSERT_TRUE(decoded);
    EXPECT_EQ(*decoded, records);
}

TEST(IconStoreFormat, LayoutIsTheDocumentedOne) {
    const std::string bytes = encode_icon_store(tiny_records());
    // Header, 72 length words, 3 bytes of content, checksum.
    ASSERT_EQ(bytes.size(), 8u + 72 * 4 + 3 + 4);
    EXPECT_EQ(bytes.substr(0, 8), std::string("HRIS\x01\x00\x0C\x00", 8));
    EXPECT_EQ(bytes.substr(8, 5), std::string("\x01\x00\x00\x00"
                                              "a",
                                              5));
    EXPECT_EQ(bytes.substr(bytes.size() - 10, 6), std::string("\x02\x00\x00\x00zz", 6));
    const std::uint32_t crc = crc32(std::string_view(bytes).substr(0, bytes.size() - 4));
    EXPECT_EQ(bytes.substr(bytes.size() - 4),
              std::string({char(crc), char(crc >> 8), char(crc >> 16), char(crc >> 24)}));
}

TEST(IconStoreFormat, AnyFlippedByteIsRejected) {
    const std::string good = encode_icon_store(tiny_records());
    for (std::size_t at = 0; at < good.size(); ++at) {
        for (const int mask : {0x01, 0x80, 0xFF}) {
            std::string bad = good;
            bad[at] = char(bad[at] ^ mask);
            EXPECT_FALSE(decode_icon_store(bad)) << "byte " << at << " ^ " << mask;
        }
    }
}

TEST(IconStoreFormat, EveryTruncationIsRejected) {
    const std::string good = encode_icon_store(tiny_records());
    for (std::size_t length = 0; length < good.size(); ++length) {
        EXPECT_FALSE(decode_icon_store(good.substr(0, length))) << "length " << length;
    }
}

TEST(IconStoreFormat, StructuralDamageIsRejectedEvenWithAMatchingChecksum) {
    const std::string good = encode_icon_store(sample_records());
    const std::size_t first_length = 8;
    const std::uint32_t last_size = std::uint32_t(sample_records()[11].face6.size());
    const std::size_t last_length = good.size() - 4 - last_size - 4;
    struct Case {
        const char* what;
        std::string bytes;
    };
    auto with_le32 = [&](std::size_t at, std::uint32_t v) {
        std::string b = good;
        put_le32(b, at, v);
        return b;
    };
    auto with_byte = [&](std::size_t at, char v) {
        std::string b = good;
        b[at] = v;
        return b;
    };
    auto with_records = [](int count) {
        std::vector<IconRecord> records = sample_records();
        records.resize(std::size_t(count));
        return encode_icon_store(records);
    };
    const Case cases[] = {
        {"wrong magic", reseal(with_byte(0, 'X'))},
        {"version 0", reseal(with_byte(4, 0))},
        {"version 2", reseal(with_byte(4, 2))},
        {"no records", with_records(0)},
        {"11 records", with_records(11)},
        {"13 records", with_records(13)},
        {"count says 11 over 12", reseal(with_byte(6, 11))},
        {"count says 13 over 12", reseal(with_byte(6, 13))},
        {"huge first length", reseal(with_le32(first_length, 0xFFFFFFFFu))},
        {"first length 2 GiB", reseal(with_le32(first_length, 0x80000000u))},
        {"last length one past the end", reseal(with_le32(last_length, last_size + 1))},
        // Record 12's face5 is empty, so its length word sits just before face6's.
        {"next to last length reaching into the checksum",
         reseal(with_le32(last_length - 4, 4 + last_size + 2))},
        {"last length short", reseal(with_le32(last_length, last_size - 1))},
        {"trailing garbage", reseal(good.substr(0, good.size() - 4) + "junk" + "CRC!")},
        {"trailing garbage after the checksum", good + std::string(1, '\0')},
        {"header only", reseal(good.substr(0, 8) + "CRC!")},
        {"empty", ""},
    };
    for (const Case& c : cases) EXPECT_FALSE(decode_icon_store(c.bytes)) << c.what;
    // The sealing itself is sound: an undamaged store sealed again still reads.
    EXPECT_TRUE(decode_icon_store(reseal(good)));
}

TEST(IconStoreFormat, FieldsByPosition) {
    IconRecord record{"cmd", "snd", "tip", "ico", "f5", "f6"};
    const IconRecord& view = record;
    const struct {
        int position;
        std::string* expected;
    } cases[] = {
        {1, &record.command}, {2, &record.sound}, {3, &record.tooltip},
        {4, &record.icon},    {5, &record.face5}, {6, &record.face6},
        {0, nullptr},         {7, nullptr},       {-1, nullptr},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(field(record, c.position), c.expected) << c.position;
        EXPECT_EQ(field(view, c.position), c.expected) << c.position;
    }
    EXPECT_EQ(*field(record, kFieldIcon), "ico");
}

std::vector<std::string> folder_entries(const TempDir& dir) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.fs())) {
        const std::u8string name = entry.path().filename().u8string();
        names.emplace_back(name.begin(), name.end());
    }
    return names;
}

TEST(IconStoreFile, PathJoinsTheProgramFolderAndTheExtension) {
    EXPECT_EQ(icon_store_path("C:\\程序", kIconStoreName), "C:\\程序\\图标资源.hrs");
    EXPECT_EQ(icon_store_path("C:\\程序", kWorkingCopyName), "C:\\程序\\temp.hrs");
}

TEST(IconStoreFile, SaveIsAtomicAndLoadReadsItBack) {
    TempDir dir;
    const std::string path = icon_store_path(dir.path(), kIconStoreName);
    ASSERT_TRUE(save_icon_store(path, sample_records()));
    EXPECT_EQ(folder_entries(dir), std::vector<std::string>{"图标资源.hrs"});
    EXPECT_EQ(load_icon_store(path), sample_records());

    // Overwriting keeps no leftovers either; a wrong record count is refused outright.
    ASSERT_TRUE(save_icon_store(path, tiny_records()));
    EXPECT_EQ(folder_entries(dir), std::vector<std::string>{"图标资源.hrs"});
    std::vector<IconRecord> eleven = sample_records();
    eleven.pop_back();
    EXPECT_FALSE(save_icon_store(path, eleven));
    EXPECT_EQ(load_icon_store(path), tiny_records());
}

TEST(IconStoreFile, RecordsByNumber) {
    TempDir dir;
    const std::string path = dir.file("store.hrs");
    EXPECT_FALSE(load_icon_store(path));
    EXPECT_FALSE(load_icon_record(path, 1)) << "missing store";
    ASSERT_TRUE(save_icon_store(path, sample_records()));
    const struct {
        int n;
        bool found;
    } cases[] = {{1, true}, {10, true}, {12, true}, {0, false}, {13, false}, {-1, false}};
    for (const auto& c : cases) {
        const auto record = load_icon_record(path, c.n);
        ASSERT_EQ(record.has_value(), c.found) << c.n;
        if (c.found) {
            EXPECT_EQ(*record, sample_records()[std::size_t(c.n - 1)]) << c.n;
        }
    }

    std::string damaged = testing::read_bytes(path);
    damaged[damaged.size() / 2] ^= 0x10;
    testing::write_bytes(path, damaged);
    EXPECT_FALSE(load_icon_store(path));
    EXPECT_FALSE(load_icon_record(path, 1)) << "damaged store";
}

TEST(IconStoreFile, CopyTakesOnlyAnIntactStore) {
    TempDir dir;
    const std::string store = icon_store_path(dir.path(), kIconStoreName);
    const std::string temp = icon_store_path(dir.path(), kWorkingCopyName);
    ASSERT_TRUE(save_icon_store(store, sample_records()));

    ASSERT_TRUE(copy_icon_store(store, temp));
    EXPECT_EQ(testing::read_bytes(temp), testing::read_bytes(store));

    // A damaged or missing source leaves the target exactly as it was.
    ASSERT_TRUE(save_icon_store(temp, tiny_records()));
    const std::string before = testing::read_bytes(temp);
    std::string damaged = testing::read_bytes(store);
    damaged.pop_back();
    testing::write_bytes(store, damaged);
    EXPECT_FALSE(copy_icon_store(store, temp));
    EXPECT_EQ(testing::read_bytes(temp), before);
    EXPECT_FALSE(copy_icon_store(dir.file("missing.hrs"), temp));
    EXPECT_EQ(testing::read_bytes(temp), before);

    EXPECT_FALSE(copy_icon_store(store, dir.file("new.hrs")));
    EXPECT_FALSE(std::filesystem::exists(dir.fs() / "new.hrs"));
    EXPECT_EQ(folder_entries(dir).size(), 2u);
}

}  // namespace
}  // namespace horalune
