#include "notes/CaptionBar.h"

#include "notes/CaptionGeometry.h"
#include "notes/Note.h"
#include "win/Scoped.h"

namespace vantora::notes {

static_assert(CaptionIconPin == 0 && CaptionIconLock == 1 && CaptionIconHide == 2 && CaptionIconNone == -1,
              "CaptionGeometry numbers the icons the same way");

namespace {

enum IconBitmap : int {
    kPinLying = 102,
    kPinPushed = 103,
    kLockOpen = 104,
    kLockClosed = 105,
    kHideReleased = 108,
    kHideHeld = 109,
};

// Colours of a window whose note cannot be found.
constexpr COLORREF kFallbackFrameColor = kDefaultFrameColor;
constexpr COLORREF kFallbackNoteColor = kDefaultNoteColor;

RECT ToRect(const CaptionRect& r)
{
    return {r.left, r.top, r.right, r.bottom};
}

SIZE WindowSize(HWND hwnd)
{
    RECT window {};
    GetWindowRect(hwnd, &window);
    return {window.right - window.left, window.bottom - window.top};
}

void FillOpaque(HDC dc, const RECT& r, COLORREF color)
{
    SetBkColor(dc, color);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &r, nullptr, 0, nullptr);
}

int IconBitmapId(CaptionIcon icon, const Note* note)
{
    switch (icon) {
    case CaptionIconPin:
        return note && note->alwaysOnTop ? kPinPushed : kPinLying;
    case CaptionIconLock:
        return note && note->lockText ? kLockClosed : kLockOpen;
    case CaptionIconHide:
        return note && note->hidePressed ? kHideHeld : kHideReleased;
    default:
        return 0;
    }
}

void DrawCaptionContent(HWND hwnd, HDC dc, int width, int captionHeight, const Note* note, HINSTANCE resources)
{
    if (note) {
        win::SelectedObject font(dc, note->captionFont.Get());
        RECT band {0, 0, width, captionHeight};
        DrawTextA(dc, note->title.c_str(), -1, &band, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    }
    for (CaptionIcon icon : {CaptionIconPin, CaptionIconHide, CaptionIconLock}) {
        const CaptionRect r = CaptionIconBounds(icon, captionHeight, width);
        DrawCaptionIcon(hwnd, dc, r.left, r.top, kCaptionIconMask, icon, note, resources);
    }
}

} // namespace

int CaptionHeight(HWND hwnd)
{
    RECT window {};
    GetWindowRect(hwnd, &window);
    POINT corner {window.left, window.top};
    ScreenToClient(hwnd, &corner);
    return -corner.y;
}

RECT CaptionIconRect(HWND hwnd, CaptionIcon icon)
{
    return ToRect(CaptionIconBounds(icon, CaptionHeight(hwnd), WindowSize(hwnd).cx));
}

CaptionIcon HitTestIcon(HWND hwnd, POINT screen)
{
    RECT window {};
    GetWindowRect(hwnd, &window);
    const int icon = CaptionIconAt(screen.x - window.left, screen.y - window.top, CaptionHeight(hwnd),
                                   window.right - window.left);
    return static_cast<CaptionIcon>(icon);
}

void PaintNoteFrame(HWND hwnd, const Note* note, HINSTANCE resources)
{
    win::WholeWindowDc dc(hwnd);
    if (!dc)
        return;
    const SIZE size = WindowSize(hwnd);
    const int captionHeight = CaptionHeight(hwnd);
    const COLORREF captionColor = note ? note->captionColor : kFallbackNoteColor;
    const COLORREF backColor = note ? note->backColor : kFallbackNoteColor;
    const COLORREF frameColor = note ? note->frameColor : kFallbackFrameColor;

    FillOpaque(dc.Get(), RECT {0, 0, size.cx, captionHeight}, captionColor);
    DrawCaptionContent(hwnd, dc.Get(), size.cx, captionHeight, note, resources);

    const FrameStrips strips = NoteFrameStrips(size.cx, size.cy, captionHeight, GetSystemMetrics(SM_CXFRAME));
    for (const CaptionRect& strip : {strips.left, strips.right, strips.bottom})
        FillOpaque(dc.Get(), ToRect(strip), backColor);

    win::ScopedPen pen(CreatePen(PS_SOLID, 1, frameColor));
    win::SelectedObject selected(dc.Get(), pen.Get());
    MoveToEx(dc.Get(), 0, 0, nullptr);
    LineTo(dc.Get(), size.cx - 1, 0);
    LineTo(dc.Get(), size.cx - 1, size.cy - 1);
    LineTo(dc.Get(), 0, size.cy - 1);
    LineTo(dc.Get(), 0, 0);
    MoveToEx(dc.Get(), 0, captionHeight - 1, nullptr);
    LineTo(dc.Get(), size.cx - 1, captionHeight - 1);
}

void DrawCaptionIcon(HWND, HDC dc, int x, int y, COLORREF mask, CaptionIcon icon, const Note* note,
                     HINSTANCE resources)
{
    const int id = IconBitmapId(icon, note);
    if (!id)
        return;
    win::ScopedBitmap image(LoadBitmapA(resources, MAKEINTRESOURCEA(id)));
    win::ScopedMemoryDc imageDc(CreateCompatibleDC(dc));
    win::ScopedMemoryDc maskDc(CreateCompatibleDC(dc));
    win::ScopedBitmap maskBitmap(CreateBitmap(kCaptionIconSize, kCaptionIconSize, 1, 1, nullptr));
    if (!image || !imageDc || !maskDc || !maskBitmap)
        return;
    win::SelectedObject imageSelected(imageDc.Get(), image.Get());
    win::SelectedObject maskSelected(maskDc.Get(), maskBitmap.Get());

    // Colour to monochrome: pixels of the source's background colour turn
    // white, all others black.
    SetBkColor(imageDc.Get(), mask);
    BitBlt(maskDc.Get(), 0, 0, kCaptionIconSize, kCaptionIconSize, imageDc.Get(), 0, 0, SRCCOPY);

    // Monochrome to colour uses the target's colours: white stays all ones
    // and black all zeros, so the AND keeps the background under the mask.
    const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
    const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
    BitBlt(dc, x, y, kCaptionIconSize, kCaptionIconSize, imageDc.Get(), 0, 0, SRCINVERT);
    BitBlt(dc, x, y, kCaptionIconSize, kCaptionIconSize, maskDc.Get(), 0, 0, SRCAND);
    BitBlt(dc, x, y, kCaptionIconSize, kCaptionIconSize, imageDc.Get(), 0, 0, SRCINVERT);
    SetBkColor(dc, oldBack);
    SetTextColor(dc, oldText);
}

void RedrawCaptionIcon(HWND hwnd, CaptionIcon icon, const Note* note, HINSTANCE resources)
{
    win::WholeWindowDc dc(hwnd);
    if (!dc)
        return;
    const RECT r = CaptionIconRect(hwnd, icon);
    FillOpaque(dc.Get(), r, note ? note->captionColor : kFallbackNoteColor);
    DrawCaptionIcon(hwnd, dc.Get(), r.left, r.top, kCaptionIconMask, icon, note, resources);
}

} // namespace vantora::notes
