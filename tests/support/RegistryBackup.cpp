#include "tests/support/RegistryBackup.h"

#include "win/Scoped.h"

namespace vantora::test {
namespace {

bool KeyExists(const std::string& path)
{
    win::ScopedKey key;
    return RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, key.Put()) == ERROR_SUCCESS;
}

} // namespace

RegistryBackup::RegistryBackup(const char* keyPath) : path_(keyPath)
{
    for (size_t slash = path_.rfind('\\'); slash != std::string::npos && slash > 0;
         slash = path_.rfind('\\', slash - 1)) {
        std::string parent = path_.substr(0, slash);
        if (KeyExists(parent))
            break;
        missingParents_.push_back(parent);
    }

    win::ScopedKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, keyPath, 0, KEY_READ, key.Put()) != ERROR_SUCCESS)
        return;
    existed_ = true;
    DWORD count = 0, maxName = 0, maxData = 0;
    if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count, &maxName,
                         &maxData, nullptr, nullptr) != ERROR_SUCCESS)
        return;
    for (DWORD i = 0; i < count; ++i) {
        std::string name(maxName + 1, '\0');
        DWORD nameSize = maxName + 1;
        Value value {std::string(), 0, std::vector<BYTE>(maxData)};
        DWORD dataSize = maxData;
        if (RegEnumValueA(key.Get(), i, name.data(), &nameSize, nullptr, &value.type, value.data.data(),
                          &dataSize) != ERROR_SUCCESS)
            continue;
        value.name.assign(name.c_str(), nameSize);
        value.data.resize(dataSize);
        values_.push_back(std::move(value));
    }
}

RegistryBackup::~RegistryBackup()
{
    Clear();
    if (existed_) {
        win::ScopedKey key;
        RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Put(), nullptr);
        for (const Value& value : values_)
            RegSetValueExA(key.Get(), value.name.c_str(), 0, value.type, value.data.data(), DWORD(value.data.size()));
    }
    for (const std::string& parent : missingParents_)
        RegDeleteKeyA(HKEY_CURRENT_USER, parent.c_str());
}

void RegistryBackup::Clear() const
{
    RegDeleteKeyA(HKEY_CURRENT_USER, path_.c_str());
}

void RegistryBackup::Set(const char* name, DWORD type, const void* data, DWORD size) const
{
    win::ScopedKey key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, key.Put(), nullptr) ==
        ERROR_SUCCESS)
        RegSetValueExA(key.Get(), name, 0, type, static_cast<const BYTE*>(data), size);
}

void RegistryBackup::Delete(const char* name) const
{
    win::ScopedKey key;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, KEY_SET_VALUE, key.Put()) == ERROR_SUCCESS)
        RegDeleteValueA(key.Get(), name);
}

} // namespace vantora::test
