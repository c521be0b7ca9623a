#include "notes/FlatBitmapButton.h"

#include <string>

#include "win/Scoped.h"

namespace vantora::notes {

namespace {

enum Border : int { BorderNone = 0, BorderSunken = 1, BorderRaised = 2 };
enum Centring : int { CentreHorizontally = 1, CentreVertically = 2 };

// Pure blue: the text of a button that has the focus.
constexpr COLORREF kFocusTextColor = 0xFF0000;
constexpr int kImageTextGap = 5;

LRESULT CALLBACK FlatButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

// Everything the button knows, in the order the drawing reads it.
struct ButtonState {
    win::ScopedBitmap normalImage;
    win::ScopedBitmap hotImage;
    win::ScopedBitmap disabledImage;
    int arrangement = 0;
    bool disabled = false;
    bool focused = false;
    bool pressed = false;
    int border = BorderNone;
    bool active = false;
    bool tracking = false;
    WNDPROC buttonProc = nullptr;   // the system button's procedure we subclass

    LRESULT Default(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
    {
        return CallWindowProcA(buttonProc, hwnd, message, wParam, lParam);
    }
    void Redraw(HWND hwnd)
    {
        InvalidateRect(hwnd, nullptr, TRUE);
        UpdateWindow(hwnd);
    }

    LRESULT OnMouseMove(HWND hwnd, WPARAM keys, LPARAM point);
    void OnSetFocus(HWND hwnd, WPARAM wParam);
    void OnKillFocus(HWND hwnd, WPARAM wParam);
    void OnButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam);
    void OnButtonUp(HWND hwnd);
    void OnDoubleClick(HWND hwnd, WPARAM wParam, LPARAM lParam);
    void Draw(const DRAWITEMSTRUCT& item);
};

ButtonState* StateOf(HWND hwnd)
{
    return reinterpret_cast<ButtonState*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool IsFlatButton(HWND hwnd)
{
    return hwnd && GetWindowLongPtrA(hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&FlatButtonProc);
}

// Puts the system's procedure back, so the window never calls into a state
// that is gone.
void Unhook(HWND hwnd, ButtonState* state)
{
    if (!IsFlatButton(hwnd) || StateOf(hwnd) != state)
        return;
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(state->buttonProc));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
}

// One-pixel 3-D rectangle: top and left in one colour, bottom and right in
// the other, the bottom-right corner pixels in the second.
void Draw3dRect(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight)
{
    auto fill = [dc](int left, int top, int right, int bottom, COLORREF color) {
        RECT strip {left, top, right, bottom};
        SetBkColor(dc, color);
        ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &strip, nullptr, 0, nullptr);
    };
    fill(r.left, r.top, r.right - 1, r.top + 1, topLeft);
    fill(r.left, r.top, r.left + 1, r.bottom - 1, topLeft);
    fill(r.right - 1, r.top, r.right, r.bottom, bottomRight);
    fill(r.left, r.bottom - 1, r.right, r.bottom, bottomRight);
}

void DrawBorder(HDC dc, const RECT& r, int border)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    switch (border) {
    case BorderSunken:
        Draw3dRect(dc, r, shadow, highlight);
        break;
    case BorderRaised:
        Draw3dRect(dc, r, highlight, shadow);
        break;
    default:
        Draw3dRect(dc, r, face, face);
        break;
    }
}

SIZE BitmapSize(HBITMAP image)
{
    BITMAP info {};
    GetObjectA(image, sizeof info, &info);
    return {info.bmWidth, info.bmHeight};
}

// Centres the image in the rectangle along the flagged axis: a larger image
// shows its middle, a smaller one moves to the middle. The copy stays within
// the image, so nothing beyond its edge reaches the screen.
void DrawBitmap(HDC dc, const RECT& r, int centring, HBITMAP image)
{
    const SIZE size = BitmapSize(image);
    const int dx = (size.cx - (r.right - r.left)) / 2;
    const int dy = (size.cy - (r.bottom - r.top)) / 2;
    POINT source {0, 0};
    POINT target {r.left, r.top};
    if (centring & CentreHorizontally) {
        if (dx > 0)
            source.x = dx;
        else
            target.x = r.left - dx;
    }
    if (centring & CentreVertically) {
        if (dy > 0)
            source.y = dy;
        else
            target.y = r.top - dy;
    }
    int width = r.right - r.left;
    int height = r.bottom - r.top;
    if (width > size.cx - source.x)
        width = size.cx - source.x;
    if (height > size.cy - source.y)
        height = size.cy - source.y;
    if (width <= 0 || height <= 0)
        return;

    win::ScopedMemoryDc memory(CreateCompatibleDC(dc));
    if (!memory)
        return;
    win::SelectedObject selected(memory.Get(), image);
    BitBlt(dc, target.x, target.y, width, height, memory.Get(), source.x, source.y, SRCCOPY);
}

UINT TextFormat(int arrangement)
{
    switch (arrangement) {
    case 0:
    case 1:
        return DT_SINGLELINE | DT_VCENTER;
    case 2:
        return DT_SINGLELINE | DT_CENTER | DT_BOTTOM;
    case 3:
        return DT_SINGLELINE | DT_CENTER;
    default:
        return DT_SINGLELINE;
    }
}

LRESULT CALLBACK FlatButtonProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    ButtonState* state = StateOf(hwnd);
    if (!state)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    switch (message) {
    case WM_ENABLE:
        state->disabled = !wParam;
        return state->Default(hwnd, message, wParam, lParam);
    case WM_MOUSEMOVE:
        return state->OnMouseMove(hwnd, wParam, lParam);
    case WM_SETFOCUS:
        state->OnSetFocus(hwnd, wParam);
        return 0;
    case WM_KILLFOCUS:
        state->OnKillFocus(hwnd, wParam);
        return 0;
    case WM_LBUTTONDOWN:
        state->OnButtonDown(hwnd, wParam, lParam);
        return 0;
    case WM_LBUTTONUP:
        state->OnButtonUp(hwnd);
        return 0;
    case WM_LBUTTONDBLCLK:
        state->OnDoubleClick(hwnd, wParam, lParam);
        return 0;
    case WM_NCDESTROY: {
        WNDPROC buttonProc = state->buttonProc;
        Unhook(hwnd, state);
        return CallWindowProcA(buttonProc, hwnd, message, wParam, lParam);
    }
    default:
        return state->Default(hwnd, message, wParam, lParam);
    }
}

LRESULT ButtonState::OnMouseMove(HWND hwnd, WPARAM keys, LPARAM point)
{
    const LRESULT result = Default(hwnd, WM_MOUSEMOVE, keys, point);
    if (tracking && GetCapture() == hwnd && border != BorderNone) {
        RECT client;
        GetClientRect(hwnd, &client);
        const POINT p {static_cast<short>(LOWORD(point)), static_cast<short>(HIWORD(point))};
        if (PtInRect(&client, p))
            return result;
        // The pointer has left: the capture was only held to see this.
        border = BorderNone;
        pressed = false;
        active = false;
        Redraw(hwnd);
        tracking = false;
        ReleaseCapture();
        return result;
    }
    SetCapture(hwnd);
    tracking = true;
    pressed = (keys & MK_LBUTTON) != 0;
    active = true;
    border = pressed ? BorderSunken : BorderRaised;
    Redraw(hwnd);
    return result;
}

void ButtonState::OnSetFocus(HWND hwnd, WPARAM wParam)
{
    focused = true;
    border = pressed ? BorderSunken : BorderRaised;
    active = true;
    Default(hwnd, WM_SETFOCUS, wParam, 0);
    Redraw(hwnd);
}

void ButtonState::OnKillFocus(HWND hwnd, WPARAM wParam)
{
    border = BorderNone;
    focused = false;
    active = false;
    Default(hwnd, WM_KILLFOCUS, wParam, 0);
    Redraw(hwnd);
}

void ButtonState::OnButtonDown(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    active = false;
    pressed = true;
    if (GetFocus() == hwnd) {
        border = BorderSunken;
        Default(hwnd, WM_LBUTTONDOWN, wParam, lParam);
        Redraw(hwnd);
    } else {
        SetFocus(hwnd);   // WM_SETFOCUS draws it sunken
    }
}

void ButtonState::OnButtonUp(HWND hwnd)
{
    pressed = false;
    active = true;
    if (GetFocus() == hwnd) {
        border = BorderRaised;
        Redraw(hwnd);
    } else {
        SetFocus(hwnd);
    }
    // Sent wherever the pointer is: a press on the button always counts.
    const int id = GetDlgCtrlID(hwnd);
    SendMessageA(GetParent(hwnd), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(hwnd));
}

void ButtonState::OnDoubleClick(HWND hwnd, WPARAM wParam, LPARAM lParam)
{
    pressed = true;
    if (GetFocus() == hwnd) {
        border = BorderSunken;
        Redraw(hwnd);
        Default(hwnd, WM_LBUTTONDBLCLK, wParam, lParam);
        border = BorderNone;
    } else {
        SetFocus(hwnd);
    }
}

void ButtonState::Draw(const DRAWITEMSTRUCT& item)
{
    HDC dc = item.hDC;
    HWND hwnd = item.hwndItem;
    char buffer[256] = "";
    GetWindowTextA(hwnd, buffer, sizeof buffer);
    const std::string text = buffer;
    win::SavedDcState saved(dc);
    const UINT format = TextFormat(arrangement);
    SetBkMode(dc, TRANSPARENT);

    RECT rect = item.rcItem;
    DrawBorder(dc, rect, border);
    InflateRect(&rect, -2, -2);

    HBITMAP image;
    if (focused) {
        SetTextColor(dc, kFocusTextColor);
        image = hotImage ? hotImage.Get() : normalImage.Get();
    } else {
        SetTextColor(dc, GetSysColor(COLOR_WINDOWFRAME));
        image = normalImage.Get();
    }
    if (active)
        image = hotImage ? hotImage.Get() : normalImage.Get();

    disabled = (GetWindowLongA(hwnd, GWL_STYLE) & WS_DISABLED) != 0;
    if (disabled)
        image = disabledImage.Get();
    else if (pressed)
        OffsetRect(&rect, 1, 1);

    RECT imageRect = rect;
    RECT textRect = rect;
    if (image) {
        SIZE textSize {0, 0};
        if (!text.empty())
            GetTextExtentPoint32A(dc, text.c_str(), static_cast<int>(text.size()), &textSize);
        const SIZE imageSize = BitmapSize(image);
        int centring = CentreHorizontally;
        switch (arrangement) {
        case 0:
            OffsetRect(&imageRect, textSize.cx + kImageTextGap, 0);
            centring = CentreVertically;
            break;
        case 1:
            OffsetRect(&textRect, imageSize.cx + kImageTextGap, 0);
            centring = CentreVertically;
            break;
        case 3:
            OffsetRect(&imageRect, 0, textSize.cy + kImageTextGap);
            break;
        default:
            break;
        }
        DrawBitmap(dc, imageRect, centring, image);
    }

    if (disabled) {
        RECT emboss = textRect;
        OffsetRect(&emboss, 1, 1);
        SetTextColor(dc, GetSysColor(COLOR_BTNHIGHLIGHT));
        DrawTextA(dc, text.c_str(), -1, &emboss, format);
        SetTextColor(dc, GetSysColor(COLOR_BTNSHADOW));
    }
    DrawTextA(dc, text.c_str(), -1, &textRect, format);
}

} // namespace

struct FlatBitmapButton::State : ButtonState {};

FlatBitmapButton::FlatBitmapButton() : state_(new State) {}

FlatBitmapButton::~FlatBitmapButton()
{
    if (hwnd_ && IsWindow(hwnd_))
        Unhook(hwnd_, state_);
    delete state_;
}

bool FlatBitmapButton::Create(HWND parent, int id, const RECT& rect, DWORD style, const char* text)
{
    if (hwnd_)
        return false;
    HINSTANCE instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrA(parent, GWLP_HINSTANCE));
    HWND hwnd = CreateWindowExA(0, "BUTTON", text ? text : "", style, rect.left, rect.top,
                                rect.right - rect.left, rect.bottom - rect.top, parent,
                                reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (!hwnd)
        return false;
    // The system button is made first and subclassed afterwards, so its
    // creation style stands in for what WM_CREATE would have seen.
    state_->disabled = (style & WS_DISABLED) != 0;
    state_->buttonProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(hwnd, GWLP_WNDPROC));
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state_));
    SetWindowLongPtrA(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FlatButtonProc));
    hwnd_ = hwnd;
    return true;
}

bool FlatBitmapButton::SetBitmaps(HINSTANCE module, int normalId, int hotId, int disabledId)
{
    state_->normalImage.Reset();
    state_->hotImage.Reset();
    state_->disabledImage.Reset();
    if (hwnd_)
        InvalidateRect(hwnd_, nullptr, TRUE);
    state_->normalImage.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(normalId)));
    if (!state_->normalImage)
        return false;
    if (hotId) {
        state_->hotImage.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(hotId)));
        if (!state_->hotImage)
            return false;
    }
    if (disabledId) {
        state_->disabledImage.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(disabledId)));
        if (!state_->disabledImage)
            return false;
    }
    return true;
}

void FlatBitmapButton::SetAlign(int arrangement)
{
    state_->arrangement = arrangement;
}

bool FlatBitmapButton::ReflectDrawItem(const DRAWITEMSTRUCT* item)
{
    if (!item || item->CtlType != ODT_BUTTON || !IsFlatButton(item->hwndItem))
        return false;
    ButtonState* state = StateOf(item->hwndItem);
    if (!state)
        return false;
    state->Draw(*item);
    return true;
}

} // namespace vantora::notes
