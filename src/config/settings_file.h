// config.ini as Settings, read again only when the file may have changed. A cheap look at its
// size and last-write time comes first. A write that leaves both as they were can only come
// within the timestamp's resolution of the write before it, so a file read that soon after its
// last write is read again at every look until a read comes later than that: a write in the
// same second is never missed. Writes are single items, as config_write does.
#pragma once

#include <cstdint>
#include <string>

#include "config/config.h"
#include "config/settings.h"
#include "config/settings_table.h"
#include "platform/files.h"

namespace horalune {

class SettingsFile {
  public:
    // The resolution of a whole-second write time: FAT's two seconds (the coarsest in use;
    // a whole second also stands for any file system that keeps seconds only).
    static constexpr std::int64_t kCoarseResolutionNs = 2'000'000'000;
    // A write time with a fraction comes from a finer clock (exFAT 10 ms, NTFS 100 ns, a
    // Linux kernel tick of a few ms): this covers all of them.
    static constexpr std::int64_t kFineResolutionNs = 50'000'000;
    static std::int64_t resolution_of(std::int64_t write_time_ns) {
        return write_time_ns % 1'000'000'000 == 0 ? kCoarseResolutionNs : kFineResolutionNs;
    }

    // The settings of the file at `path` as it is now.
    const Settings& current(const std::string& path);

    // Stores one field (its row of the table says where and how), then forgets the cache.
    template <class Part, class T, class V>
    void save(const std::string& path, T Part::*field, const V& value) {
        const FieldRow& row = row_of(field);
        save_text(path, row, field_text(row.kind, to_stored(value)));
    }

    void save_text(const std::string& path, const FieldRow& row, std::string_view text);

    // The settings as the last current() gave them, without a look at the file; none after a
    // save or before the first read.
    const Settings* last_read() const { return valid_ ? &settings_ : nullptr; }

    // The next current() reads the file whatever it looks like.
    void forget() { valid_ = false; }

  private:
    template <class V>
    static auto to_stored(const V& value) {
        if constexpr (std::is_same_v<V, bool>) {
            return value;
        } else if constexpr (std::is_integral_v<V>) {
            return static_cast<std::int64_t>(value);
        } else {
            return std::string_view(value);
        }
    }

    bool valid_ = false;
    bool settled_ = false;  // the last read came after the write time's resolution had passed
    std::string path_;
    files::Stamp stamp_;
    Settings settings_;
};

}  // namespace horalune
