// Calendar steps of a format's offsets: the day cut to the month's length,
// leap days, year ends and the ends of the calendar's years.
#include <stdint.h>
#include <stdio.h>

#include <string>

#include <gtest/gtest.h>

#include "datetext/date_offset.h"
#include "datetext/local_time.h"
#include "datetext/time_record.h"

struct StepCase {
  const char *date; // "YYYY-MM-DD"
  long long months, days;
  const char *expected; // as RecordText gives it, or "out"
};

TEST(DateOffset, CalendarStepsKeepTheDayCutToTheMonth) {
  const StepCase cases[] = {
      {"2026-01-31", 1, 0, "2026-02-28 13:45:07, weekday 6, day 58 of the year"},
      {"2028-01-31", 1, 0, "2028-02-29 13:45:07, weekday 2, day 59 of the year"},
      {"2028-02-29", 12, 0, "2029-02-28 13:45:07, weekday 3, day 58 of the year"},
      {"2028-02-29", 48, 0, "2032-02-29 13:45:07, weekday 0, day 59 of the year"},
      {"2026-03-31", -1, 0, "2026-02-28 13:45:07, weekday 6, day 58 of the year"},
      {"2026-01-31", 1, -1, "2026-02-27 13:45:07, weekday 5, day 57 of the year"},
      {"2026-05-31", 1, 0, "2026-06-30 13:45:07, weekday 2, day 180 of the year"},
      {"2026-12-31", 0, 1, "2027-01-01 13:45:07, weekday 5, day 0 of the year"},
      {"2027-01-01", 0, -1, "2026-12-31 13:45:07, weekday 4, day 364 of the year"},
      {"2026-12-07", 0, 14, "2026-12-21 13:45:07, weekday 1, day 354 of the year"},
      {"2026-11-15", 2, 0, "2027-01-15 13:45:07, weekday 5, day 14 of the year"},
      {"2026-12-07", -12 * 425, 0, "1601-12-07 13:45:07, weekday 5, day 340 of the year"},
      {"1601-01-01", 0, 0, "1601-01-01 13:45:07, weekday 1, day 0 of the year"},
      {"1601-01-01", 0, -1, "out"},
      {"1601-01-31", -1, 0, "out"},
      {"9999-12-31", 0, 0, "9999-12-31 13:45:07, weekday 5, day 364 of the year"},
      {"9999-12-31", 0, 1, "out"},
      {"9999-12-15", 1, 0, "out"},
      {"9999-01-31", 11, 0, "9999-12-31 13:45:07, weekday 5, day 364 of the year"},
      {"2026-12-07", 4000000, 0, "out"},
      {"2026-12-07", -4000000, 0, "out"},
      {"2026-12-07", 0, 4000000, "out"},
      {"2026-12-07", 0, -4000000, "out"},
      {"2026-12-07", INT64_MAX, INT64_MIN, "out"},
      {"2026-12-07", INT64_MIN, 0, "out"},
      // Only the day reached must lie in the years, not a step on the way.
      {"9999-12-31", 12, -366, "9999-12-31 13:45:07, weekday 5, day 364 of the year"},
      {"1601-01-01", -12, 366, "1601-01-01 13:45:07, weekday 1, day 0 of the year"},
      {"1601-01-01", -12, 365, "out"},
  };
  for (const StepCase &c : cases) {
    int year, month, day;
    ASSERT_EQ(3, sscanf(c.date, "%d-%d-%d", &year, &month, &day)) << c.date;
    struct tm record = TimeRecord(year, month, day, 13, 45, 7);
    struct tm before = record;
    // In UTC, so that no daylight saving moves the time of day.
    BlockPlace place = {1, {ZONE_FIXED, 0, 0}, {c.months, c.days, 0, 0}};
    int minutes;
    int stepped = PlaceMoment(&place, &before, SecondsOfRecord(&before), &record, &minutes);
    std::string expected = c.expected;
    EXPECT_EQ(expected != "out", stepped) << c.date << " " << c.months << "mo " << c.days << "d";
    EXPECT_EQ(expected == "out" ? RecordText(before) : expected, RecordText(record))
        << c.date << " " << c.months << "mo " << c.days << "d";
  }
}
