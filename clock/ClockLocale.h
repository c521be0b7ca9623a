// The locale names and symbols the clock text is built from: one record,
// refreshed by LoadClockLocale when the settings load or the date changes,
// and read by the formatter on every tick.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "clock/LeadByteTable.h"

namespace vantora {

// Field capacities (terminator included) and the most a query may fill.
constexpr size_t kShortNameSize = 12;
constexpr size_t kShortNameQuery = 10;
constexpr size_t kLongNameSize = 32;
constexpr size_t kLongNameQuery = 30;
constexpr size_t kSymbolSize = 12;
constexpr size_t kSymbolQuery = 10;
constexpr size_t kSeparatorSize = 8;
constexpr size_t kSeparatorQuery = 4;
constexpr size_t kEraNameSize = 12;
constexpr size_t kAltYearQuery = 6;
constexpr int32_t kNoAltYear = -1;

// Used when neither the settings nor the locale give a symbol.
constexpr std::string_view kFallbackAmSymbol = "AM";
constexpr std::string_view kFallbackPmSymbol = "PM";

struct ClockLocale {
    // Names and separators are in `codePage`; the symbols may come from the
    // settings, which are in the system's ANSI code page.
    char shortDayName[kShortNameSize] = {};
    char longDayName[kLongNameSize] = {};
    char shortMonthName[kShortNameSize] = {};
    char longMonthName[kLongNameSize] = {};
    char amSymbol[kSymbolSize] = {};
    char pmSymbol[kSymbolSize] = {};
    char dateSeparator[kSeparatorSize] = {};
    char timeSeparator[kSeparatorSize] = {};
    char eraName[kEraNameSize] = {};
    int32_t altYear = kNoAltYear;     // alternate-calendar year, kNoAltYear: none
    uint32_t codePage = 0;            // 0: the system's ANSI code page
    LeadByteTable leadBytes = {};     // lead bytes of codePage
};

// The text of a field up to its terminator, or the whole field without one.
template <size_t N>
std::string_view FieldText(const char (&field)[N])
{
    return std::string_view(field, strnlen(field, N));
}

// Locale day names start with Monday; a day of week counts from Sunday.
constexpr unsigned LocaleDayIndex(unsigned dayOfWeek)
{
    return dayOfWeek == 0 ? 6 : dayOfWeek - 1;
}

// The leading decimal digits of `text` (saturating); false when it does not
// begin with a digit.
bool ParseLeadingDecimal(std::string_view text, uint32_t* value);

// The alternate-calendar year from the date formatter's answer: kNoAltYear
// when the query failed or gave nothing, 0 when it is not a number.
int32_t AltYearFromText(bool queried, std::string_view text);

// Fills an AM or PM symbol field: the settings' text when not empty, else the
// locale's designator, else `fallback`; a text longer than the field is cut
// after its last whole character.
void SetDayPeriodSymbol(char (&field)[kSymbolSize], std::string_view settingsText,
                        std::string_view designator, std::string_view fallback,
                        const LeadByteTable* leadBytes);

} // namespace vantora
