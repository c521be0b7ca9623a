#include "sntp/SntpTime.h"

namespace vantora::sntp {
namespace {

constexpr int64_t kMicrosPerSecond = 1000000;
constexpr int64_t kMicrosPerDay = 86400 * kMicrosPerSecond;
// Seconds from the NTP epoch (1900) to the Unix epoch (1970).
constexpr int64_t kNtpToUnixSeconds = 2208988800;
constexpr int64_t kEraSeconds = int64_t(1) << 32;
// 100-ns units from 1601-01-01 to 1970-01-01.
constexpr int64_t kFileTimeToUnix = 116444736000000000;

int64_t FloorDiv(int64_t a, int64_t b)
{
    int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

int64_t FloorMod(int64_t a, int64_t b) { return a - FloorDiv(a, b) * b; }

// Days since 1970-01-01 of a proleptic Gregorian date and back
// (Howard Hinnant's civil calendar algorithms).
struct CivilDate {
    int64_t year;
    int month;
    int day;
};

CivilDate CivilFromDays(int64_t days)
{
    days += 719468;
    int64_t era = FloorDiv(days, 146097);
    int64_t dayOfEra = days - era * 146097;
    int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    int64_t mp = (5 * dayOfYear + 2) / 153;
    int day = int(dayOfYear - (153 * mp + 2) / 5 + 1);
    int month = int(mp < 10 ? mp + 3 : mp - 9);
    return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

} // namespace

NtpTimestamp ToNtp(UnixMicros t)
{
    int64_t seconds = FloorDiv(t, kMicrosPerSecond);
    int64_t micros = t - seconds * kMicrosPerSecond;
    NtpTimestamp ts;
    ts.seconds = uint32_t(uint64_t(seconds + kNtpToUnixSeconds));
    ts.fraction = uint32_t((uint64_t(micros) << 32) / kMicrosPerSecond);
    return ts;
}

UnixMicros FromNtp(NtpTimestamp ts, UnixMicros near)
{
    int64_t nearSeconds = FloorDiv(near, kMicrosPerSecond) + kNtpToUnixSeconds;
    int64_t era = FloorDiv(nearSeconds - int64_t(ts.seconds) + kEraSeconds / 2, kEraSeconds);
    int64_t ntpSeconds = int64_t(ts.seconds) + era * kEraSeconds;
    int64_t micros = int64_t((uint64_t(ts.fraction) * kMicrosPerSecond) >> 32);
    return (ntpSeconds - kNtpToUnixSeconds) * kMicrosPerSecond + micros;
}

Measurement Measure(UnixMicros sent, NtpTimestamp serverReceive, NtpTimestamp serverTransmit,
                    UnixMicros received)
{
    // The server's timestamps are read in the era of our send time: they are
    // at most 68 years away from it, whatever era either clock is in.
    UnixMicros t1 = sent;
    UnixMicros t2 = FromNtp(serverReceive, sent);
    UnixMicros t3 = FromNtp(serverTransmit, sent);
    UnixMicros t4 = received;
    Measurement m;
    m.offsetMicros = ((t2 - t1) + (t3 - t4)) / 2;
    m.delayMicros = (t4 - t1) - (t3 - t2);
    return m;
}

UtcFields ToUtcFields(UnixMicros t)
{
    int64_t days = FloorDiv(t, kMicrosPerDay);
    int64_t inDay = t - days * kMicrosPerDay;
    CivilDate date = CivilFromDays(days);
    UtcFields f;
    f.year = int(date.year);
    f.month = date.month;
    f.day = date.day;
    f.dayOfWeek = int(FloorMod(days + 4, 7)); // 1970-01-01 was a Thursday
    int64_t seconds = inDay / kMicrosPerSecond;
    f.hour = int(seconds / 3600);
    f.minute = int(seconds / 60 % 60);
    f.second = int(seconds % 60);
    f.millisecond = int(inDay % kMicrosPerSecond / 1000);
    return f;
}

bool CorrectedUtc(UnixMicros now, int64_t offsetMicros, UtcFields* out)
{
    // Both values come from 64-bit arithmetic on clocks at most a few
    // centuries apart; guard the sum anyway so no input can overflow.
    constexpr int64_t kLimit = int64_t(1) << 62;
    if (now > kLimit || now < -kLimit || offsetMicros > kLimit || offsetMicros < -kLimit)
        return false;
    UtcFields f = ToUtcFields(now + offsetMicros);
    if (f.year < 1601 || f.year > 30827)
        return false;
    *out = f;
    return true;
}

UnixMicros FromFileTime(uint64_t fileTime)
{
    return int64_t(fileTime / 10) - kFileTimeToUnix / 10;
}

} // namespace vantora::sntp
