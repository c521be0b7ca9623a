// Built, never run: a caller linked by import against popline.dll, as the
// tray program is. It fails to link when the import library does not resolve
// the stdcall names callers use.
#include "popup/Popline.h"

int main()
{
    int year = 0, month = 0, day = 0;
    char term[5] = "";
    GetChinaDate(37653.0, &year, &month, &day, term);
    return CreateTip() + ShowPopWnd("");
}
