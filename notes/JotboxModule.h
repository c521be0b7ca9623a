// Process-wide facts of the notes control's module: its handle (for
// resources and the notes file's folder), the rich-edit library it keeps
// loaded, and the way it ends the process on an unrecoverable failure.
#pragma once
#include <windows.h>

#include <cstdint>

namespace vantora::notes {

// The module that holds the control's resources: jotbox.dll once its entry
// point ran, otherwise the program that linked the notes engine in.
HINSTANCE JotboxModule();
void SetJotboxModule(HINSTANCE module);

// Loads "RICHED20.DLL" unless it is held already; true when it is held.
bool LoadRichEditLibrary();
void FreeRichEditLibrary();

// Shows `text` in a message box and ends the process with exit code 0.
[[noreturn]] void FatalExit(const char* text, const char* caption = nullptr);

// Whether `byte` leads a double-byte character of the ANSI code page.
bool IsAnsiLeadByte(uint8_t byte);

} // namespace vantora::notes
