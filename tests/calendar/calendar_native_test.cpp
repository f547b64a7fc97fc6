// The calendar at moments the test fixes: the subset's clock can be set.
#include "calendar_people.h"
#include "winsubset_control.h"

namespace {

// The day of the week is left 0: the calendar never reads it.
void SetClock(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
  SYSTEMTIME moment = {year, month, 0, day, hour, minute, second, 0};
  WinSubset_SetLocalTime(&moment);
}

class CalendarAtMoment : public CalendarTest {
protected:
  void TearDown() override {
    WinSubset_SetLocalTime(nullptr);
    CalendarTest::TearDown();
  }
};

// One showing: the month it shows, then what the person does there.
struct KeptDayStep {
  int year, month;
  int day;      // the day selected
  int focus;    // the step focused, 0 for that day's cell
  int selected; // a day the person selects before leaving, or 0
  int exitCode;
};

// Opened on today, the kept day is cut to each month, a selected one is kept, a step keeps
// the focus. Today, 31 January 2024, keeps its colour in its month whatever
// is selected, and only there.
TEST_F(CalendarAtMoment, TheKeptDayIsCutToEachMonthAndAStepKeepsTheFocus) {
  SetClock(2024, 1, 31, 10, 0, 0);
  const KeptDayStep steps[] = {
      {2024, 1, 31, 0, 0, MONTH_FORWARD},
      {2024, 2, 29, MONTH_FORWARD, 0, MONTH_FORWARD},
      {2024, 3, 31, MONTH_FORWARD, 0, MONTH_BACK},
      {2024, 2, 29, MONTH_BACK, 0, STEP_BACK},
      {2023, 2, 28, STEP_BACK, 15, MONTH_FORWARD},
      {2023, 3, 15, MONTH_FORWARD, 0, MONTH_NAME},
      {2023, 1, 15, 0, 0, STEP_FORWARD},
      {2024, 1, 15, STEP_FORWARD, 0, CALENDAR_TODAY},
      {2024, 1, 31, 0, 0, -1},
  };
  for (const KeptDayStep &step : steps) {
    Then(step.exitCode, step.selected ? CellOf(step.year, step.month, step.selected) : 0);
    if (step.exitCode == MONTH_NAME)
      Pick("1");
  }
  ShowCalendar(0);
  ASSERT_EQ(sizeof steps / sizeof *steps, views.size());
  for (size_t i = 0; i < views.size(); i++) {
    const KeptDayStep &step = steps[i];
    SCOPED_TRACE(i);
    EXPECT_EQ(Shown(step.year, step.month), views[i].year + views[i].month);
    int cell = CellOf(step.year, step.month, step.day);
    EXPECT_EQ(cell, views[i].selected) << "the day's cell selected";
    EXPECT_NE(MARK_COLOR, views[i].colour[cell]) << "never a grey cell";
    EXPECT_EQ(step.focus ? step.focus : cell, views[i].focus) << "the focus";
    int today = step.year == 2024 && step.month == 1 ? CellOf(2024, 1, 31) : 0;
    EXPECT_EQ(today, views[i].today) << "today's colour";
  }
}

TEST_F(CalendarAtMoment, TheDeliveredTimeIsTheOpeningsOrTheLastTodays) {
  StoreCalendarPreset("%d.%m.%Y %H:%M:%S", 1u << 16);
  const struct {
    int exitCode, cell; // after the clock moves on; then the cell chosen
    const char *text;
  } cases[] = {{30, 0, "27.02.2024 14:05:09"}, {CALENDAR_TODAY, 12, "08.03.2024 15:00:00"}};
  for (const auto &c : cases) {
    SetClock(2024, 2, 29, 14, 5, 9);
    Host().editorInserts.clear();
    FakeDialogs().people.push_back([](FakeDialog &) {
      SetClock(2024, 3, 1, 15, 0, 0);
      Choice() = 0;
      return 0; // an exit the calendar ignores
    });
    Then(c.exitCode);
    if (c.cell)
      Then(c.cell); // 1 March 2024 was a Friday: the 8th in cell 12
    ShowCalendar(OPEN_EDITOR);
    ASSERT_EQ(1u, Host().editorInserts.size());
    EXPECT_EQ(c.text, Host().editorInserts[0]) << "the time of the opening, or of Today";
  }
}

} // namespace
