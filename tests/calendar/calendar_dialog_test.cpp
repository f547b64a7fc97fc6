#include "calendar/calendar_settings.h"
#include "calendar_people.h"
#include "hostlink/date_delivery.h"
#include "hostlink/format_preview.h"
#include "datetext/locale_names.h"
#include "presets/preset_dialog.h"
#include "support/clipboard_text.h"

namespace {

const DWORD ViewOnly = 1u << 8, AtCursor = 1u << 16, WeekNumbers = 1u << 24;

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

// In the user's language for every format Windows names the month and the
// weekdays, capitalised, and the week starts on the locale's first day (the language
// file's names are the layouts' below). Today is pre-selected and focused.
TEST_F(CalendarTest, OpensOnTodayInTheUsersLanguage) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  UserLanguageForAll = 1;
  Then(-1);
  ShowCalendar(OPEN_EDITOR);
  UserLanguageForAll = 0;
  int first = UserFirstWeekday();
  struct tm day = {};
  day.tm_mon = now.wMonth - 1;
  char name[32], month[32];
  for (int column = 0; column < 7; column++) {
    day.tm_wday = (first + column + 1) % 7;
    LocaleText("", 0, CP_OEMCP, 'a', 0, 0, &day, name, sizeof name);
    EXPECT_EQ(Capitalised(name), LastLoaded("Calendar")->items[43 + column].text)
        << "heading " << column;
  }
  ASSERT_LT(0, LocaleText("", 0, CP_OEMCP, 'B', 0, 0, &day, name, sizeof name));
  FormatMonthName(month, sizeof month, Capitalised(name).c_str(), 9);
  ASSERT_EQ(1u, views.size());
  EXPECT_EQ(" " + std::to_string(now.wYear) + " " + month, views[0].year + views[0].month);
  int offset = (WeekdayOfDate(now.wYear, now.wMonth, 1) - 1 - first + 7) % 7;
  EXPECT_EQ(now.wDay + offset, views[0].selected) << "today's cell pre-selected";
  EXPECT_EQ(now.wDay + offset, views[0].focus) << "and focused";
  for (int cell = offset + 1; cell <= offset + DaysInMonth(now.wYear, now.wMonth); cell++) {
    int weekday = WeekdayOfDate(now.wYear, now.wMonth, cell - offset);
    EXPECT_EQ(cell == views[0].focus ? TODAY_COLOR
              : weekday >= 6         ? WEEKEND_COLOR
                                     : -1,
              views[0].colour[cell])
        << "cell " << cell << ", weekday " << weekday;
  }
  EXPECT_EQ(0, LiveDialogs()) << "freed on closing";
}

TEST_F(CalendarTest, MonthNamesKeepOneWidthCentred) {
  const char *cases[][3] = {{"May", "9", "    May   "},        {"June", "9", "   June   "},
                            {"September", "9", " September"},  {"May", "10", "    May    "},
                            {"Septembers", "9", "Septembers"}, {"", "9", "          "}};
  for (const auto &c : cases) {
    char text[32];
    FormatMonthName(text, sizeof text, c[0], atoi(c[1]));
    EXPECT_STREQ(c[2], text) << c[0] << " among names up to " << c[1];
  }
}

struct LayoutCase {
  int fromYear, fromMonth, exitCode; // a step from the month gone to
  int year, month, row;              // the month shown, and the row looked at
  const char *cells, *weeks;
};

// Shown with week numbers; the grid is the same without. A step that
// cannot go past 1601 or 9999 stays, and says so.
TEST_F(CalendarTest, LayoutsMarksWeeksAndStepsUpToTheRangesEnds) {
  const LayoutCase cases[] = {
      {2021, 2, 0, 2021, 2, 0, "  1   2   3   4   5 ( 6)( 7)", " 5  6  7  8  9 10"},
      {2021, 2, 0, 2021, 2, 4, "[ 1][ 2][ 3][ 4][ 5][ 6][ 7]", " 5  6  7  8  9 10"},
      {2026, 3, 0, 2026, 3, 0, "[23][24][25][26][27][28]( 1)", " 9 10 11 12 13 14"},
      {2026, 3, 0, 2026, 3, 5, " 30  31 [ 1][ 2][ 3][ 4][ 5]", " 9 10 11 12 13 14"},
      {1970, 1, 0, 1970, 1, 4, " 26  27  28  29  30 (31)[ 1]", " 1  2  3  4  5  6"},
      {1970, 1, 0, 1970, 1, 0, "[29][30][31]  1   2 ( 3)( 4)", " 1  2  3  4  5  6"},
      {2020, 11, MONTH_FORWARD, 2020, 12, 4, " 28  29  30  31 [ 1][ 2][ 3]", "49 50 51 52 53  1"},
      {2020, 12, MONTH_FORWARD, 2021, 1, 0, "[28][29][30][31]  1 ( 2)( 3)", "53  1  2  3  4  5"},
      {2024, 1, STEP_FORWARD, 2025, 1, 0, "[30][31]  1   2   3 ( 4)( 5)", " 1  2  3  4  5  6"},
      {1601, 1, STEP_BACK, 1601, 1, 0, "  1   2   3   4   5 ( 6)( 7)", " 1  2  3  4  5  6"},
      {1601, 1, MONTH_BACK, 1601, 1, 0, "  1   2   3   4   5 ( 6)( 7)", " 1  2  3  4  5  6"},
      {9998, 12, STEP_FORWARD, 9999, 12, 0, "[29][30]  1   2   3 ( 4)( 5)", "48 49 50 51 52   "},
      {9999, 12, STEP_FORWARD, 9999, 12, 0, "[29][30]  1   2   3 ( 4)( 5)", "48 49 50 51 52   "},
      {9999, 12, MONTH_FORWARD, 9999, 12, 4, " 27  28  29  30  31 [  ][  ]", "48 49 50 51 52   "},
      {9999, 12, 0, 9999, 12, 5, "[  ][  ][  ][  ][  ][  ][  ]", "48 49 50 51 52   "},
  };
  StoreCalendarPreset("%d", WeekNumbers);
  for (const LayoutCase &c : cases) {
    SCOPED_TRACE(testing::Message() << c.fromYear << "-" << c.fromMonth << ", " << c.exitCode);
    views.clear();
    Host().boxes.clear();
    GoTo(c.fromYear, c.fromMonth);
    if (c.exitCode)
      Then(c.exitCode);
    Then(-1);
    ShowCalendar(0);
    ASSERT_EQ(c.exitCode ? 4u : 3u, views.size());
    EXPECT_EQ(Shown(c.year, c.month), views.back().year + views.back().month);
    EXPECT_EQ(10u, views.back().month.size()) << "one width for every month";
    EXPECT_EQ(c.cells, views.back().row[c.row]);
    EXPECT_EQ(c.weeks, views.back().weeks);
    bool held = c.exitCode && c.year == c.fromYear && c.month == c.fromMonth;
    ASSERT_EQ(held ? 1u : 0u, Host().boxes.size()) << "a note only for a step held at an end";
    if (held) {
      EXPECT_EQ(Host().messages[MSG_YEAR_RANGE], Host().boxes[0].lines.at(1));
    }
  }
  EXPECT_EQ("Calendar.dlg", LastLoaded("Weeks")->file);
  EXPECT_EQ(nullptr, LastLoaded("Calendar")) << "the grid without week numbers is not loaded";
}

struct DeliveryCase {
  const char *what;
  DWORD mode;
  int offer; // none stored: the settings offered, then accepted (7) or cancelled (-1)
  int openFrom, year, month, day; // the day chosen, -1 the grey 30th of December
  char where;                     // 'e'ditor, 'c'ommand line, clip'b'oard, '-' nowhere
  const char *text;
};

// A day picked with no format set offers the settings first, with the
// language's format, to the cursor; the day goes as they say.
TEST_F(CalendarTest, AChosenDayGoesWhereThePresetSays) {
  const DeliveryCase cases[] = {
      {"the editor's cursor", AtCursor, 0, OPEN_EDITOR, 2024, 2, 29, 'e', "2024-02-29 Thu 060"},
      {"the command line's", AtCursor, 0, OPEN_PLUGINSMENU, 2024, 2, 29, 'c', "2024-02-29 Thu 060"},
      {"from the viewer", AtCursor, 0, OPEN_VIEWER, 2024, 2, 29, 'c', "2024-02-29 Thu 060"},
      {"the clipboard", 0, 0, OPEN_EDITOR, 2024, 2, 29, 'b', "2024-02-29 Thu 060"},
      {"ViewOnly", ViewOnly | AtCursor, 0, OPEN_EDITOR, 2024, 2, 29, '-', ""},
      {"the range's last day", AtCursor, 0, OPEN_EDITOR, 9999, 12, 31, 'e', "9999-12-31 Fri 365"},
      {"the range's first day", AtCursor, 0, OPEN_EDITOR, 1601, 1, 1, 'e', "1601-01-01 Mon 001"},
      {"a grey cell let through", AtCursor, 0, OPEN_EDITOR, 1970, 1, -1, 'e', "1969-12-30 Tue 364"},
      {"offered, to the clipboard", 0, 7, OPEN_EDITOR, 2024, 2, 29, 'b', "2024-02-29"},
      {"offered, cancelled", 0, -1, OPEN_EDITOR, 2024, 2, 29, '-', ""},
  };
  for (const DeliveryCase &c : cases) {
    SCOPED_TRACE(c.what);
    StoreCalendarPreset("%Y-%m-%d %a %j", c.mode);
    if (c.offer)
      DeleteRegTree(Key("Format11"));
    PutHoralis("<before>", nullptr);
    Host().editorInserts.clear();
    Host().commandLineInserts.clear();
    GoTo(c.year, c.month);
    Then(CellOf(c.year, c.month, c.day));
    if (c.offer)
      FakeDialogs().people.push_back([&c](FakeDialog &dialog) {
        EXPECT_EQ("Main2", dialog.name);
        EXPECT_EQ(0, dialog.items[SETTINGS_ITEM_FIRST_USE].hidden) << "saying why it is shown";
        EXPECT_STREQ("%Y-%m-%d", dialog.items[PRESET_ITEM_FORMAT].text) << "the language's";
        EXPECT_EQ(1, SelectedRadio(dialog, 1)) << "to the cursor";
        SelectRadio(dialog, 2); // turned to the clipboard
        return c.offer;
      });
    ShowCalendar(c.openFrom);
    const std::vector<std::string> &editor = Host().editorInserts,
                                   &line = Host().commandLineInserts;
    std::string got = (editor.empty() ? "" : "e" + editor[0]) + (line.empty() ? "" : "c" + line[0]);
    got += ClipboardText() == "<before>" ? "" : "b" + ClipboardText();
    EXPECT_EQ(c.where == '-' ? "" : c.where + std::string(c.text), got) << "where it went";
    const char *kept = c.offer == -1 ? "" : c.offer ? "%Y-%m-%d" : "%Y-%m-%d %a %j";
    EXPECT_EQ(kept, GetRegText(Key("Format11"), "Format")) << "the format kept";
    EXPECT_EQ(0, LiveDialogs()) << "the calendar closes";
    EXPECT_TRUE(FakeDialogs().people.empty()) << "no further showing";
  }
}

// The week numbers are the fourth byte of the calendar's "Mode", which
// earlier versions left 0; the other flags and the format keep theirs.
TEST_F(CalendarTest, WeekNumbersAreTheModesFourthByte) {
  const DWORD cases[][3] = {
      {0x10000, 1, 0x1010000}, {0x1010000, 0, 0x10000}, {0x7F000100, 0, 0x100}};
  for (const auto &c : cases) {
    StoreCalendarPreset("%d", c[0]);
    FakeDialogs().people.push_back([&c](FakeDialog &dialog) {
      EXPECT_EQ(c[0] >> 24 != 0, dialog.items[PRESET_ITEM_WEEK_NUMBERS].status != 0) << c[0];
      EXPECT_EQ(1, dialog.items[SETTINGS_ITEM_FIRST_USE].hidden) << "no first use's note";
      dialog.items[PRESET_ITEM_WEEK_NUMBERS].status = (int)c[1];
      return 7;
    });
    EditCalendarFormat();
    EXPECT_EQ("%d", GetRegText(Key("Format11"), "Format")) << c[0];
    EXPECT_EQ(c[2], GetRegNumber(Key("Format11"), "Mode")) << c[0];
  }
}

// Grey plain text, or a colour alone: the item's own type and flags are
// kept past its text, in the last twelve bytes, and given back exactly. The
// grey text starts where the host draws the radio button's text, past its
// " * ", so that it stands under its weekday as the month's days do.
TEST_F(CalendarTest, AMarkIsKeptPastTheTextAndUnmarkingGivesTheItemBack) {
  DialogHandle dialog = Dialogs.LoadDialogEx(NULL, 7, "Calendar.dlg", "Calendar");
  FarDialogItem *record = Dialogs.GetItemAddr(dialog, 1);
  record->Flags |= DIF_MOVESELECT; // as Calendar.dlg gives its cells
  record->X1 = 5;
  for (int i = 3; i < 500; i++)
    record->Data[i] = (char)i; // whatever lies past the text
  const FarDialogItem original = *record;
  UnmarkItem(dialog, 1);
  MarkItem(dialog, 99);
  UnmarkItem(dialog, 99);
  EXPECT_EQ(0, memcmp(&original, record, sizeof original)) << "nothing marked, nothing changed";
  for (int colour : {MARK_COLOR, WEEKEND_COLOR}) {
    colour == MARK_COLOR ? MarkItem(dialog, 1) : ColourItem(dialog, 1, colour);
    EXPECT_EQ(colour == MARK_COLOR ? DI_TEXT : DI_RADIOBUTTON, record->Type) << colour;
    EXPECT_EQ(colour == MARK_COLOR ? 8 : 5, record->X1) << "where the text starts";
    EXPECT_EQ(colour, LastLoaded("Calendar")->items[1].color);
    unsigned kept[3] = {MARK_TAG, DI_RADIOBUTTON, DIF_GROUP | DIF_MOVESELECT};
    EXPECT_EQ(0, memcmp(kept, record->Data + 500, sizeof kept)) << "tag, type and flags kept";
    record->Flags |= DIF_SETCOLOR | (unsigned)colour; // as the library's colouring does
    UnmarkItem(dialog, 1);
    UnmarkItem(dialog, 1);
    FarDialogItem expected = original;
    kept[0] = 0;
    memcpy(expected.Data + 500, kept, sizeof kept);
    EXPECT_EQ(0, memcmp(&expected, record, sizeof expected)) << "as before, the tag 0";
  }
}

TEST_F(CalendarTest, DialogsThatCannotBeLoadedShowNothingAndGiveBackTheirValue) {
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

// A format that gives no text, or whose silent mistake the person turns
// "Back" from, delivers nothing and brings the calendar back on the day
// picked; a day sent to the command line behind the viewer says so.
TEST_F(CalendarTest, RefusalsBringTheCalendarBackAndTheViewerIsToldWhere) {
  const struct {
    const char *format;
    int openFrom, year, day, reply;
    std::vector<std::string> boxes; // each box's second line; "?" the mistake's
    const char *inserted;           // on the command line; null when the calendar comes back
  } cases[] = {
      {"%{+1d}%Y", OPEN_PLUGINSMENU, 9999, 31, 0, {"No text"}, nullptr},
      {"%{@Tokio}%Y", OPEN_PLUGINSMENU, 2024, 29, 1, {"?"}, nullptr},
      {"%{@Tokio}%Y", OPEN_VIEWER, 2024, 29, 0, {"?", "In the command line"}, "2024"},
      {"%Y", OPEN_VIEWER, 2024, 29, 0, {"In the command line"}, "2024"},
      {"%Y", OPEN_PLUGINSMENU, 2024, 29, 0, {}, "2024"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE(std::string(c.format) + " from " + std::to_string(c.openFrom));
    StoreCalendarPreset(c.format, AtCursor);
    Host().boxes.clear();
    Host().commandLineInserts.clear();
    Host().boxReply = c.reply;
    views.clear();
    int month = c.year == 9999 ? 12 : 2;
    GoTo(c.year, month);
    Then(CellOf(c.year, month, c.day));
    if (!c.inserted)
      Then(-1);
    ShowCalendar(c.openFrom);
    char mistake[71] = "";
    FindSilentMistake(c.format, mistake, sizeof mistake);
    std::vector<std::string> seen;
    for (const MessageCall &box : Host().boxes)
      seen.push_back(box.lines.at(0) == "Mistake" ? "?" : box.lines.at(1));
    EXPECT_EQ(c.boxes, seen) << "mistake: " << mistake;
    EXPECT_EQ(c.inserted ? std::vector<std::string>{c.inserted} : std::vector<std::string>{},
              Host().commandLineInserts);
    ASSERT_EQ(c.inserted ? 3u : 4u, views.size()) << "shown again after a refusal";
    if (!c.inserted) {
      EXPECT_EQ(CellOf(c.year, month, c.day), views.back().selected) << "on the day picked";
    }
  }
  Host().boxReply = 0;
}

} // namespace
