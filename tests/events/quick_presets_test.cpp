// The quick-preset lists: the caption item that goes while the list is open and comes back
// when it closes, picks that run once whatever order the desktop reports them in, and the
// settings tabs' arithmetic on the time boxes.
#include "events/quick_presets.h"

#include <gtest/gtest.h>

#include <memory>

#include "config/convert.h"
#include "support/form_sink.h"

namespace horalune {
namespace {

constexpr std::string_view kList = "快速";

WindowDesign list_window() {
    WindowDesign d{"预设窗口", "", {0, 0, 200, 100}, {}};
    d.controls.push_back(quick_preset_list(kList, {10, 10, 72, 20}, kTabPresetCaption));
    for (const std::string_view box : {"时", "分", "秒"}) {
        d.controls.push_back({box, ControlKind::edit, {0, 40, 25, 20}});
    }
    return d;
}

class QuickPresetsTest : public testing::FormTest {
  protected:
    QuickPresetsTest() { open(); }
    void open() {
        listed.reset();
        form = std::make_unique<Form>(platform, list_window());
        listed.emplace(forms, *form);
        bind_quick_presets(*form, kList, std::string(kTabPresetCaptionAfterUse),
                           [this](int minutes) { chosen.push_back(minutes); });
    }
    const std::vector<std::string>& items() const { return form->items(kList); }
    // The list as the desktop shows it, which must agree with the form's model.
    const ControlSpec& shown() const {
        return platform.window(form->window())
            ->controls[static_cast<std::size_t>(form->control(kList).native_id) - 1];
    }
    void expect_closed_with(std::string_view caption) {
        ASSERT_EQ(items().size(), 11u);
        EXPECT_EQ(items()[10], caption);
        EXPECT_EQ(form->selected(kList), 10);
        EXPECT_EQ(shown().items, items());
        EXPECT_EQ(shown().selected, 10);
    }

    std::unique_ptr<Form> form;
    std::optional<OpenForms::Entry> listed;
    std::vector<int> chosen;
};

TEST_F(QuickPresetsTest, OpeningDropsTheCaptionAndClosingBringsTheOtherOne) {
    EXPECT_EQ(items().at(10), "快速设置");
    EXPECT_EQ(shown().selected, 10);
    sink.event(*form, kList, ControlEvent::drop_down);
    ASSERT_EQ(items().size(), 10u);
    EXPECT_EQ(items().back(), "2 小时后");
    EXPECT_EQ(shown().items, items());
    sink.event(*form, kList, ControlEvent::close_up);
    expect_closed_with("快速输入");
    EXPECT_TRUE(chosen.empty());
    // Opening and closing again, or closing twice, keeps one caption.
    sink.event(*form, kList, ControlEvent::drop_down);
    sink.event(*form, kList, ControlEvent::close_up);
    sink.event(*form, kList, ControlEvent::close_up);
    expect_closed_with("快速输入");
    EXPECT_TRUE(chosen.empty());
}

TEST_F(QuickPresetsTest, APickRunsOnceInEveryOrder) {
    enum Step { drop, close, pick_3, pick_5, pick_none, pick_caption };
    const struct {
        const char* name;
        std::vector<Step> steps;
        std::vector<int> chosen;
    } cases[] = {
        {"pick reported before closing", {drop, pick_3, close}, {10}},
        {"pick reported after closing", {drop, close, pick_3}, {10}},
        {"pick without the list opening", {pick_3}, {10}},
        {"keys moved through the open list", {drop, pick_5, pick_3, close}, {10}},
        {"moved off every item, then closed", {drop, pick_3, pick_none, close}, {}},
        {"closed unpicked", {drop, close}, {}},
        {"the caption picked with the keys", {drop, close, pick_caption}, {}},
        {"two picks, two gestures", {drop, pick_3, close, drop, close, pick_5}, {10, 30}},
    };
    for (const auto& c : cases) {
        open();
        chosen.clear();
        for (const Step s : c.steps) {
            switch (s) {
                case drop:
                    sink.event(*form, kList, ControlEvent::drop_down);
                    break;
                case close:
                    sink.event(*form, kList, ControlEvent::close_up);
                    break;
                case pick_3:
                    sink.select(*form, kList, 3);
                    break;
                case pick_5:
                    sink.select(*form, kList, 5);
                    break;
                case pick_none:
                    sink.select(*form, kList, -1);
                    break;
                case pick_caption:
                    sink.select(*form, kList, 10);
                    break;
            }
        }
        EXPECT_EQ(chosen, c.chosen) << c.name;
        expect_closed_with("快速输入");
    }
}

TEST_F(QuickPresetsTest, TheFormMayCloseInsideThePick) {
    for (const bool pick_first : {true, false}) {
        open();
        int runs = 0;
        const WindowId window = form->window();
        const int list = form->control(kList).native_id;
        bind_quick_presets(*form, kList, "快速输入", [&](int) {
            ++runs;
            listed.reset();
            form.reset();
        });
        platform.control_event(window, list, ControlEvent::drop_down);
        if (pick_first) platform.user_input(window, list, {{}, 2, false});
        platform.control_event(window, list, ControlEvent::close_up);
        if (!pick_first) platform.user_input(window, list, {{}, 2, false});
        EXPECT_EQ(runs, 1) << pick_first;
        EXPECT_EQ(form, nullptr);
        EXPECT_FALSE(platform.window(window)->alive);
    }
}

TEST_F(QuickPresetsTest, KeysInTheOpenListMoveThroughTheTenPresetsOnly) {
    using H = HeadlessPlatform;
    constexpr int kType1 = -'1';   // a typed "1"
    constexpr int kClick4 = 1004;  // a click on item 4
    const struct {
        const char* name;
        std::vector<int> keys;  // then Return, unless the last is a click or Esc
        std::optional<int> minutes;
    } cases[] = {
        {"Home", {H::kKeyHome}, 1},
        {"Down", {H::kKeyDown}, 1},
        {"Down Down", {H::kKeyDown, H::kKeyDown}, 3},
        {"End", {H::kKeyEnd}, 120},
        {"End Down stays on the last preset", {H::kKeyEnd, H::kKeyDown, H::kKeyDown}, 120},
        {"End Up", {H::kKeyEnd, H::kKeyUp}, 90},
        {"Home Up", {H::kKeyHome, H::kKeyUp}, 1},
        {"Page Down", {H::kKeyPageDown}, 120},
        {"Page Down Page Up", {H::kKeyPageDown, H::kKeyPageUp}, 1},
        {"typing 1, 1, 1", {kType1, kType1, kType1}, 60},
        {"typing 1 after End starts over", {H::kKeyEnd, kType1}, 1},
        {"a click", {H::kKeyDown, kClick4}, 20},
        {"Esc", {H::kKeyDown, H::kKeyDown, kKeyEscape}, std::nullopt},
        {"Return on nothing", {}, std::nullopt},
    };
    for (const auto& c : cases) {
        open();
        chosen.clear();
        const WindowId w = form->window();
        const int list = form->control(kList).native_id;
        platform.drop_open(w, list);
        bool closed = false;
        for (const int key : c.keys) {
            if (key == kType1) {
                platform.drop_type(w, list, '1');
            } else if (key == kClick4) {
                platform.drop_click(w, list, 4);
                closed = true;
            } else if (key == kKeyEscape) {
                platform.drop_close(w, list, kKeyEscape);
                closed = true;
            } else {
                platform.drop_key(w, list, key);
            }
            // The highlight is on a preset, never on a caption.
            if (!closed) {
                EXPECT_LT(platform.dropped_highlight(w, list), kQuickPresetCount) << c.name;
                EXPECT_EQ(items().size(), 10u) << c.name;
            }
        }
        if (!closed) platform.drop_close(w, list, H::kKeyReturn);
        EXPECT_EQ(chosen, c.minutes ? std::vector<int>{*c.minutes} : std::vector<int>{}) << c.name;
        expect_closed_with("快速输入");
    }
}

TEST(AddMinutesTest, AddsToTheBoxesAndWrapsPastMidnight) {
    const struct {
        const char *h, *m, *s;
        int minutes;
        std::optional<TimeOfDay> expected;
    } cases[] = {
        {"23", "58", "07", 5, TimeOfDay{0, 3, 7}},
        {"7", "5", "3", 1, TimeOfDay{7, 6, 3}},
        {"12", "0", "0", 120, TimeOfDay{14, 0, 0}},
        {"23", "59", "59", 60, TimeOfDay{0, 59, 59}},
        // No time in the boxes: nothing to add to.
        {"", "", "", 5, {}},
        {"7", "", "0", 5, {}},
        {"7", "5", "", 5, {}},
        {"x", "5", "0", 5, {}},
        {"24", "0", "0", 5, {}},
        {"7", "60", "0", 5, {}},
        {"-1", "5", "0", 5, {}},
        {"7.5", "5", "0", 5, {}},
        {"7", "5:0", "0", 5, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(add_minutes(c.h, c.m, c.s, c.minutes), c.expected)
            << "[" << c.h << "][" << c.m << "][" << c.s << "]";
    }
}

TEST_F(QuickPresetsTest, ChoosingTwiceOnATabAddsTwice) {
    // The tabs write the sum back into their boxes, so a second choice adds to the first.
    bind_quick_presets(*form, kList, "快速输入", [this](int minutes) {
        const auto t = add_minutes(form->text("时"), form->text("分"), form->text("秒"), minutes);
        if (!t) return;
        form->set_text("时", int_text(t->hour));
        form->set_text("分", int_text(t->minute));
        form->set_text("秒", int_text(t->second));
    });
    sink.type(*form, "时", "23");
    sink.type(*form, "分", "58");
    sink.type(*form, "秒", "07");
    sink.pick(*form, kList, 1);  // "3 分钟后"
    sink.pick(*form, kList, 1);
    EXPECT_EQ(form->text("时"), "0");
    EXPECT_EQ(form->text("分"), "4");
    EXPECT_EQ(form->text("秒"), "7");
}

}  // namespace
}  // namespace horalune
