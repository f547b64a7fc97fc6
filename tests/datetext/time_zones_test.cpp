// Windows' time zones from the registry: the wall clock at each change of
// 2020-2030 against the IANA data, the words that name a zone, and the
// zone's names. Natively the subset holds the same zones as Wine.
#include <stdio.h>
#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "datetext/civil_date.h"
#include "datetext/local_time.h"
#include "datetext/time_record.h"
#include "datetext/time_zones.h"

struct ZoneChange {
  const char *zone, *utc, *local;
  int offset, daylight, backMinutes;
};
#include "datetext/zone_changes.h"

static struct tm Parsed(const char *text) {
  int year, month, day, hour, minute, second;
  sscanf(text, "%d-%d-%d %d:%d:%d", &year, &month, &day, &hour, &minute, &second);
  struct tm record = TimeRecord(year, month, day, hour, minute, second);
  long long days = DaysFromCivil(year, month, day);
  record.tm_wday = WeekdayOfDays(days);
  record.tm_yday = DayOfYear(year, month, day);
  return record;
}

static TimeZoneRef Found(const char *word) {
  TimeZoneRef zone = {-1, -1, -1};
  EXPECT_EQ(1, FindTimeZone(word, (int)strlen(word), &zone)) << word << " names a zone";
  return zone;
}

static std::string Name(const TimeZoneRef &zone, int daylight, int size = 64) {
  char text[64];
  memset(text, 'x', sizeof text);
  int length = ZoneName(&zone, daylight, CP_ACP, text, size);
  EXPECT_EQ(length, (int)strnlen(text, sizeof text)) << "the length returned";
  return text;
}

TEST(TimeZones, WallClockAtEachChangeAgreesWithTheIanaData) {
  for (const ZoneChange &change : ZoneChanges) {
    SCOPED_TRACE(std::string(change.zone) + " at " + change.utc + " UTC");
    TimeZoneRef zone = Found(change.zone);
    ASSERT_EQ(ZONE_NAMED, zone.kind);
    struct tm utc = Parsed(change.utc), expected = Parsed(change.local), local, back;
    int offset = 0;
    memset(&local, 0x55, sizeof local);
    ASSERT_EQ(1, ZoneTimeFromUtc(&zone, &utc, &local, &offset));
    EXPECT_EQ(RecordText(expected), RecordText(local)) << "wall clock";
    EXPECT_EQ(change.offset, offset) << "offset east of UTC";
    EXPECT_EQ(change.daylight, local.tm_isdst) << "daylight flag";
    // Read back: the first of a repeated hour, as Windows takes it.
    ASSERT_EQ(1, ZoneTimeToUtc(&zone, &expected, &back));
    RecordOfSeconds(SecondsOfRecord(&utc) + change.backMinutes * 60LL, &utc);
    EXPECT_EQ(RecordText(utc), RecordText(back)) << "the wall clock read back";
  }
}

struct ZoneWord {
  const char *word;
  int kind;
  const char *name; // the zone's standard name, as %Z shows it
};

static const ZoneWord ZoneWords[] = {
    {"local", ZONE_LOCAL, NULL},
    {"LOCAL", ZONE_LOCAL, NULL},
    {"UTC", ZONE_FIXED, "UTC"},
    {"utc+5:30", ZONE_FIXED, "UTC+05:30"},
    {"UTC+0530", ZONE_FIXED, "UTC+05:30"},
    {"UTC-3", ZONE_FIXED, "UTC-03:00"},
    {"UTC+14", ZONE_FIXED, "UTC+14:00"},
    {"UTC-09:30", ZONE_FIXED, "UTC-09:30"},
    {"UTC+0", ZONE_FIXED, "UTC"},
    {"Tokyo_Standard_Time", ZONE_NAMED, "Tokyo Standard Time"},
    {"tokyo", ZONE_NAMED, "Tokyo Standard Time"},
    {"Pacific", ZONE_NAMED, "Pacific Standard Time"},
    {"Pacific_SA", ZONE_NAMED, "Pacific SA Standard Time"},
    {"Pacific_Standard_Time_(Mexico)", ZONE_NAMED, "Pacific Standard Time (Mexico)"},
    {"New_Zealand", ZONE_NAMED, "New Zealand Standard Time"},
    {"Mountain", ZONE_NAMED, "Mountain Standard Time"},
    {"AUS_Eastern", ZONE_NAMED, "AUS Eastern Standard Time"},
    {"Moscow", ZONE_NAMED, "Russian Standard Time"},
    {"Sydney", ZONE_NAMED, "AUS Eastern Standard Time"},
    {"Adelaide", ZONE_NAMED, "Cen. Australia Standard Time"},
    {"Kathmandu", ZONE_NAMED, "Nepal Standard Time"},
    {"St._Petersburg", ZONE_NAMED, "Russian Standard Time"},
    {"Coordinated_Universal_Time", ZONE_NAMED, "Coordinated Universal Time"},
    // Malformed, or no zone's.
    {"", -1, NULL},
    {"UTC+", -1, NULL},
    {"UTC+15", -1, NULL},
    {"UTC+14:30", -1, NULL},
    {"UTC+5:60", -1, NULL},
    {"UTC+5:3", -1, NULL},
    {"UTC+123", -1, NULL},
    {"UTC+5:30:00", -1, NULL},
    {"UTC5", -1, NULL},
    {"UTC_Moscow", -1, NULL},
    {"Tok", -1, NULL},
    {"Kolk", -1, NULL},
    {"Atlantis", -1, NULL},
    {"_Tokyo", -1, NULL},
    {"localtime", -1, NULL},
    // Display names hold "(UTC+01:00)": numbers alone name no zone.
    {"01", -1, NULL},
    {"+01:00", -1, NULL},
    {"01:00", -1, NULL},
};

TEST(TimeZones, WordsNameZonesInTheDocumentedOrder) {
  for (const ZoneWord &test : ZoneWords) {
    SCOPED_TRACE(std::string("@") + test.word);
    TimeZoneRef zone = {-1, -1, -1};
    int found = FindTimeZone(test.word, (int)strlen(test.word), &zone);
    EXPECT_EQ(test.kind >= 0, found) << "found";
    if (test.kind < 0) {
      EXPECT_EQ(-1, zone.kind) << "zone left as it was";
      continue;
    }
    EXPECT_EQ(test.kind, zone.kind) << "kind";
    if (test.name) {
      EXPECT_EQ(test.name, Name(zone, 0)) << "standard name";
    }
  }
}

TEST(TimeZones, OnlyTheGivenLengthIsRead) {
  TimeZoneRef zone;
  EXPECT_EQ(1, FindTimeZone("Tokyo and more", 5, &zone));
  EXPECT_EQ("Tokyo Standard Time", Name(zone, 0));
  EXPECT_EQ(1, FindTimeZone("UTC+3 ", 5, &zone));
  EXPECT_EQ(180, zone.fixedMinutes);
  EXPECT_EQ(0, FindTimeZone("Tokyo", 0, &zone)) << "nothing is no zone";
  EXPECT_EQ(0, FindTimeZone("To\0kyo", 6, &zone)) << "a terminator inside";
  std::string longWord(300, 'a');
  EXPECT_EQ(0, FindTimeZone(longWord.c_str(), 300, &zone)) << "longer than any name";
}

TEST(TimeZones, NamesForStandardAndDaylightTime) {
  TimeZoneRef pacific = Found("Pacific"), tokyo = Found("Tokyo"), fixed = Found("UTC-3:30");
  EXPECT_EQ("Pacific Standard Time", Name(pacific, 0));
  EXPECT_EQ("Pacific Daylight Time", Name(pacific, 1));
  EXPECT_EQ("Tokyo Daylight Time", Name(tokyo, 1)) << "the registry's name, though never used";
  EXPECT_EQ("UTC-03:30", Name(fixed, 1));
  EXPECT_EQ("", Name(pacific, 0, 21)) << "too long for the room: nothing";
  EXPECT_EQ("Pacific Standard Time", Name(pacific, 0, 22));
  TimeZoneRef unknown = {ZONE_NAMED, 0, 100000};
  EXPECT_EQ("", Name(unknown, 0)) << "no such zone";
}

// Fixed offsets, the bounds of the years, a zone that does not exist.
TEST(TimeZones, FixedOffsetsAndBounds) {
  TimeZoneRef india = Found("UTC+5:30"), tokyo = Found("Tokyo");
  struct tm utc = TimeRecord(2024, 12, 31, 20, 0, 0), local, back;
  int offset;
  ASSERT_EQ(1, ZoneTimeFromUtc(&india, &utc, &local, &offset));
  EXPECT_EQ(RecordText(Parsed("2025-01-01 01:30:00")), RecordText(local));
  EXPECT_EQ(330, offset);
  EXPECT_EQ(0, local.tm_isdst);
  ASSERT_EQ(1, ZoneTimeToUtc(&india, &local, &back));
  EXPECT_EQ(RecordText(Parsed("2024-12-31 20:00:00")), RecordText(back));

  struct tm first = TimeRecord(1601, 1, 1, 0, 0, 0), before = TimeRecord(1600, 12, 31, 23, 59, 59);
  struct tm last = TimeRecord(9999, 12, 31, 23, 59, 59), after = TimeRecord(10000, 1, 1, 0, 0, 0);
  EXPECT_EQ(1, ZoneTimeFromUtc(&tokyo, &first, &local, &offset)) << "the first year Windows holds";
  EXPECT_EQ(RecordText(Parsed("1601-01-01 09:00:00")), RecordText(local));
  EXPECT_EQ(0, ZoneTimeFromUtc(&tokyo, &before, &local, &offset)) << "before it";
  EXPECT_EQ(1, ZoneTimeToUtc(&tokyo, &last, &back)) << "the last";
  EXPECT_EQ(0, ZoneTimeToUtc(&tokyo, &after, &back)) << "after it";
  TimeZoneRef unknown = {ZONE_NAMED, 0, -1};
  EXPECT_EQ(0, ZoneTimeFromUtc(&unknown, &utc, &local, &offset));
  EXPECT_EQ(0, ZoneTimeToUtc(&unknown, &utc, &back));
}

TEST(TimeZones, LocalTimeIsTheSystemsZone) {
  TimeZoneRef zone = Found("local");
  struct tm utc = Parsed("2026-07-01 12:00:00"), local, expected, back;
  int offset, expectedOffset, daylight;
  ASSERT_EQ(1, ZoneTimeFromUtc(&zone, &utc, &local, &offset));
  ASSERT_EQ(1, ReadLocalOffset(&local, &expectedOffset, &daylight));
  EXPECT_EQ(expectedOffset, offset);
  EXPECT_EQ(daylight, local.tm_isdst);
  RecordOfSeconds(SecondsOfRecord(&utc) + offset * 60LL, &expected);
  EXPECT_EQ(RecordText(expected), RecordText(local));
  ASSERT_EQ(1, ZoneTimeToUtc(&zone, &local, &back));
  EXPECT_EQ(RecordText(utc), RecordText(back));
}

#ifdef _WIN32
// The zone's rules as Windows' own calls take them, from its "TZI" value.
static TIME_ZONE_INFORMATION WindowsRules(const char *key) {
  struct {
    LONG bias, standardBias, daylightBias;
    SYSTEMTIME standardDate, daylightDate;
  } tzi;
  TIME_ZONE_INFORMATION rules;
  memset(&rules, 0, sizeof rules);
  std::string path =
      std::string("SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\") + key;
  DWORD size = sizeof tzi;
  HKEY zone;
  EXPECT_EQ(ERROR_SUCCESS, RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &zone));
  EXPECT_EQ(ERROR_SUCCESS, RegQueryValueExA(zone, "TZI", NULL, NULL, (BYTE *)&tzi, &size));
  RegCloseKey(zone);
  rules.Bias = tzi.bias;
  rules.StandardBias = tzi.standardBias;
  rules.DaylightBias = tzi.daylightBias;
  rules.StandardDate = tzi.standardDate;
  rules.DaylightDate = tzi.daylightDate;
  return rules;
}

// Hours skipped and repeated by daylight saving, read back as Windows' own
// TzSpecificLocalTimeToSystemTime reads them, north and south of the
// equator, on the hour and on the half hour.
TEST(TimeZones, SkippedAndRepeatedHoursAsWindowsReadsThem) {
  static const struct {
    const char *key, *local;
  } Cases[] = {
      {"Pacific Standard Time", "2025-03-09 02:30:00"},
      {"Pacific Standard Time", "2025-11-02 01:30:00"},
      {"Pacific Standard Time", "2025-11-02 02:00:00"},
      {"AUS Eastern Standard Time", "2025-10-05 02:15:00"},
      {"AUS Eastern Standard Time", "2025-04-06 02:45:00"},
      {"Newfoundland Standard Time", "2025-03-09 02:10:00"},
      {"Lord Howe Standard Time", "2025-10-05 02:10:00"},
      {"Lord Howe Standard Time", "2025-04-06 01:40:00"},
  };
  for (const auto &test : Cases) {
    SCOPED_TRACE(std::string(test.key) + ", " + test.local);
    TIME_ZONE_INFORMATION rules = WindowsRules(test.key);
    struct tm local = Parsed(test.local), utc;
    SYSTEMTIME wall =
                   {(WORD)(local.tm_year + 1900), (WORD)(local.tm_mon + 1), 0, (WORD)local.tm_mday,
                    (WORD)local.tm_hour,          (WORD)local.tm_min,       0, 0},
               expected;
    ASSERT_TRUE(TzSpecificLocalTimeToSystemTime(&rules, &wall, &expected));
    std::string word(test.key);
    for (char &c : word)
      c = c == ' ' ? '_' : c;
    TimeZoneRef zone = Found(word.c_str());
    ASSERT_EQ(1, ZoneTimeToUtc(&zone, &local, &utc));
    char text[32];
    snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:00", expected.wYear, expected.wMonth,
             expected.wDay, expected.wHour, expected.wMinute);
    EXPECT_EQ(RecordText(Parsed(text)), RecordText(utc));
  }
}
#endif
