// The calendar's dialogs in the scripted dialog library, and the people who
// use them: each showing is looked at, then closed as the test says.
#ifndef HORALIS_TESTS_CALENDAR_CALENDAR_PEOPLE_H
#define HORALIS_TESTS_CALENDAR_CALENDAR_PEOPLE_H

#include <stdlib.h>
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
  std::string year, month, weeks, row[CALENDAR_ROWS]; // weeks: top down, "49 50 ..."
  int colour[CALENDAR_CELLS + 1] = {};
  int selected = 0, focus = 0, today = 0; // today: the cell in today's colour
};

// The day's cell in a grid whose weeks start on Monday.
inline int CellOf(int year, int month, int day) { return day + WeekdayOfDate(year, month, 1) - 1; }

class CalendarTest : public FakeDialogsTest {
protected:
  void SetUp() override {
    FakeDialogsTest::SetUp();
    for (int month = 1; month <= 12; month++)
      Host().messages[35 + month] = "Month " + std::to_string(month);
    Host().messages[MSG_YEAR_RANGE] = "The years 1601 to 9999.";
    Host().messages[MSG_YEAR_UNREADABLE] = "No number.";
    Host().messages[MSG_CALENDAR_FORMAT] = "%Y-%m-%d";
    Choice() = 0;
    OtherGroups() = Dialogs.GetRadioStatus;
    Dialogs.GetRadioStatus = ChoosingGroups;
  }
  // The cells form a choosing group: it reports the cell that closed the
  // calendar, -1 after a cancel and 0 after anything else.
  static int __cdecl ChoosingGroups(DialogHandle handle, int item) {
    const std::string &name = reinterpret_cast<FakeDialog *>(handle)->name;
    if (name != "Calendar" && name != "Weeks")
      return OtherGroups()(handle, item);
    return item >= 1 && item <= CALENDAR_CELLS ? Choice() : -1;
  }
  static int &Choice() {
    static int choice;
    return choice;
  }
  static decltype(Dialogs.GetRadioStatus) &OtherGroups() {
    static decltype(Dialogs.GetRadioStatus) other;
    return other;
  }
  void StoreCalendarPreset(const std::string &format, DWORD mode) {
    PutRegString(Key("Format11"), "Format", format);
    PutRegNumber(Key("Format11"), "Mode", mode);
  }
  // The year and the month as the calendar shows them.
  std::string Shown(int year, int month) {
    char text[32];
    FormatMonthName(text, sizeof text, Host().messages[35 + month].c_str(), 9);
    return " " + std::to_string(year) + " " + text;
  }

  std::vector<CalendarView> views;

  // Looks at the calendar (the colours given for this showing only), selects
  // a cell as Space or the arrows do when asked, then closes it with that
  // exit code; a cell's number chooses the cell. A cell's text is in
  // brackets when grey, in parentheses on the weekend, in <> for today.
  void Then(int exitCode, int select = 0) {
    FakeDialogs().people.push_back([this, exitCode, select](FakeDialog &dialog) {
      CalendarView view;
      view.year = dialog.items[PICK_VALUE].text;
      view.month = dialog.items[MONTH_NAME].text;
      for (int cell = 1; cell <= CALENDAR_CELLS; cell++) {
        FakeItem &item = dialog.items[cell];
        int colour = view.colour[cell] = item.color;
        item.color = -1;
        EXPECT_EQ(colour == MARK_COLOR, item.record.Type == DI_TEXT) << "grey cells only " << cell;
        const char *marks = colour == MARK_COLOR      ? "[]"
                            : colour == WEEKEND_COLOR ? "()"
                            : colour == TODAY_COLOR   ? "<>"
                                                      : "  ";
        view.row[(cell - 1) / 7] += marks[0] + std::string(item.text) + marks[1];
        view.today = colour == TODAY_COLOR ? cell : view.today;
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
  // A picker: types the year, or selects the month, and accepts.
  void Pick(const std::string &typed) {
    FakeDialogs().people.push_back([typed](FakeDialog &dialog) {
      if (dialog.name == "Set Year")
        strcpy(dialog.items[PICK_VALUE].text, typed.c_str());
      else
        SelectRadio(dialog, atoi(typed.c_str()));
      return (int)PICK_ACCEPT;
    });
  }
  // From the month opened on to any other, through both pickers.
  void GoTo(int year, int month) {
    Then(PICK_VALUE);
    Pick(std::to_string(year));
    Then(MONTH_NAME);
    Pick(std::to_string(month));
  }
};

#endif
