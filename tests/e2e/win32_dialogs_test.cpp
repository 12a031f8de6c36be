// The Win32 back-end's own small dialogs and system services, run for real under Wine: the input
// box answered by keys and clicks, icons taken from program files, dialling (which Wine cannot
// really do: it must fail politely) and the end of the session reaching the close handler.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "e2e/win32_recorder.h"
#include "support/temp_dir.h"

namespace horalune {
namespace {

class Win32DialogsTest : public testing::Win32Test {
  protected:
    bool owner_disabled_while_open = false;
    RECT box_rect{};

    // Shows the input box over the test window and, once it is on screen, answers it with
    // `answer` from the window's timer. A box that does not go within seconds is closed and
    // the test fails.
    std::optional<std::string> run_box(const std::string& prompt, const std::string& initial,
                                       const std::function<void(HWND box)>& answer) {
        const std::string title = std::string("horalune box ") +
                                  ::testing::UnitTest::GetInstance()->current_test_info()->name();
        bool answered = false;
        int ticks = 0;
        sink.timer_action = [&](int) {
            const HWND box = FindWindowW(nullptr, widen(title).c_str());
            if (box == nullptr || !IsWindowVisible(box)) return;
            if (!answered) {
                answered = true;
                owner_disabled_while_open = !IsWindowEnabled(hwnd);
                GetWindowRect(box, &box_rect);
                answer(box);
            } else if (++ticks == 60) {
                ADD_FAILURE() << "the box did not take its answer";
                PostMessageW(box, WM_CLOSE, 0, 0);
            }
        };
        platform->set_timer(window, 1, 50);
        std::optional<std::string> result = platform->input_box(window, prompt, title, initial);
        platform->set_timer(window, 1, 0);
        sink.timer_action = nullptr;
        EXPECT_TRUE(answered) << "the box never showed";
        EXPECT_EQ(FindWindowW(nullptr, widen(title).c_str()), nullptr) << "the box stayed";
        return result;
    }

    static HWND edit_of(HWND box) { return FindWindowExW(box, nullptr, L"Edit", nullptr); }
    static void type(HWND edit, const std::wstring& text) {
        for (const wchar_t c : text) PostMessageW(edit, WM_CHAR, c, 1);
    }
    static void press(HWND target, WPARAM key) {
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, LPARAM{1} | (LPARAM{3} << 30));
    }
};

TEST_F(Win32DialogsTest, InputBoxGivesTheTypedTextOnOk) {
    ASSERT_TRUE(open(Rect{100, 100, 200, 150}, true));

    // The suggestion is selected: typing replaces it. Enter answers OK.
    const auto typed = run_box("输入默认拨号号码：", "96063", [](HWND box) {
        type(edit_of(box), L"16\u4e2d");
        press(edit_of(box), VK_RETURN);
    });
    EXPECT_EQ(typed, std::optional<std::string>("16\xe4\xb8\xad"));
    EXPECT_TRUE(owner_disabled_while_open);
    EXPECT_TRUE(IsWindowEnabled(hwnd)) << "the owner must work again afterwards";

    // Clicking OK on an emptied line is an answer too, not a cancel.
    const auto emptied = run_box("号码", "96063", [](HWND box) {
        SetWindowTextW(edit_of(box), L"");
        PostMessageW(GetDlgItem(box, IDOK), BM_CLICK, 0, 0);
    });
    EXPECT_EQ(emptied, std::optional<std::string>(""));

    // OK straight away gives the suggestion back unchanged.
    EXPECT_EQ(run_box("号码", "163", [](HWND box) { press(edit_of(box), VK_RETURN); }),
              std::optional<std::string>("163"));
}

TEST_F(Win32DialogsTest, InputBoxCancelEscAndClosingGiveNothing) {
    ASSERT_TRUE(open(Rect{100, 100, 200, 150}, true));
    const std::vector<std::pair<const char*, std::function<void(HWND)>>> ways = {
        {"Esc",
         [](HWND box) {
             type(edit_of(box), L"12");
             press(edit_of(box), VK_ESCAPE);
         }},
        {"Cancel", [](HWND box) { PostMessageW(GetDlgItem(box, IDCANCEL), BM_CLICK, 0, 0); }},
        {"close", [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); }},
    };
    for (const auto& [name, answer] : ways) {
        SCOPED_TRACE(name);
        EXPECT_EQ(run_box("号码", "96063", answer), std::nullopt);
        EXPECT_TRUE(IsWindowEnabled(hwnd));
    }
}

TEST_F(Win32DialogsTest, InputBoxShowsEveryLineOfThePrompt) {
    ASSERT_TRUE(open(Rect{100, 100, 200, 150}, true));
    std::wstring shown;
    const auto one_line = run_box("一行", "1", [](HWND box) { press(edit_of(box), VK_RETURN); });
    const LONG one_line_height = box_rect.bottom - box_rect.top;

    const std::string prompt = "请输入模式：\r\n0 左上角\r\n1 平铺\r\n2 居中";
    const auto answer = run_box(prompt, "2", [&shown](HWND box) {
        const HWND label = FindWindowExW(box, nullptr, L"Static", nullptr);
        wchar_t text[128] = {};
        GetWindowTextW(label, text, 128);
        shown = text;
        press(edit_of(box), VK_RETURN);
    });
    EXPECT_EQ(one_line, std::optional<std::string>("1"));
    EXPECT_EQ(answer, std::optional<std::string>("2"));
    EXPECT_EQ(shown, widen(prompt));
    // Three more lines of the dialog font make the box taller by well over three times 10 px.
    EXPECT_GT(box_rect.bottom - box_rect.top, one_line_height + 30);
}

TEST_F(Win32DialogsTest, FileIconOfAProgramIsA32PixelPictureAndOtherFilesHaveNone) {
    wchar_t system[MAX_PATH] = {};
    ASSERT_GT(GetSystemDirectoryW(system, MAX_PATH), 0u);
    const Image icon = platform->file_icon(narrow(system) + "\\notepad.exe");
    ASSERT_EQ(icon.width, 32);
    ASSERT_EQ(icon.height, 32);
    ASSERT_EQ(icon.pixels.size(), 32u * 32u);
    int white = 0;
    for (const std::uint32_t pixel : icon.pixels) {
        EXPECT_EQ(pixel >> 24, 0xFFu);
        white += pixel == kOpaqueWhite;
    }
    EXPECT_LT(white, 32 * 32) << "nothing was drawn";
    // Icons are rarely square to the edge: what they leave uncovered stays white, which the
    // program takes for transparent.
    EXPECT_GT(white, 0);

    testing::TempDir dir;
    testing::write_bytes(dir.file("readme.txt"), "no icon in here\r\n");
    EXPECT_TRUE(platform->file_icon(dir.file("readme.txt")).empty());
    EXPECT_TRUE(platform->file_icon(dir.file("missing.exe")).empty());
}

struct DialRecorder : testing::Recorder {
    std::vector<std::string> statuses;
    void on_dialup_status(const std::string& text) override { statuses.push_back(text); }
};

TEST_F(Win32DialogsTest, DiallingReportsItsOutcomeFromTheLoopAndNeverThePassword) {
    ASSERT_TRUE(open(Rect{10, 10, 80, 60}, false));
    DialRecorder dial;
    platform->set_event_sink(&dial);
    for (const DialEntry& entry : platform->dialup_entries()) EXPECT_FALSE(entry.name.empty());

    platform->dialup_dial("96063", "user", "s3cret-pass");
    EXPECT_TRUE(dial.statuses.empty()) << "statuses come from the event loop, not the call";
    ASSERT_TRUE(pump_until([&dial] { return !dial.statuses.empty(); }, 5000));
    for (const std::string& status : dial.statuses) {
        EXPECT_FALSE(status.empty());
        EXPECT_EQ(status.find("s3cret"), std::string::npos);
    }
    // Hanging up after whatever came of it is harmless.
    platform->dialup_hang_up();
    EXPECT_FALSE(platform->dialup_connected());
    platform->set_event_sink(&sink);
}

TEST_F(Win32DialogsTest, SessionEndRunsTheCloseHandlerOnlyWhenTheSessionReallyEnds) {
    ASSERT_TRUE(open(Rect{10, 10, 80, 60}, false));
    // A refused log-off ends nothing: the program is not asked to close.
    SendMessageW(hwnd, WM_ENDSESSION, FALSE, 0);
    EXPECT_EQ(sink.count("close"), 0);

    // The handler runs before the message returns: the process may be gone right after it.
    EXPECT_EQ(SendMessageW(hwnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF), 0);
    EXPECT_EQ(sink.events, std::vector<std::string>{"close"});
    // The default answer lets the session end.
    EXPECT_NE(SendMessageW(hwnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), 0);
    platform->destroy_window(window);
}

}  // namespace
}  // namespace horalune
#endif  // _WIN32
