// Each text of one expansion in its own code page: the editor's OEM text
// and the clipboard's ANSI, OEM and Unicode texts, on systems of several
// code pages (under Wine, ctest runs this in each; natively 1251/866).
#include <locale.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include <string>

#include "hostlink/date_delivery.h"
#include "datetext/time_record.h"
#include "support/clipboard_text.h"
#include "support/plugin_fixture.h"
#ifndef _WIN32
#include "datetext/zone_scope.h"
#include "winsubset_control.h"
#endif

// Monday, 7 December 2026, 14:05:09.
static struct tm December7(void) {
  struct tm record = TimeRecord(2026, 12, 7, 14, 5, 9);
  record.tm_wday = 1;
  record.tm_yday = 340;
  return record;
}

static std::string Repeated(const char *text, int times) {
  std::string whole;
  for (int i = 0; i < times; i++)
    whole += text;
  return whole;
}

// UTF-8 written here, in codePage's bytes.
static std::string InCodePage(UINT codePage, const char *utf8) {
  static WCHAR wide[4096];
  static char text[8192];
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 4096);
  WideCharToMultiByte(codePage, 0, wide, -1, text, sizeof text, NULL, NULL);
  return text;
}

struct CodePageCase {
  UINT ansi, oem;
  const char *format;
  // UTF-8 here; each text in its own code page on the clipboard.
  const char *ansiText, *oemText, *unicodeText;
};

// The native subset knows Russian and English only.
static const CodePageCase CodePageCases[] = {
    {1251, 866, "%{ru}%A %d %B", "понедельник 07 декабря", "понедельник 07 декабря",
     "понедельник 07 декабря"},
    {1252, 437, "%{ru}%A %d %B", "Monday 07 December", "Monday 07 December",
     "понедельник 07 декабря"},
    {932, 932, "%{ru}%A", "понедельник", "понедельник", "понедельник"},
#ifdef _WIN32
    // 1251 has і, 866 only its look-alike.
    {1251, 866, "%{uk}%A", "понеділок", "понедiлок", "понеділок"},
    {1251, 866, "%{el}%A %{ru}%A", "Monday понедельник", "Monday понедельник",
     "Δευτέρα понедельник"},
    {1252, 437, "%{ru}%A %{de}%A", "Monday Montag", "Monday Montag", "понедельник Montag"},
    {1252, 437, "%{fr}%B %^A", "décembre LUNDI", "décembre LUNDI", "décembre LUNDI"},
    {1253, 737, "%{el}%A", "Δευτέρα", "Δευτέρα", "Δευτέρα"},
    {1253, 737, "%{ru}%B %{el}%p", "December μ.μ.", "December μ.μ.", "декабрь μ.μ."},
    {932, 932, "%{ja}%A %B", "月曜日 12月", "月曜日 12月", "月曜日 12月"},
#endif
};

// Under Wine the system's code pages decide which cases run; natively the
// subset takes each system's in turn.
static bool OnSystem(UINT ansi, UINT oem) {
#ifndef _WIN32
  WinSubset_SetCodePages(ansi, oem);
#endif
  return GetACP() == ansi && GetOEMCP() == oem;
}

static void BackToTheFirstSystem(void) {
#ifndef _WIN32
  WinSubset_SetCodePages(1251, 866);
#endif
}

typedef PluginTest CodePageTextsTest;

// The run was meant for these code pages ("932/932"): the system did switch.
TEST(CodePageTexts, TheSystemHasTheCodePagesAsked) {
  const char *asked = getenv("HORALIS_CODE_PAGES");
  if (!asked)
    GTEST_SKIP() << "no code pages asked";
  EXPECT_EQ(asked, std::to_string(GetACP()) + "/" + std::to_string(GetOEMCP()));
}

TEST_F(CodePageTextsTest, EachClipboardTextIsInItsOwnCodePage) {
  const struct tm moment = December7();
  int ran = 0;
  for (const CodePageCase &c : CodePageCases) {
    if (!OnSystem(c.ansi, c.oem))
      continue;
    ran++;
    char oem[DATE_TEXT_SIZE];
    ExpandDateText(oem, sizeof oem, c.format, &moment);
    EXPECT_EQ(InCodePage(c.oem, c.oemText), oem) << "the editor's text of " << c.format;
    EXPECT_EQ(1, PutHoralis(c.format, &moment)) << c.format;
    EXPECT_EQ(InCodePage(c.ansi, c.ansiText), ClipboardText()) << "CF_TEXT of " << c.format;
    EXPECT_EQ(c.unicodeText, ClipboardUnicodeText()) << "CF_UNICODETEXT of " << c.format;
    EXPECT_EQ(InCodePage(c.oem, c.oemText), ClipboardText(CF_OEMTEXT))
        << "CF_OEMTEXT of " << c.format;
  }
  BackToTheFirstSystem();
  if (!ran)
    GTEST_SKIP() << "no case for code pages " << GetACP() << "/" << GetOEMCP();
}

// The first `count` characters of a UTF-8 text.
static std::string FirstCharacters(const std::string &utf8, int count) {
  static WCHAR wide[4096];
  static char text[8192];
  MultiByteToWideChar(CP_UTF8, 0, utf8.c_str(), -1, wide, 4096);
  wide[count] = 0;
  WideCharToMultiByte(CP_UTF8, 0, wide, -1, text, sizeof text, NULL, NULL);
  return text;
}

// A double-byte code page: a text cut at the buffer's end never ends in a
// lone lead byte, and stays terminated inside the buffer.
TEST_F(CodePageTextsTest, CutsFallOnCharacterBoundaries) {
  if (!OnSystem(932, 932))
    GTEST_SKIP() << "not a Japanese system";
  const struct tm moment = December7();
  const struct {
    const char *language, *name;
  } cases[] = {
      {"%{ru}", "понедельник"},
#ifdef _WIN32
      {"%{ja}", "月曜日"},
#endif
  };
  for (const auto &c : cases) {
    std::string format = c.language + Repeated("%A", 100);
    // Every character two bytes: 255 of them, 510 bytes.
    std::string whole = InCodePage(932, Repeated(c.name, 100).c_str()).substr(0, 510);
    char text[DATE_TEXT_SIZE + 8];
    memset(text, '#', sizeof text);
    ExpandDateText(text, DATE_TEXT_SIZE, format.c_str(), &moment);
    EXPECT_EQ(whole, text) << "the editor's text of " << c.name;
    EXPECT_EQ('#', text[DATE_TEXT_SIZE]) << "nothing written past the buffer";
    PutHoralis(format.c_str(), &moment);
    EXPECT_EQ(whole, ClipboardText()) << "CF_TEXT of " << c.name;
    EXPECT_EQ(FirstCharacters(Repeated(c.name, 100), 511), ClipboardUnicodeText())
        << "CF_UNICODETEXT of " << c.name << ": 511 characters";
  }
  BackToTheFirstSystem();
}

TEST_F(CodePageTextsTest, ANamedZoneGivesTheSameTimeInEveryText) {
  const struct tm moment = December7();
  const char format[] = "%{ru @Tokyo}%H:%M %z";
  char oem[DATE_TEXT_SIZE];
  ExpandDateText(oem, sizeof oem, format, &moment);
  PutHoralis(format, &moment);
  EXPECT_EQ(oem, ClipboardText()) << "CF_TEXT";
  EXPECT_EQ(oem, ClipboardUnicodeText()) << "CF_UNICODETEXT";
}

// A format's CR LF stays one line break; a bare LF becomes CR LF.
TEST_F(CodePageTextsTest, LineBreaksAreCrLfOnce) {
  const struct tm moment = December7();
  PutHoralis("a\r\nb%nc\n", &moment);
  EXPECT_EQ("a\r\nb\r\nc\r\n", ClipboardText());
  EXPECT_EQ("a\r\nb\r\nc\r\n", ClipboardUnicodeText());
}

// No text, or a name that cannot be found: the clipboard is left as it was.
TEST_F(CodePageTextsTest, PutHoralisWithoutATextKeepsTheClipboard) {
  struct tm lastDay = TimeRecord(9999, 12, 31, 12, 0, 0);
  const struct {
    const char *format;
    const struct tm *moment;
  } cases[] = {
      {nullptr, nullptr},
      {"", nullptr},
      {"%{+1d}%Y", &lastDay},
      {"%{@Tokio}%H:%M", nullptr},
  };
  for (const auto &c : cases) {
    PutHoralis("seed", nullptr);
    EXPECT_EQ(0, PutHoralis(c.format, c.moment)) << (c.format ? c.format : "null");
    EXPECT_EQ("seed", ClipboardText()) << (c.format ? c.format : "null");
  }
}

// A record that leaves daylight saving open takes the zone's rules for
// its moment: the standard name in December, the daylight one in July.
// Under Wine ctest runs it in zones of both hemispheres.
TEST(ZoneNameOfARecord, DaylightLeftOpenFollowsTheZonesRules) {
#ifndef _WIN32
  ZoneScope scope("EST5EDT,M3.2.0,M11.1.0");
#endif
  TIME_ZONE_INFORMATION zone;
  GetTimeZoneInformation(&zone);
  char standard[64], daylight[64];
  WideCharToMultiByte(CP_OEMCP, 0, zone.StandardName, -1, standard, 64, NULL, NULL);
  WideCharToMultiByte(CP_OEMCP, 0, zone.DaylightName, -1, daylight, 64, NULL, NULL);
  struct tm december = December7(), july = TimeRecord(2026, 7, 1, 12, 0, 0);
  december.tm_isdst = july.tm_isdst = -1;
  int north = zone.DaylightDate.wMonth != 0 && zone.DaylightDate.wMonth < zone.StandardDate.wMonth;
  char text[DATE_TEXT_SIZE];
  ExpandDateText(text, sizeof text, "%Z", &december);
  EXPECT_STREQ(zone.DaylightDate.wMonth && !north ? daylight : standard, text) << "December";
  ExpandDateText(text, sizeof text, "%Z", &july);
  EXPECT_STREQ(north ? daylight : standard, text) << "July";
}

#ifdef _WIN32
// The runtime's locale, which the host or any module may set, changes none
// of the English names or layouts.
TEST(RuntimeLocale, LeavesTheEnglishNamesAlone) {
  if (GetACP() != 1251)
    GTEST_SKIP() << "not a Russian system";
  const struct tm moment = December7();
  ASSERT_TRUE(setlocale(LC_ALL, ""));
  char runtime[64];
  strftime(runtime, sizeof runtime, "%A", &moment);
  EXPECT_STRNE("Monday", runtime) << "the runtime's own names follow the locale";
  const char *const formats[][2] = {
      {"%{C}%A %B", "Monday December"},
      {"%{ja}%B %p", "December PM"},
      {"%c|%#x", "12/07/26 14:05:09|Monday, December 07, 2026"},
  };
  for (const auto &f : formats) {
    char text[DATE_TEXT_SIZE];
    ExpandDateText(text, sizeof text, f[0], &moment);
    EXPECT_STREQ(f[1], text) << f[0];
  }
  setlocale(LC_ALL, "C");
}
#endif
