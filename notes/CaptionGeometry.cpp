#include "notes/CaptionGeometry.h"

namespace vantora::notes {

CaptionRect CaptionIconBounds(int icon, int captionHeight, int windowWidth)
{
    // The icons are centred in the band; C++ division truncates toward zero,
    // so a band lower than an icon gives a small negative margin.
    const int a = (captionHeight - kCaptionIconSize) / 2;
    int left;
    switch (icon) {
    case 0:
        left = a;
        break;
    case 1:
        left = a + 19;
        break;
    case 2:
        left = windowWidth - a - 20;
        break;
    default:
        return {0, 0, 0, 0};
    }
    return {left, a, left + kCaptionIconSize, a + kCaptionIconSize};
}

int CaptionIconAt(int x, int y, int captionHeight, int windowWidth)
{
    for (int icon = 0; icon < kCaptionIconCount; ++icon) {
        const CaptionRect r = CaptionIconBounds(icon, captionHeight, windowWidth);
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return icon;
    }
    return -1;
}

FrameStrips NoteFrameStrips(int windowWidth, int windowHeight, int captionHeight, int frame)
{
    return {
        {0, captionHeight, frame, windowHeight},
        {windowWidth - frame, captionHeight, windowWidth, windowHeight},
        {0, windowHeight - frame, windowWidth, windowHeight},
    };
}

} // namespace vantora::notes
