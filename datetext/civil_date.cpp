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
  int monthIndex = (int)Bounded(month - 1, 12000000);
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
  int shiftedDays = (int)Bounded(days, 700000000) + 719468;
  int era = FloorDiv(shiftedDays, 146097);
  int dayOfEra = shiftedDays - era * 146097;
  int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int shifted = (5 * dayOfYear + 2) / 153;
  int m = shifted < 10 ? shifted + 3 : shifted - 9;
  *day = dayOfYear - (153 * shifted + 2) / 5 + 1;
  *month = m;
  *year = yearOfEra + era * 400LL + (m <= 2);
}

int WeekdayOfDays(long long days) {
  // 1 January 1970 was a Thursday.
  int bounded = (int)Bounded(days, 700000000);
  return bounded - 7 * FloorDiv(bounded + 4, 7) + 4;
}

int DayOfYear(long long year, int month, int day) {
  return (int)(DaysFromCivil(year, month, day) - DaysFromCivil(year, 1, 1));
}
