#include "datetext/civil_date.h"

// The arithmetic runs on 32-bit values: on the 32-bit target 64-bit
// division would bring the runtime's division code into the module, a page
// of memory at load. Years are held to five million either side of 1970
// (day counts to match), so nothing overflows whatever a caller passes.
enum { YEAR_LIMIT = 5000000, DAY_LIMIT = 366 * YEAR_LIMIT };

static int Limit(long long value, int limit) {
  return value < -limit ? -limit : value > limit ? limit : (int)value;
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
  int m = Limit(month, 12 * YEAR_LIMIT);
  int y = Limit(year, YEAR_LIMIT) + FloorDiv(m - 1, 12);
  m -= 12 * FloorDiv(m - 1, 12);
  y -= m <= 2;
  int era = FloorDiv(y, 400);
  int yearOfEra = y - era * 400;
  int dayOfYear = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5;
  int dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return (long long)era * 146097 + dayOfEra - 719468 + (Limit(day, DAY_LIMIT) - 1);
}

void CivilFromDays(long long days, long long *year, int *month, int *day) {
  int shiftedDays = Limit(days, DAY_LIMIT) + 719468;
  int era = FloorDiv(shiftedDays, 146097);
  int dayOfEra = shiftedDays - era * 146097;
  int yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int shifted = (5 * dayOfYear + 2) / 153;
  int m = shifted < 10 ? shifted + 3 : shifted - 9;
  *day = dayOfYear - (153 * shifted + 2) / 5 + 1;
  *month = m;
  *year = (long long)yearOfEra + era * 400 + (m <= 2);
}

int WeekdayOfDays(long long days) {
  // 1 January 1970 was a Thursday.
  int d = Limit(days, DAY_LIMIT);
  return d - 7 * FloorDiv(d + 4, 7) + 4;
}

int DayOfYear(long long year, int month, int day) {
  return (int)(DaysFromCivil(year, month, day) - DaysFromCivil(year, 1, 1));
}
