// Where the sliding popup goes: which edge the taskbar is on, judged from the
// work area, and the popup's rectangle for each height of the slide.
#pragma once
#include <cstdint>

namespace vantora::popup {

enum class TaskbarEdge : int32_t {
    Bottom = 200,
    Top = 201,
    Elsewhere = 202, // right, auto-hidden or none: placed as at the bottom
    Left = 203,
};

struct PopRect {
    int32_t left;
    int32_t top;
    int32_t right;
    int32_t bottom;
};

struct PopPlacement {
    int32_t x;
    int32_t y;
    int32_t width;
    int32_t height;
};

inline constexpr int32_t kPopWidth = 150;
inline constexpr int32_t kPopHeight = 100;
inline constexpr int32_t kPopStayMs = 4000;
inline constexpr int32_t kPopStepMs = 10;
inline constexpr int32_t kPopStepPixels = 2;
// The popup ends this far short of the work area's right edge (or starts this
// far in from its left edge when the taskbar is on the left).
inline constexpr int32_t kPopInset = 10;

TaskbarEdge FindTaskbarEdge(const PopRect& workArea, int32_t screenWidth, int32_t screenHeight);
// The column the popup slides in: its full-height rectangle against the edge.
PopRect PopColumn(TaskbarEdge edge, const PopRect& workArea, int32_t width, int32_t height);
PopPlacement PlacePopup(TaskbarEdge edge, const PopRect& column, int32_t width, int32_t shownHeight);

} // namespace vantora::popup
