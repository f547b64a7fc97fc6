/* A time record of a date and time (month 1..12), the other fields 0; and
   a record's fields but the daylight flag as one text, to compare whole. */
#ifndef HORALIS_TESTS_DATETEXT_TIME_RECORD_H
#define HORALIS_TESTS_DATETEXT_TIME_RECORD_H

#include <stdio.h>
#include <string.h>
#include <time.h>

#include <string>

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

inline std::string RecordText(const struct tm &record) {
  char text[160];
  snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d, weekday %d, day %d of the year",
           record.tm_year + 1900, record.tm_mon + 1, record.tm_mday, record.tm_hour, record.tm_min,
           record.tm_sec, record.tm_wday, record.tm_yday);
  return text;
}

#endif
