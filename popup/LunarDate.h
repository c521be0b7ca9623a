// Gregorian to Chinese lunar date, table-driven, for 1901-01-01 to 2050-12-31.
#pragma once
#include <cstdint>

namespace vantora::popup {

struct GregorianDate {
    int year;
    int month; // 1 to 12
    int day;   // 1 to 31
};

// A lunar date and the solar term of the day. Days of a leap month carry the
// number of the month they follow. A date the tables do not cover is all
// zero with an empty term.
struct LunarDate {
    int year;         // numbered by the Gregorian year the lunar year begins in
    int month;        // 1 to 12, 0 when not covered
    int day;          // 1 to 30, 0 when not covered
    const char* term; // code page 936 name, or ""
};

// The calendar day of an OLE Automation date (day 0 is 1899-12-30), the time
// of day rounded to the nearest second. False when the value is not finite
// or lies outside the years 100 to 9999.
bool GregorianFromOleDate(double oleDate, GregorianDate* date);
// Whether the lunar tables cover the date.
bool IsLunarCovered(const GregorianDate& date);
// Days from 1901-01-01 to a covered date.
int DaysSince1901(const GregorianDate& date);
// The lunar date `days` days after 1901-01-01 (0 to 54786), without its term.
LunarDate LunarFromDays(int days);
// The solar term number (1 to 24) that falls on a covered date, 0 if none.
int SolarTermNumber(const GregorianDate& date);

LunarDate LunarFromOleDate(double oleDate);

} // namespace vantora::popup
