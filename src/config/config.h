// config.ini: read and write single items; every call is a whole-file access (the settings
// layer, config/settings_file.h, reads all items at once and keeps them while the file is
// unchanged).
#pragma once

#include <string>
#include <string_view>

namespace horalune {

// The value of `key` in `section`; empty when the file, the section or the key is missing or
// the file cannot be read.
std::string config_read(const std::string& file, std::string_view section, std::string_view key);

// Creates or replaces the item (and the section and the file when missing). The file is
// replaced atomically; a failed write (read-only folder, full disk, unreadable file) changes
// nothing and is silent, as callers expect.
void config_write(const std::string& file, std::string_view section, std::string_view key,
                  std::string_view value);

}  // namespace horalune
