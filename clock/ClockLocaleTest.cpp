#include "clock/ClockLocaleWin.h"

#include <gtest/gtest.h>

#include <string>

#include "clock/ClockFormatter.h"
#include "clock/ClockKeyWin.h"
#include "clock/ClockSystemWin.h"
#include "tests/support/RegistryBackup.h"

namespace vantora {
namespace {

using vantora::test::RegistryBackup;

// Sunday 2003-03-09 14:05:07.
const SYSTEMTIME kSunday = {2003, 3, 0, 9, 14, 5, 7, 0};

struct Expected {
    LCID lcid;
    uint32_t codePage;
    std::string shortDay, longDay, shortMonth, longMonth, am, pm;
};

void ExpectLocale(const ClockLocale& locale, const Expected& e)
{
    SCOPED_TRACE(::testing::Message() << "locale 0x" << std::hex << e.lcid);
    EXPECT_EQ(locale.codePage, e.codePage);
    EXPECT_EQ(FieldText(locale.shortDayName), e.shortDay);
    EXPECT_EQ(FieldText(locale.longDayName), e.longDay);
    EXPECT_EQ(FieldText(locale.shortMonthName), e.shortMonth);
    EXPECT_EQ(FieldText(locale.longMonthName), e.longMonth);
    EXPECT_EQ(FieldText(locale.amSymbol), e.am);
    EXPECT_EQ(FieldText(locale.pmSymbol), e.pm);
}

// Names come in the locale's own code page, whatever the system's is.
TEST(LoadClockLocale, NamesAndSymbolsInTheLocalesCodePage)
{
    RegistryBackup guard(kClockKeyPath);
    guard.Delete("AMsymbol");
    guard.Delete("PMsymbol");
    const Expected cases[] = {
        {0x0409, 1252, "Sun", "Sunday", "Mar", "March", "AM", "PM"},
        // 日, 日曜日, 3月, 午前, 午後
        {0x0411, 932, "\x93\xFA", "\x93\xFA\x97\x6A\x93\xFA", "3\x8C\x8E", "3\x8C\x8E", "\x8C\xDF\x91\x4F",
         "\x8C\xDF\x8C\xE3"},
        // 周日, 星期日, 3月, 三月, 上午, 下午
        {0x0804, 936, "\xD6\xDC\xC8\xD5", "\xD0\xC7\xC6\xDA\xC8\xD5", "3\xD4\xC2", "\xC8\xFD\xD4\xC2",
         "\xC9\xCF\xCE\xE7", "\xCF\xC2\xCE\xE7"},
        // No such locale: every query fails, the symbols fall back.
        {0x7F7F, 0, "", "", "", "", "AM", "PM"},
    };
    for (const Expected& e : cases) {
        ClockLocale locale;
        LoadClockLocaleFor(e.lcid, kSunday, locale);
        ExpectLocale(locale, e);
        if (e.codePage == 0)
            continue;
        EXPECT_EQ(FieldText(locale.dateSeparator), "/");
        EXPECT_EQ(FieldText(locale.timeSeparator), ":");
        // These locales use the Gregorian calendar: the year comes from the
        // user's default locale, and the era fits its field whole.
        EXPECT_EQ(locale.altYear, 2003);
        EXPECT_LT(FieldText(locale.eraName).size(), kEraNameSize);
    }
}

TEST(LoadClockLocale, LeadBytesFollowTheCodePage)
{
    struct Case { LCID lcid; bool lead81; bool leadA0; bool leadFD; };
    const Case cases[] = {
        {0x0409, false, false, false},
        {0x0411, true, false, false},   // Shift-JIS: 0x81..0x9F, 0xE0..0xFC
        {0x0804, true, true, true},     // GBK: 0x81..0xFE
    };
    for (const Case& c : cases) {
        ClockLocale locale;
        LoadClockLocaleFor(c.lcid, kSunday, locale);
        EXPECT_EQ(locale.leadBytes[0x81], c.lead81) << std::hex << c.lcid;
        EXPECT_EQ(locale.leadBytes[0xA0], c.leadA0) << std::hex << c.lcid;
        EXPECT_EQ(locale.leadBytes[0xFD], c.leadFD) << std::hex << c.lcid;
        EXPECT_FALSE(locale.leadBytes['g']) << std::hex << c.lcid;
    }
}

// The Locale value counts only when it is exactly 4 bytes, of any type.
TEST(LoadClockLocale, LocaleValueOrTheUsersDefault)
{
    RegistryBackup guard(kClockKeyPath);
    guard.Delete("AMsymbol");
    guard.Delete("PMsymbol");
    ClockLocale userDefault;
    LoadClockLocaleFor(GetUserDefaultLangID(), kSunday, userDefault);
    ASSERT_NE(userDefault.codePage, 932u) << "the test needs a user default other than Japanese";

    const DWORD japanese = 0x0411;
    const WORD shortJapanese = 0x0411;
    struct Case { const char* name; DWORD type; const void* data; DWORD size; uint32_t codePage; };
    const Case cases[] = {
        {"absent", REG_NONE, nullptr, 0, userDefault.codePage},
        {"dword", REG_DWORD, &japanese, 4, 932},
        {"4-byte binary", REG_BINARY, &japanese, 4, 932},
        {"2-byte binary", REG_BINARY, &shortJapanese, 2, userDefault.codePage},
    };
    for (const Case& c : cases) {
        if (c.data)
            guard.Set("Locale", c.type, c.data, c.size);
        else
            guard.Delete("Locale");
        ClockLocale locale;
        LoadClockLocale(kSunday, locale);
        EXPECT_EQ(locale.codePage, c.codePage) << c.name;
        EXPECT_EQ(FieldText(locale.longDayName), c.codePage == 932 ? "\x93\xFA\x97\x6A\x93\xFA"
                                                                    : FieldText(userDefault.longDayName))
            << c.name;
    }
}

TEST(LoadClockLocale, SymbolsFromTheSettings)
{
    RegistryBackup guard(kClockKeyPath);
    struct Case { const char* name; std::string amValue; std::string expectedAm; };
    const std::string tooLong(80, 'x');   // does not fit the 80-byte read with its terminator
    const Case cases[] = {
        {"own symbol", "vorm.", "vorm."},
        {"empty value", "", "AM"},
        {"cut to the field", "ante meridiem", "ante meridi"},
        {"longer than the read", tooLong, "AM"},
    };
    guard.SetString("PMsymbol", "nachm.");
    for (const Case& c : cases) {
        guard.SetString("AMsymbol", c.amValue);
        ClockLocale locale;
        LoadClockLocaleFor(0x0409, kSunday, locale);
        EXPECT_EQ(FieldText(locale.amSymbol), c.expectedAm) << c.name;
        EXPECT_EQ(FieldText(locale.pmSymbol), "nachm.") << c.name;
    }
    // A value stored without its terminator still reads as its text.
    guard.Set("AMsymbol", REG_SZ, "am", 2);
    ClockLocale locale;
    LoadClockLocaleFor(0x0409, kSunday, locale);
    EXPECT_EQ(FieldText(locale.amSymbol), "am");
}

TEST(ReadClockString, CapacityAndDefault)
{
    RegistryBackup guard(kClockKeyPath);
    struct Case { const char* name; std::string stored; bool present; DWORD capacity; DWORD result; std::string text; };
    const Case cases[] = {
        {"absent", "", false, 8, 3, "def"},
        {"fits", "hh:nn", true, 8, 6, "hh:nn"},
        {"fills the buffer", "hh:nn:s", true, 8, 8, "hh:nn:s"},
        {"too long", "hh:nn:ss", true, 8, 3, "def"},
        {"empty", "", true, 8, 1, ""},
    };
    for (const Case& c : cases) {
        if (c.present)
            guard.SetString("Format", c.stored);
        else
            guard.Delete("Format");
        char buffer[16];
        memset(buffer, 'Z', sizeof buffer);
        DWORD result = ReadClockString(nullptr, "Format", buffer, c.capacity, "def");
        EXPECT_EQ(result, c.result) << c.name;
        EXPECT_STREQ(buffer, c.text.c_str()) << c.name;
        EXPECT_EQ(buffer[c.capacity], 'Z') << c.name;
    }
}

TEST(WinClockSystemQueries, WholeDateAndTimeOfTheUsersLocale)
{
    WinClockSystemQueries system;
    EXPECT_FALSE(system.HasFreeResources());
    char text[kWholeDateTimeSize];
    ClockTime time = ToClockTime(kSunday);
    size_t length = system.FormatWholeDateTime(WholeDateTime::Time, time, text, sizeof text);
    EXPECT_EQ(length, strlen(text));
    EXPECT_EQ(std::string(text).substr(0, 8), "14:05:07");   // forced to 24 hours
    for (WholeDateTime which : {WholeDateTime::LongDate, WholeDateTime::ShortDate}) {
        length = system.FormatWholeDateTime(which, time, text, sizeof text);
        EXPECT_GT(length, 0u);
        EXPECT_NE(std::string(text).find("2003"), std::string::npos) << text;
    }
    // A text that does not fit is not given at all.
    EXPECT_EQ(system.FormatWholeDateTime(WholeDateTime::LongDate, time, text, 4), 0u);
    EXPECT_STREQ(text, "");
}

} // namespace
} // namespace vantora
