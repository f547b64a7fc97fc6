#include <locale.h>
#include <string.h>
#include <time.h>

#include "hostlink/date_delivery.h"
#include "datetext/time_record.h"
#include "support/clipboard_text.h"
#include "support/plugin_fixture.h"

static struct tm Moment(int year, int month, int day, int hour, int minute, int second) {
  struct tm record = TimeRecord(year, month, day, hour, minute, second);
  record.tm_wday = 4; // 29 February 2024 was a Thursday
  record.tm_yday = 59;
  return record;
}

struct ExpansionCase {
  const char *format;
  const char *expected;
};

TEST(ExpandDateText, ExpandsFormatsForAGivenMoment) {
  const struct tm moment = Moment(2024, 2, 29, 14, 5, 9);
  const ExpansionCase cases[] = {
      {"%Y-%m-%d %H:%M:%S", "2024-02-29 14:05:09"},
      {"%d.%m.%y", "29.02.24"},
      {"%A, %B %d", "Thursday, February 29"},
      {"%a %b %j", "Thu Feb 060"},
      {"%I %p", "02 PM"},
      {"plain text", "plain text"},
      {"", ""},
      {"100%%", "100%"},
      {"%Q unknown", "%Q unknown"},
      {"lone %", "lone %"},
      {"%", "%"},
      {"%#", "%#"},
      {"%Ey %Oy %5d %Ek %Oa", "24 24 %5d %Ek %Oa"},
      {"%Y%", "2024%"},
      {"%F %T", "2024-02-29 14:05:09"},
      {"%D %R %r", "02/29/24 14:05 02:05:09 PM"},
      {"%e|%C|%u|%V|%G|%g|%h", "29|20|4|09|2024|24|Feb"},
      {"a%nb%tc", "a\nb\tc"},
      {"%#d.%#m.%#y %#H:%#M:%#S %#j %#U %#D %#F %#T",
       "29.2.24 14:5:9 60 8 2/29/24 2024-2-29 14:5:9"},
      {"%#e %#C %#V %#u %#G %#%", "29 20 9 4 2024 %"},
      {"%: %#:", "%: %#:"},
      {"%E", "%E"},
      {"%O%", "%O%"},
      {"!", ""},
      {"x!%%", "x!%"},
  };
  for (const ExpansionCase &c : cases) {
    char buffer[DATE_TEXT_SIZE];
    memset(buffer, '#', sizeof buffer);
    int count = ExpandDateText(buffer, sizeof buffer, c.format, &moment);
    EXPECT_STREQ(c.expected, buffer) << "format \"" << c.format << "\"";
    EXPECT_EQ((int)strlen(c.expected), count) << "format \"" << c.format << "\"";
  }
}

// Names and layouts of the Windows runtime's C locale, whatever locale the
// process has set: the plugin's own tables.
TEST(ExpandDateText, WritesTheWindowsRuntimesCLocale) {
  struct tm moment = Moment(2026, 12, 7, 14, 5, 9);
  moment.tm_wday = 1;
  moment.tm_yday = 340;
  const ExpansionCase cases[] = {
      {"%c", "12/07/26 14:05:09"},
      {"%#c", "Monday, December 07, 2026 14:05:09"},
      {"%x|%#x", "12/07/26|Monday, December 07, 2026"},
      {"%X|%#X", "14:05:09|14:05:09"},
      {"%a %A %b %B %p", "Mon Monday Dec December PM"},
      {"%#a %#A %#b %#B %#p", "Mon Monday Dec December PM"},
      {"%^c|%-x|%_X", "12/07/26 14:05:09|12/07/26|14:05:09"},
      {"%{C}%^A %^b", "MONDAY DEC"},
  };
  for (const ExpansionCase &c : cases) {
    char buffer[DATE_TEXT_SIZE];
    ExpandDateText(buffer, sizeof buffer, c.format, &moment);
    EXPECT_STREQ(c.expected, buffer) << "format \"" << c.format << "\"";
  }
}

#ifdef _WIN32
// Every conversion msvcrt has gives what msvcrt gives in the C locale,
// its own "#" forms included.
TEST(ExpandDateText, AgreesWithTheRuntimeWhereItHasTheConversion) {
  const char *const formats[] = {
      "%a",  "%A",  "%b",  "%B",  "%c",  "%d",  "%H",  "%I",  "%j",  "%m",  "%M",
      "%p",  "%S",  "%U",  "%w",  "%W",  "%x",  "%X",  "%y",  "%Y",  "%%",  "%#c",
      "%#x", "%#a", "%#A", "%#b", "%#B", "%#p", "%#X", "%#%", "%#d", "%#H", "%#I",
      "%#j", "%#m", "%#M", "%#S", "%#U", "%#w", "%#W", "%#y", "%#Y",
  };
  struct tm moments[] = {Moment(2024, 2, 29, 14, 5, 9), Moment(2005, 1, 2, 0, 0, 0),
                         Moment(2026, 12, 31, 12, 59, 59), Moment(1970, 1, 1, 23, 7, 1)};
  moments[1].tm_wday = 0; // Sunday, day 1 of the year
  moments[1].tm_yday = 1;
  moments[2].tm_wday = 4;
  moments[2].tm_yday = 364;
  moments[3].tm_yday = 0;
  setlocale(LC_ALL, "C");
  for (const struct tm &moment : moments) {
    for (const char *format : formats) {
      char expected[DATE_TEXT_SIZE], ours[DATE_TEXT_SIZE];
      size_t count = strftime(expected, sizeof expected, format, &moment);
      expected[count] = 0;
      ExpandDateText(ours, sizeof ours, format, &moment);
      EXPECT_STREQ(expected, ours)
          << format << " on " << moment.tm_year + 1900 << " day " << moment.tm_yday;
    }
  }
}
#endif

TEST(ExpandDateText, LongExpansionsAreCutToTheBuffer) {
  const struct tm moment = Moment(2024, 2, 29, 14, 5, 9);
  char buffer[DATE_TEXT_SIZE + 4];
  memset(buffer, '#', sizeof buffer);
  std::string format;
  for (int i = 0; i < 120; i++)
    format += "%Y-";
  ExpandDateText(buffer, DATE_TEXT_SIZE, format.c_str(), &moment);
  EXPECT_EQ(DATE_TEXT_SIZE - 1, (int)strlen(buffer)) << "cut to 511 characters";
  EXPECT_EQ(0, strncmp(buffer, "2024-2024-", 10));
  EXPECT_EQ('#', buffer[DATE_TEXT_SIZE]) << "nothing written past the buffer";

  // Longer than any expansion made in one call: the same first 511.
  std::string huge;
  for (int i = 0; i < 400; i++)
    huge += "%Y-";
  ExpandDateText(buffer, DATE_TEXT_SIZE, huge.c_str(), &moment);
  EXPECT_EQ(DATE_TEXT_SIZE - 1, (int)strlen(buffer)) << "a 2000-character expansion cut to 511";
  EXPECT_EQ(0, strncmp(buffer, "2024-2024-", 10)) << "its start kept";

  std::string literal(700, 'x');
  ExpandDateText(buffer, DATE_TEXT_SIZE, literal.c_str(), &moment);
  EXPECT_EQ(std::string(DATE_TEXT_SIZE - 1, 'x'), buffer);

  char tiny[1] = {'#'};
  ExpandDateText(tiny, 1, "%Y", &moment);
  EXPECT_EQ(0, tiny[0]) << "a one-byte buffer holds the terminator only";
}

TEST(ExpandDateText, FieldsOutOfRangeNeverCrash) {
  struct tm wild;
  memset(&wild, 0x7F, sizeof wild);
  char buffer[DATE_TEXT_SIZE];
  ExpandDateText(buffer, sizeof buffer,
                 "%a %A %b %B %c %d %H %I %j %m %M %p %S %U %w %W %x %X %y %Y", &wild);
  EXPECT_LT(strlen(buffer), (size_t)DATE_TEXT_SIZE);
  memset(&wild, 0x80, sizeof wild);
  ExpandDateText(buffer, sizeof buffer, "%a %b %d %m %Y %H", &wild);
  EXPECT_LT(strlen(buffer), (size_t)DATE_TEXT_SIZE);
}

TEST(ExpandDateText, NullFormatIsEmptyAndNullMomentIsNow) {
  char buffer[DATE_TEXT_SIZE] = "old";
  EXPECT_EQ(0, ExpandDateText(buffer, sizeof buffer, nullptr, nullptr));
  EXPECT_STREQ("", buffer);

  time_t before = time(NULL);
  ExpandDateText(buffer, sizeof buffer, "%Y %m %d %H %M %S", nullptr);
  time_t after = time(NULL);
  bool matches = false;
  for (time_t t = before; t <= after; t++) {
    char expected[DATE_TEXT_SIZE];
    strftime(expected, sizeof expected, "%Y %m %d %H %M %S", localtime(&t));
    matches = matches || strcmp(expected, buffer) == 0;
  }
  EXPECT_TRUE(matches) << "the local time of the call, got " << buffer;
}

typedef PluginTest InsertDateTextTest;

TEST_F(InsertDateTextTest, GoesToTheEditorOrTheCommandLine) {
  struct tm moment = Moment(2024, 2, 29, 14, 5, 9);
  InsertDateText("%d.%m.%Y", OPEN_EDITOR, &moment);
  InsertDateText("%H:%M", 0, &moment);
  InsertDateText("%Y", OPEN_VIEWER, &moment);
  std::vector<std::string> editor = {"29.02.2024"};
  std::vector<std::string> commandLine = {"14:05", "2024"};
  EXPECT_EQ(editor, Host().editorInserts) << "target 5 is the editor";
  EXPECT_EQ(commandLine, Host().commandLineInserts) << "any other target the command line";
  EXPECT_STREQ("2024", DateText) << "DateText holds the last expansion";
}

typedef PluginTest PutHoralisTest;

TEST_F(PutHoralisTest, PutsTheAnsiTextOnTheClipboard) {
  struct tm moment = Moment(2024, 2, 29, 14, 5, 9);
  // "Дата" in the OEM code page 866 becomes the same letters in ANSI 1251.
  PutHoralis("\x84\xA0\xE2\xA0 %d.%m.%Y", &moment);
  EXPECT_EQ("\xC4\xE0\xF2\xE0 29.02.2024", ClipboardText());
  EXPECT_TRUE(Host().boxes.empty()) << "no error box when the clipboard takes the text";
  EXPECT_TRUE(OpenClipboard(NULL)) << "the clipboard was closed again";
  CloseClipboard();
}

TEST_F(PutHoralisTest, NullOrEmptyFormatLeavesTheClipboard) {
  PutHoralis("seed", nullptr);
  EXPECT_EQ("seed", ClipboardText());
  EXPECT_EQ(0, PutHoralis(nullptr, nullptr)) << "a null format gives no text";
  EXPECT_EQ("seed", ClipboardText()) << "a null format leaves the clipboard";
  EXPECT_EQ(0, PutHoralis("", nullptr));
  EXPECT_EQ("seed", ClipboardText());
}
