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

TEST_F(CalendarAtMoment, TheRememberedThirtyFirstInAThirtyDayMonthIsTheGreyFirstAfterIt) {
  SetClock(Moment(2024, 3, 31, 10, 0, 0));
  Then(MONTH_FORWARD); // April 2024: 1st a Monday, 30 days
  Then(-1);
  ShowCalendar(0);
  ASSERT_EQ(2u, views.size());
  EXPECT_EQ(31 + 4, views[0].selected) << "31 March, the 1st a Friday";
  EXPECT_EQ(31, views[1].selected) << "cell of day 31 pre-selected";
  EXPECT_EQ(31, views[1].focus) << "and focused";
  EXPECT_TRUE(views[1].grey[31]) << "it holds 1 May, greyed";
  EXPECT_EQ(" 1", views[1].cells[31]);
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
