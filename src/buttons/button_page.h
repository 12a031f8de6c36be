// The "程序命令" tab of the settings dialog: the twelve buttons' records, edited on a working
// copy "temp" of the icon store that Apply writes back and Cancel throws away. Every change on
// the tab goes into the working copy at once.
#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "buttons/icon_store_format.h"
#include "config/globals.h"
#include "settings/settings_page.h"
#include "settings/sound_row.h"
#include "ui/form.h"

namespace horalune {

class AnalogWindow;

namespace button_page {

inline constexpr std::string_view kButtonList = "时间刻度";
inline constexpr std::string_view kCommandBox = "命令编辑框";
inline constexpr std::string_view kSoundBox = "声音编辑框";
inline constexpr std::string_view kTooltipBox = "提示文字框";
inline constexpr std::string_view kIconPreview = "画板1";
inline constexpr std::string_view kChangeIcon = "更改图标";
inline constexpr std::string_view kChooseProgram = "选择程序";
inline constexpr std::string_view kPresets = "组合框1";
inline constexpr std::string_view kSoundPicker = "选择声音1";
inline constexpr std::string_view kSoundPreview = "试听1";
inline constexpr std::string_view kRecorder = "打开录音机";

inline constexpr std::string_view kFileDialogTitle = sound_row::kFileDialogTitle;
inline constexpr std::string_view kProgramFilter = "应用程序|*.exe";
inline constexpr std::string_view kIconFilter = "图标资源|*.ico";

// The preset list: ten presets, then the caption the closed list shows.
inline constexpr int kPresetCount = 10;
inline constexpr std::string_view kPresetCaption = "预设命令";
inline constexpr int kDialPreset = 1;
inline constexpr int kDosPreset = 4;
struct Preset {
    std::string_view item;
    std::string_view command;
};
inline constexpr std::array<Preset, kPresetCount> kPresetTable{{
    {"光驱开关", "光驱开关"},
    {"上网下网", "上网下网"},
    {"资源管理", "explorer.exe"},
    {"空当接龙", "freecell.exe"},
    {"DOS系统", {}},  // depends on the system: kDosCommandNt or kDosCommandOld
    {"录音机", "sndrec32.exe"},
    {"计算器", "calc.exe"},
    {"记事本", "notepad.exe"},
    {"画图", "mspaint.exe"},
    {"扫雷", "winmine.exe"},
}};
inline constexpr std::string_view kDosCommandNt = "cmd.exe";
inline constexpr std::string_view kDosCommandOld = "command.com";

// The dial preset asks for the number the dial-up window offers.
inline constexpr std::string_view kDialPrompt = "输入默认拨号号码：如163、96063等";
inline constexpr std::string_view kDialPromptTitle = "拨号号码";
inline constexpr std::string_view kDialPromptInitial = "96063";
inline constexpr std::string_view kDialTooltip = "拨号上网或断开网络。";

inline constexpr std::string_view kRecorderCommand = "sndrec32";

// The presets' icons: a strip of 32 x 32 cells beside the program, cell k for preset k.
inline constexpr std::string_view kPresetStrip = "icon.bmp";
inline constexpr int kIconSize = 32;

// The tab's controls, placed on the tab page.
std::vector<ControlDesign> controls();

}  // namespace button_page

// The page as the settings dialog sees it: loading makes the working copy, OK and Apply write
// it back, OK (on any page) and Cancel (on this one) delete it; Esc keeps it.
class ButtonPage : public SettingsPage {
  public:
    ButtonPage(Platform& platform, Globals& globals, AnalogWindow& clock)
        : platform_(platform), globals_(globals), clock_(clock) {}

    std::vector<ControlDesign> controls() const override { return button_page::controls(); }
    void bind(Form& form) override;
    void load(Form& form) override;
    void save(Form& form) override;
    void closing(DialogClose how, bool current) override;

  private:
    Platform& platform_;
    Globals& globals_;
    AnalogWindow& clock_;
};

// Binds the tab's controls: the boxes, the icon buttons, the preset list, the recorder and the
// button list. The sound picker and preview are bound by bind_button_sound_row.
void bind_button_page(Form& form, Platform& platform, Globals& globals);

// Copies the icon store to the working copy and shows button 1's record.
void prepare_button_page(Form& form, const std::string& program_dir);
// Writes the working copy over the icon store and shows the new icons on the clock.
void apply_button_page(const std::string& program_dir, AnalogWindow& clock);
// Deletes the working copy; a missing one is no error.
void discard_button_page(const std::string& program_dir);
// Shows the record of the button selected in the list (button 1 when none is).
void set_current_button(Form& form, const std::string& program_dir);

// The working copy's record of the button selected in the list; nothing when the copy is
// missing or damaged.
std::optional<IconRecord> current_record(const Form& form, const std::string& program_dir);
// Changes that record and writes the working copy back at once; false when it could not.
bool edit_current_record(const Form& form, const std::string& program_dir,
                         const std::function<void(IconRecord&)>& edit);

// Cell k of the preset strip beside the program; an empty picture when the strip is missing or
// has no such cell.
Image preset_icon(const std::string& program_dir, int k);

}  // namespace horalune
