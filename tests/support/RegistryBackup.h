// Lets a test write a key under HKEY_CURRENT_USER and puts it back as it was:
// the key's values are restored (or the key removed if it did not exist),
// and the parent keys the test had to create are removed again.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

namespace vantora::test {

class RegistryBackup {
public:
    explicit RegistryBackup(const char* keyPath);
    ~RegistryBackup();
    RegistryBackup(const RegistryBackup&) = delete;
    RegistryBackup& operator=(const RegistryBackup&) = delete;

    // Removes the key (and so all its values) for the test.
    void Clear() const;
    // Writes a value, creating the key when needed.
    void Set(const char* name, DWORD type, const void* data, DWORD size) const;
    void SetDword(const char* name, DWORD value) const { Set(name, REG_DWORD, &value, sizeof value); }
    void SetString(const char* name, const std::string& text) const
    {
        Set(name, REG_SZ, text.c_str(), DWORD(text.size() + 1));
    }
    void Delete(const char* name) const;

private:
    struct Value {
        std::string name;
        DWORD type;
        std::vector<BYTE> data;
    };
    std::string path_;
    bool existed_ = false;
    std::vector<Value> values_;
    std::vector<std::string> missingParents_;   // deepest first
};

} // namespace vantora::test
