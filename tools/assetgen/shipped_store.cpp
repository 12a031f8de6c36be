#include "shipped_store.h"

#include <algorithm>
#include <set>
#include <stdexcept>
#include <vector>

#include "buttons/icon_store_format.h"
#include "decoders.h"
#include "ui/art/pictograms.h"
#include "ui/art/picture_hash.h"
#include "ui/art/window_geometry.h"

namespace horalune::assets {

namespace {

struct DefaultButton {
    const char* command;
    const char* sound;
    const char* tooltip;
};

// Button n sits at n o'clock; its hover icon is button_pictogram(n).
const DefaultButton kDefaults[kIconRecordCount] = {
    {"notepad.exe", "", "打开记事本。"},
    {"calc.exe", "", "打开计算器。"},
    {"mspaint.exe", "", "打开画图。"},
    {"explorer.exe", "", "打开资源管理器。"},
    {"control.exe", "", "打开控制面板。"},
    {"cmd.exe", "", "打开命令提示符。"},
    {"taskmgr.exe", "", "打开任务管理器。"},
    {"charmap.exe", "", "打开字符映射表。"},
    {"magnify.exe", "", "打开放大镜。"},
    {"光驱开关", "C:\\Windows\\Media\\ding.wav", "打开或关闭光驱。"},
    {"上网下网", "", "拨号上网或断开网络。"},
    {"control.exe timedate.cpl", "C:\\Windows\\Media\\chimes.wav", "调整日期和时间。"},
};

std::string as_string(const Bytes& bytes) {
    return std::string(bytes.begin(), bytes.end());
}

RgbImage cut(const RgbImage& picture, const ButtonPlace& place) {
    RgbImage out{kButtonSize, kButtonSize,
                 std::vector<std::uint8_t>(std::size_t(kButtonSize) * kButtonSize * 3)};
    for (int y = 0; y < kButtonSize; ++y) {
        const auto* row =
            &picture.rgb[(std::size_t(place.top + y) * picture.width + place.left) * 3];
        std::copy(row, row + kButtonSize * 3, &out.rgb[std::size_t(y) * kButtonSize * 3]);
    }
    avoid_white(out);
    return out;
}

}  // namespace

ShippedStore shipped_icon_store(const Bytes& background1_jpg, const Bytes& background2_jpg) {
    const RgbImage background1 = decode_jpeg(background1_jpg);
    const RgbImage background2 = decode_jpeg(background2_jpg);
    ShippedStore store;
    std::vector<IconRecord> records;
    std::set<std::uint64_t> seen;
    const auto add = [&](const RgbImage& picture, int face, int button) {
        const std::uint64_t hash = picture_hash(to_image(picture));
        // Two equal pictures could not tell the program which one to draw.
        if (!seen.insert(hash).second) throw std::runtime_error("two store pictures hash alike");
        store.pictures.push_back({hash, face, button});
        return as_string(encode_png(picture));
    };
    for (int i = 0; i < kIconRecordCount; ++i) {
        const DefaultButton& d = kDefaults[i];
        const int button = i + 1;
        IconRecord record{d.command, d.sound, d.tooltip, {}, {}, {}};
        record.icon = add(pictogram(button_pictogram(button)), 0, button);
        record.face5 = add(cut(background1, kButtonPlaces[i]), 1, button);
        record.face6 = add(cut(background2, kButtonPlaces[i]), 2, button);
        records.push_back(std::move(record));
    }
    store.bytes = encode_icon_store(records);
    return store;
}

}  // namespace horalune::assets
