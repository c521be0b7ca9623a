// Starts the fake taskbar (tests/fixtures/FakeTaskbar.cpp) for one test and
// asks it what it saw. The process ends with this object.
#pragma once
#include <windows.h>

#include "tests/fixtures/FakeTaskbarProtocol.h"
#include "tests/support/GuiTest.h"

namespace vantora::test {

class FakeTaskbar {
public:
    struct Options {
        int height = 30;
        int notifyHeight = 26;
        bool setWorkArea = false;
    };
    FakeTaskbar() = default;
    FakeTaskbar(const FakeTaskbar&) = delete;
    FakeTaskbar& operator=(const FakeTaskbar&) = delete;
    ~FakeTaskbar() { Stop(); }

    // Starts it and waits until its window tree exists.
    bool Start(const Options& options);
    bool Start() { return Start(Options {}); }
    void Stop();

    HWND Tray() const { return tray_; }
    HWND Notify() const { return notify_; }
    HWND Clock() const { return clock_; }
    DWORD ProcessId() const { return process_.Id(); }

    LRESULT Layouts() const { return SendMessageA(tray_, fixture::FAKE_QUERY_LAYOUTS, 0, 0); }
    LRESULT LastSizeAnswer() const { return SendMessageA(tray_, fixture::FAKE_QUERY_LAST_SIZE, 0, 0); }
    LRESULT ClockMessages(UINT msg) const
    {
        return SendMessageA(tray_, fixture::FAKE_QUERY_CLOCK_MESSAGES, msg, 0);
    }
    void SetNotifyHeight(int height) const
    {
        SendMessageA(tray_, fixture::FAKE_SET_NOTIFY_HEIGHT, WPARAM(height), 0);
    }

    // Whether `hwnd` is a fixture taskbar, not Wine's own.
    static bool IsFake(HWND hwnd) { return hwnd && GetPropA(hwnd, fixture::kFakeTaskbarProp); }

private:
    ChildProcess process_;
    HWND tray_ = nullptr;
    HWND notify_ = nullptr;
    HWND clock_ = nullptr;
};

} // namespace vantora::test
