// Windows' time zones from the registry: the wall clock at each change of
// 2020-2030 against the IANA data, the words that name a zone, and the
// zone's names. Natively the subset holds the same zones as Wine.
#include <stdio.h>
#include <string.h>

#include <string>
#include <vector>

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
    {"UTC+5:", -1, NULL},
    {"UTC-05:", -1, NULL},
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

// Zones a test adds to the machine's own list, removed again afterwards;
// the zones are read afresh on each side.
class AddedZonesTest : public testing::Test {
protected:
  void SetUp() override { ReleaseTimeZones(); }
  void TearDown() override {
    for (const std::string &key : added_) {
      RegDeleteKeyA(HKEY_LOCAL_MACHINE, (key + "\\Dynamic DST").c_str());
      RegDeleteKeyA(HKEY_LOCAL_MACHINE, key.c_str());
    }
    ReleaseTimeZones();
  }
  // A zone two hours east of UTC all year, unless its values say otherwise.
  void Add(const std::string &zone, const char *name = "TZI", DWORD type = REG_BINARY,
           const void *data = NULL, DWORD size = 0) {
    static const char Zones[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\";
    static const LONG TwoHoursEast[11] = {-120};
    std::string path = Zones + zone;
    if (zone.find('\\') == std::string::npos)
      added_.push_back(path);
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, NULL, 0,
                                             KEY_ALL_ACCESS, NULL, &key, NULL))
        << path;
    if (!data)
      data = TwoHoursEast, size = sizeof TwoHoursEast;
    EXPECT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, (const BYTE *)data, size));
    RegCloseKey(key);
  }
  static int Offset(const char *word, int year) {
    TimeZoneRef zone;
    struct tm utc = TimeRecord(year, 1, 15, 12, 0, 0), local;
    int offset = -1;
    if (!FindTimeZone(word, (int)strlen(word), &zone) ||
        !ZoneTimeFromUtc(&zone, &utc, &local, &offset))
      return -1;
    return offset;
  }

private:
  std::vector<std::string> added_;
};

TEST_F(AddedZonesTest, EveryZoneIsKeptHoweverMany) {
  char key[32];
  for (int i = 0; i < 2000; i++) {
    snprintf(key, sizeof key, "Horalis Added %04d", i);
    Add(key);
  }
  EXPECT_EQ(540, Offset("Tokyo", 2025)) << "a zone of the system's own";
  EXPECT_EQ(120, Offset("Horalis_Added_1999", 2025)) << "the last added";
  TimeZoneRef tokyo = Found("Tokyo");
  EXPECT_EQ("Tokyo Standard Time", Name(tokyo, 0));
}

TEST_F(AddedZonesTest, LongNamesAreKeptWhole) {
  std::string display = "(UTC+02:00) " + std::string(300, 'x') + " Zanzibarland";
  std::string standard = "Added " + std::string(200, 'y') + " Time";
  Add("Horalis Long");
  Add("Horalis Long", "Display", REG_SZ, display.c_str(), (DWORD)display.size() + 1);
  Add("Horalis Long", "Std", REG_SZ, standard.c_str(), (DWORD)standard.size() + 1);
  EXPECT_EQ(120, Offset("Zanzibarland", 2025)) << "a word at the end of a long display name";
  EXPECT_EQ(120, Offset("zanzibarland", 2025));
}

// Years before a first entry take its rules, however early it is.
TEST_F(AddedZonesTest, YearRulesFromAFirstEntryBefore1601) {
  static const LONG ThreeHoursEast[11] = {-180};
  DWORD first = 1000, last = 2025;
  Add("Horalis Early");
  Add("Horalis Early\\Dynamic DST", "FirstEntry", REG_DWORD, &first, 4);
  Add("Horalis Early\\Dynamic DST", "LastEntry", REG_DWORD, &last, 4);
  Add("Horalis Early\\Dynamic DST", "1601", REG_BINARY, ThreeHoursEast, sizeof ThreeHoursEast);
  EXPECT_EQ(180, Offset("Horalis_Early", 1601)) << "the rules of 1601";
  EXPECT_EQ(180, Offset("Horalis_Early", 2025)) << "kept on to the last entry";
}

// A key named in Russian, in the ANSI code page, found by the word typed in
// the OEM one, in either case.
TEST_F(AddedZonesTest, ANonLatinKeyNameMatchesTheWordsCharacters) {
  Add("\xca\xe0\xec\xf7\xe0\xf2\xea\xe0 Horalis"); // Камчатка in 1251
  for (const char *word : {"\xaa\xa0\xac\xe7\xa0\xe2\xaa\xa0", "\x8a\x80\x8c\x97\x80\x92\x8a\x80"})
    EXPECT_EQ(120, Offset(word, 2025)) << "камчатка, КАМЧАТКА in 866: " << word;
}
