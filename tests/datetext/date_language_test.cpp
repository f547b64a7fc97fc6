// Names and layouts in a language a format chooses, against Windows' own
// dates and times for the same moment, in the code page the text goes to.
#include <string.h>
#include <time.h>

#include <string>

#include "hostlink/date_delivery.h"
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

// Whether the OEM code page holds every name of the language, with
// Windows' nearest letters: otherwise the runtime's names serve.
static bool OemHoldsNames(LCID language) {
  for (LCTYPE type = LOCALE_SDAYNAME1; type < LOCALE_SABBREVMONTHNAME1 + 12; type++) {
    WCHAR wide[64];
    char text[128];
    BOOL lost = FALSE;
    if (GetLocaleInfoW(language, type, wide, 64))
      WideCharToMultiByte(CP_OEMCP, 0, wide, -1, text, sizeof text, NULL, &lost);
    if (lost)
      return false;
  }
  return true;
}

// Windows' text for the moment: a date picture, or the short date ("x"),
// the time ("X") or both ("c"); the runtime's expansion of `format` when
// the OEM code page cannot hold it or the language's names.
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
  // Windows' nearest letters where the code page lacks one.
  char text[128];
  BOOL lost = FALSE;
  WideCharToMultiByte(CP_OEMCP, 0, wide, -1, text, sizeof text, NULL, &lost);
  return lost || !OemHoldsNames(language) ? Expanded(("%{C}" + format).c_str(), moment) : text;
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
      // A "%{" that no "}" closes is written as it stands.
      {"%Y%{", "2026%{"},
      {"%Y %{ru", "2026 %{ru"},
      {"%{ru%B", "%{ruDecember"},
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

// Text written in UTF-8 here, in the OEM code page as the plugin writes it.
static std::string Oem(const char *utf8) {
  WCHAR wide[256];
  char text[256];
  MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 256);
  WideCharToMultiByte(CP_OEMCP, 0, wide, -1, text, sizeof text, NULL, NULL);
  return text;
}

// A month's name takes the genitive only beside a day number: the nearest
// conversion on its line is %d or %e, with blanks and punctuation between.
TEST(DateLanguage, RussianMonthsTakeTheGenitiveBesideADayNumber) {
  if (GetOEMCP() != 866)
    GTEST_SKIP() << "the OEM code page is not Russian";
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  const struct {
    const char *format, *expected;
  } cases[] = {
      {"%{ru}%d %B %Y", "07 декабря 2026"},
      {"%{ru}%-d %B", "7 декабря"},
      {"%{ru}%e %B", " 7 декабря"},
      {"%{ru}%B, %d", "декабря, 07"},
      {"%{ru}%#d %{ru}%B", "7 декабря"},
      {"%{ru}%d %^B", "07 ДЕКАБРЯ"},
      {"%{ru}%B %Y", "декабрь 2026"},
      {"%{ru}%d.%m.%Y (%B)", "07.12.2026 (декабрь)"},
      {"%{ru}Отчёт за %B %Y%nСоставлен: %d.%m.%Y", "Отчёт за декабрь 2026\nСоставлен: 07.12.2026"},
      {"%{ru}Отчёт за %B %Y, составлен %d.%m", "Отчёт за декабрь 2026, составлен 07.12"},
      {"%{ru}%d%n%B", "07\nдекабрь"},
      {"%{ru}%d-го %B", "07-го декабрь"},
      {"%{ru}%d %A %B", "07 понедельник декабрь"},
      {"%{ru}%^B", "ДЕКАБРЬ"},
  };
  for (const auto &c : cases) {
    std::string format = Oem(c.format);
    EXPECT_EQ(Oem(c.expected), Expanded(format.c_str(), moment)) << "format " << c.format;
  }
}

#ifdef _WIN32
// The clipboard's two texts: the OEM one, and the Unicode one in UTF-8.
static std::string WholeText(const char *format, const struct tm &moment, std::string *oem) {
  char text[DATE_TEXT_SIZE];
  static DateExpansion expansion;
  ExpandDate(&expansion, format, &moment);
  WriteExpansion(&expansion, CP_OEMCP, text, DATE_TEXT_SIZE);
  char utf8[4 * DATE_TEXT_SIZE];
  WideCharToMultiByte(CP_UTF8, 0, expansion.Text, -1, utf8, sizeof utf8, NULL, NULL);
  *oem = text;
  return utf8;
}

// Names the OEM code page cannot hold: the runtime's names for the whole
// text, and every name whole in the clipboard's Unicode text; a month whose
// name holds its number keeps it beside a day.
TEST(DateLanguage, EastAsianNamesKeepTheMonthsNumber) {
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  const struct {
    const char *format, *unicode, *oem;
  } cases[] = {
      {"%{ja}%d %B %Y", "07 12月 2026", "07 December 2026"},
      {"%{ja}%B", "12月", "December"},
      {"%{ko}%d %B", "07 12월", "07 December"},
      {"%{zh-CN}%e %B, %A", " 7 十二月, 星期一", " 7 December, Monday"},
  };
  for (const auto &c : cases) {
    std::string oem;
    EXPECT_EQ(c.unicode, WholeText(c.format, moment, &oem)) << "Unicode text of " << c.format;
    EXPECT_EQ(c.oem, oem) << "OEM text of " << c.format;
  }
}

// Ukrainian and Belarusian under code page 866, which lacks і: the nearest
// letter, never a question mark, never a name of another language.
TEST(DateLanguage, UkrainianAndBelarusianTakeTheNearestLettersOf866) {
  if (GetOEMCP() != 866)
    GTEST_SKIP() << "the OEM code page is not 866";
  const struct {
    const char *format;
    int day, weekday;
    const char *expected, *unicode;
  } cases[] = {
      {"%{uk}%A, %d %B", 11, 5, "п'ятниця, 11 грудня", "пʼятниця, 11 грудня"},
      {"%{uk-UA}%A, %d %B", 7, 1, "понедiлок, 07 грудня", "понеділок, 07 грудня"},
      {"%{be}%A, %d %B", 11, 5, "пятнiца, 11 снежня", "пятніца, 11 снежня"},
  };
  for (const auto &c : cases) {
    const struct tm moment = Moment(2026, 12, c.day, 15, c.weekday);
    EXPECT_EQ(Oem(c.expected), Expanded(c.format, moment)) << c.format;
    std::string oem;
    EXPECT_EQ(c.unicode, WholeText(c.format, moment, &oem)) << "Unicode text of " << c.format;
  }
}
#endif

typedef PluginTest DateLanguageClipboardTest;

// CF_TEXT and CF_OEMTEXT as far as the code pages hold the names;
// CF_UNICODETEXT whole.
TEST_F(DateLanguageClipboardTest, PutHoralisPutsTheNamesInAnsiAndWholeInUnicode) {
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  int russian = GetACP() == 1251;
  const struct {
    const char *format, *ansi, *unicode;
  } cases[] = {
      {"%{ru}%d %B %Y", russian ? "07 \xE4\xE5\xEA\xE0\xE1\xF0\xFF 2026" : "07 December 2026",
       "07 декабря 2026"},
#ifdef _WIN32
      {"%{uk}%B%n%d %B",
       russian ? "\xE3\xF0\xF3\xE4\xE5\xED\xFC\r\n07 \xE3\xF0\xF3\xE4\xED\xFF"
               : "December\r\n07 December",
       "грудень\r\n07 грудня"},
      {"%{ja}%B", "December", "12月"},
#endif
  };
  for (const auto &c : cases) {
    PutHoralis(c.format, &moment);
    EXPECT_EQ(c.ansi, ClipboardText()) << "CF_TEXT of " << c.format;
    char oem[64];
    CharToOemA(c.ansi, oem);
    EXPECT_EQ(oem, ClipboardText(CF_OEMTEXT)) << "CF_OEMTEXT of " << c.format << ", as CF_TEXT";
    EXPECT_EQ(c.unicode, ClipboardUnicodeText()) << "CF_UNICODETEXT of " << c.format;
  }
}

TEST(DateLanguage, NamesAreReadAgainAfterTheUnloadsRelease) {
  const struct tm moment = Moment(2026, 12, 7, 15, 1);
  std::string kept = Expanded("%{ru}%A %B", moment);
  ReleaseLocaleNames();
  EXPECT_EQ(kept, Expanded("%{ru}%A %B", moment));
}
