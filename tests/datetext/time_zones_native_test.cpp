// Time zones from a registry that is broken or missing: zones with unusable
// rules are left out, the others still work, and nothing is read twice.
#include <string.h>

#include <string>

#include <gtest/gtest.h>

#include "datetext/time_record.h"
#include "datetext/time_zones.h"
#include "winsubset_control.h"

static const char Zones[] = "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\";

class BrokenZonesTest : public testing::Test {
protected:
  void SetUp() override {
    WinSubset_Reset();
    ReleaseTimeZones();
  }
  void TearDown() override {
    WinSubset_Reset();
    ReleaseTimeZones();
  }
  static void Store(const char *zone, const char *name, DWORD type, const void *data, DWORD size) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExA(HKEY_LOCAL_MACHINE, (std::string(Zones) + zone).c_str(), 0, NULL, 0,
                              KEY_ALL_ACCESS, NULL, &key, NULL));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key, name, 0, type, (const BYTE *)data, size));
    RegCloseKey(key);
  }
  static int Offset(const char *word, int year, int month) {
    TimeZoneRef zone;
    struct tm utc = TimeRecord(year, month, 15, 12, 0, 0), local;
    int offset = -1;
    if (!FindTimeZone(word, (int)strlen(word), &zone) ||
        !ZoneTimeFromUtc(&zone, &utc, &local, &offset))
      return -1;
    return offset;
  }
};

TEST_F(BrokenZonesTest, UnusableRulesLeaveTheirZoneOut) {
  BYTE rule[44] = {0};
  DWORD hugeYear = 0x7fffffff, text = 0;
  Store("Tokyo Standard Time", "TZI", REG_BINARY, rule, 40); // short
  Store("India Standard Time", "TZI", REG_SZ, "x", 2);       // a text
  rule[14] = 13;                                             // month 13
  Store("Nepal Standard Time", "TZI", REG_BINARY, rule, sizeof rule);
  Store("Pacific Standard Time\\Dynamic DST", "LastEntry", REG_DWORD, &hugeYear, 4);
  Store("AUS Eastern Standard Time\\Dynamic DST", "FirstEntry", REG_SZ, &text, 4);
  Store("Atlantis Standard Time", "Std", REG_SZ, "Atlantis", 9); // no rules at all
  for (const char *word : {"Tokyo", "India", "Nepal", "Atlantis"}) {
    TimeZoneRef zone;
    EXPECT_EQ(0, FindTimeZone(word, (int)strlen(word), &zone)) << word << " left out";
  }
  EXPECT_EQ(-420, Offset("Pacific", 2025, 7)) << "the years it has; beyond them its last";
  EXPECT_EQ(-480, Offset("Pacific", 2031, 1));
  EXPECT_EQ(600, Offset("Sydney", 2025, 7)) << "rules from the zone's TZI";
  EXPECT_EQ(660, Offset("Sydney", 2025, 1));
  EXPECT_EQ(-180, Offset("UTC-3", 2025, 1)) << "fixed offsets need no registry";
}

TEST_F(BrokenZonesTest, NoZonesWhenTheKeyCannotBeRead) {
  WinSubset_FailCall("RegOpenKeyExA", ERROR_ACCESS_DENIED, 1);
  EXPECT_EQ(-1, Offset("Tokyo", 2025, 1));
  EXPECT_EQ(540, Offset("UTC+9", 2025, 1));
  EXPECT_EQ(-1, Offset("Tokyo", 2025, 1)) << "read once and kept, even when it failed";
  ReleaseTimeZones();
  EXPECT_EQ(540, Offset("Tokyo", 2025, 1)) << "read again after a release";
}

// A call failing while the zones are read leaves that zone out, or all of
// them: "Pacific" is then no zone, or the next zone the word names (Chile's,
// -240 in July), never a made-up offset.
TEST_F(BrokenZonesTest, FailingCallsWhileReadingAreSafe) {
  for (int k = 1;; k++) {
    ReleaseTimeZones();
    WinSubset_Reset();
    WinSubset_FailNthCall(k, ERROR_NOT_ENOUGH_MEMORY);
    int offset = Offset("Pacific", 2025, 7);
    int counted = WinSubset_CountedCalls();
    EXPECT_TRUE(offset == -1 || offset == -420 || offset == -240)
        << "call " << k << " failing: " << WinSubset_FailedCallName() << ", offset " << offset;
    if (k > counted)
      break;
  }
}

// A Russian Windows names its zones in Russian, in the ANSI code page;
// formats are typed in the OEM one, in either case.
TEST_F(BrokenZonesTest, CyrillicWordsOfADisplayNameMatchInEitherCase) {
  const char display[] = "(UTC+03:00) \xcc\xee\xf1\xea\xe2\xe0"; // Москва in 1251
  Store("Russian Standard Time", "Display", REG_SZ, display, sizeof display);
  for (const char *word : {"\xac\xae\xe1\xaa\xa2\xa0", "\x8c\x8e\x91\x8a\x82\x80",
                           "\xac\x8e\xe1\x8a\xa2\x80"}) { // москва, МОСКВА, мОсКвА in 866
    EXPECT_EQ(180, Offset(word, 2025, 1)) << "the word in 866: " << word;
  }
}
