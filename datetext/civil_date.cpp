#include "datetext/civil_date.h"

// Floor division, so that days before 1970 and months below 1 carry the
// right way.
static long long FloorDiv(long long a, long long b) {
  long long q = a / b;
  return (a % b != 0 && ((a < 0) != (b < 0))) ? q - 1 : q;
}

// Counts in eras of 400 years (146097 days), starting the year in March so
// that the leap day falls last.
long long DaysFromCivil(long long year, long long month, long long day) {
  year += FloorDiv(month - 1, 12);
  month = month - 12 * FloorDiv(month - 1, 12);
  year -= month <= 2;
  long long era = FloorDiv(year, 400);
  long long yearOfEra = year - era * 400;
  long long dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5;
  long long dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468 + (day - 1);
}

void CivilFromDays(long long days, long long *year, int *month, int *day) {
  days += 719468;
  long long era = FloorDiv(days, 146097);
  long long dayOfEra = days - era * 146097;
  long long yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  long long dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  long long shifted = (5 * dayOfYear + 2) / 153;
  int m = (int)(shifted < 10 ? shifted + 3 : shifted - 9);
  *day = (int)(dayOfYear - (153 * shifted + 2) / 5 + 1);
  *month = m;
  *year = yearOfEra + era * 400 + (m <= 2);
}

int WeekdayOfDays(long long days) {
  // 1 January 1970 was a Thursday.
  return (int)(days - 7 * FloorDiv(days + 4, 7) + 4);
}

int DayOfYear(long long year, int month, int day) {
  return (int)(DaysFromCivil(year, month, day) - DaysFromCivil(year, 1, 1));
}
