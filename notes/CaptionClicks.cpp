#include "notes/CaptionClicks.h"

#include "notes/CaptionBar.h"
#include "notes/JotboxModule.h"
#include "notes/Note.h"
#include "notes/NoteFactory.h"
#include "notes/NoteWindow.h"

namespace vantora::notes {

LRESULT OnCaptionClick(HWND hwnd, Note* note, POINT screen)
{
    if (!note)
        return 0;
    if (note->alarmState == AlarmState::Ringing)
        StopRing(*note);
    switch (HitTestIcon(hwnd, screen)) {
    case CaptionIconPin:
        ApplyAlwaysOnTop(*note, true);
        RedrawCaptionIcon(hwnd, CaptionIconPin, note, JotboxModule());
        return 0;
    case CaptionIconLock:
        ApplyLockText(*note, true);
        RedrawCaptionIcon(hwnd, CaptionIconLock, note, JotboxModule());
        return 0;
    case CaptionIconHide:
        note->hidePressed = 1;
        RedrawCaptionIcon(hwnd, CaptionIconHide, note, JotboxModule());
        SetCapture(hwnd);
        return 0;
    default:
        return -1;
    }
}

LRESULT OnHideButtonRelease(HWND hwnd, Note* note, POINT client)
{
    if (!note)
        return 0;
    if (!note->hidePressed)
        return -1;
    if (!note->iconHover)
        ReleaseCapture();
    note->hidePressed = 0;
    RedrawCaptionIcon(hwnd, CaptionIconHide, note, JotboxModule());
    POINT screen = client;
    ClientToScreen(hwnd, &screen);
    if (HitTestIcon(hwnd, screen) == CaptionIconHide)
        Hide(*note);
    return 0;
}

void OnHoverTrack(HWND hwnd, Note* note, POINT screen)
{
    if (!note)
        return;
    if (HitTestIcon(hwnd, screen) != CaptionIconNone) {
        if (!note->iconHover) {
            note->iconHover = 1;
            SetCapture(hwnd);
        }
    } else {
        note->iconHover = 0;
        ReleaseCapture();
    }
}

} // namespace vantora::notes
