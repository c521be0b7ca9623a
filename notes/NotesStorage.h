// NotesStorage: the one open compound file of the notes engine and its stack
// of open storages (bottom: the root, top: the current storage). Every open
// is read-write, exclusive and direct, so each write reaches the file at once.
#pragma once
#include <windows.h>
#include <objidl.h>

#include <string>
#include <vector>

#include "win/Scoped.h"

namespace vantora::notes {

using StreamPtr = win::ComPtr<IStream>;

struct StorageElement {
    std::string name;   // ANSI code page
    DWORD type;         // STGTY_STREAM, STGTY_STORAGE, ...
};

class NotesStorage {
public:
    static NotesStorage& Instance();

    bool Open(const std::string& path);
    // Fails when a file of that name exists.
    bool Create(const std::string& path);
    void Close();
    bool IsOpen() const { return open_; }

    bool CreateStorage(const std::string& name, bool enter);
    bool OpenStorage(const std::string& name);
    // Fails when an element of that name exists.
    StreamPtr CreateStream(const std::string& name);
    StreamPtr OpenStream(const std::string& name);
    bool DestroyElement(const std::string& name);
    bool RenameElement(const std::string& from, const std::string& to);
    // The elements of the current storage in the order it lists them.
    bool List(std::vector<StorageElement>* elements);

private:
    IStorage* Current() const { return stack_.empty() ? nullptr : stack_.back().Get(); }
    bool open_ = false;
    std::string path_;
    std::vector<win::ComPtr<IStorage>> stack_;
};

// Whole-stream helpers: false when fewer bytes than asked could be moved.
bool WriteStream(IStream* stream, const void* data, size_t size);
bool ReadStream(IStream* stream, void* data, size_t size);
// The stream's length, or -1 when it cannot be asked.
long long StreamLength(IStream* stream);

} // namespace vantora::notes
