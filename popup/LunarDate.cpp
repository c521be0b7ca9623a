// Gregorian to Chinese lunar date over the fixed tables of LunarTables.cpp.
// Every table index is derived from a date already checked to be covered.
#include "popup/LunarDate.h"

#include <cmath>

#include "popup/LunarTables.h"

namespace vantora::popup {
namespace {

using namespace lunar;

constexpr double kHalfSecond = 0.5 / 86400.0;
// OLE dates of the day before 0100-01-01 and of 10000-01-01.
constexpr double kBeforeConvertible = -657435.0;
constexpr double kPastConvertible = 2958466.0;
// OLE date of 1970-01-01, where CivilFromDays counts from.
constexpr long kOleUnixEpoch = 25569;

// Lunar 1901 begins on 1901-02-19; before it lie the last days of lunar
// 1900's 11th month (from its 11th day) and its 12th month.
constexpr int kFirstMonth12Day = 19;
constexpr int kFirstLunarYearDay = 49;

bool IsLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Days since 1970-01-01 to a proleptic Gregorian date (H. Hinnant's algorithm).
GregorianDate CivilFromDays(long z)
{
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long dayOfEra = z - era * 146097;
    const long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const long shiftedMonth = (5 * dayOfYear + 2) / 153;
    const int day = int(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
    const int month = int(shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9);
    const int year = int(yearOfEra + era * 400 + (month <= 2 ? 1 : 0));
    return {year, month, day};
}

long Ordinal(const GregorianDate& date)
{
    const long y = date.year - 1;
    long days = 365 * y + y / 4 - y / 100 + y / 400 + kDaysBeforeMonth[date.month - 1] + date.day;
    if (date.month > 2 && IsLeapYear(date.year))
        ++days;
    return days;
}

int LeapMonthOf(int year)
{
    const int index = year - kFirstYear;
    const uint8_t pair = kLeapMonths[index / 2];
    return index % 2 == 0 ? pair >> 4 : pair & 0x0F;
}

int LengthOfBit(int year, int bit)
{
    return (kMonthPattern[year - kFirstYear] >> bit) & 1 ? 30 : 29;
}

int MonthLength(int year, int month)
{
    const int leap = LeapMonthOf(year);
    return LengthOfBit(year, leap != 0 && month > leap ? 15 - month : 16 - month);
}

int LeapMonthLength(int year)
{
    const int leap = LeapMonthOf(year);
    return leap == 0 ? 0 : LengthOfBit(year, 15 - leap);
}

int LunarYearLength(int year)
{
    int days = LeapMonthLength(year);
    for (int month = 1; month <= 12; ++month)
        days += MonthLength(year, month);
    return days;
}

} // namespace

bool GregorianFromOleDate(double oleDate, GregorianDate* date)
{
    if (!std::isfinite(oleDate))
        return false;
    const double rounded = oleDate + (oleDate < 0 ? -kHalfSecond : kHalfSecond);
    if (rounded <= kBeforeConvertible || rounded >= kPastConvertible)
        return false;
    // The fraction of a negative OLE date is still the time after midnight,
    // so its day is the integer part, not the floor.
    *date = CivilFromDays(long(std::trunc(rounded)) - kOleUnixEpoch);
    return true;
}

bool IsLunarCovered(const GregorianDate& date)
{
    return date.year >= kFirstYear && date.year <= kLastYear && date.month >= 1 && date.month <= 12
        && date.day >= 1 && date.day <= 31;
}

int DaysSince1901(const GregorianDate& date)
{
    return int(Ordinal(date) - Ordinal({kFirstYear, 1, 1}));
}

LunarDate LunarFromDays(int days)
{
    if (days < kFirstMonth12Day)
        return {1900, 11, days + 11, ""};
    if (days < kFirstLunarYearDay)
        return {1900, 12, days - 18, ""};

    int n = days - kFirstLunarYearDay;
    int year = kFirstYear;
    // The year bound only guards the tables; a covered date never reaches it.
    while (year < kLastYear && n >= LunarYearLength(year)) {
        n -= LunarYearLength(year);
        ++year;
    }
    const int leap = LeapMonthOf(year);
    for (int month = 1; month <= 12; ++month) {
        const int length = MonthLength(year, month);
        if (n < length)
            return {year, month, n + 1, ""};
        n -= length;
        if (month == leap) {
            if (n < LeapMonthLength(year))
                return {year, month, n + 1, ""};
            n -= LeapMonthLength(year);
        }
    }
    return {0, 0, 0, ""};
}

int SolarTermNumber(const GregorianDate& date)
{
    const uint8_t days = kSolarTermDays[(date.year - kFirstYear) * 12 + date.month - 1];
    const int candidate = date.day < 15 ? 15 - (days >> 4) : 15 + (days & 0x0F);
    if (date.day != candidate)
        return 0;
    return date.day <= 15 ? 2 * date.month - 1 : 2 * date.month;
}

LunarDate LunarFromOleDate(double oleDate)
{
    GregorianDate date;
    if (!GregorianFromOleDate(oleDate, &date) || !IsLunarCovered(date))
        return {0, 0, 0, ""};
    LunarDate lunar = LunarFromDays(DaysSince1901(date));
    const int term = SolarTermNumber(date);
    if (term != 0)
        lunar.term = kSolarTermNames[term - 1];
    return lunar;
}

} // namespace vantora::popup
