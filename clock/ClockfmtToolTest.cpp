// clockfmt.exe run as a child: its exact output bytes and its exit codes.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "clock/ClockKeyWin.h"
#include "tests/support/GuiTest.h"
#include "tests/support/RegistryBackup.h"
#include "win/Scoped.h"

namespace vantora {
namespace {

struct RunResult {
    int exitCode = -1;
    std::string out;
};

// Runs clockfmt with `arguments` and reads its standard output through a pipe.
RunResult RunClockfmt(const std::string& arguments)
{
    RunResult result;
    SECURITY_ATTRIBUTES inherit {sizeof inherit, nullptr, TRUE};
    win::ScopedHandle readEnd;
    win::ScopedHandle writeEnd;
    if (!CreatePipe(readEnd.Put(), writeEnd.Put(), &inherit, 0))
        return result;
    SetHandleInformation(readEnd.Get(), HANDLE_FLAG_INHERIT, 0);

    STARTUPINFOA startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd.Get();
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    std::string commandLine = "\"" + test::ProgramPath("clockfmt.exe") + "\" " + arguments;
    PROCESS_INFORMATION info {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return result;
    win::ScopedHandle process(info.hProcess);
    win::ScopedHandle thread(info.hThread);
    writeEnd.Reset();   // so the read ends when the child's copy closes

    char chunk[512];
    DWORD read = 0;
    while (ReadFile(readEnd.Get(), chunk, sizeof chunk, &read, nullptr) && read > 0)
        result.out.append(chunk, read);
    if (WaitForSingleObject(process.Get(), 30000) == WAIT_OBJECT_0) {
        DWORD code = 0;
        GetExitCodeProcess(process.Get(), &code);
        result.exitCode = int(code);
    }
    return result;
}

TEST(Clockfmt, WritesTheTextByteForByte)
{
    struct Case { std::string arguments; std::string out; };
    const Case cases[] = {
        {"--lcid 0x0409 \"ddd yy/mm/dd hh:nn:ss\" \"2003-03-09 14:05:07\"", "Sun 03/03/09 14:05:07\n"},
        {"--lcid 1033 --hour12 --beat 4166 \"hh tt\\nn @@@.@\" \"2003-03-09 00:05:07\"", "12 AM\r\n5 @041.6\n"},
        {"--lcid 1033 --hour12 --hourzero h \"2003-03-09 12:00:00\"", "0\n"},
        // The day of the week follows from the date.
        {"--lcid 1033 \"dde ddd\" \"2024-02-29 00:00:00\"", "Thu Thu\n"},
        // Japanese names in code page 932: 日 3月
        {"--lcid 0x411 \"aaa mmm\" \"2003-03-09 14:05:07\"", "\x93\xFA 3\x8C\x8E\n"},
        {"--lcid 1033 -- \"--hh\" \"2003-03-09 14:05:07\"", "--14\n"},
        {"--lcid 1033 \"\" \"2003-03-09 14:05:07\"", "\n"},
        {"--scan hh:nn:ss", "fast=1 beat=0\n"},
        {"--scan \"hh @@@.@\"", "fast=0 beat=2\n"},
    };
    for (const Case& c : cases) {
        RunResult run = RunClockfmt(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.arguments;
        EXPECT_EQ(run.out, c.out) << c.arguments;
    }
}

TEST(Clockfmt, WithoutLcidUsesTheUsersDefaultLocale)
{
    vantora::test::RegistryBackup guard(kClockKeyPath);
    guard.Delete("Locale");
    char lcid[16];
    wsprintfA(lcid, "%u", unsigned(GetUserDefaultLangID()));
    const std::string rest = " \"dddd mmmm tt\" \"2003-03-09 14:05:07\"";
    RunResult withDefault = RunClockfmt(rest);
    RunResult withLcid = RunClockfmt(std::string("--lcid ") + lcid + rest);
    EXPECT_EQ(withDefault.exitCode, 0);
    EXPECT_EQ(withDefault.out, withLcid.out);
}

TEST(Clockfmt, BadArgumentsExitWithTwo)
{
    const char* const cases[] = {
        "",
        "hh",
        "--scan",
        "--lcid",
        "--lcid zz hh \"2003-03-09 14:05:07\"",
        "--lcid 0x hh \"2003-03-09 14:05:07\"",
        "--beat 100000 hh \"2003-03-09 14:05:07\"",
        "--beat -1 hh \"2003-03-09 14:05:07\"",
        "--bogus hh \"2003-03-09 14:05:07\"",
        "hh \"2003-02-30 14:05:07\"",
        "hh \"2003-03-09 24:00:00\"",
        "hh \"2003-3-09 14:05:07\"",
        "hh \"2003-03-09T14:05:07\"",
        "hh \"2003-03-09 14:05:07\" extra",
    };
    for (const char* arguments : cases) {
        RunResult run = RunClockfmt(arguments);
        EXPECT_EQ(run.exitCode, 2) << arguments;
        EXPECT_EQ(run.out, "") << arguments;
    }
}

} // namespace
} // namespace vantora
