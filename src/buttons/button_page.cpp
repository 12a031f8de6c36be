#include "buttons/button_page.h"

#include <algorithm>

#include "buttons/function_buttons.h"
#include "buttons/icon_store.h"
#include "buttons/sound_pickers.h"
#include "config/names.h"
#include "platform/files.h"
#include "ui/bmp_encode.h"
#include "ui/caption_list.h"
#include "ui/picture.h"

namespace horalune {

namespace button_page {

std::vector<ControlDesign> controls() {
    const Rect group{56, 25, 320, 224};
    ControlDesign list{kButtonList, ControlKind::list_box, {0, 39, 55, 210}};
    list.items = {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
    ControlDesign presets{kPresets, ControlKind::drop_list, {240, 60, 87, 20}};
    for (const Preset& preset : kPresetTable) presets.items.push_back(preset.item);
    presets.items.push_back(kPresetCaption);
    presets.selected = kPresetCount;
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
        {kIconPreview, ControlKind::icon, {40, 56, 32, 32}},
        {kChangeIcon, ControlKind::button, {80, 60, 65, 20}, "更改图标"},
        {kChooseProgram, ControlKind::button, {160, 60, 65, 20}, "选择程序"},
        presets,
        {"标签4", ControlKind::label, {8, 100, 64, 24}, "右键声音："},
        {kSoundBox,
         ControlKind::edit,
         {80, 100, 230, 20},
         "在功能按钮上用鼠标右键按下时播放的声音。"},
        {kSoundPicker, ControlKind::button, {80, 127, 65, 20}, "选择声音"},
        {kSoundPreview, ControlKind::button, {160, 127, 65, 20}, "试听"},
        {kRecorder, ControlKind::button, {240, 127, 65, 20}, "录音机"},
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

using namespace button_page;

namespace {

std::string working_copy(const std::string& program_dir) {
    return icon_store_path(program_dir, kWorkingCopyName);
}

int current_number(const Form& form) {
    return std::max(form.selected(kButtonList), 0) + 1;
}

// Shows the icon and writes it into the current record.
void set_icon(Form& form, const std::string& program_dir, const Image& icon) {
    form.set_picture(kIconPreview, icon);
    edit_current_record(form, program_dir,
                        [&icon](IconRecord& record) { record.icon = encode_bmp_keyed(icon); });
}

void choose_program(Form& form, Platform& platform) {
    const auto path = platform.choose_file(form.window(), std::string(kFileDialogTitle),
                                           std::string(kProgramFilter));
    if (!path) return;
    const std::string dir = platform.program_dir();
    const Image icon = platform.file_icon(*path);
    form.set_picture(kIconPreview, icon);
    // A program's own name says more than the tooltip of whatever the button ran before.
    form.set_text(kTooltipBox, "");
    form.set_text(kCommandBox, *path);
    edit_current_record(form, dir, [&](IconRecord& record) {
        record.icon = encode_bmp_keyed(icon);
        record.tooltip.clear();
        record.command = *path;
    });
}

void change_icon(Form& form, Platform& platform) {
    const auto path = platform.choose_file(form.window(), std::string(kFileDialogTitle),
                                           std::string(kIconFilter));
    if (!path) return;
    set_icon(form, platform.program_dir(), platform.file_icon(*path));
}

void choose_preset(Form& form, Platform& platform, Globals& globals, int k) {
    const std::string dir = platform.program_dir();
    // The icon comes first, whatever follows: even a cancelled number prompt keeps it.
    set_icon(form, dir, preset_icon(dir, k));
    if (k == kDialPreset) {
        const auto number =
            platform.input_box(form.window(), std::string(kDialPrompt),
                               std::string(kDialPromptTitle), std::string(kDialPromptInitial));
        if (number) globals.save(&OtherSettings::dial_number, *number);
        form.set_text(kTooltipBox, std::string(kDialTooltip));
        form.set_text(kCommandBox, std::string(kDialCommand));
        edit_current_record(form, dir, [&form](IconRecord& record) {
            record.command = kDialCommand;
            record.tooltip = form.text(kTooltipBox);
        });
        return;
    }
    std::string command(kPresetTable[static_cast<std::size_t>(k)].command);
    if (k == kDosPreset) command = platform.is_nt_family() ? kDosCommandNt : kDosCommandOld;
    const std::string item(kPresetTable[static_cast<std::size_t>(k)].item);
    form.set_text(kCommandBox, command);
    form.set_text(kTooltipBox, item);
    edit_current_record(form, dir, [&](IconRecord& record) {
        record.command = command;
        record.tooltip = item;
    });
}

// Each box writes its whole content into its field at every change.
void bind_box(Form& form, Platform& platform, std::string_view box,
              std::string IconRecord::*field) {
    form.on_control(box, ControlEvent::changed, [&form, &platform, box, field] {
        const std::string text = form.text(box);
        edit_current_record(form, platform.program_dir(),
                            [&](IconRecord& record) { record.*field = text; });
    });
}

}  // namespace

void bind_button_page(Form& form, Platform& platform, Globals& globals) {
    form.on_control(kButtonList, ControlEvent::changed,
                    [&form, &platform] { set_current_button(form, platform.program_dir()); });
    bind_box(form, platform, kCommandBox, &IconRecord::command);
    bind_box(form, platform, kSoundBox, &IconRecord::sound);
    bind_box(form, platform, kTooltipBox, &IconRecord::tooltip);
    form.on_control(kChooseProgram, ControlEvent::clicked,
                    [&form, &platform] { choose_program(form, platform); });
    form.on_control(kChangeIcon, ControlEvent::clicked,
                    [&form, &platform] { change_icon(form, platform); });
    bind_caption_list(
        form, kPresets, kPresetCount, std::string(kPresetCaption),
        [&form, &platform, &globals](int k) { choose_preset(form, platform, globals, k); });
    form.on_control(kRecorder, ControlEvent::clicked,
                    [&platform] { platform.start_process(std::string(kRecorderCommand)); });
}

void prepare_button_page(Form& form, const std::string& program_dir) {
    copy_icon_store(icon_store_path(program_dir, kIconStoreName), working_copy(program_dir));
    form.set_selected(kButtonList, 0);
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
    const auto record = current_record(form, program_dir);
    if (!record) return;
    form.set_text(kCommandBox, record->command);
    form.set_text(kSoundBox, record->sound);
    form.set_text(kTooltipBox, record->tooltip);
    form.set_picture(kIconPreview, decode_picture(record->icon).value_or(Image()));
}

std::optional<IconRecord> current_record(const Form& form, const std::string& program_dir) {
    return load_icon_record(working_copy(program_dir), current_number(form));
}

bool edit_current_record(const Form& form, const std::string& program_dir,
                         const std::function<void(IconRecord&)>& edit) {
    const std::string path = working_copy(program_dir);
    auto records = load_icon_store(path);
    if (!records) return false;
    edit((*records)[static_cast<std::size_t>(current_number(form) - 1)]);
    return save_icon_store(path, *records);
}

Image preset_icon(const std::string& program_dir, int k) {
    if (k < 0) return {};
    const auto strip = load_picture(program_dir + "\\" + std::string(kPresetStrip));
    if (!strip || strip->height < kIconSize || strip->width / kIconSize <= k) return {};
    Image cell(kIconSize, kIconSize);
    for (int y = 0; y < kIconSize; ++y) {
        for (int x = 0; x < kIconSize; ++x) cell.at(x, y) = strip->at(k * kIconSize + x, y);
    }
    return cell;
}

void ButtonPage::bind(Form& form) {
    bind_button_page(form, platform_, globals_);
    bind_button_sound_row(form, platform_);
}

void ButtonPage::load(Form& form) {
    prepare_button_page(form, platform_.program_dir());
}

void ButtonPage::save(Form& /*form*/) {
    apply_button_page(platform_.program_dir(), clock_);
}

void ButtonPage::closing(DialogClose how, bool current) {
    if (how == DialogClose::ok || (how == DialogClose::cancel && current)) {
        discard_button_page(platform_.program_dir());
    }
}

}  // namespace horalune
