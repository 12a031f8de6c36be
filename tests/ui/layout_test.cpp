// The text fit on the headless desktop (a fixed width per character): boxes grow to their text,
// what they would cover gives up unused room or moves aside, group boxes and windows grow; and
// every designed window and page shows its texts whole, without overlaps, inside the window.
#include "ui/layout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "analog/analog_window.h"
#include "app/settings_pages.h"
#include "buttons/dialup_window.h"
#include "desktop/about_window.h"
#include "digital/digital_window.h"
#include "events/reminder_popup.h"
#include "events/shutdown_prompt.h"
#include "platform/headless/headless_platform.h"
#include "settings/settings_dialog.h"
#include "support/layout_check.h"
#include "ui/form.h"

namespace horalune {
namespace {

const ControlSpec& shown(HeadlessPlatform& platform, const Form& form, std::string_view name) {
    const int id = form.control(name).native_id;
    return platform.window(form.window())->controls[static_cast<std::size_t>(id) - 1];
}

// The controls of the form seen on `page` ("" for a window without pages), as shown.
std::vector<testing::ShownControl> seen(HeadlessPlatform& platform, const Form& form,
                                        std::string_view page) {
    std::vector<testing::ShownControl> out;
    for (const Control& c : form.controls()) {
        if (c.native_id == 0) continue;
        if (c.tag.empty() ? !c.visible : c.tag != page) continue;
        const ControlSpec& state = shown(platform, form, c.name);
        testing::ShownControl seen{c.name + " \"" + c.caption + "\"", state.type, state.rect,
                                   platform.measure_text(form.window(), state)};
        if (const auto run = blank_run(state.caption)) {
            ControlSpec part = state;
            part.caption = run->before;
            seen.blanks_from = state.rect.left + platform.measure_text(form.window(), part).width;
            part.caption = run->through;
            seen.blanks_to = state.rect.left + platform.measure_text(form.window(), part).width;
        }
        out.push_back(seen);
    }
    return out;
}

Size client_of(HeadlessPlatform& platform, const Form& form, bool framed) {
    const Rect r = platform.window_rect(form.window());
    return {r.width - (framed ? 2 : 0), r.height - (framed ? 2 : 0)};
}

struct Case {
    const char* what;
    std::vector<ControlDesign> controls;
    Size window;  // client size
    // Expected boxes as shown, by designed name; and the window size.
    std::vector<std::pair<std::string_view, Rect>> expect;
    Size expect_window;
};

TEST(TextFit, BoxesGrowGiveWayMoveAndTheirHoldersGrow) {
    const std::vector<Case> cases = {
        {"a label too narrow grows; the box it would cover moves right",
         {{"l", ControlKind::label, {10, 10, 30, 20}, "四个汉字"},
          {"e", ControlKind::edit, {44, 10, 100, 20}}},
         {200, 50},
         {{"l", {10, 10, 48, 20}}, {"e", {62, 10, 100, 20}}},
         {200, 50}},
        {"a colour swatch gives up the width a label's text needs",
         {{"p", ControlKind::colour_picker, {10, 10, 60, 24}},
          {"l", ControlKind::label, {50, 10, 60, 24}, "颜色"}},
         {200, 50},
         {{"p", {10, 10, 40, 24}}, {"l", {50, 10, 60, 24}}},
         {200, 50}},
        {"a label wider than its text stops where the next box starts",
         {{"l", ControlKind::label, {10, 10, 90, 24}, "名称："},
          {"e", ControlKind::edit, {94, 10, 100, 20}}},
         {200, 50},
         {{"l", {10, 10, 84, 24}}, {"e", {94, 10, 100, 20}}},
         {200, 50}},
        {"a wider button pushes its neighbour; the group box and the window grow",
         {{"a", ControlKind::button, {10, 20, 40, 20}, "很长的按钮文字"},
          {"b", ControlKind::button, {55, 20, 40, 20}, "试听"},
          {"g", ControlKind::group_box, {5, 5, 100, 50}, "组"}},
         {120, 60},
         {{"a", {10, 20, 92, 20}}, {"b", {106, 20, 40, 20}}, {"g", {5, 5, 147, 50}}},
         {152, 60}},
        {"a row below a grown box moves down, keeping its place across",
         {{"l", ControlKind::label, {10, 10, 24, 30}, "一二三四五六"},
          {"e", ControlKind::edit, {10, 40, 60, 20}}},
         {100, 80},
         {{"l", {10, 10, 24, 36}}, {"e", {10, 50, 60, 20}}},
         {100, 80}},
        {"controls of different pages never push each other",
         {{"a", ControlKind::button, {10, 10, 20, 20}, "很长的按钮", 0, false, "0"},
          {"b", ControlKind::button, {32, 10, 40, 20}, "试听", 0, false, "1"}},
         {120, 40},
         {{"a", {10, 10, 68, 20}}, {"b", {32, 10, 40, 20}}},
         {120, 40}},
        {"boxes past the window's edges come in; a centred strip is cut to the window",
         {{"s", ControlKind::label, {-70, 0, 280, 22}, "提醒您"},
          {"t", ControlKind::tab, {-1, 22, 201, 38}}},
         {200, 60},
         {{"s", {0, 0, 200, 22}}, {"t", {0, 22, 200, 38}}},
         {200, 60}},
        {"a label's unused lines give way to what lies below them",
         {{"p", ControlKind::label, {10, 10, 120, 60}, "一二三四五六七八九十"},
          {"k", ControlKind::hyperlink, {40, 50, 48, 16}, "访问网站"}},
         {200, 80},
         {{"p", {10, 10, 120, 40}}, {"k", {40, 50, 48, 16}}},
         {200, 80}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HeadlessPlatform platform;
        const WindowDesign design{"w", "", {0, 0, c.window.width, c.window.height}, c.controls};
        Form form(platform, design);
        for (const auto& [name, rect] : c.expect) {
            EXPECT_EQ(shown(platform, form, name).rect, rect) << name;
            // The program keeps its designed box.
            for (const ControlDesign& d : c.controls) {
                if (d.name == name) {
                    EXPECT_EQ(form.control(name).rect, d.rect) << name;
                }
            }
        }
        const Rect r = platform.window_rect(form.window());
        EXPECT_EQ((Size{r.width, r.height}), c.expect_window);
    }
}

TEST(TextFit, TheProgramsMovesAndSizesKeepWhatTheFitAdded) {
    HeadlessPlatform platform;
    const WindowDesign design{"w",
                              "",
                              {0, 0, 100, 40},
                              {{"a", ControlKind::button, {4, 10, 40, 20}, "很长的按钮文字"},
                               {"b", ControlKind::button, {50, 10, 40, 20}, "试听"}}};
    Form form(platform, design);
    // a grew to 92, b moved to 100 and the window to 146.
    EXPECT_EQ(shown(platform, form, "b").rect, (Rect{100, 10, 40, 20}));
    form.move_control("b", 50, 30);
    EXPECT_EQ(shown(platform, form, "b").rect, (Rect{100, 30, 40, 20}));
    EXPECT_EQ(form.control("b").rect, (Rect{50, 30, 40, 20}));
    form.resize(100, 60);
    EXPECT_EQ(platform.window_rect(form.window()).width, 146);
    EXPECT_EQ(platform.window_rect(form.window()).height, 60);
}

struct Designed {
    const char* what;
    const WindowDesign& (*design)();
    std::vector<std::string_view> pages;
};

TEST(TextFit, EveryDesignedWindowAndPageShowsItsTextsWholeWithoutOverlaps) {
    const std::vector<Designed> windows = {
        {"analog clock", analog_window_design, {""}},
        {"digital clock", digital_window_design, {""}},
        {"settings dialog", settings_dialog_design, {"0", "1", "2", "3"}},
        {"reminder popup", reminder_popup_design, {""}},
        {"countdown prompt", shutdown_prompt_design, {""}},
        {"about window", about_window_design, {""}},
        {"dial-up window", dialup_window_design, {""}},
    };
    for (const Designed& w : windows) {
        HeadlessPlatform platform;
        const WindowDesign& design = w.design();
        Form form(platform, design);
        for (std::string_view page : w.pages) {
            SCOPED_TRACE(std::string(w.what) + " page " + std::string(page));
            const auto faults = testing::layout_faults(seen(platform, form, page),
                                                       client_of(platform, form, design.framed));
            for (const std::string& fault : faults) ADD_FAILURE() << fault;
        }
    }
}

}  // namespace
}  // namespace horalune
