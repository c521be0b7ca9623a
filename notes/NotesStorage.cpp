#include "notes/NotesStorage.h"

namespace vantora::notes {

namespace {

constexpr DWORD kAccess = STGM_READWRITE | STGM_SHARE_EXCLUSIVE;   // 0x12, direct mode
constexpr int kMaxName = 260;

std::wstring Wide(const std::string& text)
{
    wchar_t buffer[kMaxName + 1];
    int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buffer, kMaxName + 1);
    return length > 0 ? std::wstring(buffer) : std::wstring();
}

std::string Ansi(const wchar_t* text)
{
    char buffer[kMaxName + 1];
    int length = WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer, nullptr, nullptr);
    return length > 0 ? std::string(buffer) : std::string();
}

// Long paths do not fit the element-name buffers: use the wide path as is.
std::wstring WidePath(const std::string& path)
{
    int length = MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, nullptr, 0);
    std::wstring wide(size_t(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), length);
    wide.resize(wcslen(wide.c_str()));
    return wide;
}

} // namespace

NotesStorage& NotesStorage::Instance()
{
    static NotesStorage storage;
    return storage;
}

bool NotesStorage::Open(const std::string& path)
{
    Close();
    win::ComPtr<IStorage> root;
    if (FAILED(StgOpenStorage(WidePath(path).c_str(), nullptr, kAccess, nullptr, 0, root.Put())))
        return false;
    stack_.push_back(std::move(root));
    open_ = true;
    path_ = path;
    return true;
}

bool NotesStorage::Create(const std::string& path)
{
    Close();
    win::ComPtr<IStorage> root;
    if (FAILED(StgCreateDocfile(WidePath(path).c_str(), kAccess | STGM_FAILIFTHERE, 0, root.Put())))
        return false;
    stack_.push_back(std::move(root));
    open_ = true;
    path_ = path;
    return true;
}

void NotesStorage::Close()
{
    while (!stack_.empty())
        stack_.pop_back();
    open_ = false;
    path_.clear();
}

bool NotesStorage::CreateStorage(const std::string& name, bool enter)
{
    if (!Current())
        return false;
    win::ComPtr<IStorage> storage;
    if (FAILED(Current()->CreateStorage(Wide(name).c_str(), kAccess | STGM_FAILIFTHERE, 0, 0, storage.Put())))
        return false;
    if (enter)
        stack_.push_back(std::move(storage));
    return true;
}

bool NotesStorage::OpenStorage(const std::string& name)
{
    if (!Current())
        return false;
    win::ComPtr<IStorage> storage;
    if (FAILED(Current()->OpenStorage(Wide(name).c_str(), nullptr, kAccess, nullptr, 0, storage.Put())))
        return false;
    stack_.push_back(std::move(storage));
    return true;
}

StreamPtr NotesStorage::CreateStream(const std::string& name)
{
    StreamPtr stream;
    if (Current() &&
        FAILED(Current()->CreateStream(Wide(name).c_str(), kAccess | STGM_FAILIFTHERE, 0, 0, stream.Put())))
        stream.Reset();
    return stream;
}

StreamPtr NotesStorage::OpenStream(const std::string& name)
{
    StreamPtr stream;
    if (Current() && FAILED(Current()->OpenStream(Wide(name).c_str(), nullptr, kAccess, 0, stream.Put())))
        stream.Reset();
    return stream;
}

bool NotesStorage::DestroyElement(const std::string& name)
{
    return Current() && SUCCEEDED(Current()->DestroyElement(Wide(name).c_str()));
}

bool NotesStorage::RenameElement(const std::string& from, const std::string& to)
{
    return Current() && SUCCEEDED(Current()->RenameElement(Wide(from).c_str(), Wide(to).c_str()));
}

bool NotesStorage::List(std::vector<StorageElement>* elements)
{
    elements->clear();
    win::ComPtr<IEnumSTATSTG> enumerator;
    if (!Current() || FAILED(Current()->EnumElements(0, nullptr, 0, enumerator.Put())))
        return false;
    STATSTG stat;
    while (enumerator->Next(1, &stat, nullptr) == S_OK) {
        elements->push_back({Ansi(stat.pwcsName), stat.type});
        CoTaskMemFree(stat.pwcsName);
    }
    return true;
}

bool WriteStream(IStream* stream, const void* data, size_t size)
{
    ULONG written = 0;
    return SUCCEEDED(stream->Write(data, ULONG(size), &written)) && written == size;
}

bool ReadStream(IStream* stream, void* data, size_t size)
{
    ULONG read = 0;
    return SUCCEEDED(stream->Read(data, ULONG(size), &read)) && read == size;
}

long long StreamLength(IStream* stream)
{
    STATSTG stat;
    if (FAILED(stream->Stat(&stat, STATFLAG_NONAME)))
        return -1;
    return (long long)stat.cbSize.QuadPart;
}

} // namespace vantora::notes
