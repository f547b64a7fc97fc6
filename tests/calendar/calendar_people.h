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
  std::string year, month;
  std::string cells[CALENDAR_CELLS + 1]; // 1..42
  bool grey[CALENDAR_CELLS + 1] = {};
  std::string weeks; // the week numbers top down, when shown: "49 50 ..."
  int selected = 0, focus = 0;
  std::string Row(int row) const { // "  1  2 ..." with grey cells in brackets
    std::string text;
    for (int cell = row * 7 + 1; cell <= row * 7 + 7; cell++)
      text += grey[cell] ? "[" + cells[cell] + "]" : " " + cells[cell] + " ";
    return text;
  }
};

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

  std::vector<CalendarView> views;

  // Looks at the calendar, then closes it with that exit code; a cell's
  // number chooses the cell.
  void Then(int exitCode) {
    FakeDialogs().people.push_back([this, exitCode](FakeDialog &dialog) {
      CalendarView view;
      view.year = dialog.items[PICK_VALUE].text;
      view.month = dialog.items[MONTH_NAME].text;
      for (int cell = 1; cell <= CALENDAR_CELLS; cell++) {
        view.cells[cell] = dialog.items[cell].text;
        view.grey[cell] = dialog.items[cell].record.Type == DI_TEXT;
        if (view.grey[cell]) {
          EXPECT_EQ(MARK_COLOR, dialog.items[cell].color) << "grey cell " << cell;
        }
      }
      for (int row = 0; dialog.name == "Weeks" && row < CALENDAR_ROWS; row++)
        view.weeks += (row ? " " : "") + std::string(dialog.items[WEEK_NUMBER_FIRST + row].text);
      view.selected = SelectedRadio(dialog, 1);
      view.focus = dialog.focus;
      views.push_back(view);
      Choice() = exitCode >= 1 && exitCode <= CALENDAR_CELLS ? exitCode : exitCode == -1 ? -1 : 0;
      return exitCode;
    });
  }
  // Looks, selects a cell as Space or the arrows do, then closes with
  // exitCode.
  void SelectThen(int cell, int exitCode) {
    Then(exitCode);
    Person look = FakeDialogs().people.back();
    FakeDialogs().people.back() = [cell, look](FakeDialog &dialog) {
      int code = look(dialog);
      SelectRadio(dialog, cell);
      return code;
    };
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
