// Per-user defaults of new notes under HKCU\Software\Mirefold, written by the
// tray program and read here at every use.
#pragma once
#include <cstdint>

namespace vantora::notes {

struct Note;

constexpr const char* kDefaultNotesKey = "Software\\Mirefold\\Default Notes";
constexpr const char* kSettingsKey = "Software\\Mirefold\\Settings";

// Any value of exactly 4 bytes, whatever its registry type, read as a 32-bit
// number; `fallback` when the key or value is missing or of another size.
// A null key means the "Default Notes" key.
int32_t ReadNoteDefault(const char* key, const char* valueName, int32_t fallback);

// Flags, colours and size of a note made now.
void ApplyNoteDefaults(Note& note);

} // namespace vantora::notes
