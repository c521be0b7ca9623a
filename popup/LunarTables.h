// Fixed tables of the Chinese lunar calendar for the Gregorian years 1901 to
// 2050, read by the lunar date conversion. No code lives here.
#pragma once
#include <cstdint>

namespace vantora::popup::lunar {

inline constexpr int kFirstYear = 1901;
inline constexpr int kLastYear = 2050;
inline constexpr int kYearCount = kLastYear - kFirstYear + 1;

// Days before each month of a common year.
extern const uint16_t kDaysBeforeMonth[12];
// One word per lunar year: bit 15 is month 1, a set bit a 30-day month; a
// leap month after month L takes bit 15 - L and shifts the later months down.
extern const uint16_t kMonthPattern[kYearCount];
// Month followed by a leap month (0: none), two years a byte, the earlier
// year in the high four bits.
extern const uint8_t kLeapMonths[kYearCount / 2];
// Per Gregorian month from January 1901: high four bits 15 minus the day of
// the first solar term, low four bits the day of the second minus 15.
extern const uint8_t kSolarTermDays[kYearCount * 12];
// The 24 solar-term names in code page 936, the first term of January first.
extern const char kSolarTermNames[24][5];

} // namespace vantora::popup::lunar
