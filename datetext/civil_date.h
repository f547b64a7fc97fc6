/* Proleptic Gregorian day arithmetic that needs no clock: the calendar's
   grid and the timestamps' offsets work for every date, whatever range the
   platform's time functions cover. */
#ifndef HORALIS_DATETEXT_CIVIL_DATE_H
#define HORALIS_DATETEXT_CIVIL_DATE_H

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

/* 0 .. 365, as tm_yday counts. */
int DayOfYear(long long year, int month, int day);

#endif
