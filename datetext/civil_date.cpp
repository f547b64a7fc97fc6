#include "datetext/civil_date.h"

// Divisions stay in 32 bits: the 32-bit build divides 64-bit numbers only
// through a runtime helper that would take a page of the module. Years are
// held within a million either way and day counts within ±700 million days
// (about two million years), far beyond any calendar, so every step fits.
static long long Bounded(long long value, long long limit) {
  return value < -limit ? -limit : value > limit ? limit : value;
}

// Floor division, so that days before 1970 and months below 1 carry the
// right way.
static int FloorDiv(int a, int b) {
  int q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Counts in eras of 400 years (146097 days), starting the year in March so
// that the leap day falls last.
long long DaysFromCivil(long long year, long long month, long long day) {
  int monthIndex = (int)Bounded(month, 12000000) - 1;
  int yearCarry = FloorDiv(monthIndex, 12);
  int y = (int)Bounded(year, 1000000) + yearCarry;
  int m = monthIndex - 12 * yearCarry + 1;
  y -= m <= 2;
  int era = FloorDiv(y, 400);
  int yearOfEra = y - era * 400;
  int dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5;
  int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097LL + dayOfEra - 719468 + (Bounded(day, 1000000000) - 1);
}

void CivilFromDays(long long days, long long *year, int *month, int *day) {
  // 4800 eras on, every day held counts up from 0: no floor divisions.
  unsigned shiftedDays = (unsigned)((int)Bounded(days, 700000000) + 719468 + 4800 * 146097);
  unsigned era = shiftedDays / 146097;
  unsigned dayOfEra = shiftedDays - era * 146097;
  unsigned yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  unsigned dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  unsigned shifted = (5 * dayOfYear + 2) / 153;
  int m = shifted < 10 ? (int)shifted + 3 : (int)shifted - 9;
  *day = (int)(dayOfYear - (153 * shifted + 2) / 5 + 1);
  *month = m;
  *year = (int)yearOfEra + ((int)era - 4800) * 400LL + (m <= 2);
}

int WeekdayOfDays(long long days) {
  // 1 January 1970 was a Thursday.
  int bounded = (int)Bounded(days, 700000000);
  return bounded - 7 * FloorDiv(bounded + 4, 7) + 4;
}

int DayOfYear(long long year, int month, int day) {
  static const short DaysBefore[12] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
  return DaysBefore[(unsigned)(month - 1) % 12] + day - 1 + (month > 2 && IsLeapYear(year));
}

int IsLeapYear(long long year) {
  int y = (int)year; // years here lie within a few million of 0
  return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int DaysInMonth(long long year, int month) {
  return month == 2 ? 28 + IsLeapYear(year) : 30 + ((month + (month > 7)) & 1);
}

void SetRecordDays(struct tm *record, long long days) {
  long long year;
  int month, day;
  CivilFromDays(days, &year, &month, &day);
  record->tm_year = (int)(year - 1900);
  record->tm_mon = month - 1;
  record->tm_mday = day;
  record->tm_wday = WeekdayOfDays(days);
  record->tm_yday = DayOfYear(year, month, day);
}

// Days from the Monday of ISO week 1 to the day.
static int IsoWeekDays(int yday, int wday) { return yday - (yday - wday + 4 + 378) % 7 + 3; }

int IsoWeekOfDay(int year, int yday, int wday, int *week) {
  int days = IsoWeekDays(yday, wday);
  if (days < 0) {
    year--;
    days = IsoWeekDays(yday + 365 + IsLeapYear(year), wday);
  } else {
    int next = IsoWeekDays(yday - 365 - IsLeapYear(year), wday);
    if (next >= 0) {
      year++;
      days = next;
    }
  }
  *week = days / 7 + 1;
  return year;
}
