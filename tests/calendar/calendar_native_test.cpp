// The calendar at moments the test fixes: the subset's clock can be set.
#include "calendar_people.h"
#include "calendar/calendar_date.h"
#include "datetext/time_record.h"
#include "winsubset_control.h"

namespace {

// The day of the week is left 0: the calendar never reads it.
SYSTEMTIME Moment(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  return SYSTEMTIME{year, month, 0, day, hour, minute, second, 0};
}

class CalendarAtMoment : public CalendarTest {
protected:
  void TearDown() override {
    WinSubset_SetLocalTime(nullptr);
    CalendarTest::TearDown();
  }
  void SetClock(const SYSTEMTIME &moment) { WinSubset_SetLocalTime(&moment); }
  // Looks at the calendar, moves the clock on, then closes with exitCode.
  void ClockMovesThen(const SYSTEMTIME &moment, int exitCode) {
    FakeDialogs().people.push_back([moment](FakeDialog &) {
      WinSubset_SetLocalTime(&moment);
      Choice() = 0;
      return 0; // an exit the calendar ignores
    });
    Then(exitCode);
  }
};

TEST_F(CalendarAtMoment, ReadingTheLocalDateGivesItsSixFields) {
  SetClock(Moment(2024, 2, 29, 14, 5, 9));
  struct tm record = {};
  EXPECT_EQ(0, ReadLocalDate(&record));
  EXPECT_EQ("2024-02-29 14:05:09, weekday 0, day 0 of the year", RecordText(record))
      << "the six fields read, the others left as they were";
}

// One showing: the month it shows, then what the person does there.
struct KeptDayStep {
  const char *what;
  int year, month;
  int day;      // the day selected
  int focus;    // the step focused, 0 for that day's cell
  int selected; // a day the person selects before leaving, or 0
  int exitCode;
};

int CellOf(int year, int month, int day) { return day + WeekdayOfDate(year, month, 1) - 1; }

TEST_F(CalendarAtMoment, TheKeptDayIsCutToEachMonthAndAStepKeepsTheFocus) {
  SetClock(Moment(2024, 1, 31, 10, 0, 0));
  const KeptDayStep steps[] = {
      {"today", 2024, 1, 31, 0, 0, MONTH_FORWARD},
      {"cut to February", 2024, 2, 29, MONTH_FORWARD, 0, MONTH_FORWARD},
      {"the 31st again", 2024, 3, 31, MONTH_FORWARD, 0, MONTH_BACK},
      {"back to February", 2024, 2, 29, MONTH_BACK, 0, STEP_BACK},
      {"a year back, 28 days", 2023, 2, 28, STEP_BACK, 15, MONTH_FORWARD},
      {"the day selected kept", 2023, 3, 15, MONTH_FORWARD, 0, MONTH_NAME},
      {"after the month picker", 2023, 4, 15, 0, 0, CALENDAR_TODAY},
      {"today again", 2024, 1, 31, 0, 0, -1},
  };
  for (const KeptDayStep &step : steps) {
    if (step.selected)
      SelectThen(CellOf(step.year, step.month, step.selected), step.exitCode);
    else
      Then(step.exitCode);
    if (step.exitCode == MONTH_NAME)
      SelectMonth(4);
  }
  ShowCalendar(0);
  ASSERT_EQ(sizeof steps / sizeof *steps, views.size());
  for (size_t i = 0; i < views.size(); i++) {
    const KeptDayStep &step = steps[i];
    SCOPED_TRACE(step.what);
    char month[32];
    FormatMonthName(month, sizeof month, Host().messages[35 + step.month].c_str());
    EXPECT_EQ(" " + std::to_string(step.year) + " ", views[i].year);
    EXPECT_EQ(month, views[i].month);
    int cell = CellOf(step.year, step.month, step.day);
    EXPECT_EQ(cell, views[i].selected) << "the day's cell selected";
    EXPECT_FALSE(views[i].grey[cell]) << "never a grey cell";
    EXPECT_EQ(step.focus ? step.focus : cell, views[i].focus) << "the focus";
  }
}

struct EndDeliveryCase {
  int year, month, day;
  const char *format, *text; // an empty text: a zone offset, +hhmm or -hhmm
};

// No 32-bit time on the way: the first and last days of the range are
// delivered like any other, in local time and in UTC.
TEST_F(CalendarAtMoment, TheRangesFirstAndLastDaysAreDelivered) {
  const EndDeliveryCase cases[] = {
      {9999, 12, 31, "%Y-%m-%d %a %j %H:%M", "9999-12-31 Fri 365 12:00"},
      {1601, 1, 1, "%a %d %b", "Mon 01 Jan"},
      {9999, 12, 31, "!%Y-%m-%d", "9999-12-31"},
      {1601, 1, 1, "%z", ""},
      {9999, 12, 31, "%z", ""},
  };
  for (const EndDeliveryCase &c : cases) {
    SCOPED_TRACE(testing::Message() << c.year << " " << c.format);
    SetClock(Moment(2024, 6, 15, 12, 0, 0));
    StoreCalendarPreset(c.format, 1u << 16);
    Host().editorInserts.clear();
    GoTo(c.year, c.month);
    Then(CellOf(c.year, c.month, c.day));
    ShowCalendar(OPEN_EDITOR);
    ASSERT_EQ(1u, Host().editorInserts.size());
    const std::string &text = Host().editorInserts[0];
    if (c.text[0]) {
      EXPECT_EQ(c.text, text);
    } else {
      EXPECT_TRUE(text.size() == 5 && (text[0] == '+' || text[0] == '-')) << text;
    }
  }
}

TEST_F(CalendarAtMoment, TheDeliveredTimeIsTheOpeningsOrTheLastTodays) {
  StoreCalendarPreset("%d.%m.%Y %H:%M:%S", 1u << 16);
  SetClock(Moment(2024, 2, 29, 14, 5, 9));
  ClockMovesThen(Moment(2024, 3, 1, 15, 0, 0), 30);
  ShowCalendar(OPEN_EDITOR);
  ASSERT_EQ(1u, Host().editorInserts.size());
  EXPECT_EQ("27.02.2024 14:05:09", Host().editorInserts[0]) << "the time of the opening";

  SetClock(Moment(2024, 2, 29, 14, 5, 9));
  ClockMovesThen(Moment(2024, 3, 1, 15, 0, 0), CALENDAR_TODAY);
  Then(12); // 1 March 2024 was a Friday: day 8 in cell 12
  ShowCalendar(OPEN_EDITOR);
  ASSERT_EQ(2u, Host().editorInserts.size());
  EXPECT_EQ("08.03.2024 15:00:00", Host().editorInserts[1]) << "the time of Today";
}

} // namespace
