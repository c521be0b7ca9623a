// The system side of the clock text: the time in the formatter's terms, the
// beat count of the moment, and the tokens that ask the system as they format.
#pragma once
#include <windows.h>

#include "clock/ClockFormatter.h"

namespace vantora {

ClockTime ToClockTime(const SYSTEMTIME& time);
SYSTEMTIME ToSystemTime(const ClockTime& time);

// Internet time of this moment, from the system time in UTC.
int32_t CurrentBeatCount();

// Free-resource percent by type (0 system, 1 GDI, 2 user); exists on Windows 9x only.
using FreeResourceProvider = int (*)(int type);

class WinClockSystemQueries final : public ClockSystemQueries {
public:
    explicit WinClockSystemQueries(FreeResourceProvider freeResources = nullptr) : freeResources_(freeResources) {}

    bool HasFreeResources() override { return freeResources_ != nullptr; }
    int FreeResourcePercent(int type) override { return freeResources_ ? freeResources_(type) : 0; }
    // The user's default locale (not the clock's), in the system's ANSI code page.
    size_t FormatWholeDateTime(WholeDateTime which, const ClockTime& time, char* out, size_t capacity) override;

private:
    FreeResourceProvider freeResources_;
};

} // namespace vantora
