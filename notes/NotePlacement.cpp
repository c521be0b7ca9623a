#include "notes/NotePlacement.h"

#include <cstdio>

namespace vantora::notes {

namespace {
// The cascade steps by the default note size, whatever the registry says.
constexpr int32_t kCascadeWidth = 296;
constexpr int32_t kCascadeHeight = 171;
} // namespace

PlacementPoint CascadePlacement::Next(int32_t screenWidth, int32_t screenHeight)
{
    x_ += 50;
    y_ = 2 * (x_ - columnBase_);
    if (x_ + kCascadeWidth > screenWidth) {
        columnBase_ = 0;
        x_ += 50;
        y_ = 2 * x_;
    }
    if (y_ + kCascadeHeight > screenHeight) {
        columnBase_ += 68;
        x_ = columnBase_ + 50;
        y_ = 100;
    }
    return {x_, y_};
}

void FitToWorkArea(PlacementRect& rect, int32_t workWidth, int32_t workHeight)
{
    if (rect.bottom - rect.top > workHeight) {
        rect.top = 0;
        rect.bottom = workHeight;
    }
    if (rect.right - rect.left > workWidth) {
        rect.left = 0;
        rect.right = workWidth;
    }
    if (rect.left < 0) {
        rect.right -= rect.left;
        rect.left = 0;
    }
    if (rect.top < 0) {
        rect.bottom -= rect.top;
        rect.top = 0;
    }
    if (rect.right > workWidth) {
        rect.left -= rect.right - workWidth;
        rect.right = workWidth;
    }
    if (rect.bottom > workHeight) {
        rect.top -= rect.bottom - workHeight;
        rect.bottom = workHeight;
    }
}

std::string FormatDateTitle(int year, int month, int day)
{
    static const char* const kMonths[] = {"January", "February", "March",     "April",   "May",      "June",
                                          "July",    "August",   "September", "October", "November", "December"};
    const char* name = month >= 1 && month <= 12 ? kMonths[month - 1] : "?";
    char text[64];
    std::snprintf(text, sizeof text, "%s %02d, %04d", name, day, year);
    return text;
}

} // namespace vantora::notes
