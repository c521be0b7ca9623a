#include "notes/NoteWindow.h"

#include <commctrl.h>
#include <richedit.h>
#include <shellapi.h>

#include <algorithm>

#include "notes/CaptionBar.h"
#include "notes/CaptionClicks.h"
#include "notes/FlatBitmapButton.h"
#include "notes/JotboxModule.h"
#include "notes/NoteActions.h"
#include "notes/NoteEditor.h"
#include "notes/NoteFactory.h"
#include "notes/NoteList.h"
#include "notes/NotesStore.h"
#include "shared/NoteMessages.h"

namespace vantora::notes {

namespace {

constexpr DWORD kEditorStyle = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
constexpr int kScrollUpBitmap = 106;
constexpr int kScrollDownBitmap = 107;
constexpr int kCenteredImage = 2;

// The note whose window is being created: its messages arrive before the
// window is bound to it.
Note* gCreatingNote = nullptr;

void OpenWithShell(HWND editor, const char* target)
{
    ShellExecuteA(editor, "open", target, nullptr, nullptr, SW_SHOWNORMAL);
}
LinkOpener gOpenLink = OpenWithShell;

void CreateNoteTooltip(Note& note, const RECT& client)
{
    INITCOMMONCONTROLSEX init {sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    // Not owned by the note window: under Wine a window that owns a popup
    // does not become topmost, so the pin would not work. The note window
    // destroys it itself.
    note.tooltip = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                                   CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr,
                                   JotboxModule(), nullptr);
    if (!note.tooltip)
        return;
    SetWindowPos(note.tooltip, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    TOOLINFOA tool {};
    tool.cbSize = TTTOOLINFOA_V1_SIZE;   // 44 bytes on 32-bit Windows
    tool.uFlags = TTF_SUBCLASS;
    tool.hwnd = note.hwnd;
    tool.uId = 1;
    tool.rect = client;
    tool.hinst = JotboxModule();
    tool.lpszText = const_cast<char*>("asd");
    SendMessageA(note.tooltip, TTM_ADDTOOLA, 0, LPARAM(&tool));
}

void Layout(Note& note)
{
    if (!note.editor)
        return;
    RECT client;
    GetClientRect(note.hwnd, &client);
    if (IsWindow(note.editor->Hwnd())) {
        MoveWindow(note.editor->Hwnd(), 0, 0, client.right, client.bottom, TRUE);
        note.editor->FitFormatRect();
    }
    if (note.scrollUpButton && IsWindow(note.scrollUpButton->Hwnd()))
        MoveWindow(note.scrollUpButton->Hwnd(), client.right - kScrollButtonSize, 0, kScrollButtonSize,
                   kScrollButtonSize, TRUE);
    if (note.scrollDownButton && IsWindow(note.scrollDownButton->Hwnd()))
        MoveWindow(note.scrollDownButton->Hwnd(), client.right - kScrollButtonSize,
                   client.bottom - kScrollButtonSize, kScrollButtonSize, kScrollButtonSize, TRUE);
}

LRESULT OnEraseBackground(HWND hwnd, Note* note, HDC dc)
{
    RECT client;
    GetClientRect(hwnd, &client);
    COLORREF old = SetBkColor(dc, note ? note->backColor : kDefaultNoteColor);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, nullptr, 0, nullptr);
    SetBkColor(dc, old);
    return 1;
}

// The press only selects a link; the release opens it with the shell.
LRESULT OnNotify(Note* note, const NMHDR* header)
{
    if (!note || !note->editor || header->code != EN_LINK)
        return 0;
    auto* link = reinterpret_cast<const ENLINK*>(header);
    if (link->msg != WM_LBUTTONDOWN && link->msg != WM_LBUTTONUP)
        return 0;
    HWND editor = note->editor->Hwnd();
    CHARRANGE range = link->chrg;
    SendMessageA(editor, EM_EXSETSEL, 0, LPARAM(&range));
    if (link->msg == WM_LBUTTONUP && range.cpMax > range.cpMin) {
        // Characters of a double-byte code page take two bytes each.
        std::string text(2 * size_t(range.cpMax - range.cpMin) + 1, '\0');
        LRESULT length = SendMessageA(editor, EM_GETSELTEXT, 0, LPARAM(text.data()));
        text.resize(std::min(size_t(length), text.size() - 1));
        gOpenLink(editor, text.c_str());
    }
    return 0;
}

LRESULT OnCommand(HWND hwnd, Note* note, WPARAM wParam, LPARAM lParam)
{
    WORD code = HIWORD(wParam);
    if (code == EN_VSCROLL) {
        // The scroll buttons sit in this strip: let them repaint.
        if (note && note->editor) {
            RECT strip;
            GetClientRect(note->editor->Hwnd(), &strip);
            strip.left = strip.right - kScrollButtonSize;
            InvalidateRect(note->editor->Hwnd(), &strip, TRUE);
        }
        return 0;
    }
    if (code == 0) {
        if (note && note->editor) {
            SendMessageA(note->editor->Hwnd(), EM_LINESCROLL, 0, LOWORD(wParam) == kScrollUpId ? -1 : 1);
            SetFocus(note->editor->Hwnd());
        }
        return 0;
    }
    return DefWindowProcA(hwnd, WM_COMMAND, wParam, lParam);
}

void OnNoteCommand(HWND hwnd, Note* note, WPARAM command)
{
    if (!note)
        return;
    switch (command) {
    case NOTECMD_HIDE: Hide(*note); break;
    case NOTECMD_DELETE: DeleteNote(hwnd); break;
    case NOTECMD_SAVE: SaveNote(*note, true); break;
    case NOTECMD_PROPERTIES: RequestProperties(hwnd); break;
    default: break;
    }
}

// The window is gone: the note forgets it, so Show makes a new one.
void OnFinalDestroy(HWND hwnd, Note* note)
{
    if (note && note->hwnd == hwnd) {
        if (note->tooltip && IsWindow(note->tooltip))
            DestroyWindow(note->tooltip);
        note->hwnd = nullptr;
        note->tooltip = nullptr;
    }
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, 0);
}

} // namespace

void SetLinkOpener(LinkOpener opener) { gOpenLink = opener ? opener : OpenWithShell; }

void RegisterNoteClass()
{
    WNDCLASSA wc {};
    wc.lpfnWndProc = NoteWndProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kNoteClassName;
    if (!RegisterClassA(&wc))
        FatalExit("Register window error!", "error");
}

void UnregisterNoteClass() { UnregisterClassA(kNoteClassName, GetModuleHandleA(nullptr)); }

HWND CreateNoteWindowForCreation(Note& note, int x, int y, int width, int height, DWORD style)
{
    Note* previous = gCreatingNote;
    gCreatingNote = &note;
    HWND hwnd = CreateWindowExA(0, kNoteClassName, "Vantora v2.0", style, x, y, width, height, nullptr, nullptr,
                                GetModuleHandleA(nullptr), nullptr);
    gCreatingNote = previous;
    return hwnd;
}

bool CreateNoteChildren(Note& note)
{
    RECT client;
    GetClientRect(note.hwnd, &client);
    CreateNoteTooltip(note, client);

    note.editor = std::make_unique<NoteEditor>(&note);
    note.editor->Create(note.hwnd, kEditorStyle, client, kEditorId);
    HWND editor = note.editor->Hwnd();
    SendMessageA(editor, EM_SETBKGNDCOLOR, 0, LPARAM(note.backColor));
    LRESULT mask = SendMessageA(editor, EM_GETEVENTMASK, 0, 0);
    SendMessageA(editor, EM_SETEVENTMASK, 0, mask | ENM_LINK | ENM_SCROLL);
    note.editor->SetAutoUrlDetect(true);
    SendMessageA(editor, WM_SETFONT, WPARAM(note.bodyFont.Get()), TRUE);

    note.scrollUpButton = std::make_unique<FlatBitmapButton>();
    note.scrollDownButton = std::make_unique<FlatBitmapButton>();
    note.scrollUpButton->Create(editor, kScrollUpId, RECT {0, 0, 11, 11});
    note.scrollDownButton->Create(editor, kScrollDownId, RECT {0, 100, 11, 111});
    note.scrollUpButton->SetBitmaps(JotboxModule(), kScrollUpBitmap);
    note.scrollDownButton->SetBitmaps(JotboxModule(), kScrollDownBitmap);
    note.scrollUpButton->SetAlign(kCenteredImage);
    note.scrollDownButton->SetAlign(kCenteredImage);
    note.editor->SetButtons(note.scrollUpButton.get(), note.scrollDownButton.get());
    MoveWindow(note.scrollUpButton->Hwnd(), client.right - kScrollButtonSize, client.top, kScrollButtonSize,
               kScrollButtonSize, TRUE);
    MoveWindow(note.scrollDownButton->Hwnd(), client.right - kScrollButtonSize, client.bottom - kScrollButtonSize,
               kScrollButtonSize, kScrollButtonSize, TRUE);
    return true;
}

void BindNoteWindow(HWND hwnd, Note& note) { SetWindowLongPtrA(hwnd, GWLP_USERDATA, LONG_PTR(&note)); }

Note* FindNote(HWND hwnd)
{
    if (auto* note = reinterpret_cast<Note*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA)))
        return note;
    if (gCreatingNote)
        return gCreatingNote;
    NoteList& list = NoteList::Instance();
    for (size_t i = 0; i < list.Size(); ++i)
        if (!list.At(i)->hwnd && !list.At(i)->hidden)
            return list.At(i);
    return nullptr;
}

void ApplyAlwaysOnTop(Note& note, bool toggle)
{
    if (toggle) {
        note.alwaysOnTop = !note.alwaysOnTop;
        note.modified = 1;
    }
    if (!IsWindow(note.hwnd))
        return;
    constexpr UINT flags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
    if (note.alwaysOnTop == 1) {
        SetWindowPos(note.hwnd, HWND_TOPMOST, 0, 0, 0, 0, flags);
        BringWindowToTop(note.hwnd);
    } else {
        SetWindowPos(note.hwnd, HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    }
}

void ApplyLockText(Note& note, bool toggle)
{
    if (toggle) {
        note.lockText = !note.lockText;
        note.modified = 1;
    }
    if (note.editor)
        SendMessageA(note.editor->Hwnd(), EM_SETREADONLY, WPARAM(note.lockText), 0);
}

void StopRing(Note& note)
{
    note.alarmState = AlarmState::Acknowledged;
    ApplyAlwaysOnTop(note, false);
    note.frameColor = kDefaultFrameColor;
    if (note.hwnd)
        SendMessageA(note.hwnd, WM_NCPAINT, 0, 0);
}

void CloseNoteWindow(HWND hwnd)
{
    Note* note = FindNote(hwnd);
    if (!note)
        FatalExit("OnClose\xB3\xF6\xCF\xD6\xD2\xEC\xB3\xA3\xA3\xA1");   // "OnClose: an error occurred!"
    // The save reads the text from the editor: it comes before the teardown.
    SaveNote(*note, true);
    for (FlatBitmapButton* button : {note->scrollUpButton.get(), note->scrollDownButton.get()})
        if (button && IsWindow(button->Hwnd()))
            DestroyWindow(button->Hwnd());
    if (note->editor && IsWindow(note->editor->Hwnd()))
        DestroyWindow(note->editor->Hwnd());
    note->scrollUpButton.reset();
    note->scrollDownButton.reset();
    note->editor.reset();
}

LRESULT CALLBACK NoteWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    Note* note = FindNote(hwnd);
    switch (message) {
    case WM_CREATE:
        SetWindowLongPtrA(hwnd, GWL_EXSTYLE, WS_EX_TOOLWINDOW);
        return 0;
    case WM_CLOSE:
    case WM_DESTROY:
        CloseNoteWindow(hwnd);
        break;
    case WM_NCDESTROY:
        OnFinalDestroy(hwnd, note);
        break;
    case WM_SIZE:
        if (note)
            Layout(*note);
        return 0;
    case WM_SETFOCUS:
        if (note && note->editor && IsWindow(note->editor->Hwnd()))
            SetFocus(note->editor->Hwnd());
        break;
    case WM_ERASEBKGND:
        return OnEraseBackground(hwnd, note, HDC(wParam));
    case WM_NOTIFY:
        return OnNotify(note, reinterpret_cast<const NMHDR*>(lParam));
    case WM_NCPAINT:
        PaintNoteFrame(hwnd, note, JotboxModule());
        return 0;
    case WM_NCACTIVATE:
        DefWindowProcA(hwnd, message, wParam, lParam);
        PaintNoteFrame(hwnd, note, JotboxModule());
        return wParam ? FALSE : TRUE;
    case WM_NCMOUSEMOVE:
        OnHoverTrack(hwnd, note, PointFromLParam(lParam));
        break;
    case WM_NCLBUTTONDOWN:
        if (wParam == HTCAPTION &&
            OnCaptionClick(hwnd, note, PointFromLParam(lParam)) == 0)
            return 0;
        break;
    case WM_NCRBUTTONDOWN:
        RequestProperties(hwnd);
        break;
    case WM_COMMAND:
        return OnCommand(hwnd, note, wParam, lParam);
    case WM_MOUSEMOVE:
        if (!note || note->hidePressed != 1)
            ReleaseCapture();
        break;
    case WM_LBUTTONDOWN:
        ReleaseCapture();
        break;
    case WM_LBUTTONUP:
        if (OnHideButtonRelease(hwnd, note, PointFromLParam(lParam)) == 0)
            return 0;
        break;
    case WM_NOTE_COMMAND:
        OnNoteCommand(hwnd, note, wParam);
        break;
    case WM_NOTE_PROPERTIES:
        if (wParam)
            ApplyProperties(hwnd, reinterpret_cast<const NotePropertyRecord*>(wParam));
        break;
    default:
        break;
    }
    return DefWindowProcA(hwnd, message, wParam, lParam);
}

} // namespace vantora::notes
