// What a note window does for the host: delete its note, and send and take
// back the note's properties through a NotePropertyRecord.
#pragma once
#include <windows.h>

#include "shared/NotePropertyRecord.h"

namespace vantora::notes {

// 0 when deleted or declined, -1 when the notes file cannot be opened.
int DeleteNote(HWND hwnd);
// Sends the host the note's properties; 0.
int RequestProperties(HWND hwnd);
// Takes every field of the host's edited record; 0.
int ApplyProperties(HWND hwnd, const NotePropertyRecord* record);

} // namespace vantora::notes
