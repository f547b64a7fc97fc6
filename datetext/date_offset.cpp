#include "datetext/date_offset.h"

#include "datetext/civil_date.h"
#include "datetext/local_time.h"

int InCalendarYears(const struct tm *record) {
  return record->tm_year >= 1601 - 1900 && record->tm_year <= 9999 - 1900;
}

// The days 1 January 1601 and 10000, counted from 1970.
static const long long FirstDay = -134774, EndDay = 2932897;

// Far enough to leave and come back to the calendar's years: a step
// beyond it either way leaves them for good. Days and seconds need no
// such bound: the offset's sums are held far inside 64 bits.
static const long long MonthsReach = 12 * 20000LL;

// Moves a day (counted from 1970) by the offset's months, the day kept and
// cut to the month's length, then by its days; only the day reached is
// checked against the years 1601 to 9999. Returns 0 when it leaves them.
static int StepDays(long long *days, const struct DateOffset *offset) {
  long long moved = *days;
  if (offset->Beyond || offset->Months < -MonthsReach || offset->Months > MonthsReach)
    return 0;
  if (offset->Months) {
    long long year;
    int month, day;
    CivilFromDays(moved, &year, &month, &day);
    // Months counted from January of year -100000, in 32 bits: the civil
    // years and the offset's reach keep the count far from its limits.
    int months = ((int)year + 100000) * 12 + month - 1 + (int)offset->Months;
    if (months < 0)
      return 0;
    int length = DaysInMonth(months / 12 - 100000, months % 12 + 1);
    moved = DaysFromCivil(months / 12 - 100000, months % 12 + 1, day < length ? day : length);
  }
  moved += offset->Days;
  if (moved < FirstDay || moved >= EndDay)
    return 0;
  *days = moved;
  return 1;
}

// The wall clock `clock` in zone, moved by an exact duration of `seconds`
// in UTC, and read back from UTC as Windows reads it: across a change of
// daylight saving the wall clock moves by an hour more or less, and a day
// stepped into the hour skipped when daylight saving starts is read in
// standard time, an hour on, never back. Returns 0 when the zone cannot
// tell the time.
static int ReadWallBack(const TimeZoneRef *zone, long long *clock, long long seconds, int *minutes,
                        int *daylight) {
  long long wanted = *clock, utc;
  if (!ZoneOffsetAt(zone, wanted, 1, minutes, daylight))
    return 0;
  utc = wanted - *minutes * 60LL + seconds;
  for (int pass = 0; pass < 2; pass++) {
    if (!ZoneOffsetAt(zone, utc, 0, minutes, daylight))
      return 0;
    *clock = utc + *minutes * 60LL;
    if (seconds || *clock >= wanted)
      break;
    utc += wanted - *clock;
  }
  return 1;
}

int PlaceMoment(const struct BlockPlace *place, const struct tm *local, long long utcSeconds,
                struct tm *wall, int *offsetMinutes) {
  const struct DateOffset *offset = &place->Offset;
  const TimeZoneRef *zone = place->Zoned ? &place->Zone : &LocalTimeZone;
  int minutes = 0, daylight = 0, asked = place->Zoned;
  long long clock;
  if (!asked)
    clock = SecondsOfRecord(local);
  else if (ZoneOffsetAt(zone, utcSeconds, 0, &minutes, &daylight))
    clock = utcSeconds + minutes * 60LL;
  else
    return 0;
  long long days = DaysOfSeconds(clock), second = clock - days * 86400;
  long long seconds = offset->Seconds;
  if (!StepDays(&days, offset))
    return 0;
  clock = days * 86400 + second;
  if (seconds || offset->Months || offset->Days) {
    // Local time whose rules cannot be told keeps a stepped day as it is.
    int read = ReadWallBack(zone, &clock, seconds, &minutes, &daylight);
    if (!read && (seconds || asked))
      return 0;
    asked |= read;
  }
  days = DaysOfSeconds(clock);
  if (days < FirstDay || days >= EndDay)
    return 0;
  RecordOfSeconds(clock, wall);
  wall->tm_isdst = daylight;
  *offsetMinutes = minutes;
  return 2 - asked;
}
