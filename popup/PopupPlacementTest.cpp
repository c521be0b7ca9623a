// The taskbar edge judged from the work area, and the popup's rectangle at
// the first step and at full height, on a 1024 x 768 screen.
#include <gtest/gtest.h>

#include "popup/PopupPlacement.h"

namespace vantora::popup {
namespace {

TEST(PopupPlacement, PlacesThePopupAgainstEachTaskbarEdge)
{
    struct Case {
        const char* name;
        PopRect workArea;
        TaskbarEdge edge;
        PopPlacement firstStep;
        PopPlacement full;
    };
    const Case cases[] = {
        {"bottom", {0, 0, 1024, 740}, TaskbarEdge::Bottom, {874, 737, 140, 2}, {874, 639, 140, 100}},
        {"top", {0, 30, 1024, 768}, TaskbarEdge::Top, {874, 30, 140, 2}, {874, 30, 140, 100}},
        {"left", {60, 0, 1024, 768}, TaskbarEdge::Left, {70, 765, 150, 2}, {70, 667, 150, 100}},
        {"right", {0, 0, 964, 768}, TaskbarEdge::Elsewhere, {814, 765, 140, 2}, {814, 667, 140, 100}},
        {"auto-hidden", {0, 0, 1024, 768}, TaskbarEdge::Elsewhere, {874, 765, 140, 2}, {874, 667, 140, 100}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TaskbarEdge edge = FindTaskbarEdge(c.workArea, 1024, 768);
        EXPECT_EQ(edge, c.edge);
        const PopRect column = PopColumn(edge, c.workArea, kPopWidth, kPopHeight);
        for (auto [height, want] : {std::pair {2, c.firstStep}, std::pair {100, c.full}}) {
            const PopPlacement got = PlacePopup(edge, column, kPopWidth, height);
            EXPECT_EQ(got.x, want.x) << height;
            EXPECT_EQ(got.y, want.y) << height;
            EXPECT_EQ(got.width, want.width) << height;
            EXPECT_EQ(got.height, want.height) << height;
        }
    }
}

} // namespace
} // namespace vantora::popup
