// Making notes and their windows, and the small operations on one note that
// several parts of the notes engine use: Show, Hide, TouchLastUsed.
#pragma once
#include <windows.h>

#include <memory>
#include <string>

#include "notes/Note.h"

namespace vantora::notes {

// A note with the registry defaults applied.
std::unique_ptr<Note> MakeNoteWithDefaults();

// Gives `note` its window at its fitted rectangle; a hidden note is given
// back unchanged. Without a note, makes a new one at the next cascade
// position; the caller takes ownership of it through NoteList.
Note* CreateNoteWindow(Note* note);
std::unique_ptr<Note> CreateNewNoteWithWindow();

POINT NextPlacement();
void FitToWorkArea(RECT& rect);
std::string DateTitle();

void Show(Note& note);
void Hide(Note& note);
void TouchLastUsed(Note& note);

} // namespace vantora::notes
