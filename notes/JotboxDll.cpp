// Entry points of jotbox.dll.
#include <windows.h>

#include "notes/JotboxCom.h"
#include "notes/JotboxModule.h"
#include "notes/NoteWindow.h"
#include "notes/NotesControl.h"

using namespace vantora::notes;

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, void* reserved)
{
    switch (reason) {
    case DLL_PROCESS_ATTACH:
        SetJotboxModule(instance);
        DisableThreadLibraryCalls(instance);
        // Without rich edit no note can show its text: refuse to load.
        return LoadRichEditLibrary();
    case DLL_PROCESS_DETACH:
        // Unloaded while the process goes on: no note window may outlive the
        // code of its window procedure.
        if (!reserved) {
            DestroyAllNotes();
            UnregisterNoteClass();
            FreeRichEditLibrary();
        }
        return TRUE;
    default:
        return TRUE;
    }
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID iid, void** object)
{
    return GetJotboxClassObject(clsid, iid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow() { return JotboxCanUnload() ? S_OK : S_FALSE; }
