#include "clock/ClockLocale.h"

#include <gtest/gtest.h>

#include <string>

#include "clock/ClockTestSupport.h"

namespace vantora {
namespace {

const LeadByteTable k932 = testing::LeadBytes932();

TEST(LeadBytes, WholeCharacterPrefixNeverSplitsACharacter)
{
    struct Case { std::string_view text; size_t maxBytes; const LeadByteTable* table; size_t expected; };
    const Case cases[] = {
        {"abc", 2, nullptr, 2},
        {"abc", 9, nullptr, 3},
        {"a\x93\xFA", 2, &k932, 1},
        {"a\x93\xFA", 3, &k932, 3},
        {"a\x93\xFA", 2, nullptr, 2},
        {"a\x93", 9, &k932, 2},     // a lead byte that ends the text counts alone
        {"", 0, &k932, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WholeCharacterPrefix(c.text, c.maxBytes, c.table), c.expected) << c.text << " " << c.maxBytes;
}

TEST(DayPeriodSymbol, SettingsThenLocaleThenFallbackCutToTheField)
{
    struct Case { std::string_view settings; std::string_view designator; const LeadByteTable* table; std::string expected; };
    const Case cases[] = {
        {"", "\x8C\xDF\x91\x4F", &k932, "\x8C\xDF\x91\x4F"},     // the locale's designator
        {"vorm.", "AM", nullptr, "vorm."},                        // the settings win
        {"", "", nullptr, "AM"},                                  // neither: the fallback
        {"morning-time", "", nullptr, "morning-tim"},             // 11 bytes and the terminator
        {"12345678901", "", nullptr, "12345678901"},
        // Six double-byte characters: five fit, the sixth is not cut in half.
        {"\x8C\xDF\x8C\xDF\x8C\xDF\x8C\xDF\x8C\xDF\x8C\xDF", "", &k932, "\x8C\xDF\x8C\xDF\x8C\xDF\x8C\xDF\x8C\xDF"},
        {"a\x8C\xDF\x8C\xDF\x8C\xDF\x8C\xDF\x8C\xDF", "", &k932, "a\x8C\xDF\x8C\xDF\x8C\xDF\x8C\xDF\x8C\xDF"},
    };
    for (const Case& c : cases) {
        char field[kSymbolSize];
        memset(field, 'Z', sizeof field);
        SetDayPeriodSymbol(field, c.settings, c.designator, kFallbackAmSymbol, c.table);
        EXPECT_EQ(FieldText(field), c.expected) << c.settings;
        EXPECT_EQ(field[c.expected.size()], '\0');
    }
}

TEST(LocaleNumbers, CodePageCalendarTypeAndAltYear)
{
    uint32_t value = 1;
    EXPECT_TRUE(ParseLeadingDecimal("932", &value));
    EXPECT_EQ(value, 932u);
    EXPECT_FALSE(ParseLeadingDecimal("", &value));
    EXPECT_FALSE(ParseLeadingDecimal("x1", &value));
    EXPECT_TRUE(ParseLeadingDecimal("99999999999999999999", &value));
    EXPECT_EQ(value, 0xFFFFFFFFu);

    struct Case { bool queried; std::string_view text; int32_t year; };
    const Case cases[] = {
        {true, "15", 15}, {true, "0015", 15}, {true, "2003", 2003}, {true, "H15", 0},
        {true, "", kNoAltYear}, {false, "", kNoAltYear}, {true, "12\xE5\xB9", 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AltYearFromText(c.queried, c.text), c.year) << c.text;
}

TEST(LocaleNames, DayIndexStartsOnMonday)
{
    EXPECT_EQ(LocaleDayIndex(0), 6u);
    EXPECT_EQ(LocaleDayIndex(1), 0u);
    EXPECT_EQ(LocaleDayIndex(6), 5u);
}

} // namespace
} // namespace vantora
