// Unrecoverable failures of the notes control: each shows its message and
// ends the process with exit code 0. Each runs in a child process.
#include <gtest/gtest.h>

#include <string>

#include "notes/JotboxTestSupport.h"
#include "tests/support/GuiTest.h"

namespace vantora::notes::test {
namespace {

using vantora::test::ChildProcess;
using vantora::test::FindTopLevel;
using vantora::test::ProgramPath;
using vantora::test::PumpUntil;

TEST(JotboxFatal, ShowsItsMessageAndEndsTheProcessWithExitCodeZero)
{
    struct Case {
        const char* scenario;
        const char* text;
        const char* caption;   // null: not checked
    };
    const Case cases[] = {
        // "Creating the file failed!"
        {"not-compound", "\xB4\xB4\xBD\xA8\xCE\xC4\xBC\xFE\xCA\xA7\xB0\xDC\xA3\xA1", nullptr},
        {"locked", "\xB4\xB4\xBD\xA8\xCE\xC4\xBC\xFE\xCA\xA7\xB0\xDC\xA3\xA1", nullptr},
        {"second-control", "Register window error!", "error"},
        // "CreateNew: an error occurred"
        {"window-fails", "CreateNew\xB3\xF6\xCF\xD6\xD2\xEC\xB3\xA3", nullptr},
        // "OnClose: an error occurred!"
        {"close-without-note", "OnClose\xB3\xF6\xCF\xD6\xD2\xEC\xB3\xA3\xA3\xA1", nullptr},
    };
    for (const Case& c : cases) {
        std::string name = std::string("fatal-") + c.scenario;
        ChildProcess child;
        ASSERT_TRUE(child.Start("\"" + ProgramPath("jotbox_fatal_child.exe") + "\" " + c.scenario + " " + name));
        HWND box = nullptr;
        ASSERT_TRUE(PumpUntil([&] { return (box = FindTopLevel("#32770", nullptr, child.Id())) != nullptr; }, 15000))
            << c.scenario << ": no message box; exit code " << child.Wait(0);
        std::string caption, text;
        // The box is found while it is being built: its caption and text are
        // in place once it is shown.
        PumpUntil([&] {
            return IsWindowVisible(box) && vantora::test::ReadMessageBox(box, &caption, &text) && !text.empty();
        }, 5000);
        EXPECT_EQ(text, c.text) << c.scenario;
        if (c.caption) {
            EXPECT_EQ(caption, c.caption) << c.scenario;
        }
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_EQ(child.Wait(15000), 0) << c.scenario;
    }
}

TEST(JotboxFatal, LeavesAFileThatIsNoNotesFileUntouched)
{
    ChildProcess child;
    ASSERT_TRUE(child.Start("\"" + ProgramPath("jotbox_fatal_child.exe") + "\" not-compound fatal-untouched"));
    HWND box = nullptr;
    ASSERT_TRUE(PumpUntil([&] { return (box = FindTopLevel("#32770", nullptr, child.Id())) != nullptr; }, 15000));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_EQ(child.Wait(15000), 0);
    std::string path = vantora::test::BuildPath("scratch") + "\\fatal-untouched\\Notes.bin";
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
    char bytes[64] = {};
    DWORD read = 0;
    ReadFile(file, bytes, sizeof bytes, &read, nullptr);
    CloseHandle(file);
    EXPECT_EQ(std::string(bytes, read), "not a compound file");
}

} // namespace
} // namespace vantora::notes::test
