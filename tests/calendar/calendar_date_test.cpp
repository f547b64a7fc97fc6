#include <gtest/gtest.h>

#include <time.h>

#include "calendar/calendar_date.h"
#include "datetext/time_record.h"

namespace {

// The grid's whole range goes through the platform's clock below; these
// are the dates it cannot check: the first second of 1970 east of UTC (the
// test runs a second time with TZ=JST-9, where the runtime's clock fails on
// it), years outside the clock's, and ISO weeks at the turn of the year.
TEST(CalendarDate, WeekdaysWeeksAndNormalisationWhereTheClockCannotTell) {
  const int cases[][7] = {
      // year, month, day; weekday (Monday 1), day and month denoted, ISO week
      {1969, 12, 31, 3, 31, 12, 1},  {1970, 1, 1, 4, 1, 1, 1},      {1970, 1, -2, 1, 29, 12, 1},
      {1900, 2, 29, 4, 1, 3, 9},     {2000, 2, 30, 3, 1, 3, 9},     {1601, 1, 1, 1, 1, 1, 1},
      {1600, 12, 31, 7, 31, 12, 52}, {9999, 12, 31, 5, 31, 12, 52}, {2004, 12, 31, 5, 31, 12, 53},
      {2005, 1, 2, 7, 2, 1, 53},     {2008, 12, 29, 1, 29, 12, 1},  {2023, 1, 1, 7, 1, 1, 52},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(testing::Message() << c[0] << "-" << c[1] << "-" << c[2]);
    EXPECT_EQ(c[3], WeekdayOfDate(c[0], c[1], c[2])) << "weekday";
    EXPECT_EQ(c[4], NormalizedDay(c[0], c[1], c[2])) << "day of the month";
    EXPECT_EQ(c[5], NormalizedMonth(c[0], c[1], c[2])) << "month";
    EXPECT_EQ(c[6], IsoWeekOfDate(c[0], c[1], c[2])) << "ISO week";
  }
}

// Every date the grid can show, through the platform's own conversion:
// identical wherever that succeeds, in whatever zone the test runs.
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

// A delivered date's weekday and day of the year are checked with the
// delivery; its daylight flag is the clock's at that moment.
TEST(CalendarDate, ARecordSetToADateCarriesItsDaylightFlag) {
  for (int month = 1; month <= 12; month++) {
    struct tm record = TimeRecord(2000, 1, 1, 14, 5, 9);
    record.tm_isdst = 7;
    SetRecordDate(&record, 2024, month, 15);
    struct tm probe = record;
    probe.tm_isdst = -1;
    ASSERT_NE((time_t)-1, mktime(&probe));
    EXPECT_EQ(probe.tm_isdst, record.tm_isdst) << "15 of month " << month << " 2024";
  }
}

} // namespace
