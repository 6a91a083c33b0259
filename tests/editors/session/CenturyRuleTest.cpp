#include "editors/session/CenturyRule.h"

#include <gtest/gtest.h>

namespace ardel::century {
namespace {

TEST(CenturyRuleTest, DayCountRunsFromTheGpsEpochAcrossLeapDaysAndWeekRollovers) {
    struct Case {
        CalendarDate date;
        long day;
        long week;
        int dayOfWeek;
    };
    // clang-format off
    const Case cases[] = {
        {{1980,  1,  6},     0,    0, 0}, // the epoch, a Sunday
        {{1980,  1,  1},    -5,   -1, 2}, // a Tuesday of the week before
        {{1980,  2, 29},    54,    7, 5},
        {{1980, 12, 31},   360,   51, 3}, // 1980 is a leap year
        {{1999,  8, 21},  7167, 1023, 6},
        {{1999,  8, 22},  7168, 1024, 0}, // the first week rollover
        {{1999, 12, 31},  7299, 1042, 5},
        {{2000,  1,  1},  7300, 1042, 6},
        {{2000,  2, 29},  7359, 1051, 2},
        {{2019,  4,  7}, 14336, 2048, 0}, // the second rollover
        {{2099, 12, 31}, 43824, 6260, 4},
        {{2100,  1,  1}, 43825, 6260, 5},
        {{2100,  3,  1}, 43884, 6269, 1}, // 2100 has no 29 February
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.date.year << "-" << c.date.month << "-" << c.date.day);
        EXPECT_EQ(gpsDay(c.date), c.day);
        EXPECT_EQ(gpsWeek(c.day), c.week);
        EXPECT_EQ(gpsDayOfWeek(c.day), c.dayOfWeek);
    }
    EXPECT_EQ(gpsDay({2100, 3, 1}) - gpsDay({2100, 2, 28}), 1);
    EXPECT_EQ(gpsDay({2000, 3, 1}) - gpsDay({2000, 2, 28}), 2);
    EXPECT_EQ(gpsDay({1900, 2, 29}), gpsDay({1900, 3, 1})); // a day past the month's end runs on
}

TEST(CenturyRuleTest, LeapYearsAndDaysOfYearFollowTheGregorianRule) {
    EXPECT_TRUE(isLeapYear(1980));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(2400));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(1999));
    EXPECT_FALSE(isLeapYear(2100));

    EXPECT_TRUE(isValidDate({2000, 2, 29}));
    EXPECT_FALSE(isValidDate({1900, 2, 29}));
    EXPECT_FALSE(isValidDate({2100, 2, 29}));
    EXPECT_FALSE(isValidDate({1999, 4, 31}));
    EXPECT_FALSE(isValidDate({1999, 13, 1}));
    EXPECT_FALSE(isValidDate({1999, 1, 0}));

    EXPECT_EQ(dayOfYear({1980, 1, 1}), 1);
    EXPECT_EQ(dayOfYear({1980, 12, 31}), 366);
    EXPECT_EQ(dayOfYear({1999, 6, 1}), 152);
    EXPECT_EQ(dayOfYear({1999, 12, 31}), 365);
    EXPECT_EQ(dayOfYear({2000, 3, 1}), 61);
    EXPECT_EQ(dayOfYear({1900, 3, 1}), 60);
    EXPECT_EQ(dayOfYear({2000, 12, 31}), 366);
    EXPECT_EQ(dayOfYear({2100, 3, 1}), 60);
    EXPECT_EQ(dayOfYear({2100, 12, 31}), 365);
}

TEST(CenturyRuleTest, ProjectStartIsSixDigitsWithAMonth) {
    EXPECT_EQ(projectStart("199912"), (CalendarDate{1999, 12, 1}));
    EXPECT_EQ(projectStart("200001"), (CalendarDate{2000, 1, 1}));
    for (const char* bad :
         {"", "      ", "1999", "19991", "1999 1", " 99912", "199913", "199900", "1999121", "ABCDEF"}) {
        EXPECT_FALSE(projectStart(bad)) << '"' << bad << '"';
    }
}

TEST(CenturyRuleTest, TwoDigitYearTakesTheCenturyThatDoesNotPrecedeTheStartMonth) {
    struct Case {
        const char* start;
        const char* yymmdd;
        CalendarDate date;
        int dayOfYear;
    };
    // clang-format off
    const Case cases[] = {
        {"199912", "000105", {2000,  1,  5},   5}, // 5 January 1900 is before December 1999
        {"199906", "990101", {2099,  1,  1},   1}, // 1 January 1999 is before June 1999
        {"199906", "990601", {1999,  6,  1}, 152}, // the start day itself is not earlier
        {"199906", "990531", {2099,  5, 31}, 151},
        {"200001", "000301", {2000,  3,  1},  61},
        {"190001", "000301", {1900,  3,  1},  60},
        {"200006", "001231", {2000, 12, 31}, 366},
        {"199912", "000229", {2000,  2, 29},  60}, // 29 February 1900 does not exist, 2000 it does
        {"198001", "800106", {1980,  1,  6},   6},
        {"198001", "791231", {2079, 12, 31}, 365},
        {"209912", "000105", {2100,  1,  5},   5},
        {"210001", "000101", {2100,  1,  1},   1},
        {"210001", "991231", {2199, 12, 31}, 365},
    };
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.start << " " << c.yymmdd);
        const auto date = observationDate(c.start, c.yymmdd);
        ASSERT_TRUE(date);
        EXPECT_EQ(*date, c.date);
        EXPECT_EQ(dayOfYear(*date), c.dayOfYear);
    }
}

TEST(CenturyRuleTest, NoDateWithoutAStartOrForADayThatDoesNotExist) {
    EXPECT_FALSE(observationDate("", "000105"));
    EXPECT_FALSE(observationDate("      ", "000105"));
    EXPECT_FALSE(observationDate("199913", "000105"));
    EXPECT_FALSE(observationDate("199912", "      "));
    EXPECT_FALSE(observationDate("199912", "0001"));
    EXPECT_FALSE(observationDate("199912", "001301"));
    EXPECT_FALSE(observationDate("199912", "000100"));
    EXPECT_FALSE(observationDate("199912", "000431"));
    EXPECT_FALSE(observationDate("209912", "000229")); // 2100 is no leap year
}

} // namespace
} // namespace ardel::century
