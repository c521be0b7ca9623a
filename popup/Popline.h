// What popline.dll exports. The functions are stdcall: the callee removes
// its arguments (4 bytes for ShowPopWnd, 24 for GetChinaDate on i686).
#pragma once

#ifdef __cplusplus
extern "C" {
#endif

// Shows `text` (8-bit, NUL-terminated) in the sliding popup on the calling
// thread, which must dispatch messages; returns 0 at once.
int __stdcall ShowPopWnd(const char* text);
// Does nothing; returns 0.
int __stdcall CreateTip(void);
// The Chinese lunar date of an OLE Automation date from 1901-01-01 to
// 2050-12-31: lunar year, month (a leap month carries the number of the month
// it follows), day, and the day's solar term in code page 936 (`term` holds at
// least 5 bytes) or "". Other dates give 0, 0, 0 and "". Returns 0.
int __stdcall GetChinaDate(double oleDate, int* year, int* month, int* day, char* term);

#ifdef __cplusplus
}
#endif
