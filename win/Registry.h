// Registry reads shared by the binaries.
#pragma once
#include <windows.h>

namespace vantora::win {

// A number is a value of exactly 4 bytes, whatever its registry type; any
// other size (or a missing value) is no number. The 4-byte buffer also keeps
// longer values from being read.
inline bool ReadExactDword(HKEY key, const char* valueName, DWORD* value)
{
    DWORD data = 0;
    DWORD size = sizeof data;
    if (RegQueryValueExA(key, valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(&data), &size) != ERROR_SUCCESS
        || size != sizeof data)
        return false;
    *value = data;
    return true;
}

} // namespace vantora::win
