// The icon store "图标资源" beside the program and its working copy "temp": whole-store
// reads and atomic writes. A missing or damaged store reads as nothing, never as a crash.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "buttons/icon_store_format.h"

namespace horalune {

constexpr std::string_view kIconStoreName = "图标资源";
constexpr std::string_view kWorkingCopyName = "temp";
constexpr std::string_view kIconStoreExtension = ".hrs";

// program_dir\<name>.hrs, joined the way config.ini's path is.
std::string icon_store_path(const std::string& program_dir, std::string_view name);

// All 12 records, or nothing when the file is missing, unreadable or damaged.
std::optional<std::vector<IconRecord>> load_icon_store(const std::string& path);

// Replaces the file atomically. Refuses (false, file untouched) anything but 12 records.
bool save_icon_store(const std::string& path, const std::vector<IconRecord>& records);

// Record n (1..12), or nothing when n is out of range or the store is missing or damaged.
std::optional<IconRecord> load_icon_record(const std::string& path, int n);

// Makes `to` an exact copy of `from`, atomically; false (and `to` untouched) unless
// `from` is an intact store.
bool copy_icon_store(const std::string& from, const std::string& to);

}  // namespace horalune
