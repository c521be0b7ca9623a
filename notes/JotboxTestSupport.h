// What the notes tests share: the engine linked in with a notes file of the
// test's own, jotbox.dll loaded from a scratch copy, a host window that
// records what notes send it, and a reader of the notes file from the outside.
// Registry values are put back by the shared RegistryBackup.
#pragma once
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "jotbox.h"
#include "notes/NotesControl.h"
#include "shared/NotePropertyRecord.h"
#include "tests/support/RegistryBackup.h"

namespace vantora::notes::test {

using vantora::test::RegistryBackup;

// A top-level window standing in for the tray program's main window.
class TestHost {
public:
    TestHost();
    ~TestHost();
    HWND Hwnd() const { return hwnd_; }
    int propertyRequests = 0;
    HWND lastRequestWindow = nullptr;
    NotePropertyRecord lastRecord {};
    int editMenus = 0;

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
};

// The notes file seen from the outside: elements of "Notes Stg".
struct NotesFileContent {
    bool opened = false;
    std::vector<std::string> rootElements;
    std::map<std::string, std::string> streams;   // name -> bytes
    std::vector<std::string> storages;
    std::vector<std::string> order;                // stream names as listed
};
NotesFileContent ReadNotesFile(const std::string& path);
// Writes streams (and empty sub-storages) into a new "Notes Stg" file.
bool WriteNotesFile(const std::string& path, const std::vector<std::pair<std::string, std::string>>& streams,
                    const std::vector<std::string>& storages = {});
int32_t CounterOf(const NotesFileContent& content);
bool FileExists(const std::string& path);

// The engine linked into the test program, its notes file in a scratch folder.
class EngineFixture {
public:
    explicit EngineFixture(const std::string& name);
    ~EngineFixture();
    NotesControl& Control() { return *control_; }
    const std::string& NotesPath() const { return notesPath_; }
    TestHost& Host() { return host_; }

private:
    std::string notesPath_;
    TestHost host_;
    std::unique_ptr<NotesControl> control_;
};

// jotbox.dll copied into a scratch folder and loaded from there.
class LoadedJotbox {
public:
    explicit LoadedJotbox(const std::string& name);
    ~LoadedJotbox();
    bool Ok() const { return control_ != nullptr; }
    IJotboxC* Control() const { return control_; }
    HMODULE Module() const { return module_; }
    std::string NotesPath() const { return folder_ + "\\Notes.bin"; }
    const std::string& Folder() const { return folder_; }
    // Reset and release the control; the module stays loaded.
    void ReleaseControl();
    // Reset, release and unload.
    void Unload();

private:
    std::string folder_;
    HMODULE module_ = nullptr;
    IJotboxC* control_ = nullptr;
};

// Calls a slot of IJotboxC's function table by its number, as the host does.
HRESULT CallSlot(IJotboxC* control, int slot);
HRESULT CallSlot(IJotboxC* control, int slot, LONG argument);
HRESULT CallGetNoteSlot(IJotboxC* control, int32_t* index, char* info);

} // namespace vantora::notes::test
