// The popup's edge rule and placement table.
#include "popup/PopupPlacement.h"

namespace vantora::popup {

TaskbarEdge FindTaskbarEdge(const PopRect& workArea, int32_t screenWidth, int32_t screenHeight)
{
    if (workArea.right - workArea.left == screenWidth && workArea.bottom < screenHeight)
        return TaskbarEdge::Bottom;
    if (workArea.left == 0 && workArea.top != 0)
        return TaskbarEdge::Top;
    if (workArea.left != 0 && workArea.top == 0)
        return TaskbarEdge::Left;
    return TaskbarEdge::Elsewhere;
}

PopRect PopColumn(TaskbarEdge edge, const PopRect& workArea, int32_t width, int32_t height)
{
    switch (edge) {
    case TaskbarEdge::Top:
        return {workArea.right - width, workArea.top, workArea.right, workArea.top + height};
    case TaskbarEdge::Left:
        return {workArea.left, workArea.bottom - height, workArea.left + width, workArea.bottom};
    case TaskbarEdge::Bottom:
    case TaskbarEdge::Elsewhere:
        break;
    }
    return {workArea.right - width, workArea.bottom - height, workArea.right, workArea.bottom};
}

PopPlacement PlacePopup(TaskbarEdge edge, const PopRect& column, int32_t width, int32_t shownHeight)
{
    switch (edge) {
    case TaskbarEdge::Top:
        return {column.left, column.top, width - kPopInset, shownHeight};
    case TaskbarEdge::Left:
        return {column.left + kPopInset, column.bottom - shownHeight - 1, width, shownHeight};
    case TaskbarEdge::Bottom:
    case TaskbarEdge::Elsewhere:
        break;
    }
    return {column.left, column.bottom - shownHeight - 1, width - kPopInset, shownHeight};
}

} // namespace vantora::popup
