// Where a note's caption icons and frame strips lie, in window coordinates
// (origin at the window's top-left corner, frame included). No window needed.
#pragma once

namespace vantora::notes {

// Same numbering as CaptionIcon: 0 pin, 1 lock, 2 hide, -1 none.
constexpr int kCaptionIconCount = 3;
constexpr int kCaptionIconSize = 16;

struct CaptionRect {
    int left;
    int top;
    int right;
    int bottom;
    bool operator==(const CaptionRect&) const = default;
};

// `captionHeight`: distance from the window's top edge to its client area.
CaptionRect CaptionIconBounds(int icon, int captionHeight, int windowWidth);
// The icon under a window-coordinate point, tested pin, lock, hide; a
// rectangle holds its left and top edges but not its right and bottom ones.
int CaptionIconAt(int x, int y, int captionHeight, int windowWidth);

// The left, right and bottom strips below the caption, `frame` pixels wide.
struct FrameStrips {
    CaptionRect left;
    CaptionRect right;
    CaptionRect bottom;
};
FrameStrips NoteFrameStrips(int windowWidth, int windowHeight, int captionHeight, int frame);

} // namespace vantora::notes
