// Time arithmetic of the SNTP client: NTP timestamps and their eras, the
// four-timestamp offset and delay, and the corrected clock as calendar
// fields. No OS calls, so it is tested natively.
#pragma once
#include <cstdint>

namespace vantora::sntp {

// Microseconds since 1970-01-01 00:00 UTC (negative before).
using UnixMicros = int64_t;

// NTP's 64-bit timestamp: seconds since 1900 modulo 2^32 (the era is not
// carried on the wire) and a binary fraction of a second.
struct NtpTimestamp {
    uint32_t seconds = 0;
    uint32_t fraction = 0;

    bool IsZero() const { return seconds == 0 && fraction == 0; }
    friend bool operator==(const NtpTimestamp&, const NtpTimestamp&) = default;
};

NtpTimestamp ToNtp(UnixMicros t);
// Places the timestamp in the NTP era that puts it closest to `near`, which
// handles the 2036 rollover (and any later one) for times within 68 years.
UnixMicros FromNtp(NtpTimestamp ts, UnixMicros near);

// What one exchange tells: how far our clock is behind the server (add it to
// our clock) and the round trip spent on the network.
struct Measurement {
    int64_t offsetMicros = 0;
    int64_t delayMicros = 0;
};

// sent/received: our clock when the request left and the reply arrived;
// serverReceive/serverTransmit: the server's two timestamps of the reply.
Measurement Measure(UnixMicros sent, NtpTimestamp serverReceive, NtpTimestamp serverTransmit,
                    UnixMicros received);

// A UTC moment broken into the fields the system clock is set with.
struct UtcFields {
    int year = 1970;
    int month = 1;       // 1..12
    int day = 1;         // 1..31
    int dayOfWeek = 4;   // 0 = Sunday
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// Our clock `now` moved by `offsetMicros`; false when the result falls outside
// the years a system clock can hold (1601..30827).
bool CorrectedUtc(UnixMicros now, int64_t offsetMicros, UtcFields* out);
UtcFields ToUtcFields(UnixMicros t);

// The system's file time: 100-nanosecond units since 1601-01-01 UTC.
UnixMicros FromFileTime(uint64_t fileTime);

} // namespace vantora::sntp
