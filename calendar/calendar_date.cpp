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

enum { WANT_DAY, WANT_MONTH, WANT_DAY_OF_YEAR };

// The date a day number denotes: its day of the month, its month, or its
// day of the year (1..366).
static int Normalized(int year, int month, int day, int want) {
  long long days = DaysFromCivil(year, month, day);
  long long normalYear;
  int normalMonth, normalDay;
  CivilFromDays(days, &normalYear, &normalMonth, &normalDay);
  if (want == WANT_DAY_OF_YEAR)
    return (int)(days - DaysFromCivil(normalYear, 1, 1)) + 1;
  return want == WANT_MONTH ? normalMonth : normalDay;
}

int NormalizedDay(int year, int month, int day) { return Normalized(year, month, day, WANT_DAY); }

int NormalizedMonth(int year, int month, int day) {
  return Normalized(year, month, day, WANT_MONTH);
}

int DaysInMonth(int year, int month) { return NormalizedDay(year, month + 1, 0); }

// A week belongs to the year its Thursday falls in.
int IsoWeekOfDate(int year, int month, int day) {
  int thursday = day - WeekdayOfDate(year, month, day) + 4;
  return (Normalized(year, month, thursday, WANT_DAY_OF_YEAR) - 1) / 7 + 1;
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
