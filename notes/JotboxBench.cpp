// Timings of jotbox.dll on a large notes file, run by hand under Wine:
//   build-x64/wine-run build-x64/tests-bin/jotbox_bench.exe
// LoadData of 500 hidden notes and of 500 with 50 shown, and Save(0) with one
// changed note among 500.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "notes/JotboxTestSupport.h"
#include "notes/NoteStreamFormat.h"
#include "tests/support/GuiTest.h"

using namespace vantora::notes;
using namespace vantora::notes::test;

namespace {

enum Slot { kCreateNew = 7, kReset = 8, kLoadData = 9, kSave = 10 };

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return double(to.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

template <class F>
double Time(F&& run)
{
    LARGE_INTEGER from, to;
    QueryPerformanceCounter(&from);
    run();
    QueryPerformanceCounter(&to);
    return Milliseconds(from, to);
}

// 500 notes with a short RTF text each; the first `shown` are not hidden.
bool WriteBigFile(const std::string& path, int count, int shown)
{
    std::vector<std::pair<std::string, std::string>> streams;
    int32_t counter = count + 1;
    streams.push_back({"config.ini", std::string(reinterpret_cast<const char*>(&counter), 4)});
    for (int i = 0; i < count; ++i) {
        NoteHeader header;
        header.left = 40 + (i % 20) * 20;
        header.top = 40 + (i % 20) * 15;
        header.right = header.left + 296;
        header.bottom = header.top + 171;
        header.backColor = header.captionColor = 0x00CCFFFF;
        header.frameColor = kStoredFrameColor;
        header.hidden = i < shown ? 0 : 1;
        header.lastUsed = 1700000000 + i;
        header.unit = 2;
        std::string body = "{\\rtf1\\ansi{\\fonttbl{\\f0 MS Sans Serif;}}\\f0\\fs20 Note number " + std::to_string(i) +
                           " with a line of text.\\par Second line.\\par}";
        streams.push_back({std::to_string(i + 2), ComposeNoteStream(header, "Note " + std::to_string(i), body)});
    }
    return WriteNotesFile(path, streams);
}

} // namespace

int main()
{
    TestHost host;
    LONG hostHandle = LONG(LONG_PTR(host.Hwnd()));
    LoadedJotbox jotbox("bench");
    if (!jotbox.Ok()) {
        std::printf("jotbox.dll could not be loaded\n");
        return 1;
    }
    IJotboxC* c = jotbox.Control();
    const int kNotes = 500;

    std::printf("%-48s %10s\n", "operation", "ms");
    DeleteFileA(jotbox.NotesPath().c_str());
    CallSlot(c, kLoadData, hostHandle);
    std::printf("%-48s %10.1f\n", "CreateNew (first note of a new file)", Time([&] { CallSlot(c, kCreateNew); }));
    std::printf("%-48s %10.1f\n", "CreateNew (second note)", Time([&] { CallSlot(c, kCreateNew); }));
    CallSlot(c, kReset);

    for (int shown : {0, 50}) {
        WriteBigFile(jotbox.NotesPath(), kNotes, shown);
        for (int run = 0; run < 3; ++run) {
            double ms = Time([&] { CallSlot(c, kLoadData, hostHandle); });
            std::printf("LoadData, %d notes, %2d shown (run %d)%*s %10.1f\n", kNotes, shown, run + 1, 13, "", ms);
            if (shown == 50 && run == 2)
                break;   // keep them loaded for the save
            CallSlot(c, kReset);
        }
    }

    HWND note = vantora::test::FindOwnTopLevel("Mirefold Note Class");
    HWND editor = GetDlgItem(note, 111);
    for (int run = 0; run < 3; ++run) {
        SetWindowTextA(editor, ("Changed text " + std::to_string(run)).c_str());
        SendMessageA(editor, EM_SETMODIFY, TRUE, 0);
        double ms = Time([&] { CallSlot(c, kSave, 0); });
        std::printf("Save(0), one changed among %d (50 shown) (run %d)%*s %10.1f\n", kNotes, run + 1, 1, "", ms);
    }
    std::printf("%-48s %10.1f\n", "Save(0), nothing changed", Time([&] { CallSlot(c, kSave, 0); }));
    std::printf("%-48s %10.1f\n", "Reset (50 windows destroyed)", Time([&] { CallSlot(c, kReset); }));
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (GetFileAttributesExA(jotbox.NotesPath().c_str(), GetFileExInfoStandard, &data))
        std::printf("Notes.bin: %lu bytes\n", (unsigned long)data.nFileSizeLow);
    jotbox.Unload();
    return 0;
}
