// The flat bitmap button on real windows: its states driven by mouse and
// focus messages, its click on release, and what it draws, read back from a
// memory bitmap it painted through the owner-draw reflection.
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "notes/FlatBitmapButton.h"
#include "tests/support/GuiTest.h"
#include "win/Scoped.h"

namespace vantora::notes {
namespace {

constexpr int kArrowUp = 106;
constexpr int kArrowDown = 107;
constexpr int kBarRaised = 108;
constexpr int kButtonId = 112;
// What a pixel the button leaves alone reads back as.
constexpr COLORREF kUnpainted = RGB(255, 0, 255);

// A parent that counts its buttons' clicks and hands them their drawing.
struct Parent {
    int clicks = 0;
    WPARAM lastCommand = 0;
    LPARAM lastSender = 0;
};

LRESULT CALLBACK ParentProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* parent = reinterpret_cast<Parent*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_DRAWITEM:
        if (FlatBitmapButton::ReflectDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_COMMAND:
        if (parent && HIWORD(wParam) == BN_CLICKED) {
            ++parent->clicks;
            parent->lastCommand = wParam;
            parent->lastSender = lParam;
            return 0;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

HINSTANCE Resources()
{
    return GetModuleHandleA(nullptr);
}

// The pixels of a bitmap resource.
std::vector<COLORREF> BitmapPixels(int id, int* width = nullptr)
{
    win::ScopedBitmap bitmap(LoadBitmapA(Resources(), MAKEINTRESOURCEA(id)));
    BITMAP info {};
    GetObjectA(bitmap.Get(), sizeof info, &info);
    win::ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    win::SelectedObject selected(dc.Get(), bitmap.Get());
    std::vector<COLORREF> pixels;
    for (int y = 0; y < info.bmHeight; ++y)
        for (int x = 0; x < info.bmWidth; ++x)
            pixels.push_back(GetPixel(dc.Get(), x, y));
    if (width)
        *width = info.bmWidth;
    return pixels;
}

class FlatBitmapButtonTest : public testing::Test {
protected:
    void SetUp() override
    {
        WNDCLASSA wc {};
        wc.lpfnWndProc = ParentProc;
        wc.hInstance = Resources();
        wc.lpszClassName = "FlatButtonTestParent";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        RegisterClassA(&wc);   // fails harmlessly when an earlier test registered it
        parentWindow_.Reset(CreateWindowExA(WS_EX_TOPMOST, "FlatButtonTestParent", "flat buttons",
                                            WS_POPUP, 100, 100, 200, 100, nullptr, nullptr,
                                            Resources(), nullptr));
        ASSERT_TRUE(parentWindow_);
        SetWindowLongPtrA(parentWindow_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&parent_));
        SetFocus(parentWindow_.Get());
    }
    void TearDown() override
    {
        ReleaseCapture();
        DropButton();
        parentWindow_.Reset();
    }
    // The owner destroys the window before the object, as a note window does.
    void DropButton()
    {
        if (button_)
            DestroyWindow(button_->Hwnd());
        button_.reset();
    }

    // An 11x11 scroll arrow as the note window makes it.
    HWND MakeArrow(int normal, int hot = 0, int disabled = 0, DWORD extraStyle = 0)
    {
        DropButton();
        button_ = std::make_unique<FlatBitmapButton>();
        RECT rect {10, 10, 21, 21};
        EXPECT_TRUE(button_->Create(parentWindow_.Get(), kButtonId, rect,
                                    WS_CHILD | WS_VISIBLE | BS_OWNERDRAW | extraStyle));
        EXPECT_TRUE(button_->SetBitmaps(Resources(), normal, hot, disabled));
        button_->SetAlign(2);
        return button_->Hwnd();
    }

    // What the button draws now, painted into a memory bitmap.
    struct Picture {
        int width = 0;
        std::vector<COLORREF> pixels;
        COLORREF At(int x, int y) const { return pixels[y * width + x]; }
    };
    Picture Paint()
    {
        HWND hwnd = button_->Hwnd();
        RECT client;
        GetClientRect(hwnd, &client);
        win::WindowDc screen(nullptr);
        win::ScopedMemoryDc dc(CreateCompatibleDC(screen.Get()));
        win::ScopedBitmap bitmap(CreateCompatibleBitmap(screen.Get(), client.right, client.bottom));
        win::SelectedObject selected(dc.Get(), bitmap.Get());
        SetBkColor(dc.Get(), kUnpainted);
        ExtTextOutA(dc.Get(), 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
        SendMessageA(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc.Get()), PRF_CLIENT);
        Picture picture;
        picture.width = client.right;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                picture.pixels.push_back(GetPixel(dc.Get(), x, y));
        return picture;
    }

    static void Send(HWND hwnd, UINT message, WPARAM keys, int x, int y)
    {
        SendMessageA(hwnd, message, keys, MAKELPARAM(x, y));
    }

    win::ScopedWindow parentWindow_;
    Parent parent_;
    std::unique_ptr<FlatBitmapButton> button_;
};

enum class Border { None, Raised, Sunken };

Border BorderOf(const std::vector<COLORREF>& pixels, int width)
{
    const COLORREF topLeft = pixels[0];
    const COLORREF bottomRight = pixels.back();
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF highlight = GetSysColor(COLOR_BTNHIGHLIGHT);
    // The top row but its last pixel belongs to the top-left colour.
    EXPECT_EQ(pixels[width - 2], topLeft);
    if (topLeft == face && bottomRight == face)
        return Border::None;
    if (topLeft == highlight && bottomRight == shadow)
        return Border::Raised;
    if (topLeft == shadow && bottomRight == highlight)
        return Border::Sunken;
    ADD_FAILURE() << "no border of this button: " << std::hex << topLeft << " / " << bottomRight;
    return Border::None;
}

// Which 7x7 block of a 16x16 arrow the button shows, and where.
bool ShowsArrowBlock(const std::vector<COLORREF>& drawn, int drawnWidth, int left, int top, int id)
{
    int width = 0;
    const std::vector<COLORREF> source = BitmapPixels(id, &width);
    for (int y = 0; y < 7; ++y)
        for (int x = 0; x < 7; ++x)
            if (drawn[(top + y) * drawnWidth + left + x] != source[y * width + 4 + x])
                return false;
    return true;
}

TEST_F(FlatBitmapButtonTest, MouseAndFocusMessagesMoveTheBorder)
{
    HWND hwnd = MakeArrow(kArrowUp);
    struct Step {
        const char* what;
        UINT message;
        WPARAM keys;
        int x, y;
        Border border;
        bool captured;
        bool shifted;   // the image moved by the press
    };
    const Step steps[] = {
        {"pointer enters", WM_MOUSEMOVE, 0, 5, 5, Border::Raised, true, false},
        {"moves inside", WM_MOUSEMOVE, 0, 6, 6, Border::Raised, true, false},
        {"press takes the focus", WM_LBUTTONDOWN, MK_LBUTTON, 5, 5, Border::Sunken, true, true},
        {"drag inside", WM_MOUSEMOVE, MK_LBUTTON, 4, 4, Border::Sunken, true, true},
        {"release", WM_LBUTTONUP, 0, 5, 5, Border::Raised, true, false},
        {"pointer leaves", WM_MOUSEMOVE, 0, 30, 5, Border::None, false, false},
        {"comes back", WM_MOUSEMOVE, 0, 5, 5, Border::Raised, true, false},
        {"press with the focus", WM_LBUTTONDOWN, MK_LBUTTON, 5, 5, Border::Sunken, true, true},
        {"release again", WM_LBUTTONUP, 0, 5, 5, Border::Raised, true, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        Send(hwnd, step.message, step.keys, step.x, step.y);
        const Picture picture = Paint();
        EXPECT_EQ(BorderOf(picture.pixels, picture.width), step.border);
        EXPECT_EQ(GetCapture() == hwnd, step.captured);
        const int offset = step.shifted ? 3 : 2;
        EXPECT_TRUE(ShowsArrowBlock(picture.pixels, picture.width, offset, offset, kArrowUp));
    }
    EXPECT_EQ(GetFocus(), hwnd);
    EXPECT_EQ(parent_.clicks, 2);

    SetFocus(parentWindow_.Get());
    EXPECT_EQ(BorderOf(Paint().pixels, 11), Border::None);
}

TEST_F(FlatBitmapButtonTest, FocusAloneRaisesTheBorder)
{
    HWND hwnd = MakeArrow(kArrowUp);
    SetFocus(hwnd);
    EXPECT_EQ(BorderOf(Paint().pixels, 11), Border::Raised);
    SetFocus(parentWindow_.Get());
    EXPECT_EQ(BorderOf(Paint().pixels, 11), Border::None);
}

TEST_F(FlatBitmapButtonTest, ReleaseSendsTheClickWhereverThePointerIs)
{
    HWND hwnd = MakeArrow(kArrowDown);
    const POINT releases[] = {{5, 5}, {40, 5}, {-20, -20}, {600, 400}};
    int expected = 0;
    for (const POINT& at : releases) {
        SCOPED_TRACE(testing::Message() << "released at " << at.x << "," << at.y);
        Send(hwnd, WM_MOUSEMOVE, 0, 5, 5);
        Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
        EXPECT_EQ(parent_.clicks, expected) << "a press alone is no click";
        Send(hwnd, WM_LBUTTONUP, 0, at.x, at.y);
        EXPECT_EQ(parent_.clicks, ++expected);
        EXPECT_EQ(parent_.lastCommand, MAKEWPARAM(kButtonId, BN_CLICKED));
        EXPECT_EQ(parent_.lastSender, reinterpret_cast<LPARAM>(hwnd));
    }
}

TEST_F(FlatBitmapButtonTest, ChoosesItsImageFromItsState)
{
    struct Case {
        const char* what;
        int hot;
        int disabled;
        bool disable;
        bool enter;   // pointer enters, then the left button goes down
        int shown;    // 0: no image (the face shows through)
        bool shifted;
    };
    const Case cases[] = {
        {"idle shows the normal image", kArrowDown, 0, false, false, kArrowUp, false},
        {"pressed shows the hot image", kArrowDown, 0, false, true, kArrowDown, true},
        {"without a hot image keeps the normal one", 0, 0, false, true, kArrowUp, true},
        {"disabled shows its image unmoved", 0, kArrowDown, true, true, kArrowDown, false},
        {"disabled without an image shows none", 0, 0, true, false, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        HWND hwnd = MakeArrow(kArrowUp, c.hot, c.disabled);
        if (c.disable)
            EnableWindow(hwnd, FALSE);
        if (c.enter) {
            Send(hwnd, WM_MOUSEMOVE, 0, 5, 5);
            Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
        }
        const Picture picture = Paint();
        const int offset = c.shifted ? 3 : 2;
        if (c.shown) {
            EXPECT_TRUE(ShowsArrowBlock(picture.pixels, picture.width, offset, offset, c.shown));
        } else {
            // The arrow's tip would be at (3, 1) of the inner block.
            EXPECT_NE(picture.At(2 + 3, 2 + 1), RGB(0, 0, 0));
        }
        ReleaseCapture();
        SetFocus(parentWindow_.Get());
    }
}

TEST_F(FlatBitmapButtonTest, CentresAnImageSmallerThanTheButton)
{
    // A 16x16 image in a 40x30 button, arrangement 2: centred across, at the top.
    button_ = std::make_unique<FlatBitmapButton>();
    ASSERT_TRUE(button_->Create(parentWindow_.Get(), kButtonId, RECT {0, 0, 40, 30}));
    ASSERT_TRUE(button_->SetBitmaps(Resources(), kBarRaised));
    button_->SetAlign(2);
    const Picture picture = Paint();
    int width = 0;
    const std::vector<COLORREF> bar = BitmapPixels(kBarRaised, &width);
    // Inner rectangle (2, 2)-(38, 28): dx = (16 - 36) / 2 = -10, so x 12..27, y 2..17.
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(picture.At(12 + x, 2 + y), bar[y * width + x]) << x << "," << y;
    // Nothing of the image beyond its right and bottom edges.
    const COLORREF green = RGB(0, 255, 0);
    for (int y = 2; y < 28; ++y)
        EXPECT_NE(picture.At(28, y), green);
    for (int x = 2; x < 38; ++x)
        EXPECT_NE(picture.At(x, 18), green);
}

TEST_F(FlatBitmapButtonTest, SetBitmapsReportsTheFirstMissingImage)
{
    struct Case { int normal; int hot; int disabled; bool loads; };
    const Case cases[] = {
        {kArrowUp, 0, 0, true},
        {kArrowUp, kArrowDown, kBarRaised, true},
        {999, 0, 0, false},
        {kArrowUp, 999, 0, false},
        {kArrowUp, 0, 999, false},
    };
    FlatBitmapButton button;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.normal << "/" << c.hot << "/" << c.disabled);
        EXPECT_EQ(button.SetBitmaps(Resources(), c.normal, c.hot, c.disabled), c.loads);
    }
}

TEST_F(FlatBitmapButtonTest, ReflectsOnlyItsOwnButtons)
{
    HWND hwnd = MakeArrow(kArrowUp);
    win::ScopedWindow plain(CreateWindowExA(0, "BUTTON", "", WS_CHILD | BS_OWNERDRAW, 0, 0, 10, 10,
                                            parentWindow_.Get(), nullptr, Resources(), nullptr));
    win::ScopedMemoryDc dc(CreateCompatibleDC(nullptr));
    DRAWITEMSTRUCT item {};
    item.CtlType = ODT_BUTTON;
    item.hDC = dc.Get();
    item.rcItem = RECT {0, 0, 11, 11};
    item.hwndItem = plain.Get();
    EXPECT_FALSE(FlatBitmapButton::ReflectDrawItem(&item));
    EXPECT_FALSE(FlatBitmapButton::ReflectDrawItem(nullptr));
    item.hwndItem = hwnd;
    EXPECT_TRUE(FlatBitmapButton::ReflectDrawItem(&item));
}

TEST_F(FlatBitmapButtonTest, OutlivedWindowKeepsWorkingAsAPlainButton)
{
    HWND hwnd = MakeArrow(kArrowUp);
    button_.reset();
    ASSERT_TRUE(IsWindow(hwnd));
    Send(hwnd, WM_MOUSEMOVE, 0, 5, 5);
    Send(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 5, 5);
    Send(hwnd, WM_LBUTTONUP, 0, 5, 5);
    DestroyWindow(hwnd);
    EXPECT_FALSE(IsWindow(hwnd));
}

} // namespace
} // namespace vantora::notes
