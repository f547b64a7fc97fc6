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

// With the names in the user's language for every format, Windows names
// the month and the weekdays, and the week starts on the locale's first day.
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
  FormatMonthName(month, sizeof month, name);
  ASSERT_EQ(1u, views.size());
  EXPECT_EQ(month, views[0].month) << "the month's name from Windows";
  for (int column = 0; column < 7; column++) {
    day.tm_wday = (first + column + 1) % 7;
    LocaleText("", 0, CP_OEMCP, 'a', 0, 0, &day, name, sizeof name);
    EXPECT_EQ(name, headings[column]) << "heading " << column;
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

TEST_F(Calendar, LayoutsOfAMondayFirstAFebruaryOf28AndASundayFirst) {
  GoTo(2021, 2); // 1 February 2021 was a Monday
  GoTo(2026, 3); // 1 March 2026 was a Sunday
  Then(-1);
  ShowCalendar(0);
  ASSERT_EQ(5u, views.size());
  const CalendarView &february = views[2], &march = views[4];
  EXPECT_EQ(" 2021 ", february.year);
  EXPECT_EQ(" February", february.month);
  EXPECT_EQ("  1   2   3   4   5   6   7 ", february.Row(0)) << "day 1 in cell 1";
  EXPECT_EQ(" 22  23  24  25  26  27  28 ", february.Row(3));
  EXPECT_EQ("[ 1][ 2][ 3][ 4][ 5][ 6][ 7]", february.Row(4)) << "March, greyed";
  EXPECT_EQ("[ 8][ 9][10][11][12][13][14]", february.Row(5));

  EXPECT_EQ(" 2026 ", march.year);
  EXPECT_EQ("[23][24][25][26][27][28]  1 ", march.Row(0)) << "day 1 in cell 7";
  EXPECT_EQ(" 30  31 [ 1][ 2][ 3][ 4][ 5]", march.Row(5)) << "31 in cell 37";
}

TEST_F(Calendar, January1970StartsOnThursdayAfterGreyDecember1969) {
  GoTo(1970, 1);
  Then(-1);
  ShowCalendar(0);
  ASSERT_EQ(3u, views.size());
  EXPECT_EQ("[29][30][31]  1   2   3   4 ", views[2].Row(0));
  EXPECT_EQ(" 26  27  28  29  30  31 [ 1]", views[2].Row(4));
}

struct WrapCase {
  const char *what;
  int fromYear, fromMonth;
  int exitCode;
  const char *typed; // for the year picker
  const char *year, *month;
};

TEST_F(Calendar, StepsAndTypedYearsWrapAtBothEnds) {
  const WrapCase cases[] = {
      {"previous year", 1970, 1, STEP_BACK, nullptr, " 2037 ", "  January"},
      {"previous month", 1970, 1, MONTH_BACK, nullptr, " 2037 ", " December"},
      {"typed 1969", 1970, 1, PICK_VALUE, "1969", " 2037 ", "  January"},
      {"typed below an int", 1970, 1, PICK_VALUE, "-2147483649", " 2037 ", "  January"},
      {"typed nothing", 1970, 1, PICK_VALUE, "", " 1970 ", "  January"},
      {"next year", 2037, 12, STEP_FORWARD, nullptr, " 1970 ", " December"},
      {"next month", 2037, 12, MONTH_FORWARD, nullptr, " 1970 ", "  January"},
      {"typed 2038", 2037, 12, PICK_VALUE, "2038", " 1970 ", " December"},
      {"typed beyond an int", 2037, 12, PICK_VALUE, "99999999999", " 1970 ", " December"},
  };
  for (const WrapCase &c : cases) {
    SCOPED_TRACE(c.what);
    views.clear();
    GoTo(c.fromYear, c.fromMonth);
    Then(c.exitCode);
    if (c.typed)
      TypeYear(c.typed);
    Then(-1);
    ShowCalendar(0);
    ASSERT_EQ(4u, views.size());
    EXPECT_EQ(c.year, views[3].year);
    EXPECT_EQ(c.month, views[3].month);
  }
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

TEST_F(Calendar, AnEmptyFormatLeavesTheClipboardAlone) {
  PutHoralis("<before>", nullptr);
  Then(15); // never stored: an empty format, to the clipboard
  ShowCalendar(0);
  EXPECT_EQ("<before>", ClipboardText());
  EXPECT_TRUE(Host().commandLineInserts.empty());
  EXPECT_TRUE(Host().boxes.empty()) << "no error box either";
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
