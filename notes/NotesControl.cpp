#include "notes/NotesControl.h"

#include <string>

#include "notes/JotboxModule.h"
#include "notes/NoteEditor.h"
#include "notes/NoteFactory.h"
#include "notes/NoteList.h"
#include "notes/NoteListEntry.h"
#include "notes/NoteWindow.h"
#include "notes/NotesStorage.h"
#include "notes/NotesStore.h"
#include "win/Scoped.h"

namespace vantora::notes {

namespace {

constexpr size_t kHostInfoSize = 256;

NoteList& List() { return NoteList::Instance(); }
NotesStorage& Storage() { return NotesStorage::Instance(); }

std::string WindowText(HWND hwnd)
{
    std::string text(size_t(GetWindowTextLengthA(hwnd)) + 1, '\0');
    int length = GetWindowTextA(hwnd, text.data(), int(text.size()));
    text.resize(size_t(length > 0 ? length : 0));
    return text;
}

// The text an editor would show for a stored body. The temporary control
// is an unowned hidden window, so it needs no active window as its parent.
std::string StoredText(const Note& note)
{
    if (note.body.compare(0, 5, "{\\rtf") != 0)
        return note.body;
    win::ScopedWindow editor(CreateWindowExA(0, "RichEdit20A", nullptr,
                                             WS_POPUP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN, 0, 0, 0, 0,
                                             nullptr, nullptr, GetModuleHandleA(nullptr), nullptr));
    if (!editor)
        return std::string();
    StreamInRtf(editor.Get(), note.body);
    return WindowText(editor.Get());
}

} // namespace

NotesControl::NotesControl() { RegisterNoteClass(); }

NotesControl::~NotesControl() { UnregisterNoteClass(); }

void DestroyAllNotes()
{
    NoteList& list = List();
    for (size_t i = 0; i < list.Size(); ++i)
        if (HWND hwnd = list.At(i)->hwnd; hwnd && IsWindow(hwnd))
            DestroyWindow(hwnd);
    list.Clear();
}

int32_t NotesControl::CreateNew()
{
    if (!OpenNotesStorage())
        return -1;
    Note* note = List().Append(CreateNewNoteWithWindow());
    TouchLastUsed(*note);
    AddNoteToStore(*note, lastNoteNumber_);
    SendMessageA(note->hwnd, WM_NCPAINT, 0, 0);
    Show(*note);
    Storage().Close();
    return List().IdOf(note);
}

int32_t NotesControl::Reset()
{
    DestroyAllNotes();
    if (Storage().IsOpen())
        Storage().Close();
    return 0;
}

int32_t NotesControl::LoadData(HWND host)
{
    SetHostWindow(host);
    if (!OpenNotesStorage()) {
        if (CreateNotesFile(lastNoteNumber_) != 0)
            FatalExit("\xB4\xB4\xBD\xA8\xD0\xC2\xB5\xB5\xB0\xB8\xCA\xA7\xB0\xDC!");   // "Creating the new notes file failed!"
    }
    RecoverPendingStreams();
    StreamPtr counter = Storage().OpenStream(kCounterStreamName);
    if (!counter)
        return -1;
    int32_t last = 0;
    if (!ReadStream(counter.Get(), &last, sizeof last)) {
        // A counter too short to read would hand out numbers twice.
        return -1;
    }
    lastNoteNumber_ = last;
    counter.Reset();
    LoadAllNotes();
    Storage().Close();
    return 0;
}

int32_t NotesControl::Save(int32_t id)
{
    if (id != 0)
        return 0;
    if (!OpenNotesStorage())
        return -1;
    NoteList& list = List();
    for (size_t i = 0; i < list.Size(); ++i)
        SaveNote(*list.At(i), false);
    Storage().Close();
    return 0;
}

int32_t NotesControl::HideAll()
{
    NoteList& list = List();
    for (size_t i = 0; i < list.Size(); ++i)
        Hide(*list.At(i));
    return 0;
}

int32_t NotesControl::ShowAll()
{
    NoteList& list = List();
    for (size_t i = 0; i < list.Size(); ++i)
        Show(*list.At(i));
    return 0;
}

int32_t NotesControl::ShowNote(int32_t id)
{
    // An id that names no live note is ignored.
    if (Note* note = List().FindById(id))
        Show(*note);
    return 0;
}

int32_t NotesControl::HideNote(int32_t) { return 0; }

int32_t NotesControl::GetNote(int32_t* index, char* info)
{
    NoteList& list = List();
    if (*index < 0 || size_t(*index) >= list.Size()) {
        *index = -1;
        info[0] = '\0';
        return 1;
    }
    const Note& note = *list.At(size_t(*index));
    std::string text;
    if (!note.hidden && note.editor && IsWindow(note.editor->Hwnd()))
        text = WindowText(note.editor->Hwnd());
    else
        text = StoredText(note);
    std::string excerpt = MakeExcerpt(text, IsAnsiLeadByte);
    FormatNoteListEntry(list.IdAt(size_t(*index)), excerpt, note.title, info, kHostInfoSize, IsAnsiLeadByte);
    return 0;
}

int32_t NotesControl::ShowLast()
{
    Note* best = nullptr;
    int32_t bestTime = 0;
    NoteList& list = List();
    for (size_t i = 0; i < list.Size(); ++i) {
        Note* note = list.At(i);
        if (note->hidden != 1 && note->lastUsed > bestTime) {
            best = note;
            bestTime = note->lastUsed;
        }
    }
    if (best)
        Show(*best);
    return 0;
}

// Alarms come with their own change; until then the check finds nothing.
int32_t NotesControl::Alam() { return 0; }

} // namespace vantora::notes
