// The system clock as the SNTP client reads and sets it (UTC).
#pragma once
#include <cstdint>

#include "sntp/SntpResultText.h"
#include "sntp/SntpTime.h"

namespace vantora::sntp {

UnixMicros SystemNow();

// Moves the system clock by `offsetMicros`, enabling the right to change the
// time only for this call. `error` receives the system's code on failure.
ClockResult MoveSystemClock(int64_t offsetMicros, unsigned long* error);

} // namespace vantora::sntp
