#include "notes/JotboxModule.h"

namespace vantora::notes {

namespace {
HINSTANCE gModule = nullptr;
HMODULE gRichEdit = nullptr;
} // namespace

HINSTANCE JotboxModule() { return gModule ? gModule : GetModuleHandleA(nullptr); }

void SetJotboxModule(HINSTANCE module) { gModule = module; }

bool LoadRichEditLibrary()
{
    if (!gRichEdit)
        gRichEdit = LoadLibraryA("RICHED20.DLL");
    return gRichEdit != nullptr;
}

void FreeRichEditLibrary()
{
    if (gRichEdit)
        FreeLibrary(gRichEdit);
    gRichEdit = nullptr;
}

void FatalExit(const char* text, const char* caption)
{
    MessageBoxA(nullptr, text, caption, MB_OK);
    ExitProcess(0);
}

bool IsAnsiLeadByte(uint8_t byte) { return IsDBCSLeadByte(byte) != FALSE; }

} // namespace vantora::notes
