// The note window: class "Mirefold Note Class", its procedure, children and
// layout, and the operations that apply a note's state to its window.
#pragma once
#include <windows.h>

#include "notes/Note.h"

namespace vantora::notes {

constexpr const char* kNoteClassName = "Mirefold Note Class";
constexpr int kEditorId = 111;
constexpr int kScrollUpId = 112;
constexpr int kScrollDownId = 113;
constexpr int kScrollButtonSize = 11;

// Registers the class for the host's instance; a failure ends the process.
void RegisterNoteClass();
void UnregisterNoteClass();

// CreateWindowEx for `note`; messages inside the call already find the note.
HWND CreateNoteWindowForCreation(Note& note, int x, int y, int width, int height, DWORD style);
bool CreateNoteChildren(Note& note);
// Lets the window find its note through its user data.
void BindNoteWindow(HWND hwnd, Note& note);
Note* FindNote(HWND hwnd);

void ApplyAlwaysOnTop(Note& note, bool toggle);
void ApplyLockText(Note& note, bool toggle);
// Acknowledges a ringing alarm.
void StopRing(Note& note);
// Saves the note and tears the children down (WM_CLOSE, WM_DESTROY).
void CloseNoteWindow(HWND hwnd);

// Opens a clicked link; the shell's "open" unless a test puts its own in.
using LinkOpener = void (*)(HWND editor, const char* target);
void SetLinkOpener(LinkOpener opener);

LRESULT CALLBACK NoteWndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

} // namespace vantora::notes
