#include <limits.h>

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
  void MonthThen(int exitCode, int select = 0) {
    FakeDialogs().people.push_back([this, exitCode, select](FakeDialog &dialog) {
      preselected.push_back(SelectedRadio(dialog, 1));
      if (select)
        SelectRadio(dialog, select);
      return exitCode;
    });
  }
  std::vector<std::string> shown;
  std::vector<int> preselected;
};

struct YearCase {
  const char *what;
  int given;
  std::vector<std::pair<int, std::string>> steps; // exit code, text typed before it
  int result;
  std::vector<std::string> shown;
};

TEST_F(Pickers, YearsSteppedTypedAndCancelled) {
  const YearCase cases[] = {
      {"back from 1970 wraps", 1970, {{50, ""}, {60, "2037"}}, 2037, {"1970", "2037"}},
      {"forward from 2037 wraps", 2037, {{52, ""}, {-1, ""}}, 2037, {"2037", "1970"}},
      {"a typed year in no range", 2024, {{60, "1850"}}, 1850, {"2024"}},
      {"letters after the digits", 2024, {{60, "2030abc"}}, 2030, {"2024"}},
      {"blanks and a sign first", 2024, {{60, "  +2031"}}, 2031, {"2024"}},
      {"an empty field keeps the year", 2024, {{60, ""}}, 2024, {"2024"}},
      {"after two steps", 2024, {{52, ""}, {52, ""}, {60, ""}}, 2026, {"2024", "2025", "2026"}},
      {"cancel gives back the given year",
       2024,
       {{52, ""}, {52, ""}, {-1, ""}},
       2024,
       {"2024", "2025", "2026"}},
      {"a typed year is lost by a step", 2024, {{52, "2030"}, {-1, ""}}, 2024, {"2024", "2025"}},
      {"an unknown exit shows again", 2024, {{77, ""}, {60, "1999"}}, 1999, {"2024", "2024"}},
      {"beyond an int", 2024, {{60, "99999999999"}}, INT_MAX, {"2024"}},
      {"below an int", 2024, {{60, "-2147483649"}}, INT_MIN, {"2024"}},
      {"the lowest int", 2024, {{60, "-2147483648"}}, INT_MIN, {"2024"}},
  };
  for (const YearCase &c : cases) {
    SCOPED_TRACE(c.what);
    shown.clear();
    for (const auto &step : c.steps)
      YearThen(step.first, step.second);
    EXPECT_EQ(c.result, PickYear(c.given)) << "the year returned";
    EXPECT_EQ(c.shown, shown) << "the field at each showing";
    EXPECT_EQ(0, LiveDialogs()) << "the picker is freed";
    EXPECT_EQ("Calendar.dlg", LastLoaded("Set Year")->file);
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
  EXPECT_EQ(now.wMonth, preselected.at(1));
}

struct MonthCase {
  const char *what;
  int given;
  std::vector<std::pair<int, int>> steps; // exit code, month selected by hand before it
  int result;
  std::vector<int> preselected;
};

TEST_F(Pickers, MonthsSteppedChosenAndCancelled) {
  const MonthCase cases[] = {
      {"back from January", 1, {{50, 0}, {60, 0}}, 12, {1, 12}},
      {"forward from December", 12, {{52, 0}, {60, 0}}, 1, {12, 1}},
      {"a step starts from the working month", 3, {{52, 5}, {60, 0}}, 4, {3, 4}},
      {"a month chosen by hand", 3, {{60, 9}}, 9, {3}},
      {"cancel gives back the given month", 3, {{52, 0}, {-1, 7}}, 3, {3, 4}},
  };
  for (const MonthCase &c : cases) {
    SCOPED_TRACE(c.what);
    preselected.clear();
    for (const auto &step : c.steps)
      MonthThen(step.first, step.second);
    EXPECT_EQ(c.result, PickMonth(c.given)) << "the month returned";
    EXPECT_EQ(c.preselected, preselected) << "the month pre-selected at each showing";
    EXPECT_EQ(0, LiveDialogs()) << "the picker is freed";
  }
}

TEST_F(Pickers, APickerThatCannotBeLoadedGivesBackItsValue) {
  FakeDialogs().layouts.erase("Set Year");
  FakeDialogs().layouts.erase("Set Month");
  EXPECT_EQ(1999, PickYear(1999));
  EXPECT_EQ(7, PickMonth(7));
}

} // namespace
