// Names and layouts in a language a format chooses, against Windows' own
// dates and times for the same moment, in the code page the text goes to.
#include <string.h>
#include <time.h>

#include <string>

#include "datetext/date_text.h"
#include "datetext/locale_names.h"
#include "datetext/time_record.h"
#include "support/clipboard_text.h"
#include "support/plugin_fixture.h"

static struct tm Moment(int year, int month, int day, int hour, int weekday) {
  struct tm record = TimeRecord(year, month, day, hour, 58, 15);
  record.tm_wday = weekday;
  return record;
}

static std::string Expanded(const char *format, const struct tm &moment, UINT codePage = CP_OEMCP,
                            int size = DATE_TEXT_SIZE) {
  char text[DATE_TEXT_SIZE];
  ExpandDateTextIn(text, size, format, &moment, codePage);
  return text;
}

// Windows' text for the moment: a date picture, or the short date ("x"),
// the time ("X") or both ("c"); the runtime's expansion of `format` when
// the OEM code page cannot hold it.
static std::string WindowsText(LCID language, const char *picture, const struct tm &moment,
                               const std::string &format) {
  SYSTEMTIME day = {(WORD)(moment.tm_year + 1900),
                    (WORD)(moment.tm_mon + 1),
                    0,
                    (WORD)moment.tm_mday,
                    (WORD)moment.tm_hour,
                    58,
                    15,
                    0};
  WCHAR own[16], wide[128];
  for (int i = 0; (own[i] = (WCHAR)picture[i]) != 0; i++) {
  }
  int layout = strchr("xXc", picture[0]) != NULL;
  int used = 0;
  if (picture[0] != 'X')
    used = GetDateFormatW(language, 0, &day, layout ? NULL : own, wide, 64);
  if (picture[0] == 'c')
    wide[used - 1] = ' ';
  if (picture[0] == 'X' || picture[0] == 'c')
    GetTimeFormatW(language, 0, &day, NULL, wide + used, 64);
  char text[128];
  BOOL lost = FALSE;
  WideCharToMultiByte(CP_OEMCP, WC_NO_BEST_FIT_CHARS, wide, -1, text, sizeof text, NULL, &lost);
  return lost ? Expanded(("%{C}" + format).c_str(), moment) : text;
}

struct LanguageCase {
  const char *code;
  LCID language;
};

struct PictureCase {
  const char *format;
  const char *picture; // what Windows writes for it
};

TEST(DateLanguage, NamesAndLayoutsAreWindowsOwn) {
  const LanguageCase languages[] = {
      {"ru", 0x0419}, {"ru-RU", 0x0419}, {"EN_us", 0x0409}, {"", GetUserDefaultLCID()},
#ifdef _WIN32
      {"de", 0x0407}, {"en-GB", 0x0809}, {"pl", 0x0415},    {"el", 0x0408},
#endif
  };
  const PictureCase pictures[] = {
      {"%A", "dddd"}, {"%a", "ddd"},        {"%B %Y", "MMMM yyyy"},
      {"%b", "MMM"},  {"%d %B", "dd MMMM"}, {"%#d %b", "d MMM"},
      {"%x", "x"},    {"%X", "X"},          {"%c", "c"},
  };
  const struct tm moments[] = {Moment(2026, 12, 7, 15, 1), Moment(2024, 2, 29, 9, 4),
                               Moment(2000, 5, 1, 0, 1)};
  for (const LanguageCase &l : languages)
    for (const PictureCase &p : pictures)
      for (const struct tm &moment : moments) {
        std::string format = std::string("%{") + l.code + "}" + p.format;
        std::string expected = WindowsText(l.language, p.picture, moment, p.format);
        EXPECT_EQ(expected, Expanded(format.c_str(), moment))
            << "format \"" << format << "\" for " << RecordText(moment);
      }
}

TEST(DateLanguage, TheFormatDecidesWhereTheLanguageApplies) {
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  const struct {
    const char *format, *expected;
  } cases[] = {
      {"%Y%{", "2026"},
      {"%Y %{ru", "2026 "},
      {"%{ru%B", ""},
      {"%{}%Y-%m-%d %H:%M", "2026-12-07 15:58"},
      {"%{xx}%B %{C}%A", "December Monday"},
      {"%{ru}%{C}%B", "December"},
      {"%%{ru}%B", "%{ru}December"},
      {"%{a-very-long-code}%B", "December"},
      {"100%% %{ru}%d.%m", "100% 07.12"},
  };
  for (const auto &c : cases)
    EXPECT_EQ(c.expected, Expanded(c.format, moment)) << "format \"" << c.format << "\"";
}

TEST(DateLanguage, LongTextsAreCutInsideTheBuffer) {
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  std::string whole = Expanded("%{ru}%A %B %c", moment);
  for (int size = 1; size < (int)whole.size() + 2; size++) {
    char text[DATE_TEXT_SIZE];
    memset(text, '#', sizeof text);
    ExpandDateTextIn(text, size, "%{ru}%A %B %c", &moment, CP_OEMCP);
    EXPECT_EQ(whole.substr(0, size - 1), text) << "buffer of " << size;
    EXPECT_EQ('#', text[size]) << "nothing written past a buffer of " << size;
  }
}

TEST(DateLanguage, TheSettingGivesTheUsersLanguageToFormatsWithoutOne) {
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  std::string users = Expanded("%{}%d %B %A", moment);
  for (int on = 0; on < 2; on++) {
    UserLanguageForAll = on;
    EXPECT_EQ(on ? users : "07 December Monday", Expanded("%d %B %A", moment)) << "setting " << on;
    EXPECT_EQ("December", Expanded("%{C}%B", moment)) << "setting " << on;
  }
  UserLanguageForAll = 0;
}

// Russian names where the code pages hold them: the month after a day
// number in the genitive, and ANSI text on the clipboard.
TEST(DateLanguage, RussianMonthsTakeTheGenitiveAfterADay) {
  if (GetOEMCP() != 866)
    GTEST_SKIP() << "the OEM code page is not Russian";
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  EXPECT_EQ("07 \xA4\xA5\xAA\xA0\xA1\xE0\xEF 2026", Expanded("%{ru}%d %B %Y", moment));
  EXPECT_EQ("\xA4\xA5\xAA\xA0\xA1\xE0\xEC 2026", Expanded("%{ru}%B %Y", moment));
}

typedef PluginTest DateLanguageClipboardTest;

TEST_F(DateLanguageClipboardTest, PutHoralisPutsTheNamesInAnsi) {
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  PutHoralis("%{ru}%d %B %Y", &moment);
  const char *expected =
      GetACP() == 1251 ? "07 \xE4\xE5\xEA\xE0\xE1\xF0\xFF 2026" : "07 December 2026";
  EXPECT_EQ(expected, ClipboardText()) << "the Russian month where the code pages hold it";
}

TEST(DateLanguage, NamesAreReadAgainAfterTheUnloadsRelease) {
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  std::string kept = Expanded("%{ru}%A %B", moment);
  ReleaseLocaleNames();
  EXPECT_EQ(kept, Expanded("%{ru}%A %B", moment));
}
