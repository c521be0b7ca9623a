// popline.dll as a caller loads it: the exports by their plain names, the
// popup class registered at load, and the lunar date through its export.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "popup/PopWindow.h"
#include "popup/Popline.h"
#include "tests/support/GuiTest.h"

namespace vantora::popup {
namespace {

template <class Function>
Function* Export(HMODULE module, const char* name)
{
    // Through void(*)() so the cast from FARPROC does not warn.
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(GetProcAddress(module, name)));
}

TEST(PoplineDll, ExportsItsThreeFunctions)
{
    HMODULE dll = LoadLibraryA(test::BuildPath("bin/popline.dll").c_str());
    ASSERT_NE(dll, nullptr);
    auto* showPopWnd = Export<decltype(ShowPopWnd)>(dll, "ShowPopWnd");
    auto* createTip = Export<decltype(CreateTip)>(dll, "CreateTip");
    auto* getChinaDate = Export<decltype(GetChinaDate)>(dll, "GetChinaDate");
    ASSERT_NE(showPopWnd, nullptr);
    ASSERT_NE(createTip, nullptr);
    ASSERT_NE(getChinaDate, nullptr);

    EXPECT_EQ(createTip(), 0);

    int year = -1, month = -1, day = -1;
    char term[8] = "XXXXXXX";
    EXPECT_EQ(getChinaDate(37653.0, &year, &month, &day, term), 0); // 2003-02-01
    EXPECT_EQ(year, 2003);
    EXPECT_EQ(month, 1);
    EXPECT_EQ(day, 1);
    EXPECT_STREQ(term, "");
    EXPECT_EQ(getChinaDate(55038.0, &year, &month, &day, term), 0); // 2050-09-07
    EXPECT_EQ(day, 22);
    EXPECT_STREQ(term, "\xB0\xD7\xC2\xB6");
    EXPECT_EQ(getChinaDate(std::nan(""), &year, &month, &day, term), 0);
    EXPECT_EQ(year + month + day, 0);
    EXPECT_STREQ(term, "");
    EXPECT_EQ(getChinaDate(37653.0, nullptr, nullptr, nullptr, nullptr), 0);

    // ShowPopWnd returns at once with a popup of the class the DLL registered.
    EXPECT_EQ(showPopWnd(nullptr), 0);
    HWND popup = test::FindOwnTopLevel(kPopWindowClass);
    ASSERT_NE(popup, nullptr);
    EXPECT_EQ(reinterpret_cast<HMODULE>(GetClassLongPtrA(popup, GCLP_HMODULE)), dll);
    EXPECT_EQ(GetWindowLongPtrA(popup, GWL_EXSTYLE) & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW),
              WS_EX_TOPMOST | WS_EX_TOOLWINDOW);
    EXPECT_EQ(GetWindowLongPtrA(popup, GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);
    ASSERT_TRUE(test::PumpUntil([&] {
        RECT rect;
        GetWindowRect(popup, &rect);
        return rect.bottom - rect.top > 10;
    }));
    DestroyWindow(popup);
    EXPECT_TRUE(FreeLibrary(dll));
}

} // namespace
} // namespace vantora::popup
