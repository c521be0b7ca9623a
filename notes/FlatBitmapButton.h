// Owner-drawn push button that shows an image and draws no border until the
// pointer is over it or it has the focus: the scroll arrows of a note editor.
#pragma once
#include <windows.h>

namespace vantora::notes {

class FlatBitmapButton {
public:
    FlatBitmapButton();
    ~FlatBitmapButton();   // frees the images; the window is destroyed by its owner
    FlatBitmapButton(const FlatBitmapButton&) = delete;
    FlatBitmapButton& operator=(const FlatBitmapButton&) = delete;

    // An ordinary child button with BS_OWNERDRAW; clicks reach the parent as
    // WM_COMMAND (id, BN_CLICKED) with the button's handle in lParam.
    bool Create(HWND parent, int id, const RECT& rect,
                DWORD style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW, const char* text = "");
    // Images are bitmap resources of `module`; 0 means none for hot and disabled.
    bool SetBitmaps(HINSTANCE module, int normalId, int hotId = 0, int disabledId = 0);
    void SetAlign(int arrangement);   // 0..3
    HWND Hwnd() const { return hwnd_; }

    // Owner-draw reflection: the parent hands its WM_DRAWITEM here; true when
    // the item was drawn by one of these buttons.
    static bool ReflectDrawItem(const DRAWITEMSTRUCT* item);

private:
    struct State;
    HWND hwnd_ = nullptr;
    State* state_;
};

} // namespace vantora::notes
