#include <stdlib.h>

#include "calendar_people.h"

namespace {

class Pickers : public CalendarTest {
protected:
  // Looks at the year field, types when asked, then closes with exitCode.
  void YearThen(int exitCode, const std::string &typed) {
    FakeDialogs().people.push_back([this, exitCode, typed](FakeDialog &dialog) {
      shown.push_back(dialog.items[PICK_VALUE].text);
      if (!typed.empty() || exitCode == PICK_ACCEPT)
        strcpy(dialog.items[PICK_VALUE].text, typed.c_str());
      return exitCode;
    });
  }
  // Looks at the month pre-selected, which has the cursor, selects one by
  // hand when asked, then closes with exitCode.
  void MonthThen(int exitCode, int select) {
    FakeDialogs().people.push_back([this, exitCode, select](FakeDialog &dialog) {
      shown.push_back(std::to_string(SelectedRadio(dialog, 1)));
      EXPECT_EQ(SelectedRadio(dialog, 1), dialog.focus) << "the cursor on the month shown";
      if (select)
        SelectRadio(dialog, select);
      return exitCode;
    });
  }
  std::vector<std::string> shown;
};

enum Picker { YEAR, MONTH };

struct PickCase {
  const char *what;
  Picker picker;
  int given;
  // Exit code, and the text typed or the month selected by hand before it;
  // "now" in the result or a showing stands for the current year or month.
  std::vector<std::pair<int, std::string>> steps;
  const char *result;
  std::vector<std::string> shown; // the year field or the month pre-selected
  bool note;                      // a year held at an end says so
};

TEST_F(Pickers, SteppedTypedChosenAndCancelled) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  const PickCase cases[] = {
      {"back from 1601 stays", YEAR, 1601, {{50, ""}, {60, ""}}, "1601", {"1601", "1601"}, true},
      {"forward from 9999 stays", YEAR, 9999, {{52, ""}, {-1, ""}}, "9999", {"9999", "9999"}, true},
      {"a typed year", YEAR, 2024, {{60, "1850"}}, "1850", {"2024"}, false},
      {"letters after the digits", YEAR, 2024, {{60, "2030abc"}}, "2030", {"2024"}, false},
      {"blanks and a sign first", YEAR, 2024, {{60, "  +2031"}}, "2031", {"2024"}, false},
      {"an empty field keeps the year", YEAR, 2024, {{60, ""}}, "2024", {"2024"}, false},
      {"two steps",
       YEAR,
       2024,
       {{52, ""}, {52, ""}, {60, ""}},
       "2026",
       {"2024", "2025", "2026"},
       false},
      {"cancel gives back the year",
       YEAR,
       2024,
       {{52, ""}, {-1, ""}},
       "2024",
       {"2024", "2025"},
       false},
      {"a step loses a typed year",
       YEAR,
       2024,
       {{52, "2030"}, {-1, ""}},
       "2024",
       {"2024", "2025"},
       false},
      {"an unknown exit", YEAR, 2024, {{77, ""}, {60, "1999"}}, "1999", {"2024", "2024"}, false},
      {"the current year", YEAR, 1980, {{53, ""}, {60, ""}}, "now", {"1980", "now"}, false},
      {"typed 10000", YEAR, 2024, {{60, "10000"}}, "9999", {"2024"}, true},
      {"typed 1600", YEAR, 2024, {{60, "1600"}}, "1601", {"2024"}, true},
      {"beyond an int", YEAR, 2024, {{60, "99999999999"}}, "9999", {"2024"}, true},
      {"the lowest int", YEAR, 2024, {{60, "-2147483648"}}, "1601", {"2024"}, true},
      {"back from January", MONTH, 1, {{50, ""}, {60, ""}}, "12", {"1", "12"}, false},
      {"forward from December", MONTH, 12, {{52, ""}, {60, ""}}, "1", {"12", "1"}, false},
      {"a step starts from the working month",
       MONTH,
       3,
       {{52, "5"}, {60, ""}},
       "4",
       {"3", "4"},
       false},
      {"a month chosen by hand", MONTH, 3, {{60, "9"}}, "9", {"3"}, false},
      {"cancel gives back the month", MONTH, 3, {{52, ""}, {-1, "7"}}, "3", {"3", "4"}, false},
      {"the current month", MONTH, 3, {{53, ""}, {60, ""}}, "now", {"3", "now"}, false},
  };
  for (const PickCase &c : cases) {
    SCOPED_TRACE(c.what);
    std::string now = std::to_string(c.picker == YEAR ? today.wYear : today.wMonth);
    shown.clear();
    Host().boxes.clear();
    for (const auto &step : c.steps)
      if (c.picker == YEAR)
        YearThen(step.first, step.second);
      else
        MonthThen(step.first, atoi(step.second.c_str()));
    int result = c.picker == YEAR ? PickYear(c.given) : PickMonth(c.given);
    EXPECT_EQ(strcmp(c.result, "now") ? c.result : now, std::to_string(result)) << "returned";
    std::vector<std::string> expected = c.shown;
    for (std::string &value : expected)
      value = value == "now" ? now : value;
    EXPECT_EQ(expected, shown) << "what each showing offered";
    EXPECT_EQ(c.note ? 1u : 0u, Host().boxes.size()) << "the note on the calendar's years";
    EXPECT_EQ(0, LiveDialogs()) << "the picker is freed";
    EXPECT_EQ("Calendar.dlg", LastLoaded(c.picker == YEAR ? "Set Year" : "Set Month")->file);
  }
}

} // namespace
