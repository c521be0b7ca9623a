#include "notes/NoteActions.h"

#include <richedit.h>

#include <cstring>
#include <ctime>

#include "notes/NoteDefaults.h"
#include "notes/NoteEditor.h"
#include "notes/NoteList.h"
#include "notes/NoteWindow.h"
#include "notes/NotesStorage.h"
#include "notes/NotesStore.h"
#include "shared/NoteMessages.h"

namespace vantora::notes {

int DeleteNote(HWND hwnd)
{
    Note* note = FindNote(hwnd);
    if (!note)
        return 0;
    if (ReadNoteDefault(kSettingsKey, "DeleteConfirm", 1) != 0 &&
        MessageBoxA(nullptr, "Delete note?", "Vantix", MB_YESNO | MB_ICONQUESTION) == IDNO)
        return 0;
    std::string streamName = note->streamName;

    NoteList& list = NoteList::Instance();
    ptrdiff_t index = list.IndexOf(note);
    if (index >= 0) {
        // Destroying the window saves the note one last time.
        if (note->hwnd)
            DestroyWindow(note->hwnd);
        list.RemoveAt(size_t(index));
    }
    if (!OpenNotesStorage())
        return -1;
    if (!streamName.empty())
        NotesStorage::Instance().DestroyElement(streamName);
    NotesStorage::Instance().Close();
    return 0;
}

int RequestProperties(HWND hwnd)
{
    Note* note = FindNote(hwnd);
    if (!note)
        return 0;
    if (note->alarmTime < 0)
        note->alarmTime = 0;

    NotePropertyRecord record;
    std::memset(&record, 0, sizeof record);
    record.alwaysOnTop.Set(note->alwaysOnTop);
    record.lockText.Set(note->lockText);
    LOGFONTA logFont {};
    GetObjectA(note->bodyFont.Get(), sizeof logFont, &logFont);
    std::memcpy(record.logFont, &logFont, sizeof record.logFont);
    record.backColor.SetUnsigned(note->backColor);
    record.frameColor.SetUnsigned(note->frameColor);
    record.captionColor.SetUnsigned(note->captionColor);
    record.SetTitle(note->title);
    if (note->alarmTime != 0) {
        time_t when = note->alarmTime;
        if (const tm* local = localtime(&when)) {
            record.alarmYear.Set(local->tm_year + 1900);
            record.alarmMonth.Set(local->tm_mon + 1);
            record.alarmDay.Set(local->tm_mday);
            record.alarmHour.Set(local->tm_hour);
            record.alarmMinute.Set(local->tm_min);
            record.alarmSecond.Set(local->tm_sec);
        }
    }
    record.SetRepeat(note->repeat);
    record.SetRepeatCount(note->count);
    record.repeatUnit.Set(note->unit);
    SendMessageA(HostWindow(), WM_NOTE_PROPERTIES, WPARAM(hwnd), LPARAM(&record));
    return 0;
}

int ApplyProperties(HWND hwnd, const NotePropertyRecord* reply)
{
    Note* note = FindNote(hwnd);
    if (!note || !reply)
        return 0;
    NotePropertyRecord record;
    std::memcpy(&record, reply, sizeof record);

    note->backColor = record.backColor.GetUnsigned();
    note->lockText = record.lockText.Get();
    note->alwaysOnTop = record.alwaysOnTop.Get();
    note->captionColor = record.captionColor.GetUnsigned();
    note->frameColor = record.frameColor.GetUnsigned();
    LOGFONTA logFont;
    std::memcpy(&logFont, record.logFont, sizeof logFont);
    logFont.lfFaceName[LF_FACESIZE - 1] = '\0';
    note->bodyFont.Reset();
    note->bodyFont.Reset(CreateFontIndirectA(&logFont));
    note->title.assign(record.Title());
    if (note->editor)
        SendMessageA(note->editor->Hwnd(), EM_SETBKGNDCOLOR, 0, LPARAM(note->backColor));

    if (record.alarmYear.Get() < 1) {
        note->alarmTime = 0;
    } else {
        tm local {};
        local.tm_year = record.alarmYear.Get() - 1900;
        local.tm_mon = record.alarmMonth.Get() - 1;
        local.tm_mday = record.alarmDay.Get();
        local.tm_hour = record.alarmHour.Get();
        local.tm_min = record.alarmMinute.Get();
        local.tm_sec = record.alarmSecond.Get();
        local.tm_isdst = -1;
        time_t when = mktime(&local);
        note->alarmTime = when == time_t(-1) || when > INT32_MAX ? -1 : int32_t(when);
    }
    note->repeat = record.Repeat();
    note->count = record.RepeatCount();
    note->unit = record.repeatUnit.Get();
    note->modified = 1;
    ApplyAlwaysOnTop(*note, false);
    ApplyLockText(*note, false);
    SendMessageA(hwnd, WM_NCPAINT, 0, 0);
    return 0;
}

} // namespace vantora::notes
