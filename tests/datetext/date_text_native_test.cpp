// Expansions for now with the subset's clock set past 2038, for records in
// zones set through TZ, and with the zone lookup failing.
#include <stdio.h>
#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "datetext/date_text.h"
#include "datetext/zone_scope.h"
#include "winsubset_control.h"

class DateTextNowTest : public ::testing::Test {
protected:
  void TearDown() override { WinSubset_Reset(); }
};

static std::string Expand(const char *format, const struct tm *moment) {
  char text[DATE_TEXT_SIZE];
  memset(text, '#', sizeof text);
  ExpandDateText(text, sizeof text, format, moment);
  return text;
}

// Sets the subset's local clock to "YYYY-MM-DD hh:mm:ss".
static SYSTEMTIME SetLocalClock(const char *text) {
  SYSTEMTIME clock = {};
  EXPECT_EQ(6, sscanf(text, "%hu-%hu-%hu %hu:%hu:%hu", &clock.wYear, &clock.wMonth, &clock.wDay,
                      &clock.wHour, &clock.wMinute, &clock.wSecond))
      << text;
  WinSubset_SetLocalTime(&clock);
  return clock;
}

struct NowCase {
  const char *zone;
  const char *clock; // local, "YYYY-MM-DD hh:mm:ss"
  const char *format;
  const char *expected;
};

TEST_F(DateTextNowTest, NowPast2038InLocalTimeAndInUtc) {
  const NowCase cases[] = {
      {"Asia/Tokyo", "2038-01-19 03:14:08", "%Y-%m-%dT%H:%M:%S%:z %a %j %V",
       "2038-01-19T03:14:08+09:00 Tue 019 03"},
      {"Asia/Tokyo", "2038-01-19 03:14:08", "!%Y-%m-%dT%H:%M:%SZ %a %z %Z",
       "2038-01-18T18:14:08Z Mon +0000 UTC"},
      {"America/New_York", "2040-07-04 12:00:00", "%F %T %z %Z", "2040-07-04 12:00:00 -0400 EDT"},
      {"America/New_York", "2040-12-31 22:30:00", "!%F %R %u %G-W%V",
       "2041-01-01 03:30 2 2041-W01"},
      {"Australia/Adelaide", "2100-01-01 00:00:00", "%F %z %Z", "2100-01-01 +1030 ACDT"},
      {"Asia/Kolkata", "2026-12-07 04:05:09", "!%H:%M %:z", "22:35 +00:00"},
  };
  for (const NowCase &c : cases) {
    ZoneScope scope(c.zone);
    SetLocalClock(c.clock);
    EXPECT_EQ(c.expected, Expand(c.format, nullptr)) << c.format << " in " << c.zone;
  }
}

TEST_F(DateTextNowTest, AGivenRecordIsFormattedAsGivenWithTheOffsetOfItsDate) {
  ZoneScope scope("Europe/Berlin");
  struct tm winter = GlibcLocal(2026, 12, 7, 14, 5, 9);
  struct tm summer = GlibcLocal(2026, 7, 7, 14, 5, 9);
  summer.tm_wday = 0; // as given, even where it is not that date's
  EXPECT_EQ("2026-12-07T14:05:09+01:00", Expand("%Y-%m-%dT%H:%M:%S%:z", &winter));
  EXPECT_EQ("2026-07-07T14:05:09+02:00 0", Expand("%Y-%m-%dT%H:%M:%S%:z %w", &summer))
      << "daylight saving of the record's date; the weekday as given";
  EXPECT_EQ("2026-07-07T12:05:09Z", Expand("!%Y-%m-%dT%H:%M:%SZ", &summer));
}

TEST_F(DateTextNowTest, AnUntellableOffsetIsNeverMadeUp) {
  ZoneScope scope("Europe/Berlin");
  struct tm record = GlibcLocal(2026, 12, 7, 14, 5, 9);
  WinSubset_FailCall("GetTimeZoneInformation", ERROR_INVALID_PARAMETER, -1);
  EXPECT_EQ("14:05 ", Expand("%H:%M %z", &record)) << "no offset rather than a wrong one";
  EXPECT_EQ("", Expand("!%H:%M", &record)) << "no UTC text rather than a wrong one";
  EXPECT_EQ("14:05", Expand("%H:%M", &record)) << "formats without the zone go on";
  SYSTEMTIME clock = {2026, 12, 0, 7, 14, 5, 9, 0};
  WinSubset_SetLocalTime(&clock);
  EXPECT_EQ("2026-12-07 14:05:09", Expand("%F %T", nullptr));
  EXPECT_EQ("2026-12-07T13:05:09Z", Expand("!%FT%TZ", nullptr)) << "UTC of now needs no zone";
  EXPECT_EQ("14:05 +0100", Expand("%H:%M %z", nullptr)) << "now's offset from the two clocks";
}

struct UtcClockCase {
  const char *zone;
  const char *utc; // the system's UTC clock, "YYYY-MM-DD hh:mm:ss"
  const char *format;
  const char *expected;
};

TEST_F(DateTextNowTest, TheZoneOfNowIsToldFromTheUtcClockInTheRepeatedHour) {
  // 1 November 2026, the first Sunday: 01:00 to 02:00 local time twice.
  const UtcClockCase cases[] = {
      {"EST5EDT", "2026-11-01 05:30:00", "%F %T %z %Z", "2026-11-01 01:30:00 -0400 EDT"},
      {"EST5EDT", "2026-11-01 06:30:00", "%F %T %z %Z", "2026-11-01 01:30:00 -0500 EST"},
      {"EST5EDT", "2026-11-01 06:59:59", "%R %:z", "01:59 -05:00"},
      {"EST5EDT", "2026-11-01 07:00:00", "%R %:z", "02:00 -05:00"},
  };
  for (const UtcClockCase &c : cases) {
    ZoneScope scope(c.zone);
    SYSTEMTIME clock = {};
    ASSERT_EQ(6, sscanf(c.utc, "%hu-%hu-%hu %hu:%hu:%hu", &clock.wYear, &clock.wMonth, &clock.wDay,
                        &clock.wHour, &clock.wMinute, &clock.wSecond))
        << c.utc;
    WinSubset_SetUtcTime(&clock);
    EXPECT_EQ(c.expected, Expand(c.format, nullptr)) << c.format << " at " << c.utc << " UTC";
  }
}

struct UtcOfRecordCase {
  const char *zone;
  int year, month, day, hour, minute;
  const char *expected; // "!%F %R %a %j"; empty: nothing, the moment is beyond the years
};

TEST_F(DateTextNowTest, UtcOfAGivenRecordCrossesYearEndsOrGivesNothing) {
  const UtcOfRecordCase cases[] = {
      {"IST-5:30", 2000, 1, 1, 3, 0, "1999-12-31 21:30 Fri 365"},
      {"EST5EDT", 2026, 12, 31, 22, 30, "2027-01-01 03:30 Fri 001"},
      {"IST-5:30", 1900, 1, 1, 6, 0, "1900-01-01 00:30 Mon 001"},
      {"EST5EDT", 9999, 12, 31, 18, 59, "9999-12-31 23:59 Fri 365"},
      {"EST5EDT", 9999, 12, 31, 23, 0, ""},
  };
  for (const UtcOfRecordCase &c : cases) {
    ZoneScope scope(c.zone);
    struct tm record = TimeRecord(c.year, c.month, c.day, c.hour, c.minute, 0);
    EXPECT_EQ(c.expected, Expand("!%F %R %a %j", &record))
        << RecordText(record) << " in " << c.zone << ": the true UTC moment, or nothing";
  }
}

// Offsets of the local time across the nights daylight saving starts and
// ends: a day keeps the time of day, 24 hours do not; for now and for a
// given day alike.
TEST_F(DateTextNowTest, LocalOffsetsAcrossADaylightSavingNight) {
  const NowCase cases[] = {
      {"Europe/Berlin", "2026-03-28 12:00:00", "%{+1d}%F %T %z", "2026-03-29 12:00:00 +0200"},
      {"Europe/Berlin", "2026-03-28 12:00:00", "%{+24h}%F %T %z", "2026-03-29 13:00:00 +0200"},
      {"Europe/Berlin", "2026-03-29 01:30:00", "%{+1h}%T %z", "03:30:00 +0200"},
      {"Europe/Berlin", "2026-03-28 02:30:00", "%{+1d}%F %T %z", "2026-03-29 03:30:00 +0200"},
      {"Europe/Berlin", "2026-10-25 12:00:00", "%{-1d}%F %T %z", "2026-10-24 12:00:00 +0200"},
      {"Europe/Berlin", "2026-10-25 12:00:00", "%{-1440min}%F %T %z", "2026-10-24 13:00:00 +0200"},
      {"Australia/Sydney", "2026-04-04 12:00:00", "%{+1d}%F %T %z", "2026-04-05 12:00:00 +1000"},
      {"Australia/Sydney", "2026-04-04 12:00:00", "%{+86400s}%F %T %z",
       "2026-04-05 11:00:00 +1000"},
      {"Asia/Tokyo", "2026-12-07 22:05:09", "%H:%M here, %{@UTC}%H:%M %Z, %{@local}%H:%M",
       "22:05 here, 13:05 UTC, 22:05"},
      {"Asia/Tokyo", "2026-12-07 22:05:09", "!%H %{@local}%H %{@Eastern}%H %Z",
       "13 22 08 Eastern Standard Time"},
  };
  for (const NowCase &c : cases) {
    ZoneScope scope(c.zone);
    SYSTEMTIME clock = SetLocalClock(c.clock);
    EXPECT_EQ(c.expected, Expand(c.format, nullptr)) << c.format << " at " << c.clock;
    struct tm given = GlibcLocal(clock.wYear, clock.wMonth, clock.wDay, clock.wHour, clock.wMinute,
                                 clock.wSecond);
    EXPECT_EQ(c.expected, Expand(c.format, &given)) << c.format << " from " << c.clock;
  }
}
