/* A format's offsets applied to a moment: calendar steps in wall-clock
   time, then exact durations. */
#ifndef HORALIS_DATETEXT_DATE_OFFSET_H
#define HORALIS_DATETEXT_DATE_OFFSET_H

#include <time.h>

#include "datetext/format_blocks.h"

/* Moves the wall-clock date of `record` by the offset's months (the day
   kept, cut to the month's length, as the calendar's steps cut it), then
   by its days, keeping the time of day; tm_wday and tm_yday follow, and
   tm_isdst is left for the zone to tell. Returns 0, leaving the record
   alone, when the date would leave the years 1601 to 9999. */
int StepCalendar(struct tm *record, const struct DateOffset *offset);

/* Whether the record's year lies in 1601 to 9999. */
int InCalendarYears(const struct tm *record);

#endif
