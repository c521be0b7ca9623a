// Cascade of new notes, fitting to the work area and the date title.
#include <gtest/gtest.h>

#include <vector>

#include "notes/NotePlacement.h"

namespace vantora::notes {
namespace {

std::vector<PlacementPoint> Cascade(int width, int height, int count)
{
    CascadePlacement placement;
    std::vector<PlacementPoint> points;
    for (int i = 0; i < count; ++i)
        points.push_back(placement.Next(width, height));
    return points;
}

TEST(CascadePlacement, FollowsTheColumnsOfA1024By768Screen)
{
    auto p = Cascade(1024, 768, 11);
    const PlacementPoint firstColumn[] = {{50, 100}, {100, 200}, {150, 300}, {200, 400}, {250, 500}};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(p[i], firstColumn[i]) << "note " << i + 1;
    EXPECT_EQ(p[5], (PlacementPoint {118, 100}));
    EXPECT_EQ(p[10], (PlacementPoint {186, 100}));
}

TEST(CascadePlacement, StartsOverAfterTheRightEdgeOfAn800By600Screen)
{
    auto p = Cascade(800, 600, 21);
    EXPECT_EQ(p[0], (PlacementPoint {50, 100}));
    EXPECT_EQ(p[16], (PlacementPoint {322, 100}));   // the last column
    EXPECT_EQ(p[20], (PlacementPoint {118, 100}));
    for (const auto& point : p) {
        EXPECT_LE(point.y + 171, 600);
        EXPECT_LE(point.x + 296, 800);
    }
}

TEST(FitToWorkArea, MovesAndCutsRectanglesIntoTheArea)
{
    struct Case {
        PlacementRect in;
        PlacementRect out;
    };
    const Case cases[] = {
        {{10, 20, 306, 191}, {10, 20, 306, 191}},            // inside: unchanged
        {{100, 700, 396, 871}, {100, 567, 396, 738}},        // below the taskbar: bottom meets it
        {{-40, -10, 256, 161}, {0, 0, 296, 171}},            // off the top-left corner
        {{900, 10, 1196, 181}, {728, 10, 1024, 181}},        // off the right edge
        {{5, 5, 2000, 900}, {0, 0, 1024, 738}},              // larger than the area both ways
        {{300, -500, 500, 1000}, {300, 0, 500, 738}},        // taller only
    };
    for (const Case& c : cases) {
        PlacementRect r = c.in;
        FitToWorkArea(r, 1024, 738);
        EXPECT_EQ(r, c.out) << c.in.left << "," << c.in.top << "," << c.in.right << "," << c.in.bottom;
    }
}

TEST(FormatDateTitle, GivesEnglishMonthAndTwoDigitDay)
{
    EXPECT_EQ(FormatDateTitle(2003, 3, 4), "March 04, 2003");
    EXPECT_EQ(FormatDateTitle(2024, 12, 31), "December 31, 2024");
    EXPECT_EQ(FormatDateTitle(1999, 1, 10), "January 10, 1999");
}

} // namespace
} // namespace vantora::notes
