// The Win32 back-end's own small dialogs and system services, run for real under Wine: the end
// of the session reaching the program's close handler.
#ifdef _WIN32
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "e2e/win32_recorder.h"

namespace horalune {
namespace {

using Win32DialogsTest = testing::Win32Test;

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
