/* A time record of a date and time (month 1..12), the other fields 0. */
#ifndef HORALIS_TESTS_DATETEXT_TIME_RECORD_H
#define HORALIS_TESTS_DATETEXT_TIME_RECORD_H

#include <string.h>
#include <time.h>

inline struct tm TimeRecord(int year, int month, int day, int hour, int minute, int second) {
  struct tm record;
  memset(&record, 0, sizeof record);
  record.tm_year = year - 1900;
  record.tm_mon = month - 1;
  record.tm_mday = day;
  record.tm_hour = hour;
  record.tm_min = minute;
  record.tm_sec = second;
  return record;
}

#endif
