#include "config/settings_file.h"

#include "config/ini_encoding.h"

namespace horalune {

const Settings& SettingsFile::current(const std::string& path) {
    // The look comes before the read: a write after the look changes the stamp that the next
    // call compares, so it is never mistaken for the content read here.
    const files::Look look = files::look(path);
    if (valid_ && settled_ && path == path_ && look.stamp == stamp_) return settings_;
    const auto bytes = files::read_all(path);
    settings_ = bytes ? parse_settings(decode_ini(*bytes).text) : Settings{};
    valid_ = true;
    path_ = path;
    stamp_ = look.stamp;
    settled_ = !look.stamp.exists ||
               look.now_ns - look.stamp.write_time_ns >= resolution_of(look.stamp.write_time_ns);
    return settings_;
}

void SettingsFile::save_text(const std::string& path, const FieldRow& row, std::string_view text) {
    config_write(path, row.section, row.key, text);
    forget();
}

}  // namespace horalune
