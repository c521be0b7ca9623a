#include "tests/support/FakeTaskbarClient.h"

#include <string>

namespace vantora::test {

bool FakeTaskbar::Start(const Options& options)
{
    Stop();
    std::string command = "\"" + ProgramPath("fake_taskbar.exe") + "\" --height " +
                          std::to_string(options.height) + " --notify-height " +
                          std::to_string(options.notifyHeight);
    if (options.setWorkArea)
        command += " --set-workarea";
    if (!process_.Start(command))
        return false;
    PumpUntil([&] {
        tray_ = FindTopLevel("Shell_TrayWnd", nullptr, process_.Id());
        return tray_ && IsFake(tray_) && IsWindowVisible(tray_);
    }, 10000);
    if (!tray_)
        return false;
    notify_ = FindWindowExA(tray_, nullptr, "TrayNotifyWnd", nullptr);
    clock_ = notify_ ? FindWindowExA(notify_, nullptr, "TrayClockWClass", nullptr) : nullptr;
    return clock_ != nullptr;
}

void FakeTaskbar::Stop()
{
    if (tray_ && IsWindow(tray_)) {
        PostMessageA(tray_, WM_CLOSE, 0, 0);
        process_.Wait(5000);
    }
    process_.Kill();
    tray_ = notify_ = clock_ = nullptr;
}

} // namespace vantora::test
