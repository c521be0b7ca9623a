// The notes file "Notes.bin" next to the control's module: storage
// "Notes Stg" with the counter stream "config.ini" and one stream per note.
// These routines run on the current storage of NotesStorage.
#pragma once
#include <cstdint>
#include <string>

namespace vantora::notes {

struct Note;

constexpr const char* kNotesFileName = "Notes.bin";
constexpr const char* kNotesStorageName = "Notes Stg";
constexpr const char* kCounterStreamName = "config.ini";
// A stream being replaced is written under its name plus this suffix first.
constexpr const char* kPendingSuffix = ".tmp";

// The control's module path with its file name replaced by "Notes.bin".
std::string NotesFilePath();
// Lets a program that links the notes engine in keep its notes elsewhere.
void SetNotesFilePathOverride(const std::string& path);

// True when the file is open and "Notes Stg" entered.
bool OpenNotesStorage();
// Makes a new file with the counter at 1 and leaves it open; a file that
// cannot be made ends the process. 0, or -1 without "config.ini".
int CreateNotesFile(int32_t& lastNoteNumber);
// Finishes or drops the stream replacements a crash interrupted.
void RecoverPendingStreams();
int LoadAllNotes();
int LoadNote(const std::string& streamName);
// Numbers the note's stream from the counter and writes header and title.
int AddNoteToStore(Note& note, int32_t& lastNoteNumber);
// Writes a shown note that changed; opens and closes the file itself when
// `openAndClose` is set.
int SaveNote(Note& note, bool openAndClose);

} // namespace vantora::notes
