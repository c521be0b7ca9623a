#include "notes/NoteList.h"


namespace vantora::notes {

namespace {
HWND gHostWindow = nullptr;
} // namespace

NoteList& NoteList::Instance()
{
    static NoteList list;
    return list;
}

Note* NoteList::Append(std::unique_ptr<Note> note)
{
    Note* raw = note.get();
    entries_.push_back({std::move(note), ++lastId_});
    return raw;
}

ptrdiff_t NoteList::IndexOf(const Note* note) const
{
    for (size_t i = 0; i < entries_.size(); ++i)
        if (entries_[i].note.get() == note)
            return ptrdiff_t(i);
    return -1;
}

int32_t NoteList::IdOf(const Note* note) const
{
    ptrdiff_t index = IndexOf(note);
    return index < 0 ? 0 : entries_[size_t(index)].id;
}

Note* NoteList::FindById(int32_t id) const
{
    for (const Entry& entry : entries_)
        if (entry.id == id)
            return entry.note.get();
    return nullptr;
}

void NoteList::RemoveAt(size_t index)
{
    // Take the entry out first: the note's destruction must not see itself listed.
    std::unique_ptr<Note> note = std::move(entries_[index].note);
    entries_.erase(entries_.begin() + ptrdiff_t(index));
}

void NoteList::Clear()
{
    std::vector<Entry> entries = std::move(entries_);
    entries_.clear();
}

HWND HostWindow() { return gHostWindow; }
void SetHostWindow(HWND hwnd) { gHostWindow = hwnd; }

} // namespace vantora::notes
