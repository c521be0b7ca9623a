// Lets a test write the clock's settings key and puts it back afterwards:
// values it names regain their old data or are deleted, and keys it had to
// create are removed.
#pragma once
#include <windows.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "clock/ClockKeyWin.h"
#include "win/Scoped.h"

namespace vantora::testing {

class ClockKeyGuard {
public:
    explicit ClockKeyGuard(std::initializer_list<const char*> valueNames)
    {
        parentExisted_ = KeyExists(kParentPath);
        keyExisted_ = KeyExists(kClockKeyPath);
        RegCreateKeyExA(HKEY_CURRENT_USER, kClockKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, key_.Put(), nullptr);
        for (const char* name : valueNames) {
            Saved saved;
            saved.name = name;
            DWORD size = 0;
            if (RegQueryValueExA(key_.Get(), name, nullptr, &saved.type, nullptr, &size) == ERROR_SUCCESS) {
                saved.existed = true;
                saved.data.resize(size);
                RegQueryValueExA(key_.Get(), name, nullptr, &saved.type, saved.data.data(), &size);
            }
            saved_.push_back(saved);
        }
    }
    ClockKeyGuard(const ClockKeyGuard&) = delete;
    ClockKeyGuard& operator=(const ClockKeyGuard&) = delete;
    ~ClockKeyGuard()
    {
        for (const Saved& saved : saved_) {
            if (saved.existed)
                RegSetValueExA(key_.Get(), saved.name.c_str(), 0, saved.type, saved.data.data(), DWORD(saved.data.size()));
            else
                RegDeleteValueA(key_.Get(), saved.name.c_str());
        }
        key_.Reset();
        if (!keyExisted_)
            RegDeleteKeyA(HKEY_CURRENT_USER, kClockKeyPath);
        if (!parentExisted_)
            RegDeleteKeyA(HKEY_CURRENT_USER, kParentPath);
    }

    void Set(const char* name, DWORD type, const void* data, DWORD size)
    {
        RegSetValueExA(key_.Get(), name, 0, type, static_cast<const BYTE*>(data), size);
    }
    void SetDword(const char* name, DWORD value) { Set(name, REG_DWORD, &value, sizeof value); }
    void SetString(const char* name, const std::string& text)
    {
        Set(name, REG_SZ, text.c_str(), DWORD(text.size() + 1));
    }
    void Delete(const char* name) { RegDeleteValueA(key_.Get(), name); }

private:
    static constexpr char kParentPath[] = "Software\\Mirefold";
    struct Saved {
        std::string name;
        bool existed = false;
        DWORD type = 0;
        std::vector<BYTE> data;
    };
    static bool KeyExists(const char* path)
    {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, &key) != ERROR_SUCCESS)
            return false;
        RegCloseKey(key);
        return true;
    }

    bool parentExisted_ = false;
    bool keyExisted_ = false;
    win::ScopedKey key_;
    std::vector<Saved> saved_;
};

} // namespace vantora::testing
