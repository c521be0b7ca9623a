// The test helpers and the fake taskbar, checked against real windows.
#include <gtest/gtest.h>

#include "shared/ClockMessages.h"
#include "tests/support/FakeTaskbarClient.h"
#include "tests/support/GuiTest.h"

namespace vantora::test {
namespace {

TEST(GuiTest, AnswersAMessageBoxAndReadsIt)
{
    struct Case { UINT type; int press; };
    const Case cases[] = {{MB_YESNO, IDYES}, {MB_YESNO, IDNO}, {MB_OKCANCEL, IDCANCEL}};
    for (const Case& c : cases) {
        MessageBoxAnswerer answerer(c.press);
        int result = MessageBoxA(nullptr, "Delete this note?", "Confirm", c.type);
        ASSERT_TRUE(answerer.Wait());
        EXPECT_EQ(result, c.press);
        EXPECT_EQ(answerer.Caption(), "Confirm");
        EXPECT_EQ(answerer.Text(), "Delete this note?");
    }
}

TEST(GuiTest, RunsAChildAndGetsItsExitCode)
{
    EXPECT_EQ(RunChild("cmd.exe /c exit 7"), 7);
    EXPECT_EQ(RunChild("no-such-program.exe"), -1);
}

TEST(GuiTest, PumpUntilStopsAtTheDeadline)
{
    DWORD start = GetTickCount();
    EXPECT_FALSE(PumpUntil([] { return false; }, 200));
    EXPECT_GE(GetTickCount() - start, 190u);
    EXPECT_TRUE(PumpUntil([] { return true; }, 200));
}

TEST(FakeTaskbar, IsTheTaskbarThatFindWindowFinds)
{
    FakeTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start());
    HWND found = FindWindowA("Shell_TrayWnd", nullptr);
    EXPECT_EQ(found, taskbar.Tray());
    EXPECT_TRUE(FakeTaskbar::IsFake(found));

    RECT rc;
    GetWindowRect(taskbar.Tray(), &rc);
    EXPECT_EQ(rc.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(rc.bottom - rc.top, 30);
}

TEST(FakeTaskbar, LaysOutTheClockWithItsSizeAnswer)
{
    FakeTaskbar taskbar;
    ASSERT_TRUE(taskbar.Start({40, 32, false}));
    LRESULT layoutsBefore = taskbar.Layouts();
    PostMessageA(taskbar.Tray(), WM_SIZE, 0, 0);
    ASSERT_TRUE(PumpUntil([&] { return taskbar.Layouts() > layoutsBefore; }));

    EXPECT_EQ(taskbar.LastSizeAnswer(), MAKELONG(fixture::kOwnClockWidth, fixture::kOwnClockHeight));
    EXPECT_GE(taskbar.ClockMessages(WM_CLOCK_CALCSIZE), 2);
    RECT clock;
    GetClientRect(taskbar.Clock(), &clock);
    EXPECT_EQ(clock.right, LONG(fixture::kOwnClockWidth));
    EXPECT_EQ(clock.bottom, LONG(fixture::kOwnClockHeight));

    RECT notify;
    GetClientRect(taskbar.Notify(), &notify);
    EXPECT_EQ(notify.bottom, 32);
    taskbar.SetNotifyHeight(24);
    GetClientRect(taskbar.Notify(), &notify);
    EXPECT_EQ(notify.bottom, 24);
}

TEST(GuiTest, WritesAScreenshot)
{
    std::string path = SaveScreenshot("gui-helpers");
    ASSERT_FALSE(path.empty());
    WIN32_FILE_ATTRIBUTE_DATA data;
    ASSERT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data));
    EXPECT_GT(data.nFileSizeLow, 1024u * 768u * 3u);
}

} // namespace
} // namespace vantora::test
