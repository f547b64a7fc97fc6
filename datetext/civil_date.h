/* Proleptic Gregorian day arithmetic that needs no clock: the calendar's
   grid and the timestamps' offsets work for every date, whatever range the
   platform's time functions cover. */
#ifndef HORALIS_DATETEXT_CIVIL_DATE_H
#define HORALIS_DATETEXT_CIVIL_DATE_H

#include <time.h>

/* Years are taken within a million either way of year 0, and day counts
   within 700 million days of 1970: beyond, they are held at those bounds.

   Days since 1 January 1970. The month and the day may run outside their
   ranges (day 0 is the last of the previous month, month 13 is January of
   the next year), as mktime normalises them. */
long long DaysFromCivil(long long year, long long month, long long day);

/* The date of a day count: year, month 1..12, day 1..31. */
void CivilFromDays(long long days, long long *year, int *month, int *day);

/* 0 Sunday .. 6 Saturday, as tm_wday counts. */
int WeekdayOfDays(long long days);

/* 1 in a leap year, else 0. */
int IsLeapYear(long long year);

/* 28..31, for a month 1..12. */
int DaysInMonth(long long year, int month);

/* 0 .. 365, as tm_yday counts. */
int DayOfYear(long long year, int month, int day);

/* Sets tm_year, tm_mon, tm_mday, tm_wday and tm_yday of record to the date
   of a day count; the other fields stay. */
void SetRecordDays(struct tm *record, long long days);

/* The ISO 8601 week-based year of a day given by its year, tm_yday and
   tm_wday, and its week 1..53 through `week`: weeks run Monday to Sunday,
   and week 1 is the one that holds its year's first Thursday. */
int IsoWeekOfDay(int year, int yday, int wday, int *week);

#endif
