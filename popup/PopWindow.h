// The sliding popup: a borderless topmost window that slides out of the work
// area's edge next to the taskbar, stays four seconds, slides back and frees
// itself. It runs on the calling thread's message loop.
#pragma once
#include <windows.h>

namespace vantora::popup {

inline constexpr char kPopWindowClass[] = "qovr POP WNDCLASS";

// Timers of a popup window.
enum PopTimer : UINT_PTR {
    kSlideInTimer = 100,
    kSlideOutTimer = 101,
    kStayTimer = 102,
};

// Registers the window class for `module`; once, before any popup is shown.
bool RegisterPopWindowClass(HINSTANCE module);
void UnregisterPopWindowClass(HINSTANCE module);

// Starts a popup showing `text` (nullptr shows an empty box) and returns at
// once. Nothing is shown when its window cannot be created.
void ShowPopWindow(HINSTANCE module, const char* text);

// Popups whose object still exists, in every thread of the process.
long LivePopWindows();

} // namespace vantora::popup
