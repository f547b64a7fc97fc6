/* A format's offsets applied to a moment: calendar steps in wall-clock
   time, then exact durations. */
#ifndef HORALIS_DATETEXT_DATE_OFFSET_H
#define HORALIS_DATETEXT_DATE_OFFSET_H

#include <time.h>

#include "datetext/format_blocks.h"
#include "datetext/time_zones.h"

/* Whether the record's year lies in 1601 to 9999. */
int InCalendarYears(const struct tm *record);

/* Where a format's blocks have put its moment so far: the zone named last
   (when Zoned; otherwise the local time the expansion began from) and the
   offset of the last block that gave one. */
struct BlockPlace {
  int Zoned;
  TimeZoneRef Zone;
  struct DateOffset Offset;
};

/* The wall-clock time at `place`: `local` (the moment the expansion began
   from, in local time) or, when zoned, its UTC moment `utcSeconds`
   (seconds since 1970; unused when not zoned) in the zone;
   stepped by the offset's months and days, then moved by its exact
   duration; a stepped day in the hour skipped when daylight saving starts
   is read an hour on. Fills every field of `wall`, tm_isdst and the zone's
   offset in minutes included when the zone was asked (zoned, an exact
   duration, or a step in local time whose rules can be told); returns 1
   then, 2 when the zone was not asked. 0 when the time leaves the years
   1601 to 9999 or the zone cannot tell it. */
int PlaceMoment(const struct BlockPlace *place, const struct tm *local, long long utcSeconds,
                struct tm *wall, int *offsetMinutes);

#endif
