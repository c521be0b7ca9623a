#include "clock/ClockSystemWin.h"

namespace vantora {

ClockTime ToClockTime(const SYSTEMTIME& time)
{
    return ClockTime {time.wYear, time.wMonth, time.wDayOfWeek, time.wDay, time.wHour, time.wMinute, time.wSecond};
}

SYSTEMTIME ToSystemTime(const ClockTime& time)
{
    SYSTEMTIME result {};
    result.wYear = time.year;
    result.wMonth = time.month;
    result.wDayOfWeek = time.dayOfWeek;
    result.wDay = time.day;
    result.wHour = time.hour;
    result.wMinute = time.minute;
    result.wSecond = time.second;
    return result;
}

int32_t CurrentBeatCount()
{
    SYSTEMTIME utc;
    GetSystemTime(&utc);
    return BeatCountFromUtc(utc.wHour, utc.wMinute, utc.wSecond);
}

size_t WinClockSystemQueries::FormatWholeDateTime(WholeDateTime which, const ClockTime& time, char* out,
                                                  size_t capacity)
{
    if (capacity == 0)
        return 0;
    SYSTEMTIME local = ToSystemTime(time);
    int written = 0;
    switch (which) {
    case WholeDateTime::LongDate:
        written = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_LONGDATE, &local, nullptr, out, int(capacity));
        break;
    case WholeDateTime::ShortDate:
        written = GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &local, nullptr, out, int(capacity));
        break;
    case WholeDateTime::Time:
        written = GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_FORCE24HOURFORMAT, &local, nullptr, out, int(capacity));
        break;
    }
    if (written <= 0) {
        out[0] = '\0';
        return 0;
    }
    return size_t(written - 1);
}

} // namespace vantora
