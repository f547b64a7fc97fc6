// The calendar's dialogs in the scripted dialog library, and the people who
// use them: each showing is looked at, then closed as the test says.
#ifndef HORALIS_TESTS_CALENDAR_CALENDAR_PEOPLE_H
#define HORALIS_TESTS_CALENDAR_CALENDAR_PEOPLE_H

#include <string.h>

#include <string>
#include <vector>

#include "calendar/calendar_date.h"
#include "calendar/calendar_dialog.h"
#include "calendar/item_marks.h"
#include "calendar/pickers.h"
#include "datetext/date_text.h"
#include "hostlink/dialog_binding.h"
#include "support/plugin_fixture.h"

// A showing of the calendar as the person saw it.
struct CalendarView {
  std::string year, month, weeks; // weeks: the week numbers top down, "49 50 ..."
  std::string cells[CALENDAR_CELLS + 1];
  int colour[CALENDAR_CELLS + 1] = {};
  int selected = 0, focus = 0, today = 0; // today: the cell in today's colour
  // "  1 ( 6)[ 1]": grey cells in brackets, the weekend's in parentheses.
  std::string Row(int row) const {
    std::string text;
    for (int cell = row * 7 + 1; cell <= row * 7 + 7; cell++) {
      const char *marks = colour[cell] == MARK_COLOR      ? "[]"
                          : colour[cell] == WEEKEND_COLOR ? "()"
                          : colour[cell] == TODAY_COLOR   ? "<>"
                                                          : "  ";
      text += marks[0] + cells[cell] + marks[1];
    }
    return text;
  }
};

// The day's cell in a grid whose weeks start on Monday.
inline int CellOf(int year, int month, int day) { return day + WeekdayOfDate(year, month, 1) - 1; }

class CalendarTest : public FakeDialogsTest {
protected:
  void SetUp() override {
    FakeDialogsTest::SetUp();
    const char *months[] = {"January", "February", "March",     "April",   "May",      "June",
                            "July",    "August",   "September", "October", "November", "December"};
    for (int month = 1; month <= 12; month++)
      Host().messages[35 + month] = months[month - 1];
    Host().messages[MSG_CALENDAR_OK] = "OK";
    Host().messages[MSG_CALENDAR_TITLE] = "Calendar";
    Host().messages[MSG_YEAR_RANGE] = "The calendar shows the years 1601 to 9999.";
    Host().messages[MSG_CALENDAR_FORMAT] = "%Y-%m-%d";
    // The cells form a choosing group: it reports the cell that closed the
    // calendar, -1 after a cancel and 0 after anything else.
    Choice() = 0;
    Dialogs.GetRadioStatus = ChoosingGroups;
  }
  static int __cdecl ChoosingGroups(DialogHandle handle, int item) {
    for (const char *name : {"Calendar", "Weeks"}) {
      FakeDialog *calendar = LastLoaded(name);
      if (calendar && reinterpret_cast<DialogHandle>(calendar) == handle)
        return item >= 1 && item <= CALENDAR_CELLS ? Choice() : -1;
    }
    FakeDialog *months = LastLoaded("Set Month");
    return months && !months->freed ? SelectedRadio(*months, 1) : 0;
  }
  static int &Choice() {
    static int choice;
    return choice;
  }
  void StoreCalendarPreset(const std::string &format, DWORD mode) {
    PutRegString(Key("Format11"), "Format", format);
    PutRegNumber(Key("Format11"), "Mode", mode);
  }
  // The month's name as the calendar shows the language file's.
  std::string MonthShown(int month) {
    char text[32];
    FormatMonthName(text, sizeof text, Host().messages[35 + month].c_str(), 9);
    return text;
  }

  std::vector<CalendarView> views;

  // Looks at the calendar (the colours given for this showing only), selects
  // a cell as Space or the arrows do when asked, then closes it with that
  // exit code; a cell's number chooses the cell.
  void Then(int exitCode, int select = 0) {
    FakeDialogs().people.push_back([this, exitCode, select](FakeDialog &dialog) {
      CalendarView view;
      view.year = dialog.items[PICK_VALUE].text;
      view.month = dialog.items[MONTH_NAME].text;
      for (int cell = 1; cell <= CALENDAR_CELLS; cell++) {
        FakeItem &item = dialog.items[cell];
        view.cells[cell] = item.text;
        view.colour[cell] = item.color;
        item.color = -1;
        EXPECT_EQ(view.colour[cell] == MARK_COLOR, item.record.Type == DI_TEXT) << cell;
        if (view.colour[cell] == TODAY_COLOR)
          view.today = cell;
      }
      for (int row = 0; dialog.name == "Weeks" && row < CALENDAR_ROWS; row++)
        view.weeks += (row ? " " : "") + std::string(dialog.items[WEEK_NUMBER_FIRST + row].text);
      view.selected = SelectedRadio(dialog, 1);
      view.focus = dialog.focus;
      views.push_back(view);
      if (select)
        SelectRadio(dialog, select);
      Choice() = exitCode >= 1 && exitCode <= CALENDAR_CELLS ? exitCode : exitCode == -1 ? -1 : 0;
      return exitCode;
    });
  }
  // The year picker: the person types text and accepts.
  void TypeYear(const std::string &text) {
    FakeDialogs().people.push_back([text](FakeDialog &dialog) {
      strcpy(dialog.items[PICK_VALUE].text, text.c_str());
      return (int)PICK_ACCEPT;
    });
  }
  void SelectMonth(int month) {
    FakeDialogs().people.push_back([month](FakeDialog &dialog) {
      SelectRadio(dialog, month);
      return (int)PICK_ACCEPT;
    });
  }
  // From the month opened on to any other, through both pickers.
  void GoTo(int year, int month) {
    Then(PICK_VALUE);
    TypeYear(std::to_string(year));
    Then(MONTH_NAME);
    SelectMonth(month);
  }
};

#endif
