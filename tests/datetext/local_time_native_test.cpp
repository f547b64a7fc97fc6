// The local time and the zone's offsets against glibc's, zone by zone set
// through TZ, and with the subset's clock set past 2038.
#include <gtest/gtest.h>

#include "datetext/local_time.h"
#include "datetext/zone_scope.h"
#include "winsubset_control.h"

class LocalTimeTest : public ::testing::Test {
protected:
  void TearDown() override { WinSubset_Reset(); }
};

// West, east, half and three-quarter hours, with and without daylight
// saving, north and south: as rules that hold in every year, as the
// system's zone does on Windows.
static const char *const Zones[] = {
    "UTC0",
    "EST5EDT,M3.2.0,M11.1.0",
    "PST8PDT,M3.2.0,M11.1.0",
    "CET-1CEST,M3.5.0,M10.5.0/3",
    "JST-9",
    "IST-5:30",
    "ACST-9:30ACDT,M10.1.0,M4.1.0/3",
    "NST3:30NDT,M3.2.0,M11.1.0",
    "<+0545>-5:45",
    "NZST-12NZDT,M9.5.0,M4.1.0/3",
};

struct Civil {
  int year, month, day, hour, minute, second;
};

// Leap days, year ends, summer and winter on either side of the equator,
// 1970, the last second of 32-bit time and beyond it.
static const Civil Dates[] = {
    {1970, 1, 1, 0, 0, 0},     {1999, 12, 31, 23, 59, 59}, {2000, 2, 29, 12, 0, 0},
    {2024, 2, 29, 14, 5, 9},   {2024, 7, 1, 8, 30, 0},     {2026, 12, 7, 10, 6, 0},
    {2037, 12, 31, 23, 0, 0},  {2038, 1, 19, 3, 14, 8},    {2038, 7, 4, 12, 0, 0},
    {2100, 2, 28, 23, 59, 59}, {2400, 2, 29, 6, 0, 0},
};

static struct tm Record(const Civil &c) {
  return TimeRecord(c.year, c.month, c.day, c.hour, c.minute, c.second);
}

TEST_F(LocalTimeTest, OffsetAndDaylightAgreeWithGlibcInEveryZone) {
  for (const char *zone : Zones) {
    ZoneScope scope(zone);
    for (const Civil &c : Dates) {
      struct tm expected = GlibcLocal(c.year, c.month, c.day, c.hour, c.minute, c.second);
      SCOPED_TRACE(testing::Message() << zone << ", " << RecordText(expected));
      struct tm local = Record(c);
      int offset = -1, daylight = -1;
      EXPECT_EQ(1, ReadLocalOffset(&local, &offset, &daylight));
      EXPECT_EQ(expected.tm_gmtoff / 60, offset) << "offset in minutes";
      EXPECT_EQ(expected.tm_isdst, daylight) << "daylight flag";
      struct tm utc;
      ASSERT_EQ(1, LocalToUtc(&local, &utc));
      EXPECT_EQ(mktime(&expected), timegm(&utc)) << "the same moment in UTC";
    }
  }
}

TEST_F(LocalTimeTest, NowPast2038HasEveryFieldAsLocaltimeFillsThem) {
  const Civil moments[] = {{2038, 1, 19, 3, 14, 8},
                           {2038, 7, 4, 12, 0, 0},
                           {2106, 2, 7, 6, 28, 16},
                           {2400, 12, 31, 23, 59, 59}};
  for (const char *zone : {"America/New_York", "Australia/Adelaide", "Asia/Tokyo"}) {
    ZoneScope scope(zone);
    for (const Civil &c : moments) {
      SYSTEMTIME fixed = {(WORD)c.year,   (WORD)c.month,  0, (WORD)c.day, (WORD)c.hour,
                          (WORD)c.minute, (WORD)c.second, 0};
      WinSubset_SetLocalTime(&fixed);
      struct tm now;
      memset(&now, 0x55, sizeof now);
      ReadLocalTime(&now);
      struct tm expected = GlibcLocal(c.year, c.month, c.day, c.hour, c.minute, c.second);
      SCOPED_TRACE(zone);
      EXPECT_EQ(RecordText(expected), RecordText(now));
      EXPECT_EQ(expected.tm_isdst, now.tm_isdst) << "daylight flag, " << c.year;
      struct tm utc;
      ReadUtcTime(&utc);
      EXPECT_EQ(mktime(&expected), timegm(&utc)) << "UTC now is the same moment, " << c.year;
    }
  }
}

TEST_F(LocalTimeTest, AFailingZoneLookupLeavesNothingUnset) {
  ZoneScope scope("America/New_York");
  struct tm local = Record({2024, 7, 1, 8, 30, 0});
  // The system cannot tell its zone, or the rules find no room.
  for (const char *failing : {"GetTimeZoneInformation", "GlobalAlloc"}) {
    ReleaseTimeZones(); // nothing kept from the last round
    WinSubset_FailCall(failing, ERROR_PROC_NOT_FOUND, 1);
    int offset = -1, daylight = -1;
    EXPECT_EQ(0, ReadLocalOffset(&local, &offset, &daylight)) << failing << ": failure reported";
    EXPECT_EQ(0, offset) << failing << ": no offset left unset";
    EXPECT_EQ(0, daylight) << failing << ": no flag left unset";

    struct tm utc;
    memset(&utc, 0x55, sizeof utc);
    WinSubset_FailCall(failing, ERROR_PROC_NOT_FOUND, 1);
    EXPECT_EQ(0, LocalToUtc(&local, &utc)) << failing;
    EXPECT_EQ(0x55555555, utc.tm_year) << failing << ": the UTC record is left as it was";
  }

  SYSTEMTIME fixed = {2024, 7, 0, 1, 8, 30, 0, 0};
  WinSubset_SetLocalTime(&fixed);
  ReleaseTimeZones();
  WinSubset_FailCall("GetTimeZoneInformation", ERROR_INVALID_PARAMETER, 1);
  struct tm now;
  memset(&now, 0x55, sizeof now);
  ReadLocalTime(&now);
  EXPECT_EQ(124, now.tm_year);
  EXPECT_EQ(0, now.tm_isdst) << "an unknown zone reads as standard time";
}

TEST_F(LocalTimeTest, AChangeOfTheSystemZoneIsFollowedWithinAMinute) {
  struct tm summer = Record({2026, 7, 1, 12, 0, 0});
  int offset = 0, daylight = 0;
  WinSubset_SetTickBase(1000);
  ZoneScope scope("CET-1CEST,M3.5.0,M10.5.0/3");
  ASSERT_EQ(1, ReadLocalOffset(&summer, &offset, &daylight));
  EXPECT_EQ(120, offset) << "Berlin in summer";
  setenv("TZ", "JST-9", 1);
  tzset();
  WinSubset_SetTickBase(1000 + 59000);
  ReadLocalOffset(&summer, &offset, &daylight);
  EXPECT_EQ(120, offset) << "the rules are kept for a minute";
  WinSubset_SetTickBase(1000 + 60000);
  ReadLocalOffset(&summer, &offset, &daylight);
  EXPECT_EQ(540, offset) << "then read again: Tokyo";
  EXPECT_EQ(0, daylight) << "Tokyo has no daylight time";
}

TEST_F(LocalTimeTest, RecordsOutOfRangeCarryOverOrAreRefused) {
  ZoneScope scope("America/New_York");
  struct tm carried = Record({2024, 12, 31, 23, 59, 60}); // one second into 2025
  struct tm utc;
  ASSERT_EQ(1, LocalToUtc(&carried, &utc));
  EXPECT_EQ("2025-01-01 05:00:00, weekday 3, day 0 of the year", RecordText(utc))
      << "60 seconds carry into the next year; New York is 5 hours west in winter";

  const Civil refused[] = {{1600, 12, 31, 0, 0, 0}, {30828, 1, 1, 0, 0, 0}};
  for (const Civil &c : refused) {
    struct tm local = Record(c);
    int offset = -1, daylight = -1;
    EXPECT_EQ(0, ReadLocalOffset(&local, &offset, &daylight)) << "year " << c.year;
  }
  struct tm wild;
  memset(&wild, 0x7F, sizeof wild);
  int offset, daylight;
  EXPECT_EQ(0, ReadLocalOffset(&wild, &offset, &daylight)) << "any field values are safe";
  memset(&wild, 0x80, sizeof wild);
  EXPECT_EQ(0, ReadLocalOffset(&wild, &offset, &daylight)) << "any field values are safe";
}
