#include "shipped_store.h"

#include <algorithm>
#include <vector>

#include "buttons/icon_store_format.h"
#include "decoders.h"
#include "pictograms.h"
#include "window_geometry.h"

namespace horalune::assets {

namespace {

struct DefaultButton {
    const char* command;
    const char* sound;
    const char* tooltip;
    Paint (*pictogram)(double x, double y);
};

// Button n sits at n o'clock; the clock's own tool sits at twelve.
const DefaultButton kDefaults[kIconRecordCount] = {
    {"notepad.exe", "", "打开记事本。", notepad_pictogram},
    {"calc.exe", "", "打开计算器。", calculator_pictogram},
    {"mspaint.exe", "", "打开画图。", palette_pictogram},
    {"explorer.exe", "", "打开资源管理器。", folder_pictogram},
    {"control.exe", "", "打开控制面板。", gear_pictogram},
    {"cmd.exe", "", "打开命令提示符。", console_pictogram},
    {"taskmgr.exe", "", "打开任务管理器。", monitor_pictogram},
    {"charmap.exe", "", "打开字符映射表。", glyph_pictogram},
    {"magnify.exe", "", "打开放大镜。", magnifier_pictogram},
    {"光驱开关", "C:\\Windows\\Media\\ding.wav", "打开或关闭光驱。", disc_pictogram},
    {"上网下网", "", "拨号上网或断开网络。", globe_pictogram},
    {"control.exe timedate.cpl", "C:\\Windows\\Media\\chimes.wav", "调整日期和时间。",
     calendar_pictogram},
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

std::string shipped_icon_store(const Bytes& background1_jpg, const Bytes& background2_jpg) {
    const RgbImage background1 = decode_jpeg(background1_jpg);
    const RgbImage background2 = decode_jpeg(background2_jpg);
    std::vector<IconRecord> records;
    for (int i = 0; i < kIconRecordCount; ++i) {
        const DefaultButton& d = kDefaults[i];
        records.push_back({d.command, d.sound, d.tooltip,
                           as_string(encode_png(pictogram(d.pictogram))),
                           as_string(encode_png(cut(background1, kButtonPlaces[i]))),
                           as_string(encode_png(cut(background2, kButtonPlaces[i])))});
    }
    return encode_icon_store(records);
}

}  // namespace horalune::assets
