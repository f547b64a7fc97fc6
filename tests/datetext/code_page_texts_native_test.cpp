// A zone whose display name is Cyrillic, as on a Russian Windows: every
// text of the clipboard tells the same time in it (the native registry
// takes a made-up zone).
#include <string.h>
#include <time.h>

#include <string>

#include "hostlink/date_delivery.h"
#include "datetext/time_record.h"
#include "datetext/time_zones.h"
#include "support/clipboard_text.h"
#include "support/plugin_fixture.h"
#include "winsubset_control.h"

static const char TrialZone[] =
    "SOFTWARE\\Microsoft\\Windows NT\\CurrentVersion\\Time Zones\\Trial Moscow Standard Time";

static void StoreTrialZone(void) {
  HKEY key;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, TrialZone, 0, NULL, 0,
                                           KEY_ALL_ACCESS, NULL, &key, NULL));
  BYTE rules[44] = {0x4C, 0xFF, 0xFF, 0xFF}; // a bias of -180 minutes: UTC+3, no daylight
  // "(UTC+03:00) Пробамосква" and "Пробамосква" in 1251, as Windows stores them.
  const char display[] = "(UTC+03:00) \xCF\xF0\xEE\xE1\xE0\xEC\xEE\xF1\xEA\xE2\xE0";
  const char standard[] = "\xCF\xF0\xEE\xE1\xE0\xEC\xEE\xF1\xEA\xE2\xE0";
  RegSetValueExA(key, "TZI", 0, REG_BINARY, rules, sizeof rules);
  RegSetValueExA(key, "Display", 0, REG_SZ, (const BYTE *)display, sizeof display);
  RegSetValueExA(key, "Std", 0, REG_SZ, (const BYTE *)standard, sizeof standard);
  RegSetValueExA(key, "Dlt", 0, REG_SZ, (const BYTE *)standard, sizeof standard);
  RegCloseKey(key);
}

class CyrillicZoneTest : public PluginTest {
protected:
  void SetUp() override {
    PluginTest::SetUp();
    WinSubset_Reset();
    StoreTrialZone();
    ReleaseTimeZones();
  }
  void TearDown() override {
    WinSubset_Reset();
    ReleaseTimeZones();
    PluginTest::TearDown();
  }
};

TEST_F(CyrillicZoneTest, EveryTextTellsTheSameTime) {
  struct tm moment = TimeRecord(2026, 12, 9, 12, 0, 0);
  moment.tm_wday = 3;
  // "%{ru @пробамосква}%A %H:%M %z %Z" in 866, as the host gives a format.
  const char format[] = "%{ru @\xAF\xE0\xAE\xA1\xA0\xAC\xAE\xE1\xAA\xA2\xA0}%A %H:%M %z";
  char oem[DATE_TEXT_SIZE];
  ExpandDateText(oem, sizeof oem, format, &moment);
  ASSERT_EQ(1, PutHoralis(format, &moment));
  std::string unicode = ClipboardUnicodeText();
  EXPECT_NE(std::string::npos, unicode.find(" +0300")) << unicode;
  WCHAR wide[DATE_TEXT_SIZE];
  char ansi[DATE_TEXT_SIZE], utf8[DATE_TEXT_SIZE];
  MultiByteToWideChar(CP_OEMCP, 0, oem, -1, wide, DATE_TEXT_SIZE);
  WideCharToMultiByte(CP_ACP, 0, wide, -1, ansi, sizeof ansi, NULL, NULL);
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8, sizeof utf8, NULL, NULL);
  EXPECT_EQ(ansi, ClipboardText()) << "CF_TEXT as the editor's text";
  EXPECT_EQ(utf8, unicode) << "CF_UNICODETEXT as the editor's text";
}
