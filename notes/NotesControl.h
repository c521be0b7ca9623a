// The notes control's eleven operations on NoteList and the notes file, as
// the host calls them through IJotboxC. One object per process.
#pragma once
#include <windows.h>

#include <cstdint>

namespace vantora::notes {

class NotesControl {
public:
    // Registers the note window class; a failure ends the process.
    NotesControl();
    ~NotesControl();
    NotesControl(const NotesControl&) = delete;
    NotesControl& operator=(const NotesControl&) = delete;

    int32_t CreateNew();
    int32_t Reset();
    int32_t LoadData(HWND host);
    int32_t Save(int32_t id);
    int32_t HideAll();
    int32_t ShowAll();
    int32_t ShowNote(int32_t id);
    int32_t HideNote(int32_t id);
    // Writes at most 256 bytes at `info`; 1 at the end of the list.
    int32_t GetNote(int32_t* index, char* info);
    int32_t ShowLast();
    int32_t Alam();

    int32_t LastNoteNumber() const { return lastNoteNumber_; }

private:
    int32_t lastNoteNumber_ = 0;
};

// Destroys every note window (saving changed notes) and empties NoteList.
void DestroyAllNotes();

} // namespace vantora::notes
