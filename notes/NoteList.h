// NoteList: every note of the process in order of loading, then of creation.
// The list owns its notes; an id names a live note on the control's
// interface (a number given once per process, never reused).
#pragma once
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "notes/Note.h"

namespace vantora::notes {

class NoteList {
public:
    static NoteList& Instance();

    Note* Append(std::unique_ptr<Note> note);
    size_t Size() const { return entries_.size(); }
    Note* At(size_t index) const { return entries_[index].note.get(); }
    int32_t IdAt(size_t index) const { return entries_[index].id; }
    // -1 when the note is not in the list.
    ptrdiff_t IndexOf(const Note* note) const;
    int32_t IdOf(const Note* note) const;
    Note* FindById(int32_t id) const;
    // Deletes the note; later entries move down one place.
    void RemoveAt(size_t index);
    void Clear();

private:
    struct Entry {
        std::unique_ptr<Note> note;
        int32_t id;
    };
    std::vector<Entry> entries_;
    int32_t lastId_ = 0;
};

// The host's window given to LoadData: editors and note windows send it
// their requests.
HWND HostWindow();
void SetHostWindow(HWND hwnd);

} // namespace vantora::notes
