// Runs one scenario in which the notes control must show a message and end
// the process with exit code 0. Exit code 3 means the process went on.
//   jotbox_fatal_child.exe <scenario> <scratch name>
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "notes/JotboxTestSupport.h"

using namespace vantora::notes::test;

int main(int argc, char** argv)
{
    if (argc < 3)
        return 2;
    std::string scenario = argv[1];
    TestHost host;
    LONG hostHandle = LONG(LONG_PTR(host.Hwnd()));
    LoadedJotbox jotbox(argv[2]);
    if (!jotbox.Ok())
        return 4;
    IJotboxC* c = jotbox.Control();

    if (scenario == "not-compound") {
        HANDLE file = CreateFileA(jotbox.NotesPath().c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, "not a compound file", 19, &written, nullptr);
        CloseHandle(file);
        c->LoadData(hostHandle);
    } else if (scenario == "locked") {
        c->LoadData(hostHandle);
        c->Reset();
        // Held open with exclusive access: the control can neither open nor make it.
        std::string narrow = jotbox.NotesPath();
        std::wstring path(narrow.begin(), narrow.end());
        IStorage* holder = nullptr;
        if (FAILED(StgOpenStorage(path.c_str(), nullptr, STGM_READWRITE | STGM_SHARE_EXCLUSIVE, nullptr, 0, &holder)))
            return 5;
        c->LoadData(hostHandle);
    } else if (scenario == "second-control") {
        using GetClassObject = HRESULT(STDAPICALLTYPE*)(REFCLSID, REFIID, void**);
        auto get = reinterpret_cast<GetClassObject>(
            reinterpret_cast<void*>(GetProcAddress(jotbox.Module(), "DllGetClassObject")));
        IClassFactory* factory = nullptr;
        IJotboxC* second = nullptr;
        get(CLSID_JotboxC, IID_IClassFactory, reinterpret_cast<void**>(&factory));
        factory->CreateInstance(nullptr, IID_IJotboxC, reinterpret_cast<void**>(&second));
    } else if (scenario == "window-fails") {
        c->LoadData(hostHandle);
        UnregisterClassA("Mirefold Note Class", GetModuleHandleA(nullptr));
        c->CreateNew();
    } else if (scenario == "close-without-note") {
        HWND orphan = CreateWindowExA(0, "Mirefold Note Class", "orphan", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                      GetModuleHandleA(nullptr), nullptr);
        if (!orphan)
            return 6;
        DestroyWindow(orphan);
    } else {
        return 2;
    }
    return 3;
}
