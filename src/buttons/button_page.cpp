#include "buttons/button_page.h"

#include "buttons/function_buttons.h"
#include "buttons/icon_store.h"
#include "platform/files.h"

namespace horalune {

namespace button_page {

std::vector<ControlDesign> controls() {
    const Rect group{56, 25, 320, 224};
    ControlDesign list{kButtonList, ControlKind::list_box, {0, 39, 55, 210}};
    list.items = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    ControlDesign presets{"组合框1", ControlKind::drop_list, {240, 60, 87, 20}};
    presets.items = {"光驱开关", "上网下网", "资源管理", "空当接龙", "DOS系统", "录音机",
                     "计算器",   "记事本",   "画图",     "扫雷",     "预设命令"};
    presets.selected = 10;
    ControlDesign tooltip{
        kTooltipBox,
        ControlKind::edit,
        {80, 156, 230, 48},
        "本功能需要“提示信息模块”或“提示信息支持库”的支持，请到Kesto网站上去找吧！"};
    tooltip.multiline = true;
    const std::vector<ControlDesign> inside = {
        {"标签9", ControlKind::label, {8, 23, 80, 24}, "程序命令行："},
        {kCommandBox, ControlKind::edit, {80, 25, 230, 20}, "要执行的命令。"},
        {"标签25", ControlKind::label, {8, 61, 24, 30}, "预览图标"},
        {"画板1", ControlKind::picture_box, {40, 56, 32, 32}},
        {"更改图标", ControlKind::button, {80, 60, 65, 20}, "更改图标"},
        {"选择程序", ControlKind::button, {160, 60, 65, 20}, "选择程序"},
        presets,
        {"标签4", ControlKind::label, {8, 100, 64, 24}, "右键声音："},
        {kSoundBox,
         ControlKind::edit,
         {80, 100, 230, 20},
         "在功能按钮上用鼠标右键按下时播放的声音。"},
        {"选择声音1", ControlKind::button, {80, 127, 65, 20}, "选择声音"},
        {"试听1", ControlKind::button, {160, 127, 65, 20}, "试听"},
        {"打开录音机", ControlKind::button, {240, 127, 65, 20}, "录音机"},
        {"标签5", ControlKind::label, {8, 154, 64, 24}, "提示信息："},
        tooltip,
    };
    std::vector<ControlDesign> all = {
        {"标签31", ControlKind::label, {0, 19, 55, 24}, "项目列表"},
        list,
    };
    for (const ControlDesign& c : inside) all.push_back(placed_in(group, c));
    all.push_back({"分组框6", ControlKind::group_box, group, "参数配置"});
    return all;
}

}  // namespace button_page

namespace {

std::string working_copy(const std::string& program_dir) {
    return icon_store_path(program_dir, kWorkingCopyName);
}

}  // namespace

void prepare_button_page(Form& form, const std::string& program_dir) {
    copy_icon_store(icon_store_path(program_dir, kIconStoreName), working_copy(program_dir));
    form.set_selected(button_page::kButtonList, 0);
    set_current_button(form, program_dir);
}

void apply_button_page(const std::string& program_dir, AnalogWindow& clock) {
    copy_icon_store(working_copy(program_dir), icon_store_path(program_dir, kIconStoreName));
    load_button_icons(clock, program_dir);
}

void discard_button_page(const std::string& program_dir) {
    files::remove(working_copy(program_dir));
}

void set_current_button(Form& form, const std::string& program_dir) {
    const int n = std::max(form.selected(button_page::kButtonList), 0) + 1;
    const auto record = load_icon_record(working_copy(program_dir), n);
    if (!record) return;
    form.set_text(button_page::kCommandBox, record->command);
    form.set_text(button_page::kSoundBox, record->sound);
    form.set_text(button_page::kTooltipBox, record->tooltip);
}

}  // namespace horalune
