#include "clock/ClockKeyWin.h"

#include <string>

#include "win/Registry.h"
#include "win/Scoped.h"

namespace vantora {
namespace {

win::ScopedKey OpenClockKey(const char* subKey)
{
    std::string path = kClockKeyPath;
    if (subKey && *subKey)
        path.append("\\").append(subKey);
    win::ScopedKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS)
        key.Release();
    return key;
}

} // namespace

DWORD ReadClockDword(const char* subKey, const char* valueName, DWORD defaultValue)
{
    win::ScopedKey key = OpenClockKey(subKey);
    if (!key)
        return defaultValue;
    DWORD value = 0;
    return win::ReadExactDword(key.Get(), valueName, &value) ? value : defaultValue;
}

DWORD ReadClockString(const char* subKey, const char* valueName, char* buffer, DWORD capacity,
                      const char* defaultText)
{
    if (capacity == 0)
        return 0;
    if (win::ScopedKey key = OpenClockKey(subKey)) {
        DWORD size = capacity;
        if (RegQueryValueExA(key.Get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(buffer), &size)
            == ERROR_SUCCESS) {
            // A value stored without its terminator still has to end in one.
            if (size == 0 || buffer[size - 1] == '\0') {
                if (size == 0)
                    buffer[0] = '\0';
                return size;
            }
            if (size < capacity) {
                buffer[size] = '\0';
                return size;
            }
        }
    }
    DWORD length = 0;
    for (; defaultText && defaultText[length] && length + 1 < capacity; ++length)
        buffer[length] = defaultText[length];
    buffer[length] = '\0';
    return length;
}

} // namespace vantora
