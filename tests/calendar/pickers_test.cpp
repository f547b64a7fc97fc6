#include <stdlib.h>

#include "calendar_people.h"

namespace {

class Pickers : public CalendarTest {
protected:
  // Looks at the year field, then closes the picker with that code.
  void YearThen(int exitCode, const std::string &typed = "") {
    FakeDialogs().people.push_back([this, exitCode, typed](FakeDialog &dialog) {
      shown.push_back(dialog.items[PICK_VALUE].text);
      if (!typed.empty() || exitCode == PICK_ACCEPT)
        strcpy(dialog.items[PICK_VALUE].text, typed.c_str());
      return exitCode;
    });
  }
  // Looks at the month pre-selected, then closes the picker with that code.
  void MonthThen(int exitCode, int select = 0) {
    FakeDialogs().people.push_back([this, exitCode, select](FakeDialog &dialog) {
      shown.push_back(std::to_string(SelectedRadio(dialog, 1)));
      focused.push_back(dialog.focus);
      if (select)
        SelectRadio(dialog, select);
      return exitCode;
    });
  }
  std::vector<std::string> shown;
  std::vector<int> focused;
};

enum Picker { YEAR, MONTH };

struct PickCase {
  const char *what;
  Picker picker;
  int given;
  // Exit code, and the text typed or the month selected by hand before it.
  std::vector<std::pair<int, std::string>> steps;
  int result;
  std::vector<std::string> shown; // the year field or the month pre-selected
};

TEST_F(Pickers, SteppedTypedChosenAndCancelled) {
  const PickCase cases[] = {
      {"back from 1601 stays", YEAR, 1601, {{50, ""}, {60, ""}}, 1601, {"1601", "1601"}},
      {"forward from 9999 stays", YEAR, 9999, {{52, ""}, {-1, ""}}, 9999, {"9999", "9999"}},
      {"a typed year in no range", YEAR, 2024, {{60, "1850"}}, 1850, {"2024"}},
      {"letters after the digits", YEAR, 2024, {{60, "2030abc"}}, 2030, {"2024"}},
      {"blanks and a sign first", YEAR, 2024, {{60, "  +2031"}}, 2031, {"2024"}},
      {"an empty field keeps the year", YEAR, 2024, {{60, ""}}, 2024, {"2024"}},
      {"two steps", YEAR, 2024, {{52, ""}, {52, ""}, {60, ""}}, 2026, {"2024", "2025", "2026"}},
      {"cancel gives back the given year",
       YEAR,
       2024,
       {{52, ""}, {52, ""}, {-1, ""}},
       2024,
       {"2024", "2025", "2026"}},
      {"a step loses a typed year", YEAR, 2024, {{52, "2030"}, {-1, ""}}, 2024, {"2024", "2025"}},
      {"an unknown exit shows again", YEAR, 2024, {{77, ""}, {60, "1999"}}, 1999, {"2024", "2024"}},
      {"typed 10000", YEAR, 2024, {{60, "10000"}}, 9999, {"2024"}},
      {"typed 1600", YEAR, 2024, {{60, "1600"}}, 1601, {"2024"}},
      {"beyond an int", YEAR, 2024, {{60, "99999999999"}}, 9999, {"2024"}},
      {"the lowest int", YEAR, 2024, {{60, "-2147483648"}}, 1601, {"2024"}},
      {"back from January", MONTH, 1, {{50, ""}, {60, ""}}, 12, {"1", "12"}},
      {"forward from December", MONTH, 12, {{52, ""}, {60, ""}}, 1, {"12", "1"}},
      {"a step starts from the working month", MONTH, 3, {{52, "5"}, {60, ""}}, 4, {"3", "4"}},
      {"a month chosen by hand", MONTH, 3, {{60, "9"}}, 9, {"3"}},
      {"cancel gives back the given month", MONTH, 3, {{52, ""}, {-1, "7"}}, 3, {"3", "4"}},
  };
  for (const PickCase &c : cases) {
    SCOPED_TRACE(c.what);
    shown.clear();
    for (const auto &step : c.steps)
      if (c.picker == YEAR)
        YearThen(step.first, step.second);
      else
        MonthThen(step.first, atoi(step.second.c_str()));
    EXPECT_EQ(c.result, c.picker == YEAR ? PickYear(c.given) : PickMonth(c.given))
        << "the value returned";
    EXPECT_EQ(c.shown, shown) << "what each showing offered";
    EXPECT_EQ(0, LiveDialogs()) << "the picker is freed";
    EXPECT_EQ("Calendar.dlg", LastLoaded(c.picker == YEAR ? "Set Year" : "Set Month")->file);
  }
}

TEST_F(Pickers, CurrentYearAndMonthAreShownThenAccepted) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  YearThen(53);
  YearThen(60, "");
  EXPECT_EQ(now.wYear, PickYear(1980)) << "current year, then accepted";
  EXPECT_EQ(std::to_string(now.wYear), shown.at(1));
  MonthThen(53);
  MonthThen(60);
  EXPECT_EQ(now.wMonth, PickMonth(now.wMonth == 1 ? 2 : 1)) << "current month, then accepted";
  EXPECT_EQ(std::to_string(now.wMonth), shown.at(3));
}

TEST_F(Pickers, TheMonthPickerHasTheCursorOnTheMonthShown) {
  MonthThen(STEP_FORWARD);
  MonthThen(PICK_ACCEPT);
  EXPECT_EQ(8, PickMonth(7));
  EXPECT_EQ((std::vector<int>{7, 8}), focused) << "July, then August";
}

TEST_F(Pickers, APickerThatCannotBeLoadedGivesBackItsValue) {
  FakeDialogs().layouts.erase("Set Year");
  FakeDialogs().layouts.erase("Set Month");
  EXPECT_EQ(1999, PickYear(1999));
  EXPECT_EQ(7, PickMonth(7));
}

} // namespace
