// Locales, code pages and a scripted system for the formatter's tests, the
// fuzz target and the benchmark.
#pragma once
#include <cstring>
#include <string>
#include <string_view>

#include "clock/ClockFormatter.h"
#include "clock/ClockLocale.h"

namespace vantora::testing {

// Simplified Chinese: every byte from 0x81 to 0xFE leads.
inline LeadByteTable LeadBytes936()
{
    LeadByteTable table {};
    for (int b = 0x81; b <= 0xFE; ++b)
        table[b] = true;
    return table;
}

// Japanese Shift-JIS: 0x81..0x9F and 0xE0..0xFC lead.
inline LeadByteTable LeadBytes932()
{
    LeadByteTable table {};
    for (int b = 0x81; b <= 0x9F; ++b)
        table[b] = true;
    for (int b = 0xE0; b <= 0xFC; ++b)
        table[b] = true;
    return table;
}

template <size_t N>
void SetField(char (&field)[N], std::string_view text)
{
    size_t length = text.size() < N ? text.size() : N - 1;
    memcpy(field, text.data(), length);
    field[length] = '\0';
}

// An English locale whose symbols differ from the fixed "AM"/"PM" texts.
inline ClockLocale EnglishLocale()
{
    ClockLocale locale;
    SetField(locale.shortDayName, "Sun");
    SetField(locale.longDayName, "Sunday");
    SetField(locale.shortMonthName, "Mar");
    SetField(locale.longMonthName, "March");
    SetField(locale.amSymbol, "a.m.");
    SetField(locale.pmSymbol, "p.m.");
    SetField(locale.dateSeparator, "/");
    SetField(locale.timeSeparator, ":");
    locale.codePage = 1252;
    return locale;
}

// Answers fixed texts for the whole date/time tokens and a fixed percent.
class ScriptedSystem final : public ClockSystemQueries {
public:
    bool hasFreeResources = false;
    int percent[3] = {57, 8, 100};
    std::string longDate = "Sunday, March 9, 2003";
    std::string shortDate = "3/9/2003";
    std::string timeText = "14:05:07";

    bool HasFreeResources() override { return hasFreeResources; }
    int FreeResourcePercent(int type) override { return percent[type]; }
    size_t FormatWholeDateTime(WholeDateTime which, const ClockTime&, char* out, size_t capacity) override
    {
        const std::string& text = which == WholeDateTime::LongDate    ? longDate
                                  : which == WholeDateTime::ShortDate ? shortDate
                                                                      : timeText;
        if (text.size() + 1 > capacity) {
            out[0] = '\0';
            return 0;
        }
        memcpy(out, text.c_str(), text.size() + 1);
        return text.size();
    }
};

} // namespace vantora::testing
