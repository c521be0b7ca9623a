#include "notes/NoteEditor.h"

#include <richedit.h>

#include <algorithm>
#include <cstring>

#include "notes/FlatBitmapButton.h"
#include "notes/Note.h"
#include "notes/NoteFactory.h"
#include "notes/NoteList.h"
#include "notes/NoteWindow.h"
#include "shared/NoteMessages.h"

namespace vantora::notes {

namespace {

constexpr const char* kEditorProp = "Vantora.NoteEditor";

struct InCursor {
    const std::string* text;
    size_t offset;
};

DWORD CALLBACK ReadIn(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done)
{
    auto* cursor = reinterpret_cast<InCursor*>(cookie);
    size_t n = std::min(size_t(size), cursor->text->size() - cursor->offset);
    std::memcpy(buffer, cursor->text->data() + cursor->offset, n);
    cursor->offset += n;
    *done = LONG(n);
    return 0;
}

DWORD CALLBACK WriteOut(DWORD_PTR cookie, LPBYTE buffer, LONG size, LONG* done)
{
    reinterpret_cast<std::string*>(cookie)->append(reinterpret_cast<const char*>(buffer), size_t(size));
    *done = size;
    return 0;
}

} // namespace

void StreamInRtf(HWND editor, const std::string& text)
{
    InCursor cursor {&text, 0};
    EDITSTREAM stream {DWORD_PTR(&cursor), 0, ReadIn};
    SendMessageA(editor, EM_STREAMIN, SF_RTF, LPARAM(&stream));
}

std::string StreamOutRtf(HWND editor)
{
    std::string result;
    EDITSTREAM stream {DWORD_PTR(&result), 0, WriteOut};
    SendMessageA(editor, EM_STREAMOUT, SF_RTF, LPARAM(&stream));
    return result;
}

NoteEditor::~NoteEditor()
{
    // A window that outlives its object must not call back into it.
    if (hwnd_ && IsWindow(hwnd_) && original_) {
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, LONG_PTR(original_));
        RemovePropA(hwnd_, kEditorProp);
    }
}

bool NoteEditor::Create(HWND parent, DWORD style, const RECT& rect, int id)
{
    hwnd_ = CreateWindowExA(0, "RichEdit20A", nullptr, style, rect.left, rect.top, rect.right - rect.left,
                            rect.bottom - rect.top, parent, HMENU(INT_PTR(id)), GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_)
        return false;
    SetPropA(hwnd_, kEditorProp, this);
    original_ = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, LONG_PTR(&NoteEditor::Proc)));
    return true;
}

void NoteEditor::SetButtons(FlatBitmapButton* up, FlatBitmapButton* down)
{
    up_ = up;
    down_ = down;
}

void NoteEditor::SetAutoUrlDetect(bool on) { SendMessageA(hwnd_, EM_AUTOURLDETECT, on, 0); }

void NoteEditor::StreamInRtf(const std::string& text) { vantora::notes::StreamInRtf(hwnd_, text); }

std::string NoteEditor::StreamOutRtf() const { return vantora::notes::StreamOutRtf(hwnd_); }

bool NoteEditor::IsModified() const { return SendMessageA(hwnd_, EM_GETMODIFY, 0, 0) != 0; }

void NoteEditor::SetModified(bool modified) { SendMessageA(hwnd_, EM_SETMODIFY, modified, 0); }

int NoteEditor::GetLineHeight() const
{
    if (SendMessageA(hwnd_, EM_GETLINECOUNT, 0, 0) > 1) {
        POINTL first {}, second {};
        SendMessageA(hwnd_, EM_POSFROMCHAR, WPARAM(&first), SendMessageA(hwnd_, EM_LINEINDEX, 0, 0));
        SendMessageA(hwnd_, EM_POSFROMCHAR, WPARAM(&second), SendMessageA(hwnd_, EM_LINEINDEX, 1, 0));
        int height = std::abs(int(second.y - first.y));
        if (height > 0)
            return height;
    }
    win::WindowDc dc(hwnd_);
    win::SelectedObject font(dc.Get(), note_ ? HGDIOBJ(note_->bodyFont.Get()) : GetStockObject(DEFAULT_GUI_FONT));
    TEXTMETRICA metrics {};
    GetTextMetricsA(dc.Get(), &metrics);
    return std::max(1, int(metrics.tmHeight + metrics.tmDescent + metrics.tmExternalLeading));
}

void NoteEditor::FitFormatRect()
{
    RECT rect;
    GetClientRect(hwnd_, &rect);
    SendMessageA(hwnd_, EM_SETRECT, 0, LPARAM(&rect));
    SendMessageA(hwnd_, EM_GETRECT, 0, LPARAM(&rect));
    int line = GetLineHeight();
    rect.bottom = line * ((rect.bottom - rect.top) / line);
    SendMessageA(hwnd_, EM_SETRECT, 0, LPARAM(&rect));
}

void NoteEditor::UpdateScrollButtons()
{
    if (up_ && up_->Hwnd())
        ShowWindow(up_->Hwnd(), SendMessageA(hwnd_, EM_GETFIRSTVISIBLELINE, 0, 0) > 0 ? SW_SHOW : SW_HIDE);
    if (down_ && down_->Hwnd()) {
        bool below = false;
        int length = GetWindowTextLengthA(hwnd_);
        if (length > 0) {
            POINTL last {};
            SendMessageA(hwnd_, EM_POSFROMCHAR, WPARAM(&last), length - 1);
            RECT client;
            GetClientRect(hwnd_, &client);
            below = last.y > client.bottom - client.top;
        }
        ShowWindow(down_->Hwnd(), below ? SW_SHOW : SW_HIDE);
    }
}

LRESULT NoteEditor::OnPaint(WPARAM wParam, LPARAM lParam)
{
    UpdateScrollButtons();
    LRESULT result = CallWindowProcA(original_, hwnd_, WM_PAINT, wParam, lParam);
    for (FlatBitmapButton* button : {up_, down_})
        if (button && button->Hwnd())
            InvalidateRect(button->Hwnd(), nullptr, TRUE);
    UpdateWindow(hwnd_);
    return result;
}

void NoteEditor::ScrollOneLine(int lines) { SendMessageA(hwnd_, EM_LINESCROLL, 0, lines); }

LRESULT NoteEditor::Handle(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_PAINT:
        return OnPaint(wParam, lParam);
    case WM_DRAWITEM:
        if (FlatBitmapButton::ReflectDrawItem(reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)))
            return TRUE;
        break;
    case WM_COMMAND:
        // An arrow button's click: one line up or down.
        if (HIWORD(wParam) == BN_CLICKED && lParam) {
            ScrollOneLine(LOWORD(wParam) == kScrollUpId ? -1 : 1);
            SetFocus(hwnd_);
            return 0;
        }
        break;
    case WM_MOUSEWHEEL:
        ScrollOneLine(GET_WHEEL_DELTA_WPARAM(wParam) > 0 ? -1 : 1);
        break;
    case WM_SETFOCUS: {
        LRESULT result = CallWindowProcA(original_, hwnd_, message, wParam, lParam);
        if (note_)
            TouchLastUsed(*note_);
        return result;
    }
    case WM_LBUTTONDOWN:
        if (note_ && note_->alarmState == AlarmState::Ringing)
            StopRing(*note_);
        break;
    case WM_RBUTTONDOWN: {
        LRESULT result = CallWindowProcA(original_, hwnd_, message, wParam, lParam);
        POINT at = {LONG(short(LOWORD(lParam))), LONG(short(HIWORD(lParam)))};
        ClientToScreen(hwnd_, &at);
        SendMessageA(HostWindow(), WM_NOTE_EDITMENU, WPARAM(hwnd_), LPARAM(&at));
        return result;
    }
    case WM_KEYDOWN:
        FitFormatRect();
        break;
    default:
        break;
    }
    return CallWindowProcA(original_, hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK NoteEditor::Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* editor = static_cast<NoteEditor*>(GetPropA(hwnd, kEditorProp));
    if (!editor)
        return DefWindowProcA(hwnd, message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        WNDPROC original = editor->original_;
        RemovePropA(hwnd, kEditorProp);
        SetWindowLongPtrA(hwnd, GWLP_WNDPROC, LONG_PTR(original));
        editor->original_ = nullptr;
        return CallWindowProcA(original, hwnd, message, wParam, lParam);
    }
    return editor->Handle(message, wParam, lParam);
}

} // namespace vantora::notes
