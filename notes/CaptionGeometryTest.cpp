// Caption icon placement and hit testing, without a window.
#include <gtest/gtest.h>

#include "notes/CaptionGeometry.h"

namespace vantora::notes {
namespace {

TEST(CaptionGeometry, PlacesTheIconsFromTheCaptionHeightAndWindowWidth)
{
    struct Case { int height; int width; int icon; CaptionRect expected; };
    const Case cases[] = {
        // A 20-pixel band: icons at y 2; pin x 2..17, lock 21..36, hide W-22..W-7.
        {20, 296, 0, {2, 2, 18, 18}},
        {20, 296, 1, {21, 2, 37, 18}},
        {20, 296, 2, {274, 2, 290, 18}},
        {21, 296, 0, {2, 2, 18, 18}},        // odd margin rounds down
        {26, 100, 2, {75, 5, 91, 21}},
        {15, 100, 0, {0, 0, 16, 16}},        // (15 - 16) / 2 truncates to 0
        {14, 100, 1, {18, -1, 34, 15}},      // band lower than an icon
        {20, 296, -1, {0, 0, 0, 0}},
        {20, 296, 3, {0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "height " << c.height << " width " << c.width << " icon " << c.icon);
        EXPECT_EQ(CaptionIconBounds(c.icon, c.height, c.width), c.expected);
    }
}

TEST(CaptionGeometry, HitTestHoldsLeftAndTopEdgesOnly)
{
    struct Case { int x; int y; int expected; };
    const Case cases[] = {
        {2, 2, 0},   {17, 17, 0},  {18, 2, -1},  {2, 18, -1},  {1, 5, -1},  {5, 1, -1},
        {21, 2, 1},  {36, 17, 1},  {37, 5, -1},  {20, 5, -1},  {21, 18, -1},
        {274, 2, 2}, {289, 17, 2}, {290, 5, -1}, {273, 5, -1}, {280, 18, -1},
        {150, 10, -1}, {-5, 5, -1}, {5, -5, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "point " << c.x << "," << c.y);
        EXPECT_EQ(CaptionIconAt(c.x, c.y, 20, 296), c.expected);
    }
}

TEST(CaptionGeometry, OverlappingIconsAnswerInPinLockHideOrder)
{
    // 40 pixels wide: the hide button (18..33) covers the pin's right part
    // and most of the lock (21..36).
    EXPECT_EQ(CaptionIconAt(17, 5, 20, 40), 0);
    EXPECT_EQ(CaptionIconAt(25, 5, 20, 40), 1);
    EXPECT_EQ(CaptionIconAt(19, 5, 20, 40), 2);
}

TEST(CaptionGeometry, FrameStripsRunFromTheCaptionToTheBottom)
{
    const FrameStrips strips = NoteFrameStrips(296, 171, 20, 4);
    EXPECT_EQ(strips.left, (CaptionRect {0, 20, 4, 171}));
    EXPECT_EQ(strips.right, (CaptionRect {292, 20, 296, 171}));
    EXPECT_EQ(strips.bottom, (CaptionRect {0, 167, 296, 171}));
}

} // namespace
} // namespace vantora::notes
