// What GUI tests under Wine need around real windows: pumping messages until
// a condition holds, finding windows in any process, answering message boxes,
// running child programs with a deadline and taking screenshots.
#pragma once
#include <windows.h>

#include <functional>
#include <string>

namespace vantora::test {

// Dispatches this thread's messages until `done` is true or `timeoutMs` has
// passed; answers whether `done` became true.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Dispatches this thread's messages for `ms` milliseconds.
void PumpFor(DWORD ms);

// The first top-level window (in z-order) of the class, with the title when
// one is given, of the process `pid` (0: any process).
HWND FindTopLevel(const char* className, const char* title = nullptr, DWORD pid = 0);
HWND FindOwnTopLevel(const char* className, const char* title = nullptr);
// Waits, pumping, for such a window to appear.
HWND WaitForTopLevel(const char* className, const char* title = nullptr, DWORD pid = 0,
                     DWORD timeoutMs = 5000);
DWORD WindowProcessId(HWND hwnd);

// A message box this process shows while the test thread is blocked in it:
// a watcher thread reads its caption and text and presses a button.
class MessageBoxAnswerer {
public:
    // `button` is the command id to press (IDOK, IDYES, IDNO, ...).
    explicit MessageBoxAnswerer(int button, DWORD timeoutMs = 10000);
    MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
    MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
    ~MessageBoxAnswerer();

    // Waits for the watcher to finish; true when a box was seen and answered.
    bool Wait();
    bool Answered() const { return answered_; }
    const std::string& Caption() const { return caption_; }
    const std::string& Text() const { return text_; }

private:
    static DWORD WINAPI Watch(void* self);
    int button_;
    DWORD timeoutMs_;
    DWORD pid_;
    HANDLE thread_ = nullptr;
    volatile bool answered_ = false;
    std::string caption_;
    std::string text_;
};

// Reads the caption and text of a message box window (a "#32770" dialog).
bool ReadMessageBox(HWND box, std::string* caption, std::string* text);

// Runs `commandLine`, waits up to `timeoutMs`; answers the exit code, or -1
// when the program could not start or was ended for running too long.
int RunChild(const std::string& commandLine, DWORD timeoutMs = 30000);

// A child process that lives as long as this object (ended by its pid).
class ChildProcess {
public:
    ChildProcess() = default;
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();
    bool Start(const std::string& commandLine);
    // Waits for the process to end; answers its exit code or -1 on timeout.
    int Wait(DWORD timeoutMs);
    void Kill();
    DWORD Id() const { return info_.dwProcessId; }
    HANDLE Handle() const { return info_.hProcess; }

private:
    PROCESS_INFORMATION info_ {};
};

// Windows path of a file of the build tree (Wine's Z: drive), e.g.
// BuildPath("bin/jotbox.dll"); ProgramPath("fake_taskbar.exe") for test programs.
std::string BuildPath(const std::string& relative);
std::string ProgramPath(const std::string& name);
// Folder of the running test program.
std::string ThisProgramFolder();
// A fresh empty folder for one test, under the build tree.
std::string MakeScratchFolder(const std::string& name);

// Writes the whole screen as a 24-bit BMP into the build tree's screenshots/
// folder; answers the Windows path written, or "" on failure.
std::string SaveScreenshot(const std::string& name);

} // namespace vantora::test
