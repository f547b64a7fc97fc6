// The local time and offset of now agree with the runtime's own reading of
// the clock, and those of given moments with the system's own conversions,
// on the subset and under Wine alike.
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <gtest/gtest.h>

#include <string>

#include "datetext/civil_date.h"
#include "datetext/local_time.h"
#include "datetext/time_zones.h"
#ifndef _WIN32
#include "datetext/zone_scope.h"
#endif

static long long MinutesOf(const struct tm &t) {
  return (DaysFromCivil(t.tm_year + 1900LL, t.tm_mon + 1LL, t.tm_mday) * 24 + t.tm_hour) * 60 +
         t.tm_min;
}

// Taken twice around the runtime's reading, so that a minute turning over
// in between is retried rather than failed.
TEST(LocalTime, NowAgreesWithTheRuntimesLocaltime) {
  for (int attempt = 0; attempt < 3; attempt++) {
    struct tm ours, utc;
    memset(&ours, 0x55, sizeof ours);
    ReadLocalTime(&ours);
    ReadUtcTime(&utc);
    time_t now = time(NULL);
    struct tm runtime = *localtime(&now);
    struct tm runtimeUtc = *gmtime(&now);
    struct tm again;
    ReadLocalTime(&again);
    if (MinutesOf(ours) != MinutesOf(again))
      continue;
    EXPECT_EQ(MinutesOf(runtime), MinutesOf(ours)) << "the same local minute";
    EXPECT_EQ(MinutesOf(runtimeUtc), MinutesOf(utc)) << "the same UTC minute";
    EXPECT_EQ(runtime.tm_wday, ours.tm_wday) << "weekday";
    EXPECT_EQ(runtime.tm_yday, ours.tm_yday) << "day of the year";
    EXPECT_EQ(runtime.tm_isdst > 0, ours.tm_isdst) << "daylight flag";
    EXPECT_EQ(runtimeUtc.tm_wday, utc.tm_wday) << "UTC weekday";

    int offset = -1, daylight = -1;
    EXPECT_EQ(1, ReadLocalOffset(&ours, &offset, &daylight));
    EXPECT_EQ(MinutesOf(runtime) - MinutesOf(runtimeUtc), offset) << "offset of now from UTC";
    EXPECT_EQ(ours.tm_isdst, daylight);
    return;
  }
  FAIL() << "the minute kept turning over";
}

static std::string Text(int year, int month, int day, int hour, int minute) {
  char text[32];
  snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d", year, month, day, hour, minute);
  return text;
}

static std::string Text(const SYSTEMTIME &t) {
  return Text(t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute);
}

static std::string Text(const struct tm &t) {
  return Text(t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min);
}

// Every half hour of this year, through its changes to and from daylight
// saving: the local zone's offset, both ways, as the system's own
// conversions give it. Natively in zones north and south set here; under
// Wine in the process's zone, which ctest sets to such zones in turn.
static void CheckThisYearAgainstTheSystem(const char *zone) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  const long long start = DaysFromCivil(today.wYear, 1, 1) * 86400;
  const long long end = DaysFromCivil(today.wYear + 1, 1, 1) * 86400;
  int disagreements = 0;
  for (long long moment = start; moment < end && disagreements < 5; moment += 1800) {
    struct tm record, utc, wall;
    RecordOfSeconds(moment, &record);
    SYSTEMTIME given = {
        (WORD)(record.tm_year + 1900), (WORD)(record.tm_mon + 1), 0, (WORD)record.tm_mday,
        (WORD)record.tm_hour,          (WORD)record.tm_min,       0, 0};
    SYSTEMTIME system;
    ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(NULL, &given, &system));
    ASSERT_EQ(1, LocalToUtc(&record, &utc));
    disagreements += Text(system) != Text(utc);
    EXPECT_EQ(Text(system), Text(utc)) << "UTC of the local " << Text(record) << ", " << zone;

    ASSERT_TRUE(SystemTimeToTzSpecificLocalTime(NULL, &given, &system));
    int offset;
    ASSERT_EQ(1, ZoneTimeFromUtc(&LocalTimeZone, &record, &wall, &offset));
    disagreements += Text(system) != Text(wall);
    EXPECT_EQ(Text(system), Text(wall)) << "local time of " << Text(record) << " UTC, " << zone;
  }
}

TEST(LocalTime, GivenMomentsAgreeWithTheSystemsOwnConversions) {
#ifdef _WIN32
  const char *zone = getenv("TZ");
  CheckThisYearAgainstTheSystem(zone ? zone : "the process's zone");
#else
  for (const char *zone : {"EST5EDT,M3.2.0,M11.1.0", "ACST-9:30ACDT,M10.1.0,M4.1.0/3", "JST-9"}) {
    ZoneScope scope(zone);
    CheckThisYearAgainstTheSystem(zone);
  }
#endif
}
