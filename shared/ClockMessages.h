// Messages around the taskbar clock: those the clock library posts to the
// tray program's main window, and the shell's own messages to its clock.
#pragma once

namespace vantora {

// clock (shell's process) -> tray program
constexpr unsigned WM_CLOCK_TAKENOVER = 1024;   // lParam: the clock window
constexpr unsigned WM_CLOCK_COMMAND408 = 1025;  // wParam, lParam 0
constexpr unsigned WM_CLOCK_DBLCLK = 1027;      // open the date/time panel
constexpr unsigned WM_CLOCK_CONTEXTMENU = 1029; // lParam: x low 16 bits, y high 16 bits (unsigned)

// tray program -> taken-over clock: reload the clock settings
constexpr unsigned WM_CLOCK_RELOAD = 1025;

// taskbar -> clock: size query (answer: height << 16 | width) and repaint
constexpr unsigned WM_CLOCK_CALCSIZE = 1124;
constexpr unsigned WM_CLOCK_REPAINT = 1125;

} // namespace vantora
