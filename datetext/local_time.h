/* The local time of now, and the local zone's offset for any local date and
   time, from the system's clock and zone rules: no 32-bit time value on the
   way, so no end in 2038. */
#ifndef HORALIS_DATETEXT_LOCAL_TIME_H
#define HORALIS_DATETEXT_LOCAL_TIME_H

#include <time.h>

/* Now in local time, every field filled as localtime fills them: tm_wday,
   tm_yday and tm_isdst (0 when the system cannot tell the zone). */
void ReadLocalTime(struct tm *record);

/* The same, with the zone's offset at this moment in minutes (east of
   Greenwich positive), told from the system's UTC clock by the zone's
   rules: right in the hour repeated when daylight saving ends, where the
   local time alone could be either. Where the system cannot tell its rules,
   the local clock, and the offset from the two clocks read together, with
   tm_isdst 0. Returns 1; 0, with the offset 0, when the two clocks lie more
   than two days apart. */
int ReadLocalTimeAndOffset(struct tm *record, int *offsetMinutes);

/* Now in local time with tm_isdst left 0: no zone lookup, for texts that
   do not show the zone. */
void ReadLocalClock(struct tm *record);

/* Now in UTC, every field filled as gmtime fills them. */
void ReadUtcTime(struct tm *record);

/* The local zone's offset from UTC in minutes (east of Greenwich positive,
   daylight saving included) and its daylight flag at the local date and
   time held by `local` (tm_year, tm_mon, tm_mday, tm_hour, tm_min, tm_sec;
   fields out of range carry over as mktime's do; the others are ignored),
   read as Windows reads a local time: by the zone's rules for this year,
   which Windows applies to every year. Returns 1; 0, with both results 0,
   when it cannot be told (a date outside the years 1601 to 9999, or the
   system cannot tell its zone). */
int ReadLocalOffset(const struct tm *local, int *offsetMinutes, int *isDaylight);

/* The same moment as the local date and time `local`, in UTC, every field
   filled as gmtime fills them. Returns 1; 0, leaving `utc` untouched, when
   ReadLocalOffset cannot tell the offset. */
int LocalToUtc(const struct tm *local, struct tm *utc);

/* A record's date and time as seconds since 1970 (fields out of range
   carry over, as mktime's do), and back: every field filled as gmtime
   fills them; and the day of a moment, counted from 1970. Moments are
   held within about 8,700 years of 1970. */
long long SecondsOfRecord(const struct tm *record);
void RecordOfSeconds(long long seconds, struct tm *record);
long long DaysOfSeconds(long long seconds);

#endif
