// Where notes go on the screen: the cascade of new notes, the fitting of a
// stored rectangle to the work area, and the date title of a new note.
// OS-free: the Win32 side passes screen and taskbar sizes in.
#pragma once
#include <cstdint>
#include <string>

namespace vantora::notes {

struct PlacementRect {
    int32_t left, top, right, bottom;
    bool operator==(const PlacementRect&) const = default;
};

struct PlacementPoint {
    int32_t x, y;
    bool operator==(const PlacementPoint&) const = default;
};

// Steps 50 px right and 100 px down per note; a note that would run off the
// bottom starts a new column 68 px further right, one that would run off the
// right edge starts over near the left. One per process.
class CascadePlacement {
public:
    PlacementPoint Next(int32_t screenWidth, int32_t screenHeight);

private:
    int32_t x_ = 0;
    int32_t y_ = 0;
    int32_t columnBase_ = 0;
};

// Keeps `rect` inside the work area (0, 0, workWidth, workHeight): too large
// a rectangle is cut to the area and put at 0, then it is moved back in.
void FitToWorkArea(PlacementRect& rect, int32_t workWidth, int32_t workHeight);

// "March 04, 2003": English month name, two-digit day, four-digit year.
std::string FormatDateTitle(int year, int month, int day);

} // namespace vantora::notes
