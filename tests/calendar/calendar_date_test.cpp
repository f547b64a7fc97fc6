#include <gtest/gtest.h>

#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <windows.h>

#include "calendar/calendar_date.h"
#include "datetext/time_record.h"

namespace {

struct DateCase {
  int year, month, day;
  int weekday, normalDay, normalMonth;
};

// Around month, year and range ends, including the grid's first cells
// (late December 1969) and last ones (early January 2038); 1 January 1970
// is a Thursday, day 1 in cell 4.
const DateCase DateCases[] = {
    {1969, 12, 31, 3, 31, 12}, {2024, 1, 1, 1, 1, 1},    {2023, 10, 1, 7, 1, 10},
    {2024, 3, 0, 4, 29, 2},    {2023, 3, 0, 2, 28, 2},   {2024, 1, -1, 6, 30, 12},
    {2024, 4, 31, 3, 1, 5},    {2037, 12, 42, 1, 11, 1}, {2037, 12, 41, 7, 10, 1},
    {2037, 12, 31, 4, 31, 12}, {1970, 1, 1, 4, 1, 1},    {1970, 1, 0, 3, 31, 12},
    {1970, 1, -2, 1, 29, 12},  {2000, 2, 29, 2, 29, 2},  {2000, 2, 30, 3, 1, 3},
    {1900, 2, 29, 4, 1, 3},    {2038, 1, 19, 2, 19, 1},  {2024, 12, 32, 3, 1, 1},
    {2024, 2, 29, 4, 29, 2},
};

// For the platform's clock to convert: day 1 is 1 January 1970.
struct tm FirstSecondOf1970Day(int day) {
  struct tm record;
  memset(&record, 0, sizeof record);
  record.tm_year = 70;
  record.tm_mday = day;
  record.tm_sec = 1;
  record.tm_isdst = -1;
  return record;
}

// Registered a second time with TZ=JST-9: under Wine the runtime's clock
// then fails on the first second of 1970, which the grid still shows right.
TEST(CalendarDate, WeekdaysAndNormalisationAroundMonthYearAndRangeEnds) {
#ifdef _WIN32
  const char *zone = getenv("TZ");
  if (zone && strcmp(zone, "JST-9") == 0) {
    struct tm first = FirstSecondOf1970Day(1);
    EXPECT_EQ((time_t)-1, mktime(&first)) << "this run meets the clock's limit";
  }
#endif
  for (const DateCase &c : DateCases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(c.weekday, WeekdayOfDate(c.year, c.month, c.day)) << "weekday, Monday 1";
    EXPECT_EQ(c.normalDay, NormalizedDay(c.year, c.month, c.day)) << "day of the month";
    EXPECT_EQ(c.normalMonth, NormalizedMonth(c.year, c.month, c.day)) << "month";
  }
}

// Every date the grid can show, through the platform's own conversion:
// identical wherever that succeeds, in whatever zone the test runs (a run
// east of UTC is registered too, where mktime fails on 1 January 1970).
TEST(CalendarDate, SameAsTheClockWhereverTheClockConverts) {
  int converted = 0;
  for (int day = -10; day <= 24847; day++) {
    struct tm record = FirstSecondOf1970Day(day);
    if (mktime(&record) == (time_t)-1)
      continue;
    converted++;
    ASSERT_EQ(record.tm_wday == 0 ? 7 : record.tm_wday, WeekdayOfDate(1970, 1, day))
        << "day " << day << " of 1970";
    ASSERT_EQ(record.tm_mday, NormalizedDay(1970, 1, day)) << "day " << day;
    ASSERT_EQ(record.tm_mon + 1, NormalizedMonth(1970, 1, day)) << "day " << day;
  }
  EXPECT_GT(converted, 24000) << "the clock converts most of the range";
}

TEST(CalendarDate, ARecordSetToADateCarriesItsWeekdayAndDayOfTheYear) {
  struct tm record;
  memset(&record, 0, sizeof record);
  record.tm_hour = 14;
  record.tm_min = 5;
  record.tm_sec = 9;
  record.tm_isdst = 7; // whatever was there before
  SetRecordDate(&record, 1970, 1, -1);
  EXPECT_EQ("1969-12-30 14:05:09, weekday 2, day 363 of the year", RecordText(record))
      << "a Tuesday; the time of day stays";
  EXPECT_TRUE(record.tm_isdst == 0 || record.tm_isdst == 1) << "a flag, not what was there";

  SetRecordDate(&record, 2024, 12, 31);
  EXPECT_EQ("2024-12-31 14:05:09, weekday 2, day 365 of the year", RecordText(record))
      << "the last day of a leap year";
}

struct WeekCase {
  int year, month, day;
  int week;
};

// Years of 53 weeks (2004, 2009, 2015, 2020, 2026) and first and last days
// that belong to the week of the year next to them, with the calendar's
// first and last days.
TEST(CalendarDate, IsoWeeksIncludingFiftyThreeWeekYears) {
  const WeekCase cases[] = {
      {2004, 12, 31, 53}, {2005, 1, 2, 53},   {2009, 12, 31, 53}, {2010, 1, 3, 53},
      {2015, 12, 31, 53}, {2016, 1, 3, 53},   {2020, 12, 31, 53}, {2021, 1, 3, 53},
      {2021, 1, 4, 1},    {2026, 12, 28, 53}, {2027, 1, 3, 53},   {2027, 1, 4, 1},
      {2024, 12, 30, 1},  {2008, 12, 29, 1},  {2023, 1, 1, 52},   {2023, 1, 2, 1},
      {1970, 1, 1, 1},    {1601, 1, 1, 1},    {1600, 12, 31, 52}, {9999, 12, 31, 52},
      {2024, 6, 30, 26},  {2024, 7, 1, 27},
  };
  for (const WeekCase &c : cases)
    EXPECT_EQ(c.week, IsoWeekOfDate(c.year, c.month, c.day))
        << c.year << "-" << c.month << "-" << c.day;
}

TEST(CalendarDate, DaysInMonthAcrossLeapRules) {
  const struct {
    int year, month, days;
  } cases[] = {{2024, 2, 29}, {2023, 2, 28}, {1900, 2, 28},  {2000, 2, 29},
               {1601, 1, 31}, {2024, 4, 30}, {9999, 12, 31}, {1700, 2, 28}};
  for (const auto &c : cases)
    EXPECT_EQ(c.days, DaysInMonth(c.year, c.month)) << c.year << "-" << c.month;
}

TEST(CalendarDate, TheDaylightFlagIsTheClocksWhereItConverts) {
  for (int month = 1; month <= 12; month++) {
    struct tm record;
    memset(&record, 0, sizeof record);
    record.tm_hour = 12;
    SetRecordDate(&record, 2024, month, 15);
    struct tm probe = record;
    probe.tm_isdst = -1;
    ASSERT_NE((time_t)-1, mktime(&probe));
    EXPECT_EQ(probe.tm_isdst, record.tm_isdst) << "15 of month " << month << " 2024";
  }
}

TEST(CalendarDate, ReadingTheLocalDateLeavesWeekdayDayOfYearAndFlagAlone) {
  SYSTEMTIME before, after;
  GetLocalTime(&before);
  struct tm record;
  memset(&record, 0x5A, sizeof record);
  EXPECT_EQ(0, ReadLocalDate(&record));
  GetLocalTime(&after);
  EXPECT_TRUE(record.tm_year + 1900 == before.wYear || record.tm_year + 1900 == after.wYear);
  EXPECT_TRUE(record.tm_mday == before.wDay || record.tm_mday == after.wDay) << "today";
  EXPECT_EQ(0x5A5A5A5A, record.tm_wday) << "weekday untouched";
  EXPECT_EQ(0x5A5A5A5A, record.tm_yday) << "day of the year untouched";
  EXPECT_EQ(0x5A5A5A5A, record.tm_isdst) << "daylight flag untouched";
}

} // namespace
