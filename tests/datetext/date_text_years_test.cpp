// Expansions of records from the first to the last year of the calendar,
// below 1900 included, in local time and in UTC. Natively each zone is set
// through TZ in turn; under Wine the zone is the process's, so ctest runs
// this once per zone with TZ set, and the rows of that zone are checked.
#include <stdlib.h>
#include <string.h>

#include <memory>
#include <string>

#include <gtest/gtest.h>

#include "datetext/civil_date.h"
#include "datetext/date_text.h"
#include "datetext/time_record.h"
#ifndef _WIN32
#include "datetext/zone_scope.h"
#endif

namespace {

std::string Expand(const char *format, const struct tm &record) {
  char text[DATE_TEXT_SIZE];
  memset(text, '#', sizeof text);
  ExpandDateText(text, sizeof text, format, &record);
  return text;
}

struct tm FullRecord(int year, int month, int day, int hour, int minute) {
  struct tm record = TimeRecord(year, month, day, hour, minute, 0);
  record.tm_wday = WeekdayOfDays(DaysFromCivil(year, month, day));
  record.tm_yday = DayOfYear(year, month, day);
  return record;
}

// The runtime's conversions only: the whole format may go to it at once.
const char RuntimeFormat[] = "%Y-%m-%d %H:%M %a %A %b %B %j %U %W %y";
const char CenturyFormat[] = "%C %G-W%V %u %z";
const char UtcFormat[] = "!%F %R %a %j %C %G-W%V %z";

// %c and %x as the Windows runtime's C locale lays them out.
const char DateTimeLayout[] = "%m/%d/%y %H:%M:%S";

struct YearCase {
  const char *zone;
  int year, month, day, hour, minute;
  // utc empty: the moment lies beyond the calendar.
  const char *runtime, *century, *utc;
};

const YearCase YearCases[] = {
    {"UTC", 1601, 1, 1, 0, 30, "1601-01-01 00:30 Mon Monday Jan January 001 00 01 01",
     "16 1601-W01 1 +0000", "1601-01-01 00:30 Mon 001 16 1601-W01 +0000"},
    {"UTC", 1899, 12, 31, 23, 30, "1899-12-31 23:30 Sun Sunday Dec December 365 53 52 99",
     "18 1899-W52 7 +0000", "1899-12-31 23:30 Sun 365 18 1899-W52 +0000"},
    {"UTC", 1900, 1, 1, 0, 30, "1900-01-01 00:30 Mon Monday Jan January 001 00 01 00",
     "19 1900-W01 1 +0000", "1900-01-01 00:30 Mon 001 19 1900-W01 +0000"},
    {"UTC", 9999, 12, 31, 23, 30, "9999-12-31 23:30 Fri Friday Dec December 365 52 52 99",
     "99 9999-W52 5 +0000", "9999-12-31 23:30 Fri 365 99 9999-W52 +0000"},
    {"IST-5:30", 1601, 1, 1, 0, 30, "1601-01-01 00:30 Mon Monday Jan January 001 00 01 01",
     "16 1601-W01 1 +0530", ""},
    {"IST-5:30", 1899, 12, 31, 23, 30, "1899-12-31 23:30 Sun Sunday Dec December 365 53 52 99",
     "18 1899-W52 7 +0530", "1899-12-31 18:00 Sun 365 18 1899-W52 +0000"},
    {"IST-5:30", 1900, 1, 1, 0, 30, "1900-01-01 00:30 Mon Monday Jan January 001 00 01 00",
     "19 1900-W01 1 +0530", "1899-12-31 19:00 Sun 365 18 1899-W52 +0000"},
    {"IST-5:30", 9999, 12, 31, 23, 30, "9999-12-31 23:30 Fri Friday Dec December 365 52 52 99",
     "99 9999-W52 5 +0530", "9999-12-31 18:00 Fri 365 99 9999-W52 +0000"},
    {"EST5EDT", 1601, 1, 1, 0, 30, "1601-01-01 00:30 Mon Monday Jan January 001 00 01 01",
     "16 1601-W01 1 -0500", "1601-01-01 05:30 Mon 001 16 1601-W01 +0000"},
    {"EST5EDT", 1899, 12, 31, 23, 30, "1899-12-31 23:30 Sun Sunday Dec December 365 53 52 99",
     "18 1899-W52 7 -0500", "1900-01-01 04:30 Mon 001 19 1900-W01 +0000"},
    {"EST5EDT", 1900, 1, 1, 0, 30, "1900-01-01 00:30 Mon Monday Jan January 001 00 01 00",
     "19 1900-W01 1 -0500", "1900-01-01 05:30 Mon 001 19 1900-W01 +0000"},
    {"EST5EDT", 9999, 12, 31, 23, 30, "9999-12-31 23:30 Fri Friday Dec December 365 52 52 99",
     "99 9999-W52 5 -0500", ""},
};

// The zone of a row is the process's for the scope: set here natively,
// given by ctest under Wine (rows of other zones are not checked).
class RowZone {
public:
  explicit RowZone(const char *zone) {
#ifdef _WIN32
    const char *given = getenv("TZ");
    active_ = given && strcmp(given, zone) == 0;
#else
    scope_.reset(new ZoneScope(zone));
    active_ = true;
#endif
  }
  bool Active() const { return active_; }

private:
  bool active_ = false;
#ifndef _WIN32
  std::unique_ptr<ZoneScope> scope_;
#endif
};

TEST(DateTextYears, EveryYearOfTheCalendarInLocalTimeAndInUtc) {
  int checked = 0;
  for (const YearCase &c : YearCases) {
    RowZone zone(c.zone);
    if (!zone.Active())
      continue;
    checked++;
    struct tm record = FullRecord(c.year, c.month, c.day, c.hour, c.minute);
    SCOPED_TRACE(RecordText(record) + " in " + c.zone);
    EXPECT_EQ(c.runtime, Expand(RuntimeFormat, record)) << "the runtime's conversions";
    EXPECT_EQ(c.century, Expand(CenturyFormat, record)) << "century, ISO week and offset";
    EXPECT_EQ(c.utc, Expand(UtcFormat, record)) << "the true UTC moment, or nothing";
    EXPECT_EQ(Expand(DateTimeLayout, record), Expand("%c", record)) << "%c with the true year";
    EXPECT_EQ(Expand("%m/%d/%y", record), Expand("%x", record)) << "%x with the true year";
  }
  if (!checked)
    GTEST_SKIP() << "no row for this process's zone";
}

TEST(DateTextYears, BeyondTheCalendarRecordsAreHeldAtItsEnds) {
  struct tm early = FullRecord(1601, 1, 1, 0, 0);
  early.tm_year = -1000;
  struct tm late = FullRecord(9999, 12, 31, 0, 0);
  late.tm_year = 20000;
  EXPECT_EQ("1601 Mon", Expand("%Y %a", early)) << "the first year, never one the runtime refuses";
  EXPECT_EQ("9999 Fri", Expand("%Y %a", late)) << "the last year";
}

} // namespace
