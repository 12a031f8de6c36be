// Deferred closing: a window that closes itself from one of its own handlers is destroyed only
// after the event has returned, so the handler may go on using it (under the sanitizer preset
// an early destruction shows as a use after free).
#include "ui/open_forms.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "platform/headless/headless_platform.h"
#include "support/form_sink.h"

namespace horalune {
namespace {

constexpr std::string_view kButton = "关闭";
constexpr std::string_view kBox = "文字框";
constexpr std::string_view kTimer = "时钟1";

const WindowDesign& closer_design() {
    static const WindowDesign design{
        .name = "测试窗口",
        .title = "",
        .rect = {10, 10, 120, 80},
        .controls = {{.name = kBox, .kind = ControlKind::edit, .rect = {0, 0, 100, 20}},
                     {.name = kButton, .kind = ControlKind::button, .rect = {0, 30, 60, 20}},
                     {.name = kTimer, .kind = ControlKind::timer, .rect = {}, .interval = 1000}}};
    return design;
}

// A window that closes itself from every handler, then reads its own state.
struct Closer {
    Closer(HeadlessPlatform& platform, OpenForms& forms, std::function<void()> closed)
        : platform(platform), form(forms, platform, closer_design()), closed(std::move(closed)) {
        form.on_control(kButton, ControlEvent::clicked, [this] { close_then_look(); });
        form.on_key(kKeyEscape, [this] { close_then_look(); });
        form.on_timer(kTimer, [this] { close_then_look(); });
    }
    void close_then_look() {
        closed();
        // Still here until the event returns.
        report(form.text(kBox), platform.window(form.window())->alive);
    }

    HeadlessPlatform& platform;
    ListedForm form;
    std::function<void()> closed;
    std::function<void(const std::string& text, bool alive)> report;
};

class OpenFormsTest : public testing::FormTest {
  protected:
    std::unique_ptr<Closer> open() {
        auto closer = std::make_unique<Closer>(platform, forms,
                                               [this] { forms.drop_later(std::move(closer_)); });
        closer->form.set_text(kBox, "还在");
        return closer;
    }
    std::unique_ptr<Closer> closer_;
};

TEST_F(OpenFormsTest, AWindowClosingItselfLivesUntilItsEventReturns) {
    const struct {
        const char* how;
        std::function<void(Closer&)> act;
    } cases[] = {
        {"button", [this](Closer& c) { sink.press(c.form, kButton); }},
        {"key", [this](Closer& c) { platform.key_down(c.form.window(), kKeyEscape); }},
        {"timer", [this](Closer&) { platform.advance(1000); }},
    };
    for (const auto& c : cases) {
        closer_ = open();
        Closer* closer = closer_.get();
        const WindowId window = closer->form.window();
        // What the handler saw after asking to close, copied out of it.
        std::string text;
        bool alive = false;
        closer->report = [&text, &alive](const std::string& t, bool a) {
            text = t;
            alive = a;
        };
        c.act(*closer);
        EXPECT_EQ(text, "还在") << c.how;
        EXPECT_TRUE(alive) << c.how;
        EXPECT_EQ(closer_, nullptr) << c.how;
        EXPECT_FALSE(platform.window(window)->alive) << c.how << ": gone after the event";
        EXPECT_EQ(forms.find(window), nullptr) << c.how;
        EXPECT_EQ(forms.pending_drops(), 0u) << c.how;
    }
}

TEST_F(OpenFormsTest, NestedTurnsKeepWhatIsDroppedUntilTheOutermostEnds) {
    int destroyed = 0;
    struct Counted {
        explicit Counted(int& count) : count(count) {}
        ~Counted() { ++count; }
        int& count;
    };
    {
        const OpenForms::Turn outer(forms);
        {
            const OpenForms::Turn inner(forms);  // an event inside a modal loop
            forms.drop_later(std::make_unique<Counted>(destroyed));
        }
        EXPECT_EQ(destroyed, 0);
        EXPECT_EQ(forms.pending_drops(), 1u);
    }
    EXPECT_EQ(destroyed, 1);
    // Outside any event the owner's own close destroys at once.
    forms.drop_later(std::make_unique<Counted>(destroyed));
    EXPECT_EQ(destroyed, 2);
    EXPECT_EQ(forms.pending_drops(), 0u);
}

}  // namespace
}  // namespace horalune
