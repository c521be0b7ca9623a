// Reading the clock's settings key (HKCU\Software\Mirefold\TryClock). The
// clock only reads it; each read opens and closes the key.
#pragma once
#include <windows.h>

namespace vantora {

constexpr char kClockKeyPath[] = "Software\\Mirefold\\TryClock";

// The stored value when it is exactly 4 bytes, whatever its type; else the default.
DWORD ReadClockDword(const char* subKey, const char* valueName, DWORD defaultValue);

// Reads a string value into `buffer` and answers the byte count the system
// reports (terminator included). A missing key or value, or one that does not
// fit with its terminator, gives `defaultText` and its length instead.
DWORD ReadClockString(const char* subKey, const char* valueName, char* buffer, DWORD capacity,
                      const char* defaultText);

} // namespace vantora
