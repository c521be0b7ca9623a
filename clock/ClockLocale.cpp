#include "clock/ClockLocale.h"

#include <limits>

namespace vantora {

bool ParseLeadingDecimal(std::string_view text, uint32_t* value)
{
    uint64_t result = 0;
    size_t pos = 0;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos) {
        result = result * 10 + unsigned(text[pos] - '0');
        if (result > std::numeric_limits<uint32_t>::max())
            result = std::numeric_limits<uint32_t>::max();
    }
    *value = uint32_t(result);
    return pos > 0;
}

int32_t AltYearFromText(bool queried, std::string_view text)
{
    if (!queried || text.empty())
        return kNoAltYear;
    uint32_t year = 0;
    if (!ParseLeadingDecimal(text, &year))
        return 0;
    return year > uint32_t(std::numeric_limits<int32_t>::max()) ? std::numeric_limits<int32_t>::max()
                                                                 : int32_t(year);
}

void SetDayPeriodSymbol(char (&field)[kSymbolSize], std::string_view settingsText,
                        std::string_view designator, std::string_view fallback,
                        const LeadByteTable* leadBytes)
{
    std::string_view text = !settingsText.empty() ? settingsText : !designator.empty() ? designator : fallback;
    size_t length = WholeCharacterPrefix(text, kSymbolSize - 1, leadBytes);
    memcpy(field, text.data(), length);
    field[length] = '\0';
}

} // namespace vantora
