#include "clock/ClockFormatter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/ClockTestSupport.h"

namespace vantora {
namespace {

using testing::EnglishLocale;
using testing::LeadBytes932;
using testing::LeadBytes936;
using testing::ScriptedSystem;
using testing::SetField;

// Sunday 2003-03-09 14:05:07.
constexpr ClockTime kSunday {2003, 3, 0, 9, 14, 5, 7};

ClockTime At(uint16_t hour, uint16_t minute = 0, uint16_t second = 0)
{
    ClockTime time = kSunday;
    time.hour = hour;
    time.minute = minute;
    time.second = second;
    return time;
}

const LeadByteTable k936 = LeadBytes936();
const LeadByteTable k932 = LeadBytes932();

ClockLocale GermanLocale()
{
    ClockLocale locale = EnglishLocale();
    SetField(locale.shortDayName, "So");
    SetField(locale.longDayName, "Sonntag");
    SetField(locale.shortMonthName, "Mrz");
    SetField(locale.longMonthName, "M\xE4rz");
    SetField(locale.dateSeparator, ".");
    return locale;
}

ClockLocale EraLocale(std::string_view era, int32_t year, uint32_t codePage, const LeadByteTable& leadBytes)
{
    ClockLocale locale = EnglishLocale();
    SetField(locale.eraName, era);
    locale.altYear = year;
    locale.codePage = codePage;
    locale.leadBytes = leadBytes;
    return locale;
}

// Era "平成" (Heisei) in code page 932, year 15 of the era.
ClockLocale JapaneseEraLocale()
{
    return EraLocale("\x95\xBD\x90\xAC", 15, 932, k932);
}

// Era "公元" in code page 936.
ClockLocale ChineseEraLocale()
{
    return EraLocale("\xB9\xAB\xD4\xAA", 2003, 936, k936);
}

ClockLocale WithAltYear(int32_t year)
{
    ClockLocale locale = EnglishLocale();
    locale.altYear = year;
    return locale;
}

struct Case {
    std::string_view format;
    std::string expected;
    ClockTime time = kSunday;
    ClockLocale locale = EnglishLocale();
    bool hour12 = false;
    bool hourZero = false;
    int32_t beat = 0;
    const LeadByteTable* systemLeadBytes = nullptr;
    bool freeResources = false;
};

std::string Format(const Case& c, ClockSystemQueries* system)
{
    ClockFormatInputs inputs {c.locale, c.systemLeadBytes, c.hour12, c.hourZero, system};
    char out[kClockTextSize];
    size_t length = FormatClockText(out, sizeof out, c.time, c.beat, c.format, inputs);
    EXPECT_EQ(length, strlen(out)) << c.format;
    return std::string(out, length);
}

TEST(FormatClockText, Tokens)
{
    const Case cases[] = {
        {.format = "ddd yy/mm/dd hh:nn:ss", .expected = "Sun 03/03/09 14:05:07"},
        {.format = "", .expected = ""},
        // Tokens take the longest match; what is left over is read again.
        {.format = "ddddd", .expected = "Sunday9"},
        {.format = "mmmmm", .expected = "March3"},
        {.format = "yyy", .expected = "03y"},
        {.format = "yyyy y", .expected = "2003 y"},
        {.format = "aaaa aaa aa", .expected = "Sunday Sun aa"},
        {.format = "m d", .expected = "3 9"},
        {.format = "h:nn", .expected = "9:05", .time = At(9, 5)},
        {.format = "hh", .expected = "09", .time = At(9, 5)},
        {.format = "n s", .expected = "5 7"},
        // Locale names and separators, but fixed English abbreviations.
        {.format = "ddd dddd mmm mmmm yy/mm/dd hh:nn", .expected = "So Sonntag Mrz M\xE4rz 03.03.09 14:05",
         .locale = GermanLocale()},
        {.format = "mme dde", .expected = "Mar Sun", .locale = GermanLocale()},
        {.format = "dde", .expected = "Sat", .time = {2003, 3, 6, 15, 0, 0, 0}},
        // Literal runs.
        {.format = "\"hh\" hh", .expected = "hh 14"},
        {.format = "\"a\\n\"\"b\"", .expected = "a\\nb"},
        {.format = "hh\"nn", .expected = "14nn"},
        // Day periods.
        {.format = "AM/PM", .expected = "PM", .time = At(12)},
        {.format = "AM/PM", .expected = "AM", .time = At(11, 59)},
        {.format = "am/pm", .expected = "am", .time = At(11, 59)},
        {.format = "am/pm", .expected = "pm", .time = At(23, 59)},
        {.format = "tt AMPM", .expected = "a.m. a.m.", .time = At(0)},
        {.format = "tt AMPM", .expected = "p.m. p.m.", .time = At(12)},
        {.format = "AMx A t", .expected = "AMx A t"},
        // Line breaks.
        {.format = "hh\\nnn", .expected = "14\r\n05"},
        {.format = "hh\\n", .expected = "14\r\n"},
        {.format = "\\x\\", .expected = "\\x\\"},
        // Internet time.
        {.format = "@@@", .expected = "@041", .beat = 4166},
        {.format = "@@@.@", .expected = "@041.6", .beat = 4166},
        {.format = "@@@ @@@.@", .expected = "@000 @000.0", .beat = 0},
        {.format = "@@@.@", .expected = "@999.9", .beat = 99998},
        {.format = "@@ @@@.", .expected = "@@ @999.", .beat = 99998},
        // Alternate-calendar year.
        {.format = "Y", .expected = "15", .locale = WithAltYear(15)},
        {.format = "YYY", .expected = "015", .locale = WithAltYear(15)},
        {.format = "Y", .expected = "10", .locale = WithAltYear(10)},
        {.format = "Y", .expected = "0", .locale = WithAltYear(0)},
        {.format = "Y YY", .expected = "Y YY", .locale = WithAltYear(kNoAltYear)},
        // Free resources, only where the provider exists.
        {.format = "RS RG RU", .expected = "  "},
        {.format = "RS RG RU", .expected = "57 8 100", .freeResources = true},
        {.format = "RX R", .expected = "RX R"},
        // Whole date and time of the user's default locale.
        {.format = "LDATE|DATE|TIME", .expected = "Sunday, March 9, 2003|3/9/2003|14:05:07"},
        {.format = "LDAT DAT TIM", .expected = "LDAT DAT TIM"},
    };
    for (const Case& c : cases) {
        ScriptedSystem system;
        system.hasFreeResources = c.freeResources;
        EXPECT_EQ(Format(c, &system), c.expected) << "format: " << c.format;
    }
}

TEST(FormatClockText, WithoutSystemQueriesTheSystemTokensWriteNothing)
{
    Case c {.format = "[RS][LDATE][DATE][TIME]", .expected = "[][][][]"};
    EXPECT_EQ(Format(c, nullptr), c.expected);
}

TEST(FormatClockText, TwelveHourDisplay)
{
    struct HourCase { uint16_t hour; bool hour12; bool hourZero; const char* expected; };
    const HourCase cases[] = {
        {0, true, false, "12"},  {12, true, false, "12"}, {13, true, false, "1"}, {23, true, false, "11"},
        {11, true, false, "11"}, {0, true, true, "0"},    {12, true, true, "0"},  {13, true, true, "1"},
        {0, false, true, "0"},   {12, false, true, "12"}, {13, false, false, "13"},
    };
    for (const HourCase& h : cases) {
        Case c {.format = "h", .expected = h.expected, .time = At(h.hour), .hour12 = h.hour12, .hourZero = h.hourZero};
        EXPECT_EQ(Format(c, nullptr), c.expected)
            << "hour " << h.hour << " hour12 " << h.hour12 << " hourZero " << h.hourZero;
    }
    // "tt" follows the hour of the day, not the converted one.
    Case pm {.format = "hh tt", .expected = "01 p.m.", .time = At(13), .hour12 = true};
    EXPECT_EQ(Format(pm, nullptr), pm.expected);
}

TEST(FormatClockText, DoubleByteText)
{
    const Case cases[] = {
        // The era steps by the locale's code page: one character per "g".
        {.format = "g", .expected = "\x95\xBD", .locale = JapaneseEraLocale()},
        {.format = "gg", .expected = "\x95\xBD\x90\xAC", .locale = JapaneseEraLocale()},
        {.format = "ggg Y", .expected = "\x95\xBD\x90\xAC 15", .locale = JapaneseEraLocale()},
        {.format = "g|gg", .expected = "\xB9\xAB|\xB9\xAB\xD4\xAA", .locale = ChineseEraLocale()},
        {.format = "[ggg]", .expected = "[]"},
        // A trail byte that looks like a token stays part of its character...
        {.format = "\x82g", .expected = "\x82g", .locale = JapaneseEraLocale(), .systemLeadBytes = &k932},
        {.format = "\x81s \x81h", .expected = "\x81s \x81h", .systemLeadBytes = &k936},
        // ...but is a token where that byte does not lead.
        {.format = "\xA0s", .expected = "\xA0" "7", .systemLeadBytes = &k932},
        {.format = "\x82g", .expected = "\x82\x95\xBD", .locale = JapaneseEraLocale()},
        // Literal runs copy double-byte characters whole, even one whose
        // second byte is a quote.
        {.format = "\"\x93\xFA\x96\x7B\"hh", .expected = "\x93\xFA\x96\x7B" "14", .systemLeadBytes = &k932},
        {.format = "\"\x81\"x\"", .expected = "\x81\"x", .systemLeadBytes = &k936},
        // A lead byte at the very end is copied alone.
        {.format = "hh\x81", .expected = "14\x81", .systemLeadBytes = &k936},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Format(c, nullptr), c.expected) << "format: " << c.format;
}

// The output never passes its buffer: the text ends after the last whole
// character that fits, and a line break is never split.
TEST(FormatClockText, CutsAtACharacterBoundaryAndStaysInItsBuffer)
{
    struct CutCase { std::string format; size_t capacity; std::string expected; };
    const std::string kx1022(1022, 'x');
    const CutCase cases[] = {
        {"hh:nn", 4, "14:"},
        {"hh:nn", 1, ""},
        {"ab\\n", 4, "ab"},
        {"\"ab\x93\xFA\"", 4, "ab"},
        {"ddd", 3, "Su"},
        {"\"" + kx1022 + "\x93\xFA\"", kClockTextSize, kx1022},
        {"\"" + kx1022 + "\"dddd", kClockTextSize, kx1022 + "S"},
        {std::string(1023, 'Y'), kClockTextSize, std::string(1021, '0') + "15"},
    };
    ClockLocale locale = WithAltYear(15);
    for (const CutCase& c : cases) {
        std::vector<char> buffer(c.capacity + 16, '\x5A');
        ClockFormatInputs inputs {locale, &k932};
        size_t length = FormatClockText(buffer.data(), c.capacity, kSunday, 0, c.format, inputs);
        EXPECT_EQ(std::string(buffer.data(), length), c.expected) << c.format.substr(0, 40);
        EXPECT_EQ(buffer[length], '\0');
        for (size_t i = c.capacity; i < buffer.size(); ++i)
            ASSERT_EQ(buffer[i], '\x5A') << "written past the buffer at " << i;
    }
}

TEST(FormatClockText, ManyWholeDateTokensFillTheTextExactly)
{
    ScriptedSystem system;
    system.longDate = std::string(79, 'D');
    std::string format;
    for (int i = 0; i < 200; ++i)
        format += "LDATE";
    ClockLocale locale = EnglishLocale();
    ClockFormatInputs inputs {locale, nullptr, false, false, &system};
    std::vector<char> buffer(kClockTextSize + 16, '\x5A');
    size_t length = FormatClockText(buffer.data(), kClockTextSize, kSunday, 0, format, inputs);
    EXPECT_EQ(length, kClockTextSize - 1);
    EXPECT_EQ(buffer[kClockTextSize - 1], '\0');
    EXPECT_EQ(buffer[kClockTextSize], '\x5A');

    // A text longer than the system may give is not used at all.
    system.longDate = std::string(80, 'D');
    length = FormatClockText(buffer.data(), kClockTextSize, kSunday, 0, "[LDATE]", inputs);
    EXPECT_EQ(std::string(buffer.data(), length), "[]");
}

TEST(FormatClockText, OutOfRangeFieldsWriteDigitsOrNothing)
{
    ClockLocale locale = EnglishLocale();
    ClockFormatInputs inputs {locale};
    char out[64];
    ClockTime odd {65535, 13, 7, 99, 99, 99, 99};
    FormatClockText(out, sizeof out, odd, -5, "mme|dde|yyyy|m|d|hh|@@@.@", inputs);
    EXPECT_STREQ(out, "||5535|13|99|99|@000.0");
    FormatClockText(out, sizeof out, odd, 1234567, "@@@.@", inputs);
    EXPECT_STREQ(out, "@999.9");
}

TEST(EffectiveClockFormat, EmptyMeansTheBuiltInFormat)
{
    EXPECT_EQ(EffectiveClockFormat(""), "ddd yy/mm/dd hh:nn:ss");
    EXPECT_EQ(EffectiveClockFormat("hh"), "hh");
}

TEST(FormatScans, FastTickAndBeatMode)
{
    struct ScanCase { std::string_view format; const LeadByteTable* leadBytes; bool fast; int beat; };
    const ScanCase cases[] = {
        {"hh:nn", nullptr, false, 0},
        {"hh:nn:ss", nullptr, true, 0},
        {"", nullptr, false, 0},
        {"\"ss\" hh", nullptr, false, 0},
        {"\"ss", nullptr, false, 0},
        {"\"x\"s", nullptr, true, 0},
        {"Tues", nullptr, true, 0},
        {"hh RS", nullptr, true, 0},
        {"RG", nullptr, true, 0},
        {"RU", nullptr, true, 0},
        {"RX AMx R", nullptr, false, 0},
        {"\"@@@\"", nullptr, false, 0},
        {"@@@", nullptr, false, 1},
        {"@@@.", nullptr, false, 1},
        {"@@@.@", nullptr, false, 2},
        {"@@ @@@.@ @@@", nullptr, false, 2},
        {"@@", nullptr, false, 0},
        // Trail bytes are part of their character.
        {"\x81s", &k936, false, 0},
        {"\x81s", nullptr, true, 0},
        {"\x81R\x81S", &k936, false, 0},
        {"\x81@@@", &k932, false, 0},
        {"\x81@@@@", &k932, false, 1},
        // A quote that is a trail byte neither opens nor closes a literal run.
        {"\"\x81\"\" @@@ s", &k936, true, 1},
        {"\x81\"s", &k936, true, 0},
    };
    for (const ScanCase& c : cases) {
        EXPECT_EQ(NeedsFastTick(c.format, c.leadBytes), c.fast) << c.format;
        EXPECT_EQ(GetBeatMode(c.format, c.leadBytes), c.beat) << c.format;
    }
}

TEST(BeatCount, FromUtcTimeOfDay)
{
    struct BeatCase { unsigned hour, minute, second; int32_t beat; };
    const BeatCase cases[] = {
        {0, 0, 0, 4166},    // 01:00 in UTC+1
        {23, 0, 0, 0},
        {22, 59, 59, 99998},
        {11, 0, 0, 50000},
        {23, 0, 1, 1},
    };
    for (const BeatCase& c : cases)
        EXPECT_EQ(BeatCountFromUtc(c.hour, c.minute, c.second), c.beat) << c.hour << ":" << c.minute << ":" << c.second;
}

} // namespace
} // namespace vantora
