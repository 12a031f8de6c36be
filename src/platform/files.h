// Whole-file access for the program's own small files (config.ini, the icon store).
// Paths are UTF-8; "\" and "/" both separate folders on every target.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace horalune::files {

// The whole file, or nothing when it is missing or cannot be read.
std::optional<std::string> read_all(const std::string& path);

// Replaces the file with `bytes` so that a reader, a crash or a full disk sees either the
// old or the new content, never a mix: the bytes go to a sibling temporary file which is
// flushed and then renamed over the target. Returns false (and leaves the old file as it
// was) when anything fails.
bool write_atomic(const std::string& path, std::string_view bytes);

// Whether anything exists at the path (a file that read_all could not read still exists).
bool exists(const std::string& path);

// Removes a file; false when it could not be removed (missing counts as removed).
bool remove(const std::string& path);

// What a cheap look at a file tells without reading it: enough to see that it changed.
struct Stamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t write_time_ns = 0;  // last write, nanoseconds since 1970 (UTC)
    bool operator==(const Stamp&) const = default;
};

// The file's stamp, and the system time of the look on the same scale as write_time_ns.
struct Look {
    Stamp stamp;
    std::int64_t now_ns = 0;
};
Look look(const std::string& path);

// How many times read_all has opened a file since the program started (benchmarks and tests
// count the reads a tick does).
std::uint64_t read_count();
// The same for look.
std::uint64_t look_count();

// Suffix of the sibling temporary files that write_atomic uses; a leftover from a crash
// is taken over (overwritten) by the next write of the same file.
constexpr std::string_view kTempSuffix = ".horalune-tmp";

}  // namespace horalune::files
