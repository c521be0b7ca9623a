// The popup window class: one PopWindow object per message, found through the
// window's user data, freed when its window is destroyed.
#include "popup/PopWindow.h"

#include <algorithm>
#include <climits>
#include <memory>
#include <new>
#include <string>

#include "popup/PopupPlacement.h"
#include "win/Scoped.h"

namespace vantora::popup {
namespace {

const COLORREF kBorderColor = RGB(14, 14, 97);
const COLORREF kFillColor = RGB(141, 236, 163);

// The class brush lives as long as the class registration.
HBRUSH gFillBrush = nullptr;
volatile LONG gLivePopWindows = 0;

class PopWindow {
public:
    explicit PopWindow(const char* text) : text_(text ? text : "") { InterlockedIncrement(&gLivePopWindows); }
    ~PopWindow() { InterlockedDecrement(&gLivePopWindows); }
    PopWindow(const PopWindow&) = delete;
    PopWindow& operator=(const PopWindow&) = delete;

    static void Start(HINSTANCE module, const char* text)
    {
        auto popup = std::make_unique<PopWindow>(text);
        // Created hidden: a window created visible is activated and would take
        // the keyboard from whatever the user is typing in. The first step of
        // the slide shows it without activating it.
        HWND hwnd = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kPopWindowClass, nullptr,
                                    WS_POPUP | WS_BORDER, CW_USEDEFAULT, CW_USEDEFAULT,
                                    CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, module, popup.get());
        if (!hwnd)
            return;
        popup->ownedByWindow_ = true;
        popup.release()->StartSlide();
    }

    static PopWindow* From(HWND hwnd)
    {
        return reinterpret_cast<PopWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    }

    void OnNcCreate(HWND hwnd)
    {
        hwnd_ = hwnd;
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }

    void OnCreate()
    {
        // No frame at all: the whole window is client area, framed by OnPaint.
        SetWindowLongPtrA(hwnd_, GWL_STYLE, GetWindowLongPtrA(hwnd_, GWL_STYLE) & ~LONG_PTR(WS_CAPTION));
        SetWindowPos(hwnd_, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }

    void OnTimer(UINT_PTR id)
    {
        switch (id) {
        case kSlideInTimer:
            shownHeight_ += kPopStepPixels;
            if (shownHeight_ > height_) {
                KillTimer(hwnd_, kSlideInTimer);
                SetTimer(hwnd_, kStayTimer, UINT(stayTime_), nullptr);
            } else {
                Place();
            }
            break;
        case kStayTimer:
            KillTimer(hwnd_, kStayTimer);
            SetTimer(hwnd_, kSlideOutTimer, UINT(stepInterval_), nullptr);
            break;
        case kSlideOutTimer:
            shownHeight_ -= kPopStepPixels;
            if (shownHeight_ > 0) {
                Place();
            } else {
                KillTimer(hwnd_, kSlideOutTimer);
                shownHeight_ = 0;
                // Destroying the window frees this object: touch nothing after.
                DestroyWindow(hwnd_);
                return;
            }
            break;
        }
        InvalidateRect(hwnd_, nullptr, TRUE);
    }

    void OnNcDestroy()
    {
        if (ownedByWindow_)
            delete this;
    }

    void OnPaint()
    {
        win::PaintDc paint(hwnd_);
        HDC dc = paint.Get();
        RECT rect;
        GetWindowRect(hwnd_, &rect);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);

        win::ScopedBrush border(CreateSolidBrush(kBorderColor));
        FrameRect(dc, &rect, border.Get());
        InflateRect(&rect, -1, -1);
        SetBkColor(dc, kFillColor);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
        const int length = int(std::min<size_t>(text_.size(), INT_MAX));
        DrawTextA(dc, text_.c_str(), length, &rect, DT_WORDBREAK | DT_CENTER | DT_VCENTER);
    }

private:
    void StartSlide()
    {
        RECT workArea;
        SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
        const PopRect area {workArea.left, workArea.top, workArea.right, workArea.bottom};
        edge_ = FindTaskbarEdge(area, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
        column_ = PopColumn(edge_, area, width_, height_);
        shownHeight_ = 0;
        SetTimer(hwnd_, kSlideInTimer, UINT(stepInterval_), nullptr);
    }

    void Place()
    {
        const PopPlacement at = PlacePopup(edge_, column_, width_, shownHeight_);
        SetWindowPos(hwnd_, HWND_TOPMOST, at.x, at.y, at.width, at.height, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    }

    HWND hwnd_ = nullptr;
    PopRect column_ {};
    int32_t shownHeight_ = 0;
    int32_t width_ = kPopWidth;
    int32_t height_ = kPopHeight;
    int32_t stayTime_ = kPopStayMs;
    int32_t stepInterval_ = kPopStepMs;
    TaskbarEdge edge_ = TaskbarEdge::Elsewhere;
    std::string text_;
    // Until CreateWindowEx has succeeded the caller owns the object, so a
    // window destroyed during a failed creation does not free it.
    bool ownedByWindow_ = false;
};

LRESULT CALLBACK PopWindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg == WM_NCCREATE)
        static_cast<PopWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams)->OnNcCreate(hwnd);
    PopWindow* self = PopWindow::From(hwnd);
    if (!self)
        return DefWindowProcA(hwnd, msg, wParam, lParam);

    switch (msg) {
    case WM_CREATE:
        self->OnCreate();
        return 0;
    case WM_TIMER:
        self->OnTimer(wParam);
        return 0;
    case WM_PAINT:
        self->OnPaint();
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
        self->OnNcDestroy();
        break;
    }
    return DefWindowProcA(hwnd, msg, wParam, lParam);
}

} // namespace

bool RegisterPopWindowClass(HINSTANCE module)
{
    if (!gFillBrush)
        gFillBrush = CreateSolidBrush(kFillColor);
    WNDCLASSA windowClass {};
    windowClass.lpfnWndProc = PopWindowProc;
    windowClass.hInstance = module;
    windowClass.hbrBackground = gFillBrush;
    windowClass.lpszClassName = kPopWindowClass;
    return RegisterClassA(&windowClass) != 0;
}

void UnregisterPopWindowClass(HINSTANCE module)
{
    // Fails while a popup still exists; its brush must then stay too.
    if (UnregisterClassA(kPopWindowClass, module) && gFillBrush) {
        DeleteObject(gFillBrush);
        gFillBrush = nullptr;
    }
}

void ShowPopWindow(HINSTANCE module, const char* text)
{
    try {
        PopWindow::Start(module, text);
    } catch (const std::bad_alloc&) {
        // Out of memory: no popup, as when its window cannot be created.
    }
}

long LivePopWindows()
{
    return gLivePopWindows;
}

} // namespace vantora::popup
