/* The calendar's date arithmetic: weekdays and normalised days and months
   of day numbers that may run outside their month, and the local date. */
#ifndef HORALIS_CALENDAR_CALENDAR_DATE_H
#define HORALIS_CALENDAR_CALENDAR_DATE_H

#include <time.h>

#include "datetext/civil_date.h"

/* 1 Monday .. 7 Sunday. */
int WeekdayOfDate(int year, int month, int day);
/* The day of the month (1..31) and the month (1..12) of the date that day
   number denotes: day 0 is the last day of the previous month. */
int NormalizedDay(int year, int month, int day);
int NormalizedMonth(int year, int month, int day);

/* 1 when the date that day number denotes comes after 31 December 9999,
   the calendar's last day: no cell shows such a date. */
int IsPastLastDay(int year, int month, int day);

/* The ISO 8601 week (1..53) a date lies in: weeks run Monday to Sunday,
   and week 1 is the one that holds its year's first Thursday. */
int IsoWeekOfDate(int year, int month, int day);

/* Fills the date and the time of day of record from GetLocalTime; the
   weekday, the day of the year and the daylight flag stay as they were.
   Returns 0. */
int ReadLocalDate(struct tm *record);

/* Sets record to that date (the day may run outside the month), keeping its
   time of day, with the weekday, the day of the year and the daylight flag
   of that moment. */
void SetRecordDate(struct tm *record, int year, int month, int day);

#endif
