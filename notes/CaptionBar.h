// The non-client area a note window draws itself: caption band with title,
// pin, lock and hide icons, frame strips and outline.
#pragma once
#include <windows.h>

namespace vantora::notes {

struct Note;

enum CaptionIcon : int {
    CaptionIconNone = -1,
    CaptionIconPin = 0,
    CaptionIconLock = 1,
    CaptionIconHide = 2,
};

// Pure green: transparent in the caption icon bitmaps.
constexpr COLORREF kCaptionIconMask = RGB(0, 255, 0);

// Distance from the window's top edge to its client area.
int CaptionHeight(HWND hwnd);
// Window-coordinate rectangle of an icon (pin, lock or hide).
RECT CaptionIconRect(HWND hwnd, CaptionIcon icon);
// The icon under a screen point, or CaptionIconNone.
CaptionIcon HitTestIcon(HWND hwnd, POINT screen);

// Paints frame, caption and outline; `note` may be null (default colours).
// Bitmaps 102..109 come from `resources` (the notes control's module).
void PaintNoteFrame(HWND hwnd, const Note* note, HINSTANCE resources);
// Draws one icon, choosing its bitmap from the note's state, with `mask`
// pixels transparent.
void DrawCaptionIcon(HWND hwnd, HDC dc, int x, int y, COLORREF mask, CaptionIcon icon,
                     const Note* note, HINSTANCE resources);
// Fills the icon's rectangle with the caption colour and draws it again.
void RedrawCaptionIcon(HWND hwnd, CaptionIcon icon, const Note* note, HINSTANCE resources);

} // namespace vantora::notes
