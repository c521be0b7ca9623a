#include "notes/NoteDefaults.h"

#include <cstring>

#include "notes/Note.h"
#include "win/Registry.h"
#include "win/Scoped.h"

namespace vantora::notes {

int32_t ReadNoteDefault(const char* key, const char* valueName, int32_t fallback)
{
    // Paths longer than 79 characters do not fit the 80-byte key buffer.
    char path[80];
    const char* source = key ? key : kDefaultNotesKey;
    if (std::strlen(source) >= sizeof path)
        return fallback;
    std::strcpy(path, source);

    win::ScopedKey opened;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_QUERY_VALUE, opened.Put()) != ERROR_SUCCESS)
        return fallback;
    DWORD value = 0;
    return win::ReadExactDword(opened.Get(), valueName, &value) ? int32_t(value) : fallback;
}

void ApplyNoteDefaults(Note& note)
{
    note.alwaysOnTop = ReadNoteDefault(nullptr, "Always on top", 0);
    note.lockText = ReadNoteDefault(nullptr, "Lock text", 0);
    note.rect.right = note.rect.left + ReadNoteDefault(nullptr, "Width", kDefaultNoteWidth);
    note.rect.bottom = note.rect.top + ReadNoteDefault(nullptr, "Height", kDefaultNoteHeight);
    note.backColor = COLORREF(ReadNoteDefault(nullptr, "TextColor", int32_t(kDefaultNoteColor)));
    note.captionColor = COLORREF(ReadNoteDefault(nullptr, "CaptionColor", int32_t(kDefaultNoteColor)));
}

} // namespace vantora::notes
