#include <sstream>

#include "calendar_people.h"

namespace {

// "now" stands for the current year or month.
std::string Now(std::string text, int now) {
  for (size_t at; (at = text.find("now")) != std::string::npos;)
    text.replace(at, 3, std::to_string(now));
  return text;
}

struct PickCase {
  const char *what, *picker; // the dialog's name
  int given;
  // Exit codes, each after "=" the year typed (_ a blank) or the month
  // selected before it.
  const char *steps, *result;
  // What each showing offered: the year field ("|" when the focus was put
  // on it) or the month pre-selected, which has the cursor.
  const char *shown;
  const char *notes; // r a year outside the calendar's, n no number
};

TEST_F(CalendarTest, PickersStepTakeRefuseAndCancel) {
  SYSTEMTIME today;
  GetLocalTime(&today);
  const char *Y = "Set Year", *M = "Set Month";
  const PickCase cases[] = {
      {"typed, after blanks and a sign", Y, 2024, "60=__+1850ab", "1850", "2024", ""},
      {"steps from the year typed", Y, 2024, "52=2030 50 60", "2030", "2024 2031 2030", ""},
      {"cancelled after steps", Y, 2024, "52 52 -1", "2024", "2024 2025 2026", ""},
      {"no step before 1601", Y, 1601, "50 60", "1601", "1601 1601", "r"},
      {"no number: back as typed", Y, 2024, "60=abc 60= 52=x 60=1999", "1999", "2024 abc| | x|",
       "nnn"},
      {"outside: back as typed", Y, 2024, "60=10000 60=99999999999 52=-2147483648 60=1600 60=9999",
       "9999", "2024 10000| 99999999999| -2147483648| 1600|", "rrrr"},
      {"an exit of no control", Y, 2024, "77=1999 60", "1999", "2024 1999", ""},
      {"the current year", Y, 1980, "53=2000 60", "now", "1980 now", ""},
      {"round the year", M, 1, "50 52 60", "1", "1 12 1", ""},
      {"steps from the month shown", M, 3, "52=5 60=9", "9", "3 4", ""},
      {"cancelled", M, 3, "52 -1=7", "3", "3 4", ""},
      {"the current month", M, 3, "53 60", "now", "3 now", ""},
  };
  for (const PickCase &c : cases) {
    SCOPED_TRACE(c.what);
    bool year = c.picker == Y;
    std::string shown, notes, step;
    Host().boxes.clear();
    for (std::istringstream steps(c.steps); steps >> step;)
      FakeDialogs().people.push_back([&shown, step, year](FakeDialog &dialog) {
        char *field = dialog.items[PICK_VALUE].text;
        int month = SelectedRadio(dialog, 1);
        shown += (shown.empty() ? "" : " ") + (year ? field : std::to_string(month));
        shown += year && dialog.focus ? "|" : "";
        EXPECT_EQ(year ? dialog.focus : month, dialog.focus) << "the cursor on the month shown";
        dialog.focus = 0;
        std::string typed = step.find('=') == std::string::npos ? "" : step.substr(step.find('='));
        for (char &each : typed)
          each = each == '_' ? ' ' : each;
        if (!typed.empty() && year)
          strcpy(field, typed.c_str() + 1);
        else if (!typed.empty())
          SelectRadio(dialog, atoi(typed.c_str() + 1));
        return atoi(step.c_str());
      });
    int result = year ? PickYear(c.given) : PickMonth(c.given);
    int now = year ? today.wYear : today.wMonth;
    EXPECT_EQ(Now(c.result, now), std::to_string(result)) << "returned";
    EXPECT_EQ(Now(c.shown, now), shown) << "what each showing offered";
    for (const MessageCall &box : Host().boxes)
      notes += box.lines.at(1) == Host().messages[MSG_YEAR_RANGE]        ? 'r'
               : box.lines.at(1) == Host().messages[MSG_YEAR_UNREADABLE] ? 'n'
                                                                         : '?';
    EXPECT_EQ(c.notes, notes) << "the notes";
    EXPECT_EQ(0, LiveDialogs()) << "the picker is freed";
    EXPECT_EQ("Calendar.dlg", LastLoaded(c.picker)->file);
  }
}

} // namespace
