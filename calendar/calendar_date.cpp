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

// The date a day number denotes: its day of the month, or its month.
static int Normalized(int year, int month, int day, int wantMonth) {
  struct tm record;
  SetRecordDays(&record, DaysFromCivil(year, month, day));
  return wantMonth ? record.tm_mon + 1 : record.tm_mday;
}

int NormalizedDay(int year, int month, int day) { return Normalized(year, month, day, 0); }

int NormalizedMonth(int year, int month, int day) { return Normalized(year, month, day, 1); }

int IsPastLastDay(int year, int month, int day) {
  return DaysFromCivil(year, month, day) > DaysFromCivil(9999, 12, 31);
}

int IsoWeekOfDate(int year, int month, int day) {
  struct tm record;
  int week;
  SetRecordDays(&record, DaysFromCivil(year, month, day));
  IsoWeekOfDay(record.tm_year + 1900, record.tm_yday, record.tm_wday, &week);
  return week;
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
  SetRecordDays(record, DaysFromCivil(year, month, day));
  record->tm_isdst = DaylightFlag(record);
}
