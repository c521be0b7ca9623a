// The lunar date conversion against the published calendar, every covered
// day walked for consistency, and inputs the tables do not cover.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <string>

#include "popup/LunarDate.h"

namespace vantora::popup {
namespace {

using namespace std::chrono;

const std::string kNoTerm;
const std::string kMinorCold = "\xD0\xA1\xBA\xAE";
const std::string kRainWater = "\xD3\xEA\xCB\xAE";
const std::string kSummerSolstice = "\xCF\xC4\xD6\xC1";
const std::string kMinorHeat = "\xD0\xA1\xCA\xEE";
const std::string kWhiteDew = "\xB0\xD7\xC2\xB6";
const std::string kWinterSolstice = "\xB6\xAC\xD6\xC1";

double OleDate(int y, unsigned m, unsigned d, double timeOfDay = 0.0)
{
    const sys_days date = year(y) / month(m) / day(d);
    const sys_days oleEpoch = year(1899) / December / 30;
    return double((date - oleEpoch).count()) + timeOfDay;
}

struct Lunar {
    int year;
    int month;
    int day;
};

struct Case {
    int year;
    unsigned month;
    unsigned day;
    double timeOfDay;
    Lunar expected;
    std::string term;
};

void ExpectConverts(const Case& c)
{
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" + std::to_string(c.day)
                 + " +" + std::to_string(c.timeOfDay));
    const LunarDate lunar = LunarFromOleDate(OleDate(c.year, c.month, c.day, c.timeOfDay));
    EXPECT_EQ(lunar.year, c.expected.year);
    EXPECT_EQ(lunar.month, c.expected.month);
    EXPECT_EQ(lunar.day, c.expected.day);
    EXPECT_EQ(lunar.term, c.term);
}

TEST(LunarDate, ConvertsThePublishedCalendarsTellingDays)
{
    const double lastTenth = (86399.0 + 0.6) / 86400.0;
    const double lastButHalf = (86399.0 + 0.4) / 86400.0;
    const Case cases[] = {
        {1901, 1, 1, 0, {1900, 11, 11}, kNoTerm},
        {1901, 1, 6, 0, {1900, 11, 16}, kMinorCold},
        {1901, 2, 18, 0, {1900, 12, 30}, kNoTerm},
        {1901, 2, 19, 0, {1901, 1, 1}, kRainWater},
        {2003, 1, 31, 0, {2002, 12, 29}, kNoTerm},
        {2003, 2, 1, 0, {2003, 1, 1}, kNoTerm},
        {2001, 5, 22, 0, {2001, 4, 30}, kNoTerm},
        {2001, 5, 23, 0, {2001, 4, 1}, kNoTerm}, // leap 4th month
        {2033, 12, 22, 0, {2033, 11, 1}, kNoTerm}, // leap 11th month
        {2020, 6, 21, 0, {2020, 5, 1}, kSummerSolstice},
        {2003, 12, 22, 0, {2003, 11, 29}, kWinterSolstice},
        {2003, 12, 21, 0, {2003, 11, 28}, kNoTerm},
        {2050, 12, 31, 0, {2050, 11, 18}, kNoTerm},
        {2050, 9, 7, 0, {2050, 7, 22}, kWhiteDew},
        {2050, 9, 8, 0, {2050, 7, 23}, kNoTerm},
        {2003, 1, 31, lastTenth, {2003, 1, 1}, kNoTerm},
        {2003, 1, 31, lastButHalf, {2002, 12, 29}, kNoTerm},
    };
    for (const Case& c : cases)
        ExpectConverts(c);
    EXPECT_EQ(OleDate(1901, 1, 1), 367.0);
    EXPECT_EQ(OleDate(2003, 2, 1), 37653.0);
    EXPECT_EQ(OleDate(2050, 12, 31), 55153.0);
}

TEST(LunarDate, FollowsThePublishedCalendarWhereTheQuotedTableIsWrong)
{
    const Case cases[] = {
        {1989, 8, 1, 0, {1989, 6, 30}, kNoTerm},
        {1989, 8, 2, 0, {1989, 7, 1}, kNoTerm},
        {1989, 8, 31, 0, {1989, 8, 1}, kNoTerm},
        {2013, 6, 7, 0, {2013, 4, 29}, kNoTerm},
        {2013, 6, 8, 0, {2013, 5, 1}, kNoTerm},
        {2013, 7, 7, 0, {2013, 5, 30}, kMinorHeat},
        {2013, 7, 8, 0, {2013, 6, 1}, kNoTerm},
        {2025, 4, 27, 0, {2025, 3, 30}, kNoTerm},
        {2025, 4, 28, 0, {2025, 4, 1}, kNoTerm},
        {2025, 5, 26, 0, {2025, 4, 29}, kNoTerm},
        {2025, 5, 27, 0, {2025, 5, 1}, kNoTerm},
    };
    for (const Case& c : cases)
        ExpectConverts(c);
}

// Day by day over the whole range the lunar date must advance by one day,
// months must be 29 or 30 days, a year may only turn after its 12th month,
// and every Gregorian month must hold its two solar terms in their windows.
TEST(LunarDate, EveryCoveredDayFollowsTheOneBefore)
{
    const int first = int(OleDate(1901, 1, 1));
    const int last = int(OleDate(2050, 12, 31));
    LunarDate previous = LunarFromOleDate(first);
    int termsThisMonth = 0;
    GregorianDate gregorian {};
    for (int ole = first; ole <= last; ++ole) {
        ASSERT_TRUE(GregorianFromOleDate(ole, &gregorian));
        const LunarDate lunar = LunarFromOleDate(ole);
        SCOPED_TRACE(ole);
        ASSERT_NE(lunar.month, 0);
        if (ole > first) {
            if (lunar.day != 1) {
                ASSERT_EQ(lunar.day, previous.day + 1);
                ASSERT_EQ(lunar.month, previous.month);
                ASSERT_EQ(lunar.year, previous.year);
            } else {
                ASSERT_TRUE(previous.day == 29 || previous.day == 30);
                const bool leapMonth = lunar.month == previous.month && lunar.year == previous.year;
                const bool nextMonth = lunar.month == previous.month + 1 && lunar.year == previous.year;
                const bool nextYear = lunar.month == 1 && previous.month == 12 && lunar.year == previous.year + 1;
                ASSERT_TRUE(leapMonth || nextMonth || nextYear);
            }
        }
        if (gregorian.day == 1)
            termsThisMonth = 0;
        const int term = SolarTermNumber(gregorian);
        if (term != 0) {
            ++termsThisMonth;
            const bool firstTerm = gregorian.day >= 3 && gregorian.day <= 9 && term == 2 * gregorian.month - 1;
            const bool secondTerm = gregorian.day >= 18 && gregorian.day <= 24 && term == 2 * gregorian.month;
            ASSERT_TRUE(firstTerm || secondTerm);
            ASSERT_EQ(std::string(lunar.term).size(), 4u);
        } else {
            ASSERT_STREQ(lunar.term, "");
        }
        const bool monthEnds = !GregorianFromOleDate(ole + 1, &gregorian) || gregorian.day == 1;
        if (monthEnds) {
            ASSERT_EQ(termsThisMonth, 2);
        }
        previous = lunar;
    }
}

TEST(LunarDate, GivesNothingForDatesTheTablesDoNotCover)
{
    constexpr double inf = std::numeric_limits<double>::infinity();
    const double outside[] = {
        366.0,                                  // 1900-12-31
        367.0 - 0.6 / 86400.0,                  // rounds to 1900-12-31
        55154.0,                                // 2051-01-01
        55153.0 + (86399.0 + 0.6) / 86400.0,    // rounds to 2051-01-01
        0.0,
        -1.5,
        -657434.0,                              // 0100-01-01
        -657435.0,                              // before the year 100
        2958465.0,                              // 9999-12-31
        2958466.0,                              // 10000-01-01
        1e300,
        -1e300,
        std::numeric_limits<double>::max(),
        std::numeric_limits<double>::lowest(),
        inf,
        -inf,
        std::numeric_limits<double>::quiet_NaN(),
    };
    for (double ole : outside) {
        SCOPED_TRACE(ole);
        const LunarDate lunar = LunarFromOleDate(ole);
        EXPECT_EQ(lunar.year, 0);
        EXPECT_EQ(lunar.month, 0);
        EXPECT_EQ(lunar.day, 0);
        EXPECT_STREQ(lunar.term, "");
    }
}

TEST(LunarDate, TurnsOleDatesIntoCalendarDays)
{
    struct DayCase {
        double ole;
        bool valid;
        GregorianDate date;
    };
    const DayCase cases[] = {
        {0.0, true, {1899, 12, 30}},
        {-1.5, true, {1899, 12, 29}}, // negative dates keep the time after midnight
        {-657434.0, true, {100, 1, 1}},
        {-657434.9, true, {100, 1, 1}},
        {-657435.0, false, {}},
        {2958465.5, true, {9999, 12, 31}},
        {2958466.0 - 0.4 / 86400.0, false, {}}, // rounds into the year 10000
        {60.0, true, {1900, 2, 28}}, // 1900 is no leap year
        {61.0, true, {1900, 3, 1}},
        {36585.0, true, {2000, 2, 29}},
    };
    for (const DayCase& c : cases) {
        SCOPED_TRACE(c.ole);
        GregorianDate date {};
        ASSERT_EQ(GregorianFromOleDate(c.ole, &date), c.valid);
        if (c.valid) {
            EXPECT_EQ(date.year, c.date.year);
            EXPECT_EQ(date.month, c.date.month);
            EXPECT_EQ(date.day, c.date.day);
        }
    }
}

} // namespace
} // namespace vantora::popup
