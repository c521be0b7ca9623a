// The popup on real windows under Wine: its place at each taskbar edge, its
// timing with a second popup running alongside, and what it paints.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "popup/PopWindow.h"
#include "tests/support/GuiTest.h"

namespace vantora::popup {
namespace {

using test::PumpFor;
using test::PumpUntil;

// Sets the work area for this process as the shell does, and restores it.
class WorkAreaGuard {
public:
    explicit WorkAreaGuard(RECT area)
    {
        saved_ = SystemParametersInfoA(SPI_GETWORKAREA, 0, &previous_, 0);
        SystemParametersInfoA(SPI_SETWORKAREA, 0, &area, 0);
    }
    WorkAreaGuard(const WorkAreaGuard&) = delete;
    WorkAreaGuard& operator=(const WorkAreaGuard&) = delete;
    ~WorkAreaGuard()
    {
        if (saved_)
            SystemParametersInfoA(SPI_SETWORKAREA, 0, &previous_, 0);
    }

private:
    RECT previous_ {};
    BOOL saved_ = FALSE;
};

BOOL CALLBACK CollectPopup(HWND hwnd, LPARAM param)
{
    char name[64];
    if (GetClassNameA(hwnd, name, sizeof name) && lstrcmpA(name, kPopWindowClass) == 0
        && test::WindowProcessId(hwnd) == GetCurrentProcessId())
        reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
    return TRUE;
}

std::vector<HWND> OwnPopups()
{
    std::vector<HWND> found;
    EnumWindows(CollectPopup, reinterpret_cast<LPARAM>(&found));
    return found;
}

// Shows a popup and answers its window, the one that was not there before.
HWND ShowAndFind(const char* text)
{
    const std::vector<HWND> before = OwnPopups();
    ShowPopWindow(GetModuleHandleA(nullptr), text);
    for (HWND hwnd : OwnPopups()) {
        bool old = false;
        for (HWND earlier : before)
            old = old || earlier == hwnd;
        if (!old)
            return hwnd;
    }
    return nullptr;
}

RECT WindowRect(HWND hwnd)
{
    RECT rect {};
    GetWindowRect(hwnd, &rect);
    return rect;
}

LONG Height(HWND hwnd)
{
    const RECT rect = WindowRect(hwnd);
    return rect.bottom - rect.top;
}

bool WaitForFullHeight(HWND hwnd)
{
    return PumpUntil([&] { return IsWindow(hwnd) && Height(hwnd) == 100; }, 5000);
}

class PopWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterPopWindowClass(GetModuleHandleA(nullptr)); }
    static void TearDownTestSuite() { UnregisterPopWindowClass(GetModuleHandleA(nullptr)); }

    void TearDown() override
    {
        for (HWND hwnd : OwnPopups())
            DestroyWindow(hwnd);
        EXPECT_EQ(LivePopWindows(), 0);
    }
};

TEST_F(PopWindowTest, SlidesToItsPlaceAtEachTaskbarEdge)
{
    struct Case {
        const char* name;
        RECT workArea;
        RECT final;
        bool growsDown;
    };
    const Case cases[] = {
        {"bottom", {0, 0, 1024, 740}, {874, 639, 1014, 739}, false},
        {"top", {0, 30, 1024, 768}, {874, 30, 1014, 130}, true},
        {"left", {60, 0, 1024, 768}, {70, 667, 220, 767}, false},
        {"right", {0, 0, 964, 768}, {814, 667, 954, 767}, false},
        {"auto-hidden", {0, 0, 1024, 768}, {874, 667, 1014, 767}, false},
    };
    ASSERT_EQ(GetSystemMetrics(SM_CXSCREEN), 1024);
    ASSERT_EQ(GetSystemMetrics(SM_CYSCREEN), 768);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WorkAreaGuard workArea(c.workArea);
        HWND hwnd = ShowAndFind("edge");
        ASSERT_NE(hwnd, nullptr);
        // Every step keeps the anchored side still: the popup grows away from
        // the taskbar's side of the work area.
        bool anchored = true;
        const bool full = PumpUntil([&] {
            if (!IsWindow(hwnd))
                return false;
            const RECT now = WindowRect(hwnd);
            if (now.bottom > now.top)
                anchored = anchored && (c.growsDown ? now.top == c.final.top : now.bottom == c.final.bottom);
            return now.bottom - now.top == 100;
        });
        ASSERT_TRUE(full);
        EXPECT_TRUE(anchored);
        const RECT got = WindowRect(hwnd);
        EXPECT_EQ(got.left, c.final.left);
        EXPECT_EQ(got.top, c.final.top);
        EXPECT_EQ(got.right, c.final.right);
        EXPECT_EQ(got.bottom, c.final.bottom);
        EXPECT_TRUE(GetWindowLongPtrA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST);
        EXPECT_NE(GetActiveWindow(), hwnd) << "the popup never takes the keyboard";
        DestroyWindow(hwnd);
    }
}

TEST_F(PopWindowTest, FreesItsObjectWhenNoWindowCanBeCreated)
{
    // No popup class is registered for kernel32's module.
    ShowPopWindow(GetModuleHandleA("kernel32.dll"), "lost");
    EXPECT_TRUE(OwnPopups().empty());
    EXPECT_EQ(LivePopWindows(), 0);
}

// One popup is timed while a second one, started a little later, runs in the
// same place on its own.
TEST_F(PopWindowTest, SlidesOutStaysFourSecondsSlidesBackAndFreesItself)
{
    WorkAreaGuard workArea({0, 0, 1024, 740});
    const DWORD shown = GetTickCount();
    HWND first = ShowAndFind("first");
    ASSERT_NE(first, nullptr);
    EXPECT_LT(GetTickCount() - shown, 200u) << "ShowPopWindow must return at once";
    EXPECT_EQ(Height(first), 0);
    PumpFor(100);
    HWND second = ShowAndFind("second");
    ASSERT_NE(second, nullptr);
    EXPECT_EQ(LivePopWindows(), 2);

    ASSERT_TRUE(WaitForFullHeight(first));
    const DWORD fullAt = GetTickCount();
    ASSERT_TRUE(WaitForFullHeight(second));
    const RECT firstRect = WindowRect(first);
    const RECT secondRect = WindowRect(second);
    EXPECT_TRUE(EqualRect(&firstRect, &secondRect));

    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(first) || Height(first) < 100; }, 8000));
    const DWORD shrinkAt = GetTickCount();
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(first); }, 5000));
    const DWORD goneAt = GetTickCount();
    EXPECT_TRUE(IsWindow(second)) << "the second popup runs on its own";
    EXPECT_EQ(LivePopWindows(), 1);
    ASSERT_TRUE(PumpUntil([&] { return !IsWindow(second); }, 5000));
    EXPECT_EQ(LivePopWindows(), 0);

    const double slideIn = (fullAt - shown) / 1000.0;
    const double stay = (shrinkAt - fullAt) / 1000.0;
    const double slideOut = (goneAt - shrinkAt) / 1000.0;
    std::printf("slide in %.2f s, full height %.2f s, slide out %.2f s\n", slideIn, stay, slideOut);
    // 50 steps of 10 ms each way and 4 s between, with room for a busy machine.
    EXPECT_GT(slideIn, 0.3);
    EXPECT_LT(slideIn, 3.0);
    EXPECT_GT(stay, 3.5);
    EXPECT_LT(stay, 5.5);
    EXPECT_GT(slideOut, 0.3);
    EXPECT_LT(slideOut, 3.0);
}

// The screen pixels of a window, top-down, as COLORREF values.
std::vector<COLORREF> CaptureWindow(HWND hwnd, int* width, int* height)
{
    const RECT rect = WindowRect(hwnd);
    *width = rect.right - rect.left;
    *height = rect.bottom - rect.top;
    BITMAPINFO info {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = *width;
    info.bmiHeader.biHeight = -*height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<COLORREF> pixels;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap) {
        HGDIOBJ old = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, *width, *height, screen, rect.left, rect.top, SRCCOPY);
        SelectObject(memory, old);
        GdiFlush();
        const auto* bgra = static_cast<const BYTE*>(bits);
        for (int i = 0; i < *width * *height; ++i)
            pixels.push_back(RGB(bgra[4 * i + 2], bgra[4 * i + 1], bgra[4 * i]));
        DeleteObject(bitmap);
    }
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

bool IsInk(COLORREF c)
{
    return GetRValue(c) + GetGValue(c) + GetBValue(c) < 200;
}

TEST_F(PopWindowTest, PaintsAFramedBoxWithCentredTextCutAtTheBottom)
{
    const COLORREF border = RGB(14, 14, 97);
    const COLORREF fill = RGB(141, 236, 163);
    std::string longText;
    for (int i = 1; i <= 40; ++i)
        longText += "Time set from server number " + std::to_string(i) + ". ";
    struct Case {
        const char* name;
        std::string text;
        bool ink;       // some text is drawn
        bool reachesBottom; // text runs into the last inner rows and is cut there
    };
    const Case cases[] = {
        {"empty", "", false, false},
        {"short", "OK", true, false},
        {"long", longText, true, true},
    };
    WorkAreaGuard workArea({0, 0, 1024, 740});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND hwnd = ShowAndFind(c.text.c_str());
        ASSERT_NE(hwnd, nullptr);
        ASSERT_TRUE(WaitForFullHeight(hwnd));
        PumpFor(300);
        if (c.reachesBottom)
            test::SaveScreenshot("popup-long-text");
        int width = 0;
        int height = 0;
        const std::vector<COLORREF> pixels = CaptureWindow(hwnd, &width, &height);
        ASSERT_EQ(width, 140);
        ASSERT_EQ(height, 100);
        ASSERT_EQ(pixels.size(), size_t(width * height));

        int frameFaults = 0;
        int strayColours = 0;
        int inkLeft = width, inkRight = -1, inkTop = height, inkBottom = -1, inkRows = 0;
        for (int y = 0; y < height; ++y) {
            bool rowInk = false;
            for (int x = 0; x < width; ++x) {
                const COLORREF pixel = pixels[size_t(y * width + x)];
                if (x == 0 || y == 0 || x == width - 1 || y == height - 1) {
                    frameFaults += pixel != border;
                } else if (IsInk(pixel)) {
                    rowInk = true;
                    inkLeft = std::min(inkLeft, x);
                    inkRight = std::max(inkRight, x);
                    inkTop = std::min(inkTop, y);
                    inkBottom = std::max(inkBottom, y);
                } else {
                    strayColours += pixel != fill && !c.ink;
                }
            }
            inkRows += rowInk;
        }
        EXPECT_EQ(frameFaults, 0);
        EXPECT_EQ(strayColours, 0);
        EXPECT_EQ(inkRight >= 0, c.ink);
        if (!c.ink) {
        } else if (c.reachesBottom) {
            EXPECT_LT(inkTop, 20) << "text starts at the top";
            EXPECT_GE(inkBottom, height - 8);
            EXPECT_GT(inkRows, 40) << "several wrapped lines";
        } else {
            EXPECT_NEAR(inkLeft - 1, width - 2 - inkRight, 2) << "centred";
            EXPECT_LT(inkBottom, 40);
        }
        DestroyWindow(hwnd);
    }
}

} // namespace
} // namespace vantora::popup
