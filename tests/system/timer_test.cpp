#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "system/tavrinerrors.h"
#include "system/timer.h"

namespace tavrin::system {
namespace {

using MASK = DateTime::MASK;

constexpr std::int64_t day = 86'400'000;
constexpr std::int64_t moment2008 = 1'199'264'703'007; // 2008-01-02 09:05:03.007

DateTime moment() {
    return DateTime(2008, 1, 2, 9, 5, 3, 7);
}

std::string formatted(const DateTime& time, std::string_view mask) {
    DateTime copy = time;
    copy.setFormatMask(std::string(mask));
    return copy.toString();
}

TEST(DateTimeFormat, PlainLogAndThrowableMasksOfTheSameMoment) {
    EXPECT_EQ(moment().toString(), "2008/1/2(水) 9:5:3.7");
    EXPECT_EQ(formatted(moment(), "[YYYY]-[M]-[DD]([W]) [hh]-[mm]-[ss].log"),
              "2008-1-02(水) 09-05-03.log");
    EXPECT_EQ(formatted(moment(), "[YYYY]/[M]/[D] [h]:[m]:[s].[ms]"), "2008/1/2 9:5:3.7");
    EXPECT_EQ(ThrowableTime(moment2008).toString(), "2008/01/02 09:05:03.007");
    EXPECT_EQ(ThrowableTime(moment2008).formatMask(), ThrowableTime::Mask);
}

TEST(DateTimeFormat, WidthsPadShortNumbersAndKeepTheLastDigitsOfLongOnes) {
    const DateTime year5(5, 1, 1, 0, 0, 0, 0);
    EXPECT_EQ(formatted(year5, "[Y] [YY] [YYYY]"), "5 05 0005");
    EXPECT_EQ(formatted(moment(), "[Y] [YY] [YYYY]"), "2008 08 2008");
    EXPECT_EQ(formatted(DateTime(12345, 1, 1, 0, 0, 0, 0), "[Y] [YY] [YYYY]"), "12345 45 2345");
    EXPECT_EQ(formatted(DateTime(2008, 1, 2, 0, 0, 0, 1234), "[ms] [MS]"), "1234 234");
    EXPECT_EQ(formatted(DateTime(2008, 12, 31, 23, 59, 59, 999), "[DD] [hh] [mm] [ss] [MS]"),
              "31 23 59 59 999");
}

TEST(DateTimeFormat, OnlyTheKindsPartsAreReplaced) {
    const std::string mask = "[Y]/[M]/[D]([W]) [h]:[m]:[s].[ms] [MS]";
    DateTime time = moment();
    time.setFormatMask(mask);

    time.setMaskKind(MASK::DATE);
    EXPECT_EQ(time.toString(), "2008/1/2(水) [h]:[m]:[s].[ms] [MS]");
    time.setMaskKind(MASK::TIME);
    EXPECT_EQ(time.toString(), "[Y]/[M]/[D]([W]) 9:5:3.7 007");
    time.setMaskKind(MASK::NONE);
    EXPECT_EQ(time.toString(), mask);
    EXPECT_EQ(MASK::DATE | MASK::TIME, MASK::ALL);
    EXPECT_EQ(MASK::ALL & MASK::TIME, MASK::TIME);
}

TEST(DateTimeFormat, EveryOccurrenceIsReplacedAndOtherTextStays) {
    EXPECT_EQ(formatted(moment(), "[D][D]-[DD]"), "22-02");
    EXPECT_EQ(formatted(moment(), "[X] [y] [Y"), "[X] [y] [Y");
    EXPECT_EQ(formatted(moment(), "[[Y]] [] ]["), "[2008] [] ][");
    EXPECT_EQ(formatted(moment(), ""), "");
}

TEST(DateTimeFormat, ReplacedNamesAreNeverScannedAgain) {
    // An empty month name leaves "[" and "D]" side by side; they must not become "[D]".
    DateTime time = moment();
    DateTime::MonthNames empty{};
    time.setMonthNames(empty);
    EXPECT_EQ(formatted(time, "[[M]D]"), "[D]");
    DateTime::WeekNames closing{"]", "]", "]", "]", "]", "]", "]"};
    time.setWeekNames(closing);
    EXPECT_EQ(formatted(time, "[Y[W]"), "[Y]");
}

TEST(DateTimeFormat, NamesComeFromTheTablesAndValuesOutsideThemPrintTheirNumber) {
    DateTime time = moment();
    time.setMonthNames(DateTime::twoDigitMonthNames());
    time.setWeekNames({"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"});
    EXPECT_EQ(formatted(time, "[M] [W]"), "01 Wed");
    EXPECT_EQ(time.weekName(0), "Sun");
    EXPECT_EQ(time.weekName(6), "Sat");
    EXPECT_EQ(DateTime::plainMonthNames()[11], "12");
    EXPECT_EQ(DateTime::japaneseWeekNames()[6], "土");

    // The record constructor takes any record: a month of 13, 0 and a weekday of 9.
    EXPECT_EQ(formatted(DateTime(SystemTime{2008, 13, 9, 2, 0, 0, 0, 0}), "[M] [W]"), "13 9");
    EXPECT_EQ(formatted(DateTime(SystemTime{2008, 0, 7, 2, 0, 0, 0, 0}), "[M] [W]"), "0 7");
    EXPECT_EQ(formatted(DateTime(SystemTime{2008, 12, 6, 2, 0, 0, 0, 0}), "[M] [W]"), "12 土");
}

TEST(DateTimeFormat, FormatWithOtherNamesLeavesTheValueAlone) {
    const DateTime time = moment();
    EXPECT_EQ(time.format(MASK::DATE, DateTime::twoDigitMonthNames(), DateTime::japaneseWeekNames(),
                          "[M]/[DD] [h]"),
              "01/02 [h]");
    EXPECT_EQ(time.toString(), "2008/1/2(水) 9:5:3.7");
}

TEST(DateTimeDayOfWeek, FollowsTheCalendarAcrossCenturiesAndLeapYears) {
    EXPECT_EQ(moment().dayOfWeek(), 3);                          // Wednesday
    EXPECT_EQ(DateTime(2000, 3, 1, 0, 0, 0, 0).dayOfWeek(), 3);  // Wednesday
    EXPECT_EQ(DateTime(1900, 3, 1, 0, 0, 0, 0).dayOfWeek(), 4);  // Thursday
    EXPECT_EQ(DateTime(2000, 2, 29, 0, 0, 0, 0).dayOfWeek(), 2); // Tuesday
    EXPECT_EQ(DateTime(1, 1, 1, 0, 0, 0, 0).dayOfWeek(), 1);     // Monday
    // January of year 0 counts from year -1: the divisions must round down.
    EXPECT_EQ(DateTime(0, 1, 1, 0, 0, 0, 0).dayOfWeek(), 6); // Saturday
    EXPECT_EQ(DateTime(9999, 12, 31, 0, 0, 0, 0).dayOfWeek(), 5);

    // Out-of-range parts still give a weekday 0 to 6.
    EXPECT_LT(DateTime(2008, 0, 0, 0, 0, 0, 0).dayOfWeek(), 7);
    EXPECT_LT(DateTime(65535, 65535, 65535, 0, 0, 0, 0).dayOfWeek(), 7);
}

TEST(DateTimeDayOfWeek, ChangingTheDateRecomputesIt) {
    DateTime time(2000, 3, 1, 0, 0, 0, 0);
    time.setYear(1900);
    EXPECT_EQ(time.dayOfWeek(), 4);
    time.setMonth(4);
    EXPECT_EQ(time.dayOfWeek(), 0); // 1 April 1900
    time.setDay(2);
    EXPECT_EQ(time.dayOfWeek(), 1);
    time.setHour(23); // the time leaves it alone
    EXPECT_EQ(time.dayOfWeek(), 1);

    DateTime record(SystemTime{2008, 1, 5, 2, 0, 0, 0, 0});
    EXPECT_EQ(record.dayOfWeek(), 5); // copied without a check
    record.updateDayOfWeek();
    EXPECT_EQ(record.dayOfWeek(), 3);
}

TEST(DateTimeDayOfWeek, AgreesWithTheTimeValueCalendarDayByDay) {
    // Every day from 1800 to 2200, then every 97th day from year 0 to 9999: both ways of
    // finding the weekday and the calendar round trip must agree.
    auto check = [](std::int64_t days) {
        const SystemTime split = fromTimeValue(days * day);
        const DateTime computed(split.wYear, split.wMonth, split.wDay, 0, 0, 0, 0);
        ASSERT_EQ(computed.dayOfWeek(), split.wDayOfWeek) << days;
        ASSERT_EQ(toTimeValue(split), days * day) << days;
    };
    for (std::int64_t days = -62'091; days < 84'006; ++days) {
        check(days);
    }
    for (std::int64_t days = -719'528; days < 2'932'897; days += 97) {
        check(days);
    }
}

TEST(DateTimeTimeValue, SplitsMillisecondsIntoLocalCalendarParts) {
    EXPECT_EQ(DateTime(moment2008), moment());
    EXPECT_EQ(DateTime(std::int64_t{0}).toString(), "1970/1/1(木) 0:0:0.0");
    EXPECT_EQ(DateTime(std::int64_t{-1}).toString(), "1969/12/31(水) 23:59:59.999");
    EXPECT_EQ(DateTime(std::int64_t{951'868'799'999}).toString(), "2000/2/29(火) 23:59:59.999");
    EXPECT_EQ(DateTime(std::int64_t{-2'203'891'200'000}).toString(), "1900/3/1(木) 0:0:0.0");
    EXPECT_EQ(DateTime(std::int64_t{-62'135'596'800'000}).toString(), "1/1/1(月) 0:0:0.0");
    EXPECT_EQ(DateTime(std::int64_t{253'402'300'799'999}).toString(),
              "9999/12/31(金) 23:59:59.999");
    EXPECT_EQ(toTimeValue(moment().systemTime()), moment2008);
}

TEST(DateTimeTimeValue, YearsThatDoNotFitTheRecordAreRefused) {
    const std::int64_t firstOfYear0 = -62'167'219'200'000;
    EXPECT_EQ(DateTime(firstOfYear0).toString(), "0/1/1(土) 0:0:0.0");
    const std::int64_t lastOfYear65535 = toTimeValue({65535, 12, 0, 31, 23, 59, 59, 999});
    EXPECT_EQ(DateTime(lastOfYear65535).year(), 65535);
    for (const std::int64_t outside : {firstOfYear0 - 1, lastOfYear65535 + 1}) {
        try {
            ThrowableTime time(outside);
            ADD_FAILURE() << "accepted " << time.toString();
        } catch (const DateTimeException& refused) {
            EXPECT_EQ(refused.Code(), CODE::DATE);
        }
    }
    EXPECT_THROW(DateTime(INT64_MIN), DateTimeException);
    EXPECT_THROW(DateTime(INT64_MAX), DateTimeException);
}

TEST(DateTimeNow, IsTheLocalTimeOfThePlatform) {
    const auto utc = std::chrono::duration_cast<std::chrono::milliseconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    const std::int64_t before = currentTimeValue();
    const DateTime now;
    const std::int64_t after = currentTimeValue();

    const std::int64_t value = toTimeValue(now.systemTime());
    EXPECT_LE(before, value);
    EXPECT_LE(value, after);
    // Zone offsets stay within a day of UTC.
    EXPECT_LT(before > utc ? before - utc : utc - before, day);
    EXPECT_EQ(now.dayOfWeek(), fromTimeValue(value).wDayOfWeek);
    EXPECT_EQ(now.maskKind(), MASK::ALL);
    EXPECT_EQ(now.formatMask(), DateTime::DefaultMask);
}

struct RangeCase {
    const char* name;
    std::function<void(DateTime&)> write;
    std::string message;
    CODE code;
};

TEST(DateTimeRange, RefusedWritesRaiseTheirTextAndCodeAndChangeNothing) {
    const std::vector<RangeCase> cases{
        {"month 13", [](DateTime& t) { t.setMonth(13); }, "月の値が不正(13)", CODE::DATE_MONTH},
        {"month 0", [](DateTime& t) { t.setMonth(0); }, "月の値が不正(0)", CODE::DATE_MONTH},
        {"month -1", [](DateTime& t) { t.setMonth(-1); }, "月の値が不正(-1)", CODE::DATE_MONTH},
        {"day 32", [](DateTime& t) { t.setDay(32); }, "日の値が不正(32)", CODE::DATE_DAY},
        {"day 0", [](DateTime& t) { t.setDay(0); }, "日の値が不正(0)", CODE::DATE_DAY},
        {"hour 24", [](DateTime& t) { t.setHour(24); }, "時間の値が不正(24)", CODE::DATE_HOUR},
        {"hour -1", [](DateTime& t) { t.setHour(-1); }, "時間の値が不正(-1)", CODE::DATE_HOUR},
        {"minute 60", [](DateTime& t) { t.setMinute(60); }, "分の値が不正(60)", CODE::DATE_MINUTE},
        {"second 60", [](DateTime& t) { t.setSecond(60); }, "秒の値が不正(60)", CODE::DATE_SECOND},
        {"second 70000", [](DateTime& t) { t.setSecond(70000); }, "秒の値が不正(70000)",
         CODE::DATE_SECOND},
        {"weekday 7", [](DateTime& t) { (void)t.weekName(7); }, "週の値が不正(7)",
         CODE::DATE_WEEK_NAME},
        {"weekday -1", [](DateTime& t) { (void)t.weekName(-1); }, "週の値が不正(-1)",
         CODE::DATE_WEEK_NAME},
        {"month name",
         [](DateTime& t) {
             DateTime::MonthNames names = DateTime::twoDigitMonthNames();
             names[11] = "Dec[";
             t.setMonthNames(names);
         },
         "不正", CODE::DATE_MONTH_LIST},
        {"weekday name",
         [](DateTime& t) {
             DateTime::WeekNames names = DateTime::japaneseWeekNames();
             names[0] = "[W]";
             t.setWeekNames(names);
         },
         "不正", CODE::DATE_WEEKLIST},
    };
    for (const RangeCase& rangeCase : cases) {
        SCOPED_TRACE(rangeCase.name);
        DateTime time = moment();
        try {
            rangeCase.write(time);
            ADD_FAILURE() << "accepted";
        } catch (const DateTimeException& refused) {
            EXPECT_EQ(refused.message(), rangeCase.message);
            EXPECT_EQ(refused.Code(), rangeCase.code);
        }
        EXPECT_EQ(time.systemTime(), moment().systemTime());
        EXPECT_EQ(time.monthNames(), DateTime::plainMonthNames());
        EXPECT_EQ(time.weekNames(), DateTime::japaneseWeekNames());
    }
}

TEST(DateTimeRange, BoundariesAreAccepted) {
    DateTime time = moment();
    time.setMonth(12);
    time.setMonth(1);
    time.setMonth(2);
    time.setDay(31); // the day is not checked against the month
    time.setHour(0);
    time.setHour(23);
    time.setMinute(59);
    time.setSecond(59);
    time.setMilliseconds(65535); // unchecked
    time.setYear(65535);
    EXPECT_EQ(time.systemTime(), (SystemTime{65535, 2, time.dayOfWeek(), 31, 23, 59, 59, 65535}));
    EXPECT_EQ(formatted(time, "[M]/[D] [h]:[m]:[s].[ms]"), "2/31 23:59:59.65535");
}

TEST(DateTimeEquality, ComparesKindAndRecordButNotNamesOrMask) {
    DateTime renamed = moment();
    renamed.setFormatMask("[Y]");
    renamed.setMonthNames(DateTime::twoDigitMonthNames());
    EXPECT_TRUE(renamed == moment());
    EXPECT_TRUE(ThrowableTime(moment2008) == moment());

    DateTime dateOnly = moment();
    dateOnly.setMaskKind(MASK::DATE);
    EXPECT_FALSE(dateOnly == moment());
    DateTime later = moment();
    later.setMilliseconds(8);
    EXPECT_FALSE(later == moment());
    EXPECT_FALSE(DateTime(SystemTime{2008, 1, 5, 2, 9, 5, 3, 7}) == moment()); // weekday differs
}

} // namespace
} // namespace tavrin::system
