#include "sntp/SntpTime.h"

#include <gtest/gtest.h>

#include <tuple>

namespace vantora::sntp {
namespace {

constexpr int64_t kSecond = 1000000;
// 2036-02-07 06:28:16 UTC: NTP seconds wrap to 0 (era 1 begins).
constexpr int64_t kEra1Start = 2085978496 * kSecond;

TEST(SntpTime, NtpTimestampsOfKnownMoments)
{
    struct Case { UnixMicros unix; uint32_t seconds; uint32_t fraction; };
    const Case cases[] = {
        {0, 2208988800u, 0},
        {kSecond / 2, 2208988800u, 0x80000000u},
        {kEra1Start, 0, 0},
        {kEra1Start - kSecond / 4, 0xFFFFFFFFu, 0xC0000000u},
        {-kSecond, 2208988799u, 0}, // before 1970
    };
    for (const Case& c : cases) {
        NtpTimestamp ts = ToNtp(c.unix);
        EXPECT_EQ(ts.seconds, c.seconds) << c.unix;
        EXPECT_EQ(ts.fraction, c.fraction) << c.unix;
        EXPECT_EQ(FromNtp(ts, c.unix), c.unix);
    }
}

TEST(SntpTime, EraFollowsTheReferenceAcrossThe2036Rollover)
{
    struct Case { uint32_t seconds; UnixMicros near; UnixMicros expected; };
    const Case cases[] = {
        // Our clock just after the rollover, the server's just before, and back.
        {0xFFFFFFFFu, kEra1Start + 5 * kSecond, kEra1Start - kSecond},
        {2, kEra1Start - 5 * kSecond, kEra1Start + 2 * kSecond},
        // A clock reset to 1970 still reads a server in the 2030s correctly,
        // and a clock in 2100 reads era 1 times.
        {0xF0000000u, 0, (int64_t(0xF0000000u) - 2208988800) * kSecond},
        {0x10000000u, 4102444800 * kSecond, (int64_t(0x110000000) - 2208988800) * kSecond},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FromNtp({c.seconds, 0}, c.near), c.expected) << c.seconds;
}

TEST(SntpTime, OffsetAndDelayFromTheFourTimestamps)
{
    struct Case {
        const char* what;
        UnixMicros sent;
        UnixMicros serverReceive;
        UnixMicros serverTransmit;
        UnixMicros received;
        int64_t offset;
        int64_t delay;
    };
    const int64_t t = 1700000000 * kSecond;
    const int64_t ms = 1000;
    const Case cases[] = {
        // Symmetric 50 ms paths, 10 ms in the server.
        {"server ahead", t, t + 10 * kSecond + 50 * ms, t + 10 * kSecond + 60 * ms, t + 110 * ms,
         10 * kSecond, 100 * ms},
        {"server behind", t, t - 3600 * kSecond + 50 * ms, t - 3600 * kSecond + 60 * ms, t + 110 * ms,
         -3600 * kSecond, 100 * ms},
        {"in step", t, t + 20 * ms, t + 20 * ms, t + 40 * ms, 0, 40 * ms},
        {"across the rollover", kEra1Start - 2 * kSecond, kEra1Start + 3 * kSecond,
         kEra1Start + 3 * kSecond, kEra1Start - 2 * kSecond, 5 * kSecond, 0},
    };
    for (const Case& c : cases) {
        Measurement m = Measure(c.sent, ToNtp(c.serverReceive), ToNtp(c.serverTransmit), c.received);
        EXPECT_NEAR(double(m.offsetMicros), double(c.offset), 1) << c.what;
        EXPECT_NEAR(double(m.delayMicros), double(c.delay), 1) << c.what;
    }
}

TEST(SntpTime, CorrectedClockAsCalendarFields)
{
    const int64_t march1st2024 = 1709251200 * kSecond;
    struct Case {
        const char* what;
        UnixMicros now;
        int64_t offset;
        UtcFields expected; // year, month, day, dayOfWeek, hour, minute, second, ms
    };
    const Case cases[] = {
        {"into March", march1st2024 - kSecond / 4, kSecond / 2, {2024, 3, 1, 5, 0, 0, 0, 250}},
        {"back to the leap day", march1st2024, -kSecond, {2024, 2, 29, 4, 23, 59, 59, 0}},
        {"the 2036 rollover", kEra1Start - kSecond, kSecond, {2036, 2, 7, 4, 6, 28, 16, 0}},
        {"before 1970", 0, -kSecond - 1000, {1969, 12, 31, 3, 23, 59, 58, 999}},
    };
    for (const Case& c : cases) {
        UtcFields f;
        ASSERT_TRUE(CorrectedUtc(c.now, c.offset, &f)) << c.what;
        const UtcFields& e = c.expected;
        EXPECT_EQ(std::tie(f.year, f.month, f.day, f.dayOfWeek),
                  std::tie(e.year, e.month, e.day, e.dayOfWeek)) << c.what;
        EXPECT_EQ(std::tie(f.hour, f.minute, f.second, f.millisecond),
                  std::tie(e.hour, e.minute, e.second, e.millisecond)) << c.what;
    }
}

TEST(SntpTime, CorrectedClockRefusesTimesTheSystemCannotHold)
{
    const int64_t year1601 = -11644473600 * kSecond;
    UtcFields f;
    EXPECT_TRUE(CorrectedUtc(year1601, 0, &f));
    EXPECT_EQ(f.year, 1601);
    EXPECT_FALSE(CorrectedUtc(year1601, -1, &f));
    EXPECT_FALSE(CorrectedUtc(0, INT64_MAX, &f));
    EXPECT_FALSE(CorrectedUtc(INT64_MIN, INT64_MIN, &f));
}

TEST(SntpTime, FileTimeToUnix)
{
    EXPECT_EQ(FromFileTime(116444736000000000u), 0);
    EXPECT_EQ(FromFileTime(116444736000000000u + 15), 1);
    EXPECT_EQ(FromFileTime(0), -11644473600 * kSecond);
}

} // namespace
} // namespace vantora::sntp
