#include "notes/NotesStore.h"

#include <cstring>

#include "notes/JotboxModule.h"
#include "notes/Note.h"
#include "notes/NoteEditor.h"
#include "notes/NoteFactory.h"
#include "notes/NoteList.h"
#include "notes/NoteStreamFormat.h"
#include "notes/NotesStorage.h"

namespace vantora::notes {

namespace {

std::string gPathOverride;
// No note stream is anywhere near this; a larger length means a damaged file.
constexpr long long kMaxStreamLength = 64ll << 20;

NotesStorage& Storage() { return NotesStorage::Instance(); }

bool EndsWith(const std::string& text, const std::string& suffix)
{
    return text.size() > suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::array<uint8_t, kStoredLogFontSize> FontBytes(HFONT font)
{
    LOGFONTA logFont {};
    GetObjectA(font, sizeof logFont, &logFont);
    std::array<uint8_t, kStoredLogFontSize> bytes {};
    static_assert(sizeof(LOGFONTA) == kStoredLogFontSize);
    std::memcpy(bytes.data(), &logFont, kStoredLogFontSize);
    return bytes;
}

NoteHeader HeaderOf(const Note& note)
{
    NoteHeader h;
    h.left = note.rect.left;
    h.top = note.rect.top;
    h.right = note.rect.right;
    h.bottom = note.rect.bottom;
    h.alwaysOnTop = note.alwaysOnTop;
    h.lockText = note.lockText;
    h.bodyFont = FontBytes(note.bodyFont.Get());
    h.captionFont = FontBytes(note.captionFont.Get());
    h.backColor = note.backColor;
    h.frameColor = note.frameColor;
    h.hidden = note.hidden;
    h.lastUsed = note.lastUsed;
    h.captionColor = note.captionColor;
    h.alarmTime = note.alarmTime;
    h.repeat = uint8_t(note.repeat);
    h.count = note.count;
    h.unit = note.unit;
    return h;
}

void TakeHeader(Note& note, const NoteHeader& h)
{
    note.rect = {h.left, h.top, h.right, h.bottom};
    note.alwaysOnTop = h.alwaysOnTop;
    note.lockText = h.lockText;
    note.backColor = h.backColor;
    note.captionColor = h.captionColor;
    note.frameColor = h.frameColor;
    note.hidden = h.hidden;
    note.lastUsed = h.lastUsed;
    note.alarmTime = h.alarmTime;
    note.repeat = int8_t(h.repeat);
    note.count = h.count;
    note.unit = h.unit;
    LOGFONTA logFont;
    std::memcpy(&logFont, h.bodyFont.data(), sizeof logFont);
    logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    note.bodyFont.Reset(CreateFontIndirectA(&logFont));
    // The stored caption font is not read back: the caption keeps its default.
}

bool ReadWholeStream(IStream* stream, std::string* bytes)
{
    long long length = StreamLength(stream);
    if (length < 0 || length > kMaxStreamLength)
        return false;
    bytes->assign(size_t(length), '\0');
    return ReadStream(stream, bytes->data(), bytes->size());
}

// Writes `bytes` under a pending name, then puts it in place of `name`: a
// failure at any point leaves the old stream or a complete pending one.
bool ReplaceStream(const std::string& name, const std::string& bytes)
{
    std::string pending = name + kPendingSuffix;
    Storage().DestroyElement(pending);
    StreamPtr stream = Storage().CreateStream(pending);
    if (!stream)
        return false;
    bool written = WriteStream(stream.Get(), bytes.data(), bytes.size());
    stream.Reset();
    if (!written) {
        Storage().DestroyElement(pending);
        return false;
    }
    Storage().DestroyElement(name);
    return Storage().RenameElement(pending, name);
}

bool WriteCounter(int32_t lastNoteNumber)
{
    std::string bytes(reinterpret_cast<const char*>(&lastNoteNumber), sizeof lastNoteNumber);
    return ReplaceStream(kCounterStreamName, bytes);
}

} // namespace

std::string NotesFilePath()
{
    if (!gPathOverride.empty())
        return gPathOverride;
    char path[MAX_PATH + 1] = {};
    DWORD length = GetModuleFileNameA(JotboxModule(), path, MAX_PATH);
    std::string result(path, length);
    size_t slash = result.find_last_of("\\/");
    result.erase(slash == std::string::npos ? 0 : slash + 1);
    return result + kNotesFileName;
}

void SetNotesFilePathOverride(const std::string& path) { gPathOverride = path; }

bool OpenNotesStorage()
{
    if (!Storage().Open(NotesFilePath()))
        return false;
    return Storage().OpenStorage(kNotesStorageName);
}

int CreateNotesFile(int32_t& lastNoteNumber)
{
    lastNoteNumber = 1;
    if (!Storage().Create(NotesFilePath()))
        FatalExit("\xB4\xB4\xBD\xA8\xCE\xC4\xBC\xFE\xCA\xA7\xB0\xDC\xA3\xA1");   // "Creating the file failed!"
    Storage().CreateStorage(kNotesStorageName, false);
    Storage().OpenStorage(kNotesStorageName);
    StreamPtr counter = Storage().CreateStream(kCounterStreamName);
    if (!counter)
        return -1;
    WriteStream(counter.Get(), &lastNoteNumber, sizeof lastNoteNumber);
    return 0;
}

void RecoverPendingStreams()
{
    std::vector<StorageElement> elements;
    if (!Storage().List(&elements))
        return;
    auto exists = [&](const std::string& name) {
        for (const StorageElement& e : elements)
            if (e.type == STGTY_STREAM && e.name == name)
                return true;
        return false;
    };
    for (const StorageElement& e : elements) {
        if (e.type != STGTY_STREAM || !EndsWith(e.name, kPendingSuffix))
            continue;
        std::string target = e.name.substr(0, e.name.size() - std::strlen(kPendingSuffix));
        // A pending stream is complete once its old stream is gone; while the
        // old one is there, the old one is the last good content.
        bool keep = !exists(target);
        if (keep) {
            StreamPtr stream = Storage().OpenStream(e.name);
            long long length = stream ? StreamLength(stream.Get()) : -1;
            long long needed = target == kCounterStreamName ? 4 : (long long)kNoteHeaderSize;
            keep = length >= needed;
        }
        if (!keep || !Storage().RenameElement(e.name, target))
            Storage().DestroyElement(e.name);
    }
}

int LoadAllNotes()
{
    if (!Storage().IsOpen())
        return -1;
    std::vector<StorageElement> elements;
    if (!Storage().List(&elements))
        return -1;
    for (const StorageElement& e : elements) {
        if (e.type == STGTY_STREAM && e.name != kCounterStreamName && !EndsWith(e.name, kPendingSuffix))
            LoadNote(e.name);
    }
    return 0;
}

int LoadNote(const std::string& streamName)
{
    std::string bytes;
    {
        StreamPtr stream = Storage().OpenStream(streamName);
        if (!stream || !ReadWholeStream(stream.Get(), &bytes))
            return -1;
    }
    ParsedNoteStream parsed;
    if (!ParseNoteStream(bytes, &parsed))
        return -1;

    auto made = MakeNoteWithDefaults();
    TakeHeader(*made, parsed.header);
    made->title = std::move(parsed.title);
    made->body = std::move(parsed.body);
    made->streamName = streamName;
    Note* note = NoteList::Instance().Append(std::move(made));
    CreateNoteWindow(note);
    if (note->hwnd) {
        SendMessageA(note->hwnd, WM_NCPAINT, 0, 0);
        SendMessageA(note->hwnd, WM_NCPAINT, 0, 0);
    }
    return 0;
}

int AddNoteToStore(Note& note, int32_t& lastNoteNumber)
{
    ++lastNoteNumber;
    std::string name = std::to_string(lastNoteNumber);
    if (!WriteCounter(lastNoteNumber))
        return -1;
    StreamPtr stream = Storage().CreateStream(name);
    if (!stream)
        return -1;
    std::string bytes = ComposeNoteStream(HeaderOf(note), note.title, "");
    bool written = WriteStream(stream.Get(), bytes.data(), bytes.size());
    stream.Reset();
    if (!written) {
        Storage().DestroyElement(name);
        return -1;
    }
    note.streamName = name;
    return 0;
}

int SaveNote(Note& note, bool openAndClose)
{
    if (!note.editor || !note.editor->Hwnd() || !IsWindow(note.editor->Hwnd()))
        return 0;
    bool textChanged = note.editor->IsModified();
    if (!note.modified && !textChanged)
        return 0;
    RECT rect;
    if (note.hwnd && GetWindowRect(note.hwnd, &rect))
        note.rect = rect;
    if (openAndClose && !OpenNotesStorage())
        return -1;

    if (textChanged)
        note.body = note.editor->StreamOutRtf();
    NoteHeader header = HeaderOf(note);
    // A frame colour never survives a reload, nor does the red of a ringing alarm.
    header.frameColor = kStoredFrameColor;
    bool saved = !note.streamName.empty() && ReplaceStream(note.streamName, ComposeNoteStream(header, note.title, note.body));
    if (openAndClose)
        Storage().Close();
    if (!saved) {
        // The text is in `body` now: make sure a later save writes it.
        note.modified = 1;
        return -1;
    }
    if (textChanged)
        note.editor->SetModified(false);
    note.modified = 0;
    return 0;
}

} // namespace vantora::notes
