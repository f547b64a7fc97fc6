#include "datetext/date_offset.h"

#include "datetext/civil_date.h"
#include "datetext/local_time.h"

int InCalendarYears(const struct tm *record) {
  return record->tm_year >= 1601 - 1900 && record->tm_year <= 9999 - 1900;
}

// The days 1 January 1601 and 10000, counted from 1970.
static const long long FirstDay = -134774, EndDay = 2932897;

// Moves a day (counted from 1970) by the offset's months, the day kept and
// cut to the month's length, then by its days. Returns 0 when the date
// would leave the years 1601 to 9999.
static int StepDays(long long *days, const struct DateOffset *offset) {
  long long moved = *days;
  if (offset->Months) {
    long long year;
    int month, day;
    CivilFromDays(moved, &year, &month, &day);
    // Months counted from January of year 0; the offset is held small
    // enough that the sum fits, and the range is checked before any
    // division.
    int months = (int)year * 12 + month - 1 + offset->Months;
    if (months < 1601 * 12 || months > 9999 * 12 + 11)
      return 0;
    int length = DaysInMonth(months / 12, months % 12 + 1);
    moved = DaysFromCivil(months / 12, months % 12 + 1, day < length ? day : length);
  } else if (moved < FirstDay || moved >= EndDay) {
    return 0;
  }
  moved += offset->Days;
  if (moved < FirstDay || moved >= EndDay)
    return 0;
  *days = moved;
  return 1;
}

int StepCalendar(struct tm *record, const struct DateOffset *offset) {
  long long days = DaysFromCivil(1900LL + record->tm_year, 1LL + record->tm_mon, record->tm_mday);
  if (!StepDays(&days, offset))
    return 0;
  SetRecordDays(record, days);
  return 1;
}

// PlaceMoment in a fixed or named zone, counted in seconds: the zone's
// offsets are compares against its kept changes, and the record is made
// once, at the end.
static int PlaceInZone(const TimeZoneRef *zone, long long utc, const struct DateOffset *offset,
                       struct tm *wall, int *offsetMinutes) {
  int minutes, daylight;
  if (!ZoneOffsetAt(zone, utc, 0, &minutes, &daylight))
    return 0;
  long long clock = utc + minutes * 60LL, days = DaysOfSeconds(clock);
  long long second = clock - days * 86400, seconds = offset->ExactDays * 86400LL + offset->Seconds;
  if (!StepDays(&days, offset))
    return 0;
  clock = days * 86400 + second;
  // The stepped wall clock read back from UTC, as Windows reads it; an
  // exact duration is counted in UTC, so across a change of daylight
  // saving the wall clock moves by an hour more or less.
  if (seconds || offset->Months || offset->Days) {
    long long wanted = clock;
    if (!ZoneOffsetAt(zone, clock, 1, &minutes, &daylight))
      return 0;
    utc = clock - minutes * 60LL + seconds;
    for (int pass = 0; pass < 2; pass++) {
      if (!ZoneOffsetAt(zone, utc, 0, &minutes, &daylight))
        return 0;
      clock = utc + minutes * 60LL;
      // A day stepped into the hour skipped when daylight saving starts
      // is read in standard time, an hour on, never back.
      if (seconds || clock >= wanted)
        break;
      utc += wanted - clock;
    }
  }
  days = DaysOfSeconds(clock);
  if (days < FirstDay || days >= EndDay)
    return 0;
  RecordOfSeconds(clock, wall);
  wall->tm_isdst = daylight;
  *offsetMinutes = minutes;
  return 1;
}

int PlaceMoment(const struct BlockPlace *place, const struct tm *local, long long utcSeconds,
                struct tm *wall, int *offsetMinutes) {
  static const TimeZoneRef LocalZone = {ZONE_LOCAL, 0, 0};
  const TimeZoneRef *zone = place->Zoned ? &place->Zone : &LocalZone;
  const struct DateOffset *offset = &place->Offset;
  if (zone->kind != ZONE_LOCAL)
    return PlaceInZone(zone, utcSeconds, offset, wall, offsetMinutes);
  // Local time asks the system, through records.
  int asked = place->Zoned;
  struct tm utc;
  *wall = *local;
  if (asked) {
    RecordOfSeconds(utcSeconds, &utc);
    if (!ZoneTimeFromUtc(zone, &utc, wall, offsetMinutes))
      return 0;
  }
  if (!StepCalendar(wall, offset))
    return 0;
  // An exact duration is counted in UTC: across a change of daylight
  // saving the wall clock moves by an hour more or less. A zone's wall
  // clock stepped by days is read back for its offset then.
  long long seconds = offset->ExactDays * 86400LL + offset->Seconds;
  if (seconds || (asked && (offset->Months || offset->Days))) {
    struct tm moved, stepped = *wall;
    asked = 1;
    if (!ZoneTimeToUtc(zone, wall, &moved))
      return 0;
    RecordOfSeconds(SecondsOfRecord(&moved) + seconds, &moved);
    if (!ZoneTimeFromUtc(zone, &moved, wall, offsetMinutes))
      return 0;
    // A day stepped into the hour skipped when daylight saving starts is
    // read in standard time, an hour on (2:30 is 3:30 daylight), never back.
    long long back = seconds ? 0 : SecondsOfRecord(&stepped) - SecondsOfRecord(wall);
    if (back > 0) {
      RecordOfSeconds(SecondsOfRecord(&moved) + back, &moved);
      if (!ZoneTimeFromUtc(zone, &moved, wall, offsetMinutes))
        return 0;
    }
  }
  return InCalendarYears(wall) ? 2 - asked : 0;
}
