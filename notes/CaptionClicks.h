// Mouse handling of a note's caption band: clicks on the pin, lock and hide
// icons, the held hide button and hover capture. Painting is CaptionBar's.
#pragma once
#include <windows.h>

namespace vantora::notes {

struct Note;

// A point packed in lParam as two signed 16-bit values.
inline POINT PointFromLParam(LPARAM lParam) { return {LONG(short(LOWORD(lParam))), LONG(short(HIWORD(lParam)))}; }

// WM_NCLBUTTONDOWN on the caption: 0 when handled, -1 to let the window move.
LRESULT OnCaptionClick(HWND hwnd, Note* note, POINT screen);
// WM_LBUTTONUP: 0 when handled, -1 for the default processing.
LRESULT OnHideButtonRelease(HWND hwnd, Note* note, POINT client);
// WM_NCMOUSEMOVE: captures the mouse while the pointer is over an icon.
void OnHoverTrack(HWND hwnd, Note* note, POINT screen);

} // namespace vantora::notes
