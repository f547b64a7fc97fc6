// The conversions count days from the civil calendar, not through mktime:
// a 32-bit clock cannot represent the grid's December 1969 cells, nor, east
// of UTC, 1 January 1970 itself.
#include "calendar/calendar_date.h"

#include <windows.h>

#include "datetext/civil_date.h"
#include "datetext/local_time.h"

int WeekdayOfDate(int year, int month, int day) {
  int weekday = WeekdayOfDays(DaysFromCivil(year, month, day));
  return weekday == 0 ? 7 : weekday;
}

// The date a day number denotes: its day of the month, or with month set
// its month.
static int Normalized(int year, int month, int day, int wantMonth) {
  long long normalYear;
  int normalMonth, normalDay;
  CivilFromDays(DaysFromCivil(year, month, day), &normalYear, &normalMonth, &normalDay);
  return wantMonth ? normalMonth : normalDay;
}

int NormalizedDay(int year, int month, int day) { return Normalized(year, month, day, 0); }

int NormalizedMonth(int year, int month, int day) { return Normalized(year, month, day, 1); }

int DaysInMonth(int year, int month) { return NormalizedDay(year, month + 1, 0); }

// A week belongs to the year its Thursday falls in.
int IsoWeekOfDate(int year, int month, int day) {
  long long days = DaysFromCivil(year, month, day);
  long long thursday = days - WeekdayOfDate(year, month, day) + 4;
  long long weekYear;
  int weekMonth, weekDay;
  CivilFromDays(thursday, &weekYear, &weekMonth, &weekDay);
  return DayOfYear(weekYear, weekMonth, weekDay) / 7 + 1;
}

int ReadLocalDate(struct tm *record) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  record->tm_year = now.wYear - 1900;
  record->tm_mon = now.wMonth - 1;
  record->tm_mday = now.wDay;
  record->tm_hour = now.wHour;
  record->tm_min = now.wMinute;
  record->tm_sec = now.wSecond;
  return 0;
}

// The zone's daylight flag at that local moment; 0 where the system
// cannot tell.
static int DaylightFlag(const struct tm *record) {
  int offsetMinutes, isDaylight;
  ReadLocalOffset(record, &offsetMinutes, &isDaylight);
  return isDaylight;
}

void SetRecordDate(struct tm *record, int year, int month, int day) {
  long long days = DaysFromCivil(year, month, day);
  long long normalYear;
  int normalMonth, normalDay;
  CivilFromDays(days, &normalYear, &normalMonth, &normalDay);
  record->tm_year = (int)(normalYear - 1900);
  record->tm_mon = normalMonth - 1;
  record->tm_mday = normalDay;
  record->tm_wday = WeekdayOfDays(days);
  record->tm_yday = DayOfYear(normalYear, normalMonth, normalDay);
  record->tm_isdst = DaylightFlag(record);
}
