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
  int weekday, normalDay, normalMonth, week; // week: ISO 8601
};

// Around month, year and range ends, including the grid's first cells (late
// December 1969) and last ones (early January 2038), and the first and last
// days of years of 53 weeks and of weeks that belong to the next year.
const DateCase DateCases[] = {
    {1969, 12, 31, 3, 31, 12, 1},  {2024, 1, 1, 1, 1, 1, 1},      {2023, 10, 1, 7, 1, 10, 39},
    {2024, 3, 0, 4, 29, 2, 9},     {2023, 3, 0, 2, 28, 2, 9},     {2024, 1, -1, 6, 30, 12, 52},
    {2024, 4, 31, 3, 1, 5, 18},    {2037, 12, 42, 1, 11, 1, 2},   {2037, 12, 41, 7, 10, 1, 1},
    {1970, 1, 1, 4, 1, 1, 1},      {1970, 1, -2, 1, 29, 12, 1},   {2000, 2, 30, 3, 1, 3, 9},
    {1900, 2, 29, 4, 1, 3, 9},     {2038, 1, 19, 2, 19, 1, 3},    {2024, 12, 32, 3, 1, 1, 1},
    {2004, 12, 31, 5, 31, 12, 53}, {2005, 1, 2, 7, 2, 1, 53},     {2021, 1, 3, 7, 3, 1, 53},
    {2021, 1, 4, 1, 4, 1, 1},      {2026, 12, 28, 1, 28, 12, 53}, {2027, 1, 4, 1, 4, 1, 1},
    {2008, 12, 29, 1, 29, 12, 1},  {2023, 1, 1, 7, 1, 1, 52},     {1601, 1, 1, 1, 1, 1, 1},
    {1600, 12, 31, 7, 31, 12, 52}, {9999, 12, 31, 5, 31, 12, 52}, {2024, 7, 1, 1, 1, 7, 27},
};

// Registered a second time with TZ=JST-9: under Wine the runtime's clock
// then fails on the first second of 1970, which the grid still shows right.
TEST(CalendarDate, WeekdaysWeeksAndNormalisationAroundMonthYearAndRangeEnds) {
#ifdef _WIN32
  const char *zone = getenv("TZ");
  struct tm first = TimeRecord(1970, 1, 1, 0, 0, 1);
  first.tm_isdst = -1;
  if (zone && strcmp(zone, "JST-9") == 0) {
    EXPECT_EQ((time_t)-1, mktime(&first)) << "this run meets the clock's limit";
  }
#endif
  for (const DateCase &c : DateCases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day);
    EXPECT_EQ(c.weekday, WeekdayOfDate(c.year, c.month, c.day)) << "weekday, Monday 1";
    EXPECT_EQ(c.normalDay, NormalizedDay(c.year, c.month, c.day)) << "day of the month";
    EXPECT_EQ(c.normalMonth, NormalizedMonth(c.year, c.month, c.day)) << "month";
    EXPECT_EQ(c.week, IsoWeekOfDate(c.year, c.month, c.day)) << "ISO week";
  }
  const int days[][3] = {{2024, 2, 29}, {2023, 2, 28}, {1900, 2, 28},  {2000, 2, 29},
                         {1601, 1, 31}, {2024, 4, 30}, {9999, 12, 31}, {1700, 2, 28}};
  for (const auto &d : days)
    EXPECT_EQ(d[2], DaysInMonth(d[0], d[1])) << d[0] << "-" << d[1];
}

// Every date the grid can show, through the platform's own conversion:
// identical wherever that succeeds, in whatever zone the test runs (a run
// east of UTC is registered too, where mktime fails on 1 January 1970).
TEST(CalendarDate, SameAsTheClockWhereverTheClockConverts) {
  int converted = 0;
  for (int day = -10; day <= 24847; day++) {
    struct tm record = TimeRecord(1970, 1, day, 0, 0, 1);
    record.tm_isdst = -1;
    if (mktime(&record) == (time_t)-1)
      continue;
    converted++;
    ASSERT_EQ(record.tm_wday == 0 ? 7 : record.tm_wday, WeekdayOfDate(1970, 1, day)) << day;
    ASSERT_EQ(record.tm_mday, NormalizedDay(1970, 1, day)) << "day " << day;
    ASSERT_EQ(record.tm_mon + 1, NormalizedMonth(1970, 1, day)) << "day " << day;
  }
  EXPECT_GT(converted, 24000) << "the clock converts most of the range";
}

// The time of day stays; the weekday, the day of the year and the daylight
// flag are the date's (the clock's flag where it converts).
TEST(CalendarDate, ARecordSetToADateCarriesItsWeekdayDayOfTheYearAndFlag) {
  struct tm record = TimeRecord(2000, 1, 1, 14, 5, 9);
  record.tm_isdst = 7;
  SetRecordDate(&record, 1970, 1, -1);
  EXPECT_EQ("1969-12-30 14:05:09, weekday 2, day 363 of the year", RecordText(record));
  EXPECT_TRUE(record.tm_isdst == 0 || record.tm_isdst == 1) << "a flag, not what was there";
  SetRecordDate(&record, 2024, 12, 31);
  EXPECT_EQ("2024-12-31 14:05:09, weekday 2, day 365 of the year", RecordText(record));
  for (int month = 1; month <= 12; month++) {
    SetRecordDate(&record, 2024, month, 15);
    struct tm probe = record;
    probe.tm_isdst = -1;
    ASSERT_NE((time_t)-1, mktime(&probe));
    EXPECT_EQ(probe.tm_isdst, record.tm_isdst) << "15 of month " << month << " 2024";
  }
}

} // namespace
