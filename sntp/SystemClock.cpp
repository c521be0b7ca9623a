#include "sntp/SystemClock.h"

#include <windows.h>

#include "win/Scoped.h"

namespace vantora::sntp {
namespace {

// Enables SE_SYSTEMTIME_NAME in the process token and restores its previous
// state afterwards. Where there are no tokens (Windows 9x) it does nothing
// and SetSystemTime needs no privilege.
class SystemTimePrivilege {
public:
    SystemTimePrivilege()
    {
        if (!OpenProcessToken(GetCurrentProcess(), TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY, token_.Put()))
            return;
        TOKEN_PRIVILEGES wanted {};
        wanted.PrivilegeCount = 1;
        wanted.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        if (!LookupPrivilegeValueA(nullptr, SE_SYSTEMTIME_NAME, &wanted.Privileges[0].Luid))
            return;
        DWORD size = sizeof previous_;
        // Succeeds with ERROR_NOT_ALL_ASSIGNED when the account lacks the right.
        if (AdjustTokenPrivileges(token_.Get(), FALSE, &wanted, sizeof previous_, &previous_, &size)
            && GetLastError() == ERROR_SUCCESS)
            enabled_ = true;
    }
    SystemTimePrivilege(const SystemTimePrivilege&) = delete;
    SystemTimePrivilege& operator=(const SystemTimePrivilege&) = delete;
    ~SystemTimePrivilege()
    {
        if (enabled_)
            AdjustTokenPrivileges(token_.Get(), FALSE, &previous_, 0, nullptr, nullptr);
    }

private:
    win::ScopedHandle token_;
    TOKEN_PRIVILEGES previous_ {};
    bool enabled_ = false;
};

} // namespace

UnixMicros SystemNow()
{
    FILETIME now;
    GetSystemTimeAsFileTime(&now);
    return FromFileTime(uint64_t(now.dwHighDateTime) << 32 | now.dwLowDateTime);
}

ClockResult MoveSystemClock(int64_t offsetMicros, unsigned long* error)
{
    SystemTimePrivilege privilege;
    // Read the clock again here so the time spent since the reply arrived
    // is not lost.
    UtcFields utc;
    if (!CorrectedUtc(SystemNow(), offsetMicros, &utc))
        return ClockResult::OutOfRange;
    SYSTEMTIME time {};
    time.wYear = WORD(utc.year);
    time.wMonth = WORD(utc.month);
    time.wDayOfWeek = WORD(utc.dayOfWeek);
    time.wDay = WORD(utc.day);
    time.wHour = WORD(utc.hour);
    time.wMinute = WORD(utc.minute);
    time.wSecond = WORD(utc.second);
    time.wMilliseconds = WORD(utc.millisecond);
    if (SetSystemTime(&time))
        return ClockResult::Set;
    *error = GetLastError();
    return *error == ERROR_PRIVILEGE_NOT_HELD ? ClockResult::NoPrivilege : ClockResult::SetFailed;
}

} // namespace vantora::sntp
