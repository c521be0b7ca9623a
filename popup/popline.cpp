// popline.dll: the popup window class registered at load, and the exports.
#include <windows.h>

#include <cstring>

#include "popup/LunarDate.h"
#include "popup/PopWindow.h"
#include "popup/Popline.h"

namespace {

HINSTANCE gModule = nullptr;

} // namespace

BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        gModule = module;
        DisableThreadLibraryCalls(module);
        // Without the class ShowPopWnd shows nothing; the lunar date still works.
        vantora::popup::RegisterPopWindowClass(module);
        break;
    case DLL_PROCESS_DETACH:
        // At process exit the class goes with the process.
        if (!reserved)
            vantora::popup::UnregisterPopWindowClass(module);
        break;
    }
    return TRUE;
}

extern "C" int __stdcall ShowPopWnd(const char* text)
{
    vantora::popup::ShowPopWindow(gModule, text);
    return 0;
}

extern "C" int __stdcall CreateTip(void)
{
    return 0;
}

extern "C" int __stdcall GetChinaDate(double oleDate, int* year, int* month, int* day, char* term)
{
    const vantora::popup::LunarDate lunar = vantora::popup::LunarFromOleDate(oleDate);
    // A missing output is skipped rather than written through.
    if (year)
        *year = lunar.year;
    if (month)
        *month = lunar.month;
    if (day)
        *day = lunar.day;
    if (term)
        std::memcpy(term, lunar.term, std::strlen(lunar.term) + 1);
    return 0;
}
