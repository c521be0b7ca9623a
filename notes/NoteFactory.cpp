#include "notes/NoteFactory.h"

#include <ctime>

#include "notes/JotboxModule.h"
#include "notes/NoteDefaults.h"
#include "notes/NoteEditor.h"
#include "notes/NotePlacement.h"
#include "notes/NoteWindow.h"

namespace vantora::notes {

namespace {

constexpr DWORD kNoteStyle = 0x96C40000;     // popup, visible, clip siblings and children, caption, sizing border
constexpr LONG_PTR kNoteExStyle = 0x198;     // tool window, window edge, topmost bit, accepts files

CascadePlacement gCascade;

// Gives the window, its children and its binding to `note`.
void MakeWindow(Note& note)
{
    RECT& r = note.rect;
    HWND hwnd = CreateNoteWindowForCreation(note, r.left, r.top, r.right - r.left, r.bottom - r.top, kNoteStyle);
    if (!hwnd)
        FatalExit("CreateNew\xB3\xF6\xCF\xD6\xD2\xEC\xB3\xA3");   // "CreateNew: an error occurred"
    note.hwnd = hwnd;
    CreateNoteChildren(note);
    BindNoteWindow(hwnd, note);
    if (SetWindowLongPtrA(hwnd, GWL_EXSTYLE, kNoteExStyle) == 0)
        ExitProcess(0);
    if (!note.body.empty()) {
        if (note.body.compare(0, 5, "{\\rtf") == 0)
            note.editor->StreamInRtf(note.body);
        else
            SetWindowTextA(note.editor->Hwnd(), note.body.c_str());
    }
    SendMessageA(hwnd, WM_NCPAINT, 0, 0);
    ApplyLockText(note, false);
    ApplyAlwaysOnTop(note, false);
}

} // namespace

std::unique_ptr<Note> MakeNoteWithDefaults()
{
    auto note = std::make_unique<Note>();
    ApplyNoteDefaults(*note);
    return note;
}

std::unique_ptr<Note> CreateNewNoteWithWindow()
{
    auto note = MakeNoteWithDefaults();
    POINT at = NextPlacement();
    note->rect.left = at.x;
    note->rect.top = at.y;
    note->rect.right = at.x + ReadNoteDefault(nullptr, "Width", kDefaultNoteWidth);
    note->rect.bottom = at.y + ReadNoteDefault(nullptr, "Height", kDefaultNoteHeight);
    CreateNoteWindow(note.get());
    return note;
}

Note* CreateNoteWindow(Note* note)
{
    if (note->hidden)
        return note;
    FitToWorkArea(note->rect);
    if (note->title.empty())
        note->title = DateTitle();
    MakeWindow(*note);
    return note;
}

POINT NextPlacement()
{
    PlacementPoint p = gCascade.Next(GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
    return {p.x, p.y};
}

void FitToWorkArea(RECT& rect)
{
    RECT desktop;
    GetClientRect(GetDesktopWindow(), &desktop);
    // Wherever the taskbar is docked, its height is taken off the bottom.
    int taskbarHeight = 0;
    RECT taskbar;
    if (HWND tray = FindWindowA("Shell_TrayWnd", nullptr); tray && GetClientRect(tray, &taskbar))
        taskbarHeight = taskbar.bottom - taskbar.top;
    PlacementRect r {rect.left, rect.top, rect.right, rect.bottom};
    vantora::notes::FitToWorkArea(r, desktop.right - desktop.left, desktop.bottom - desktop.top - taskbarHeight);
    rect = {r.left, r.top, r.right, r.bottom};
}

std::string DateTitle()
{
    time_t now = time(nullptr);
    const tm* local = localtime(&now);
    if (!local)
        return std::string();
    return FormatDateTitle(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday);
}

void Show(Note& note)
{
    if (note.hidden)
        note.modified = 1;
    note.hidden = 0;
    if (!note.hwnd)
        CreateNoteWindow(&note);
    BringWindowToTop(note.hwnd);
    SetForegroundWindow(note.hwnd);
}

void Hide(Note& note)
{
    note.modified = 1;
    note.hidden = 1;
    if (note.hwnd) {
        HWND hwnd = note.hwnd;
        DestroyWindow(hwnd);
        note.hwnd = nullptr;
    }
}

void TouchLastUsed(Note& note) { note.lastUsed = int32_t(time(nullptr)); }

} // namespace vantora::notes
