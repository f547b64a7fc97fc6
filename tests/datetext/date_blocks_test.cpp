// Blocks in a format: zones and offsets from where they stand, for a given
// moment. Each moment is given as the local time of a known UTC moment, so
// that the expected texts hold in any local zone.
#include <stdio.h>
#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "datetext/date_text.h"
#include "datetext/time_record.h"
#include "datetext/time_zones.h"

// The local wall clock at a UTC moment "YYYY-MM-DD hh:mm:ss".
static struct tm LocalAt(const char *utcText) {
  int year, month, day, hour, minute, second;
  EXPECT_EQ(6, sscanf(utcText, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second));
  struct tm utc = TimeRecord(year, month, day, hour, minute, second), local;
  int offset;
  EXPECT_EQ(1, ZoneTimeFromUtc(&LocalTimeZone, &utc, &local, &offset)) << utcText;
  return local;
}

struct BlockCase {
  const char *utc; // the moment, in UTC
  const char *format;
  const char *expected;
};

static void Check(const BlockCase *cases, int count) {
  for (int i = 0; i < count; i++) {
    const BlockCase &c = cases[i];
    struct tm moment = LocalAt(c.utc);
    char text[DATE_TEXT_SIZE];
    memset(text, '#', sizeof text);
    int length = ExpandDateText(text, sizeof text, c.format, &moment);
    EXPECT_STREQ(c.expected, text) << c.format << " at " << c.utc << " UTC";
    // Nothing, and the count says why, when the date leaves the years.
    EXPECT_EQ(c.expected[0] ? (int)strlen(c.expected) : DATE_OUT_OF_RANGE, length) << c.format;
  }
}

#define CHECK_ALL(cases) Check(cases, (int)(sizeof cases / sizeof cases[0]))

TEST(DateBlocks, ZonesFromWhereTheyStand) {
  const BlockCase cases[] = {
      {"2026-12-07 13:05:09", "%{@Tokyo}%F %T %z", "2026-12-07 22:05:09 +0900"},
      {"2026-12-07 13:05:09", "%{@Tokyo_Standard_Time}%H:%M %Z", "22:05 Tokyo Standard Time"},
      {"2026-12-07 13:05:09", "%{@UTC}%H:%M %Z %z", "13:05 UTC +0000"},
      {"2026-12-07 13:05:09", "%{@UTC+5:30}%H:%M %:z", "18:35 +05:30"},
      {"2026-12-07 13:05:09", "%{@UTC-3}%a %H:%M", "Mon 10:05"},
      {"2026-12-07 23:30:00", "%{@Nepal}%a %d %H:%M %z", "Tue 08 05:15 +0545"},
      {"2026-07-07 13:05:09", "%{@Eastern}%H:%M %z %Z", "09:05 -0400 Eastern Daylight Time"},
      {"2026-12-07 13:05:09", "%{@Tokyo}%H %{@UTC}%H %{@Eastern}%H", "22 13 08"},
      {"2026-12-07 13:05:09", "!%H %{@Tokyo}%H", "13 22"},
      {"2026-12-07 13:05:09", "%{@Tokyo}%H:%M Tokyo, %{@UTC}%H:%M UTC", "22:05 Tokyo, 13:05 UTC"},
      // A zone not found, like any word not known, changes nothing.
      {"2026-12-07 13:05:09", "%{@UTC}%H %{@Atlantis}%H", "13 13"},
      {"2026-12-07 13:05:09", "%{@UTC}%H %{@UTC+15}%H", "13 13"},
  };
  CHECK_ALL(cases);
}

TEST(DateBlocks, LocalTimeComesBack) {
  struct tm moment = LocalAt("2026-12-07 13:05:09");
  char here[16], expected[64], text[64];
  strftime(here, sizeof here, "%H:%M", &moment);
  snprintf(expected, sizeof expected, "22:05 Tokyo, %s here", here);
  ExpandDateText(text, sizeof text, "%{@Tokyo}%H:%M Tokyo, %{@local}%H:%M here", &moment);
  EXPECT_STREQ(expected, text);
  ExpandDateText(text, sizeof text, "!%{@local}%H:%M", &moment);
  EXPECT_STREQ(here, text) << "back from UTC too";
}

TEST(DateBlocks, OffsetsStepTheCalendarInTheZonesTime) {
  const BlockCase cases[] = {
      {"2026-12-07 13:05:09", "%{@UTC +14d}Due %d.%m.%Y", "Due 21.12.2026"},
      {"2026-01-31 12:00:00", "%{@UTC +1mo}%F", "2026-02-28"},
      {"2028-01-31 12:00:00", "%{@UTC +1mo}%F", "2028-02-29"},
      {"2028-02-29 12:00:00", "%{@UTC +1y}%F %a", "2029-02-28 Wed"},
      {"2026-01-31 12:00:00", "%{@UTC +1mo -1d}%F", "2026-02-27"},
      {"2026-12-31 23:30:00", "%{@UTC +1d}%F %j", "2027-01-01 001"},
      {"2026-12-31 23:30:00", "%{@UTC +1h}%F %T", "2027-01-01 00:30:00"},
      {"2026-12-07 13:05:09", "%{@UTC +1w -1d}%F %A", "2026-12-13 Sunday"},
      {"2026-12-07 13:05:09", "%{@UTC -90min}%T", "11:35:09"},
      {"2026-12-07 13:05:09", "%{@UTC +1d}%d %{+2d}%d %{@Tokyo}%d %{+0d}%d", "08 09 09 07"},
      // Across a night when daylight saving starts or ends: a day keeps the
      // time of day, 24 hours do not.
      {"2026-03-07 17:00:00", "%{@Eastern +1d}%F %T %z", "2026-03-08 12:00:00 -0400"},
      {"2026-03-07 17:00:00", "%{@Eastern +24h}%F %T %z", "2026-03-08 13:00:00 -0400"},
      {"2026-11-01 16:00:00", "%{@Eastern -1d}%F %T %z", "2026-10-31 11:00:00 -0400"},
      // A day on into the hour skipped: the time read in standard time.
      {"2026-03-07 07:30:00", "%{@Eastern +1d}%F %T %z", "2026-03-08 03:30:00 -0400"},
      {"2026-04-04 01:00:00", "%{@AUS_Eastern +1d}%F %T %z", "2026-04-05 12:00:00 +1000"},
      {"2026-04-04 01:00:00", "%{@AUS_Eastern +1440min}%F %T %z", "2026-04-05 11:00:00 +1000"},
      // The ends of the calendar's years.
      {"9999-12-30 12:00:00", "%{@UTC +1d}%F", "9999-12-31"},
      {"9999-12-31 12:00:00", "%{@UTC +1d}%F", ""},
      {"9999-12-31 12:00:00", "%{@UTC +12h}%F", ""},
      {"1601-01-02 12:00:00", "%{@UTC -1d}%F %A", "1601-01-01 Monday"},
      {"1601-01-01 12:00:00", "%{@UTC -1mo}%F", ""},
      {"2026-12-07 13:05:09", "before %{@UTC +9999999y}%F", ""},
      {"2026-12-07 13:05:09", "before %{@UTC -8000y}%F", ""},
  };
  CHECK_ALL(cases);
}

// A block's offsets add up exactly, however large each is; only the moment
// reached must lie in the calendar's years.
TEST(DateBlocks, OffsetsAddUpExactly) {
  std::string hours = "%{@UTC";
  for (int i = 0; i < 60; i++)
    hours += " +23h";
  hours += "}%F %T";
  const BlockCase cases[] = {
      {"2026-12-07 13:05:09", hours.c_str(), "2027-02-03 01:05:09"},
      {"2026-12-07 13:05:09", "%{@UTC +5000000d -4000000d}%F %A", "4764-11-03 Tuesday"},
      {"2026-12-07 13:05:09", "%{@UTC +9999999d -9999999d}%F", "2026-12-07"},
      {"2026-12-07 13:05:09", "%{@UTC +2912102d}%F", "9999-12-31"},
      {"2026-12-07 13:05:09", "%{@UTC +2912103d}%F", ""},
      {"2026-12-07 13:05:09", "%{@UTC -155568d}%F", "1601-01-01"},
      {"2026-12-07 13:05:09", "%{@UTC -155569d}%F", ""},
      {"2026-12-07 13:05:09", "%{@UTC +9000y -3287182d}%F", "2026-12-07"},
      {"2026-12-07 13:05:09", "%{@UTC +99999999999999999999999999999s}%F", ""},
      {"2026-12-07 13:05:09", "%{@UTC +999999999999999h -999999999999999h}%F", "2026-12-07"},
      {"2026-12-07 13:05:09", "%{@UTC +999999999999999h +999999999999999h -999999999999999h}%F",
       ""},
  };
  CHECK_ALL(cases);
}

// Calendar steps of the local wall clock hold in any zone.
TEST(DateBlocks, OffsetsOfTheLocalDate) {
  struct StepCase {
    struct tm given;
    const char *format, *expected;
  } steps[] = {
      {TimeRecord(2026, 1, 31, 12, 0, 0), "%{+1mo}%F %T %a", "2026-02-28 12:00:00 Sat"},
      {TimeRecord(2026, 12, 31, 9, 30, 0), "%{+1d}%F %j %A", "2027-01-01 001 Friday"},
      {TimeRecord(2026, 12, 7, 14, 5, 9), "%{+14d}Due %d.%m.%Y", "Due 21.12.2026"},
      {TimeRecord(2026, 12, 7, 14, 5, 9), "%d %{+1d}%d %{-1d}%d %{+0d}%d", "07 08 06 07"},
      {TimeRecord(9999, 12, 31, 14, 5, 9), "%{+1d}%F", ""},
      {TimeRecord(1601, 1, 1, 14, 5, 9), "%{-1y}%F", ""},
  };
  for (const StepCase &c : steps) {
    char text[64];
    ExpandDateText(text, sizeof text, c.format, &c.given);
    EXPECT_STREQ(c.expected, text) << c.format;
  }
}

TEST(DateBlocks, BlocksNotClosedOrNotKnown) {
  struct tm given = TimeRecord(2026, 12, 7, 14, 5, 9);
  const char *const cases[][2] = {
      {"Date: %{ru %d", "Date: %{ru 07"},
      {"%d%{", "07%{"},
      {"%{+1d %d", "%{+1d 07"},
      {"%{tokyo}%d", "07"},
      {"%{+1 xx}%d", "07"},
      {"%{}", ""},
      {"%{C}%d %{ru +1d", "07 %{ru +1d"},
      // A "%" ends a block missing its "}": the next block's is not taken.
      {"Date: %{ru %d, %{+1d}%d", "Date: %{ru 07, 08"},
  };
  for (const auto &c : cases) {
    char text[64];
    ExpandDateText(text, sizeof text, c[0], &given);
    EXPECT_STREQ(c[1], text) << c[0];
  }
}
