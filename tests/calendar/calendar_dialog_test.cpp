#include "calendar/calendar_settings.h"
#include "calendar_people.h"
#include "datetext/locale_names.h"
#include "datetext/time_record.h"
#include "support/clipboard_text.h"

namespace {

const DWORD ViewOnly = 1u << 8, AtCursor = 1u << 16;

class Calendar : public CalendarTest {
protected:
  // The grid of the last view, row by row.
  std::vector<std::string> Grid(size_t view) {
    std::vector<std::string> rows;
    for (int row = 0; row < 6; row++)
      rows.push_back(views.at(view).Row(row));
    return rows;
  }
};

TEST_F(Calendar, OpensOnTodayWithTheYearAndTheMonthsName) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  Then(-1);
  ShowCalendar(OPEN_EDITOR);
  ASSERT_EQ(1u, views.size());
  EXPECT_EQ(" " + std::to_string(now.wYear) + " ", views[0].year) << "a space on each side";
  char month[32];
  FormatMonthName(month, sizeof month, Host().messages[35 + now.wMonth].c_str());
  EXPECT_EQ(month, views[0].month);
  int offset = WeekdayOfDate(now.wYear, now.wMonth, 1) - 1;
  EXPECT_EQ(now.wDay + offset, views[0].selected) << "today's cell pre-selected";
  EXPECT_EQ(now.wDay + offset, views[0].focus) << "and focused";
  char today[8];
  snprintf(today, sizeof today, "%2d", now.wDay);
  EXPECT_EQ(today, views[0].cells[now.wDay + offset]);
  EXPECT_EQ("Calendar.dlg", LastLoaded("Calendar")->file);
  EXPECT_EQ(0, LiveDialogs()) << "freed on closing";
  EXPECT_TRUE(Host().editorInserts.empty()) << "a cancel delivers nothing";
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

// With the names in the user's language for every format, Windows names
// the month and the weekdays, capitalised, and the week starts on the
// locale's first day.
TEST_F(Calendar, NamesAndTheWeekFollowTheUsersLanguageWhenChosen) {
  UserLanguageForAll = 1;
  std::string headings[7];
  FakeDialogs().people.push_back([&headings](FakeDialog &dialog) {
    for (int column = 0; column < 7; column++)
      headings[column] = dialog.items[43 + column].text;
    return 0;
  });
  Then(-1);
  ShowCalendar(OPEN_EDITOR);
  UserLanguageForAll = 0;
  SYSTEMTIME now;
  GetLocalTime(&now);
  int first = UserFirstWeekday();
  struct tm day = TimeRecord(2026, now.wMonth, 1, 0, 0, 0);
  char name[32], month[32];
  ASSERT_LT(0, LocaleText("", 0, CP_OEMCP, 'B', 0, 0, &day, name, sizeof name));
  FormatMonthName(month, sizeof month, Capitalised(name).c_str());
  ASSERT_EQ(1u, views.size());
  EXPECT_EQ(month, views[0].month) << "the month's name from Windows";
  for (int column = 0; column < 7; column++) {
    day.tm_wday = (first + column + 1) % 7;
    LocaleText("", 0, CP_OEMCP, 'a', 0, 0, &day, name, sizeof name);
    EXPECT_EQ(Capitalised(name), headings[column]) << "heading " << column;
  }
  int offset = (WeekdayOfDate(now.wYear, now.wMonth, 1) - 1 - first + 7) % 7;
  EXPECT_EQ(now.wDay + offset, views[0].selected) << "today under its weekday";
}

TEST_F(Calendar, MonthNamesAreCentredInNineColumns) {
  const struct {
    const char *name, *shown;
  } cases[] = {{"May", "    May"},
               {"June", "   June"},
               {"March", "   March"},
               {"February", " February"},
               {"September", " September"},
               {"Septembers", "Septembers"},
               {"", "     "}};
  for (const auto &c : cases) {
    char text[32];
    FormatMonthName(text, sizeof text, c.name);
    EXPECT_STREQ(c.shown, text) << c.name;
  }
}

struct LayoutCase {
  int year, month, row;
  const char *cells, *why;
};

TEST_F(Calendar, LayoutsOfMonthsUpToTheRangesEnds) {
  const LayoutCase cases[] = {
      {2021, 2, 0, "  1   2   3   4   5   6   7 ", "the 1st a Monday: cell 1"},
      {2021, 2, 3, " 22  23  24  25  26  27  28 ", "28 days"},
      {2021, 2, 4, "[ 1][ 2][ 3][ 4][ 5][ 6][ 7]", "March, greyed"},
      {2021, 2, 5, "[ 8][ 9][10][11][12][13][14]", "March, greyed"},
      {2026, 3, 0, "[23][24][25][26][27][28]  1 ", "the 1st a Sunday: cell 7"},
      {2026, 3, 5, " 30  31 [ 1][ 2][ 3][ 4][ 5]", "31 in cell 37"},
      {1970, 1, 0, "[29][30][31]  1   2   3   4 ", "December 1969, greyed"},
      {1970, 1, 4, " 26  27  28  29  30  31 [ 1]", "31 January 1970"},
      {1601, 1, 0, "  1   2   3   4   5   6   7 ", "the first month: no December 1600"},
      {9999, 12, 0, "[29][30]  1   2   3   4   5 ", "the last month"},
      {9999, 12, 5, "[ 3][ 4][ 5][ 6][ 7][ 8][ 9]", "January 10000, greyed"},
  };
  for (const LayoutCase &c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << ": " << c.why);
    views.clear();
    GoTo(c.year, c.month);
    Then(-1);
    ShowCalendar(0);
    ASSERT_EQ(3u, views.size());
    EXPECT_EQ(" " + std::to_string(c.year) + " ", views[2].year);
    EXPECT_EQ(c.cells, views[2].Row(c.row));
  }
  EXPECT_TRUE(Host().boxes.empty()) << "years in the range say nothing";
}

struct RangeCase {
  const char *what;
  int fromYear, fromMonth;
  int exitCode;
  const char *typed; // for the year picker
  const char *year, *month;
  bool note;
};

TEST_F(Calendar, StepsStopAndTypedYearsAreHeldAtBothEnds) {
  const RangeCase cases[] = {
      {"previous year", 1601, 1, STEP_BACK, nullptr, " 1601 ", "  January", false},
      {"previous month", 1601, 1, MONTH_BACK, nullptr, " 1601 ", "  January", false},
      {"typed 1601", 2024, 1, PICK_VALUE, "1601", " 1601 ", "  January", false},
      {"typed 1600", 1601, 1, PICK_VALUE, "1600", " 1601 ", "  January", true},
      {"typed below an int", 1601, 1, PICK_VALUE, "-2147483649", " 1601 ", "  January", true},
      {"typed nothing", 1970, 1, PICK_VALUE, "", " 1970 ", "  January", false},
      {"next year", 9999, 12, STEP_FORWARD, nullptr, " 9999 ", " December", false},
      {"next month", 9999, 12, MONTH_FORWARD, nullptr, " 9999 ", " December", false},
      {"typed 9999", 2024, 12, PICK_VALUE, "9999", " 9999 ", " December", false},
      {"typed 10000", 2024, 12, PICK_VALUE, "10000", " 9999 ", " December", true},
      {"typed beyond an int", 2024, 12, PICK_VALUE, "99999999999", " 9999 ", " December", true},
      {"a month step across a year", 2037, 12, MONTH_FORWARD, nullptr, " 2038 ", "  January",
       false},
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
    EXPECT_EQ(c.year, views[3].year);
    EXPECT_EQ(c.month, views[3].month);
    ASSERT_EQ(c.note ? 1u : 0u, Host().boxes.size()) << "a note only for a year held at an end";
    if (c.note) {
      EXPECT_EQ(Host().messages[MSG_YEAR_RANGE], Host().boxes[0].lines.at(1));
    }
  }
}

struct WeekCase {
  int year, month;
  const char *weeks;
};

TEST_F(Calendar, WeekNumbersBesideEachRowWhenAskedFor) {
  const WeekCase cases[] = {
      {2026, 12, "49 50 51 52 53  1"}, // 2026 has 53 weeks
      {2021, 1, "53  1  2  3  4  5"},  // its first days in 2020's week 53
      {2025, 1, " 1  2  3  4  5  6"},  // 30 December 2024 in 2025's week 1
      {1601, 1, " 1  2  3  4  5  6"},  {9999, 12, "48 49 50 51 52  1"},
  };
  StoreCalendarPreset("%d", 1u << 24); // week numbers on
  for (const WeekCase &c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << "-" << c.month);
    views.clear();
    GoTo(c.year, c.month);
    Then(-1);
    ShowCalendar(0);
    ASSERT_EQ(3u, views.size());
    EXPECT_EQ(c.weeks, views[2].weeks);
    EXPECT_EQ("Calendar.dlg", LastLoaded("Weeks")->file);
  }
  EXPECT_EQ(nullptr, LastLoaded("Calendar")) << "the grid without week numbers is not loaded";
}

TEST_F(Calendar, TodayComesBackFromAnyMonth) {
  GoTo(1975, 6);
  Then(CALENDAR_TODAY);
  Then(-1);
  ShowCalendar(0);
  ASSERT_EQ(4u, views.size());
  EXPECT_EQ(views[0].year, views[3].year) << "the current year";
  EXPECT_EQ(views[0].month, views[3].month) << "the current month";
  EXPECT_EQ(views[0].selected, views[3].selected) << "today pre-selected again";
}

struct DeliveryCase {
  const char *what;
  DWORD mode;
  int openFrom;
  const char *editor, *commandLine, *clipboard;
};

// 29 February 2024 (a Thursday, the 60th day) is chosen in cell 32.
TEST_F(Calendar, AChosenDayGoesWhereThePresetSays) {
  const char *date = "2024-02-29 Thu 060";
  const DeliveryCase cases[] = {
      {"at the editor's cursor", AtCursor, OPEN_EDITOR, date, "", "<before>"},
      {"at the command line's", AtCursor, OPEN_PLUGINSMENU, "", date, "<before>"},
      {"from the viewer to the command line", AtCursor, OPEN_VIEWER, "", date, "<before>"},
      {"to the clipboard", 0, OPEN_EDITOR, "", "", date},
      {"nowhere with ViewOnly", ViewOnly | AtCursor, OPEN_EDITOR, "", "", "<before>"},
  };
  for (const DeliveryCase &c : cases) {
    SCOPED_TRACE(c.what);
    StoreCalendarPreset("%Y-%m-%d %a %j", c.mode);
    PutHoralis("<before>", nullptr);
    Host().editorInserts.clear();
    Host().commandLineInserts.clear();
    GoTo(2024, 2);
    Then(32);
    ShowCalendar(c.openFrom);
    std::string editor = Host().editorInserts.empty() ? "" : Host().editorInserts.at(0);
    std::string commandLine =
        Host().commandLineInserts.empty() ? "" : Host().commandLineInserts.at(0);
    EXPECT_EQ(c.editor, editor);
    EXPECT_EQ(c.commandLine, commandLine);
    EXPECT_EQ(c.clipboard, ClipboardText());
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
    EXPECT_EQ(0, LiveDialogs());
  }
}

TEST_F(Calendar, ACalendarThatCannotBeLoadedClosesAtOnce) {
  StoreCalendarPreset("%Y", 0);
  PutHoralis("<before>", nullptr);
  FakeDialogs().layouts.erase("Calendar");
  Then(15);
  ShowCalendar(0);
  EXPECT_EQ("<before>", ClipboardText()) << "nothing delivered";
  EXPECT_EQ(1u, FakeDialogs().people.size()) << "nothing shown";
}

TEST_F(Calendar, ACellALibraryLetsThroughDeliversTheDateItShows) {
  StoreCalendarPreset("%Y-%m-%d", AtCursor);
  GoTo(1970, 1);
  Then(2); // the grey 30 December 1969
  ShowCalendar(OPEN_EDITOR);
  ASSERT_EQ(1u, Host().editorInserts.size());
  EXPECT_EQ("1969-12-30", Host().editorInserts[0]);
}

} // namespace
