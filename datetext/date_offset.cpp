#include "datetext/date_offset.h"

#include "datetext/civil_date.h"
#include "datetext/local_time.h"

int InCalendarYears(const struct tm *record) {
  return record->tm_year >= 1601 - 1900 && record->tm_year <= 9999 - 1900;
}

int StepCalendar(struct tm *record, const struct DateOffset *offset) {
  // Months counted from January of year 0; the offset is held small enough
  // that the sum fits, and the range is checked before any division.
  int months = (record->tm_year + 1900) * 12 + record->tm_mon + offset->Months;
  if (months < 1601 * 12 || months > 9999 * 12 + 11)
    return 0;
  int year = months / 12, month = months % 12 + 1;
  int length = DaysInMonth(year, month);
  int day = record->tm_mday < length ? record->tm_mday : length;
  long long days = DaysFromCivil(year, month, day) + offset->Days;
  struct tm stepped = *record;
  SetRecordDays(&stepped, days);
  if (!InCalendarYears(&stepped))
    return 0;
  *record = stepped;
  return 1;
}

// The offset of a fixed or named zone at its stepped wall clock, when the
// wall time is one the zone shows (not skipped, nor read otherwise from
// UTC): 1 and the record's daylight flag set; 0 when it must go through UTC.
static int WallOffset(const TimeZoneRef *zone, struct tm *wall, int *offsetMinutes) {
  long long seconds = SecondsOfRecord(wall);
  int wallOffset, offset, daylight;
  if (zone->kind == ZONE_LOCAL || !ZoneOffsetAt(zone, seconds, 1, &wallOffset, &daylight) ||
      !ZoneOffsetAt(zone, seconds - wallOffset * 60LL, 0, &offset, &daylight) ||
      offset != wallOffset)
    return 0;
  wall->tm_isdst = daylight;
  *offsetMinutes = offset;
  return 1;
}

int PlaceMoment(const struct BlockPlace *place, const struct tm *local, const struct tm *utc,
                struct tm *wall, int *offsetMinutes) {
  static const TimeZoneRef LocalZone = {ZONE_LOCAL, 0, 0};
  const TimeZoneRef *zone = place->Zoned ? &place->Zone : &LocalZone;
  const struct DateOffset *offset = &place->Offset;
  int asked = place->Zoned;
  *wall = *local;
  if (asked && !ZoneTimeFromUtc(zone, utc, wall, offsetMinutes))
    return 0;
  if (!StepCalendar(wall, offset))
    return 0;
  // An exact duration is counted in UTC: across a change of daylight
  // saving the wall clock moves by an hour more or less. A zone's wall
  // clock stepped by days is read back for its offset then.
  long long seconds = offset->ExactDays * 86400LL + offset->Seconds;
  int stepped = offset->Months || offset->Days;
  if (seconds || (asked && stepped && !WallOffset(zone, wall, offsetMinutes))) {
    struct tm moved, steppedWall = *wall;
    if (!ZoneTimeToUtc(zone, wall, &moved))
      return 0;
    RecordOfSeconds(SecondsOfRecord(&moved) + seconds, &moved);
    if (!ZoneTimeFromUtc(zone, &moved, wall, offsetMinutes))
      return 0;
    // A day stepped into the hour skipped when daylight saving starts is
    // read in standard time, an hour on (2:30 is 3:30 daylight), never back.
    long long back = seconds ? 0 : SecondsOfRecord(&steppedWall) - SecondsOfRecord(wall);
    if (back > 0) {
      RecordOfSeconds(SecondsOfRecord(&moved) + back, &moved);
      if (!ZoneTimeFromUtc(zone, &moved, wall, offsetMinutes))
        return 0;
    }
  }
  asked |= seconds != 0;
  return InCalendarYears(wall) ? 2 - asked : 0;
}
