#include "calendar/calendar_settings.h"
#include "calendar_people.h"
#include "datetext/locale_names.h"
#include "datetext/time_record.h"
#include "support/clipboard_text.h"

namespace {

const DWORD ViewOnly = 1u << 8, AtCursor = 1u << 16, WeekNumbers = 1u << 24;

typedef CalendarTest Calendar;

// Whichever language names them, every cell of the month is marked by its
// weekday: today's colour, the weekend's, or none.
void ExpectMarksByWeekday(const CalendarView &view, int year, int month, int offset, int day) {
  for (int cell = offset + 1; cell <= offset + DaysInMonth(year, month); cell++) {
    int weekday = WeekdayOfDate(year, month, cell - offset);
    int expected = cell - offset == day ? TODAY_COLOR : weekday >= 6 ? WEEKEND_COLOR : -1;
    EXPECT_EQ(expected, view.colour[cell]) << "cell " << cell << ", weekday " << weekday;
  }
}

// A name as the language file writes its headings: its first letter a
// capital.
static std::string Capitalised(const char *name) {
  WCHAR wide[32];
  char text[32];
  MultiByteToWideChar(CP_OEMCP, 0, name, -1, wide, 32);
  CharUpperBuffW(wide, 1);
  WideCharToMultiByte(CP_OEMCP, 0, wide, -1, text, sizeof text, NULL, NULL);
  return text;
}

// Opened with the language file's names, then with the user's language for
// every format: Windows names the month and the weekdays, capitalised, and
// the week starts on the locale's first day.
TEST_F(Calendar, OpensOnTodayMarkedInEitherLanguage) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  for (int user = 0; user <= 1; user++) {
    SCOPED_TRACE(user ? "the user's language" : "the language file's");
    UserLanguageForAll = user;
    views.clear();
    Then(-1);
    ShowCalendar(OPEN_EDITOR);
    UserLanguageForAll = 0;
    FakeDialog *shown = LastLoaded("Calendar");
    int first = user ? UserFirstWeekday() : 0;
    struct tm day = TimeRecord(2026, now.wMonth, 1, 0, 0, 0);
    char name[32], month[32];
    for (int column = 0; user && column < 7; column++) {
      day.tm_wday = (first + column + 1) % 7;
      LocaleText("", 0, CP_OEMCP, 'a', 0, 0, &day, name, sizeof name);
      EXPECT_EQ(Capitalised(name), shown->items[43 + column].text) << "heading " << column;
    }
    ASSERT_LT(0, LocaleText("", 0, CP_OEMCP, 'B', 0, 0, &day, name, sizeof name));
    FormatMonthName(month, sizeof month, Capitalised(name).c_str(), 9);
    ASSERT_EQ(1u, views.size());
    EXPECT_EQ(user ? std::string(month) : MonthShown(now.wMonth), views[0].month);
    EXPECT_EQ(" " + std::to_string(now.wYear) + " ", views[0].year) << "a space on each side";
    int offset = (WeekdayOfDate(now.wYear, now.wMonth, 1) - 1 - first + 7) % 7;
    EXPECT_EQ(now.wDay + offset, views[0].selected) << "today's cell pre-selected";
    EXPECT_EQ(now.wDay + offset, views[0].focus) << "and focused";
    ExpectMarksByWeekday(views[0], now.wYear, now.wMonth, offset, now.wDay);
    EXPECT_EQ("Calendar.dlg", shown->file);
    EXPECT_EQ(0, LiveDialogs()) << "freed on closing";
    EXPECT_TRUE(Host().editorInserts.empty()) << "a cancel delivers nothing";
  }
}

TEST_F(Calendar, MonthNamesKeepOneWidthCentred) {
  const struct {
    const char *name;
    int longest;
    const char *shown;
  } cases[] = {{"May", 9, "    May   "},        {"June", 9, "   June   "},
               {"September", 9, " September"},  {"May", 10, "    May    "},
               {"Septembers", 9, "Septembers"}, {"", 9, "          "}};
  for (const auto &c : cases) {
    char text[32];
    FormatMonthName(text, sizeof text, c.name, c.longest);
    EXPECT_STREQ(c.shown, text) << c.name << " among names up to " << c.longest;
  }
}

struct LayoutCase {
  int year, month, row;
  const char *cells, *weeks, *why;
};

// Shown with week numbers; the grid is the same without.
TEST_F(Calendar, LayoutsMarksAndWeeksUpToTheRangesEnds) {
  const LayoutCase cases[] = {
      {2021, 2, 0, "  1   2   3   4   5 ( 6)( 7)", " 5  6  7  8  9 10", "the 1st a Monday"},
      {2021, 2, 4, "[ 1][ 2][ 3][ 4][ 5][ 6][ 7]", " 5  6  7  8  9 10", "March, greyed"},
      {2026, 3, 0, "[23][24][25][26][27][28]( 1)", " 9 10 11 12 13 14", "the 1st a Sunday"},
      {2026, 3, 5, " 30  31 [ 1][ 2][ 3][ 4][ 5]", " 9 10 11 12 13 14", "31 in cell 37"},
      {1970, 1, 4, " 26  27  28  29  30 (31)[ 1]", " 1  2  3  4  5  6", "31 January 1970"},
      {1970, 1, 0, "[29][30][31]  1   2 ( 3)( 4)", " 1  2  3  4  5  6", "December 1969"},
      {2020, 12, 4, " 28  29  30  31 [ 1][ 2][ 3]", "49 50 51 52 53  1", "53 weeks"},
      {2021, 1, 0, "[28][29][30][31]  1 ( 2)( 3)", "53  1  2  3  4  5", "in 2020's week"},
      {2025, 1, 0, "[30][31]  1   2   3 ( 4)( 5)", " 1  2  3  4  5  6", "in 2025's week"},
      {1601, 1, 0, "  1   2   3   4   5 ( 6)( 7)", " 1  2  3  4  5  6", "the first month"},
      {9999, 12, 0, "[29][30]  1   2   3 ( 4)( 5)", "48 49 50 51 52  1", "the last month"},
      {9999, 12, 5, "[ 3][ 4][ 5][ 6][ 7][ 8][ 9]", "48 49 50 51 52  1", "January 10000"},
  };
  StoreCalendarPreset("%d", WeekNumbers);
  for (const LayoutCase &c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << ": " << c.why);
    views.clear();
    GoTo(c.year, c.month);
    Then(-1);
    ShowCalendar(0);
    ASSERT_EQ(3u, views.size());
    EXPECT_EQ(" " + std::to_string(c.year) + " ", views[2].year);
    EXPECT_EQ(MonthShown(c.month), views[2].month);
    EXPECT_EQ(10u, views[2].month.size()) << "one width for every month";
    EXPECT_EQ(c.cells, views[2].Row(c.row));
    EXPECT_EQ(c.weeks, views[2].weeks);
  }
  EXPECT_EQ(nullptr, LastLoaded("Calendar")) << "the grid without week numbers is not loaded";
  EXPECT_TRUE(Host().boxes.empty()) << "years in the range say nothing";
}

struct RangeCase {
  const char *what;
  int fromYear, fromMonth, exitCode;
  const char *typed; // for the year picker
  int year, month;
  bool note;
};

TEST_F(Calendar, StepsAndTypedYearsAreHeldAtBothEndsWithANote) {
  const RangeCase cases[] = {
      {"previous year", 1601, 1, STEP_BACK, nullptr, 1601, 1, true},
      {"previous month", 1601, 1, MONTH_BACK, nullptr, 1601, 1, true},
      {"typed 1601", 2024, 1, PICK_VALUE, "1601", 1601, 1, false},
      {"typed below an int", 1601, 1, PICK_VALUE, "-2147483649", 1601, 1, true},
      {"typed nothing", 1970, 1, PICK_VALUE, "", 1970, 1, false},
      {"next year", 9999, 12, STEP_FORWARD, nullptr, 9999, 12, true},
      {"next month", 9999, 12, MONTH_FORWARD, nullptr, 9999, 12, true},
      {"typed 10000", 2024, 12, PICK_VALUE, "10000", 9999, 12, true},
      {"a month step across a year", 2037, 12, MONTH_FORWARD, nullptr, 2038, 1, false},
      {"a year step", 9998, 12, STEP_FORWARD, nullptr, 9999, 12, false},
  };
  for (const RangeCase &c : cases) {
    SCOPED_TRACE(c.what);
    views.clear();
    Host().boxes.clear();
    GoTo(c.fromYear, c.fromMonth);
    Then(c.exitCode);
    if (c.typed)
      TypeYear(c.typed);
    Then(-1);
    ShowCalendar(0);
    ASSERT_EQ(4u, views.size());
    EXPECT_EQ(" " + std::to_string(c.year) + " ", views[3].year);
    EXPECT_EQ(MonthShown(c.month), views[3].month);
    ASSERT_EQ(c.note ? 1u : 0u, Host().boxes.size()) << "a note only for a year held at an end";
    if (c.note) {
      EXPECT_EQ(Host().messages[MSG_YEAR_RANGE], Host().boxes[0].lines.at(1));
    }
  }
}

struct DeliveryCase {
  const char *what;
  DWORD mode;
  int openFrom, year, month, day; // the day chosen, -1 the grey 30th of December
  char where;                     // 'e'ditor, 'c'ommand line, clip'b'oard, '-' nowhere
  const char *text;
};

TEST_F(Calendar, AChosenDayGoesWhereThePresetSays) {
  const DeliveryCase cases[] = {
      {"the editor's cursor", AtCursor, OPEN_EDITOR, 2024, 2, 29, 'e', "2024-02-29 Thu 060"},
      {"the command line's", AtCursor, OPEN_PLUGINSMENU, 2024, 2, 29, 'c', "2024-02-29 Thu 060"},
      {"from the viewer", AtCursor, OPEN_VIEWER, 2024, 2, 29, 'c', "2024-02-29 Thu 060"},
      {"the clipboard", 0, OPEN_EDITOR, 2024, 2, 29, 'b', "2024-02-29 Thu 060"},
      {"ViewOnly", ViewOnly | AtCursor, OPEN_EDITOR, 2024, 2, 29, '-', ""},
      {"the range's last day", AtCursor, OPEN_EDITOR, 9999, 12, 31, 'e', "9999-12-31 Fri 365"},
      {"the range's first day", AtCursor, OPEN_EDITOR, 1601, 1, 1, 'e', "1601-01-01 Mon 001"},
      {"a grey cell let through", AtCursor, OPEN_EDITOR, 1970, 1, -1, 'e', "1969-12-30 Tue 364"},
  };
  for (const DeliveryCase &c : cases) {
    SCOPED_TRACE(c.what);
    StoreCalendarPreset("%Y-%m-%d %a %j", c.mode);
    PutHoralis("<before>", nullptr);
    Host().editorInserts.clear();
    Host().commandLineInserts.clear();
    GoTo(c.year, c.month);
    Then(CellOf(c.year, c.month, c.day));
    ShowCalendar(c.openFrom);
    const std::vector<std::string> &editor = Host().editorInserts;
    const std::vector<std::string> &commandLine = Host().commandLineInserts;
    EXPECT_EQ(c.where == 'e' ? c.text : "", editor.empty() ? "" : editor[0]);
    EXPECT_EQ(c.where == 'c' ? c.text : "", commandLine.empty() ? "" : commandLine[0]);
    EXPECT_EQ(c.where == 'b' ? c.text : "<before>", ClipboardText());
    EXPECT_EQ(0, LiveDialogs()) << "the calendar closes";
    EXPECT_TRUE(FakeDialogs().people.empty()) << "no further showing";
  }
}

struct FirstUseCase {
  const char *what;
  int exitCode; // of the settings offered
  bool toClipboard;
  const char *editor, *clipboard, *stored;
};

// A day picked with no format set: the settings are offered first, with
// the language's format, to the cursor, and the day goes as they say.
TEST_F(Calendar, AFirstPickOffersTheSettingsThenDelivers) {
  const FirstUseCase cases[] = {
      {"accepted as offered", 7, false, "2024-02-29", "<before>", "%Y-%m-%d"},
      {"turned to the clipboard", 7, true, "", "2024-02-29", "%Y-%m-%d"},
      {"cancelled", -1, false, "", "<before>", ""},
  };
  for (const FirstUseCase &c : cases) {
    SCOPED_TRACE(c.what);
    DeleteRegTree(Key("Format11"));
    PutHoralis("<before>", nullptr);
    Host().editorInserts.clear();
    GoTo(2024, 2);
    Then(32);
    FakeDialogs().people.push_back([&c](FakeDialog &dialog) {
      EXPECT_EQ("Main2", dialog.name);
      EXPECT_EQ(0, dialog.items[SETTINGS_ITEM_FIRST_USE].hidden) << "saying why it is shown";
      EXPECT_STREQ("%Y-%m-%d", dialog.items[6].text) << "the language's format";
      EXPECT_EQ(1, SelectedRadio(dialog, 1)) << "to the cursor";
      if (c.toClipboard)
        SelectRadio(dialog, 2);
      return c.exitCode;
    });
    ShowCalendar(OPEN_EDITOR);
    EXPECT_EQ(c.editor, Host().editorInserts.empty() ? "" : Host().editorInserts[0]);
    EXPECT_EQ(c.clipboard, ClipboardText());
    EXPECT_EQ(c.stored, GetRegText(Key("Format11"), "Format"));
    EXPECT_TRUE(FakeDialogs().people.empty()) << "the settings offered once";
  }
}

TEST_F(Calendar, DialogsThatCannotBeLoadedShowNothingAndGiveBackTheirValue) {
  StoreCalendarPreset("%Y", 0);
  PutHoralis("<before>", nullptr);
  for (const char *name : {"Calendar", "Set Year", "Set Month"})
    FakeDialogs().layouts.erase(name);
  Then(15);
  ShowCalendar(0);
  EXPECT_EQ("<before>", ClipboardText()) << "nothing delivered";
  EXPECT_EQ(1u, FakeDialogs().people.size()) << "nothing shown";
  EXPECT_EQ(1999, PickYear(1999));
  EXPECT_EQ(7, PickMonth(7));
}

} // namespace
