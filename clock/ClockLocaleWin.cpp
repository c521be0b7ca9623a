#include "clock/ClockLocaleWin.h"

#include <algorithm>

#include "clock/ClockKeyWin.h"

namespace vantora {
namespace {

constexpr DWORD kSymbolValueSize = 80;
constexpr int kWideQuerySize = 80;

// Windows 9x answers only the 8-bit forms of the locale queries.
bool AnsiOnlySystem()
{
    return (GetVersion() & 0x80000000) != 0;
}

// Converts to `codePage`; `out` stays empty when the text needs more than
// `maxBytes` bytes with its terminator.
void ConvertWide(const wchar_t* wide, UINT codePage, char* out, size_t maxBytes)
{
    if (!WideCharToMultiByte(codePage, 0, wide, -1, out, int(maxBytes), nullptr, nullptr))
        out[0] = '\0';
}

// A locale text in the locale's code page, at most `maxBytes` with its
// terminator; empty when the query fails.
template <size_t N>
void QueryLocaleText(LCID lcid, LCTYPE type, UINT codePage, char (&field)[N], size_t maxBytes)
{
    maxBytes = std::min(maxBytes, N);
    field[0] = '\0';
    if (AnsiOnlySystem()) {
        if (!GetLocaleInfoA(lcid, type, field, int(maxBytes)))
            field[0] = '\0';
        return;
    }
    wchar_t wide[kWideQuerySize];
    if (GetLocaleInfoW(lcid, type, wide, kWideQuerySize))
        ConvertWide(wide, codePage, field, maxBytes);
}

// The date formatter with the alternate-calendar flag; false when it fails.
template <size_t N>
bool QueryAltCalendarText(LCID lcid, const SYSTEMTIME& date, const char* picture, const wchar_t* widePicture,
                          UINT codePage, char (&field)[N], size_t maxBytes)
{
    maxBytes = std::min(maxBytes, N);
    field[0] = '\0';
    if (AnsiOnlySystem()) {
        if (GetDateFormatA(lcid, DATE_USE_ALT_CALENDAR, &date, picture, field, int(maxBytes)))
            return true;
        field[0] = '\0';
        return false;
    }
    wchar_t wide[kWideQuerySize];
    if (!GetDateFormatW(lcid, DATE_USE_ALT_CALENDAR, &date, widePicture, wide, kWideQuerySize))
        return false;
    ConvertWide(wide, codePage, field, maxBytes);
    return field[0] != '\0' || wide[0] == L'\0';
}

bool QueryLocaleNumber(LCID lcid, LCTYPE type, uint32_t* value)
{
    char text[16];
    return GetLocaleInfoA(lcid, type, text, sizeof text) && ParseLeadingDecimal(text, value);
}

UINT LocaleCodePage(LCID lcid)
{
    uint32_t codePage = 0;
    if (!QueryLocaleNumber(lcid, LOCALE_IDEFAULTANSICODEPAGE, &codePage) || !IsValidCodePage(codePage))
        return 0;
    return codePage;
}

// The settings' symbol, else the locale's designator, else the fallback.
void LoadDayPeriodSymbol(LCID lcid, LCTYPE designatorType, const char* valueName, std::string_view fallback,
                         UINT codePage, char (&field)[kSymbolSize], const LeadByteTable& systemLeadBytes)
{
    char designator[kSymbolQuery];
    QueryLocaleText(lcid, designatorType, codePage, designator, kSymbolQuery);
    char settingsText[kSymbolValueSize];
    ReadClockString(nullptr, valueName, settingsText, sizeof settingsText, designator);
    SetDayPeriodSymbol(field, FieldText(settingsText), FieldText(designator), fallback, &systemLeadBytes);
}

// Era and year of the alternate calendar; a locale with a Gregorian calendar
// has none of its own, so the user's default locale answers instead.
void LoadAltCalendar(LCID lcid, const SYSTEMTIME& date, ClockLocale& locale)
{
    uint32_t calendarType = 0;
    if (!QueryLocaleNumber(lcid, LOCALE_ICALENDARTYPE, &calendarType) || calendarType < 3)
        lcid = LOCALE_USER_DEFAULT;
    QueryAltCalendarText(lcid, date, "gg", L"gg", locale.codePage, locale.eraName, kEraNameSize);
    char year[kAltYearQuery];
    bool queried = QueryAltCalendarText(lcid, date, "yyyy", L"yyyy", locale.codePage, year, kAltYearQuery);
    locale.altYear = AltYearFromText(queried, FieldText(year));
}

} // namespace

void FillLeadByteTable(UINT codePage, LeadByteTable& table)
{
    for (size_t b = 0; b < table.size(); ++b)
        table[b] = IsDBCSLeadByteEx(codePage, BYTE(b)) != FALSE;
}

LCID ClockLocaleId()
{
    return ReadClockDword(nullptr, "Locale", GetUserDefaultLangID());
}

void LoadClockLocale(const SYSTEMTIME& date, ClockLocale& locale)
{
    LoadClockLocaleFor(ClockLocaleId(), date, locale);
}

void LoadClockLocaleFor(LCID lcid, const SYSTEMTIME& date, ClockLocale& locale)
{
    locale = ClockLocale {};
    locale.codePage = LocaleCodePage(lcid);
    FillLeadByteTable(locale.codePage, locale.leadBytes);
    LeadByteTable systemLeadBytes;
    FillLeadByteTable(CP_ACP, systemLeadBytes);

    if (date.wDayOfWeek <= 6) {
        LCTYPE day = LocaleDayIndex(date.wDayOfWeek);
        QueryLocaleText(lcid, LOCALE_SABBREVDAYNAME1 + day, locale.codePage, locale.shortDayName, kShortNameQuery);
        QueryLocaleText(lcid, LOCALE_SDAYNAME1 + day, locale.codePage, locale.longDayName, kLongNameQuery);
    }
    if (date.wMonth >= 1 && date.wMonth <= 12) {
        LCTYPE month = date.wMonth - 1;
        QueryLocaleText(lcid, LOCALE_SABBREVMONTHNAME1 + month, locale.codePage, locale.shortMonthName,
                        kShortNameQuery);
        QueryLocaleText(lcid, LOCALE_SMONTHNAME1 + month, locale.codePage, locale.longMonthName, kLongNameQuery);
    }
    LoadDayPeriodSymbol(lcid, LOCALE_S1159, "AMsymbol", kFallbackAmSymbol, locale.codePage, locale.amSymbol, systemLeadBytes);
    LoadDayPeriodSymbol(lcid, LOCALE_S2359, "PMsymbol", kFallbackPmSymbol, locale.codePage, locale.pmSymbol, systemLeadBytes);
    QueryLocaleText(lcid, LOCALE_SDATE, locale.codePage, locale.dateSeparator, kSeparatorQuery);
    QueryLocaleText(lcid, LOCALE_STIME, locale.codePage, locale.timeSeparator, kSeparatorQuery);
    LoadAltCalendar(lcid, date, locale);
}

} // namespace vantora
