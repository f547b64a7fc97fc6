#include "datetext/local_time.h"

#include <string.h>

#include <windows.h>

#include "datetext/civil_date.h"
#include "datetext/time_zones.h"

static const int SecondsPerDay = 86400;

// A moment as a day count and the second of that day, so that fields out
// of range carry over and any year fits. Divisions stay in 32 bits (see
// civil_date.cpp).
struct DaySecond {
  long long days;
  int second;
};

// Seconds beyond about 60 years either way are held there: no record
// that means a date comes near.
static DaySecond Carried(long long days, long long seconds) {
  const long long limit = 2000000000;
  int bounded = (int)(seconds < -limit ? -limit : seconds > limit ? limit : seconds);
  int carry = bounded / SecondsPerDay;
  int second = bounded - carry * SecondsPerDay;
  if (second < 0) {
    second += SecondsPerDay;
    carry--;
  }
  DaySecond result = {days + carry, second};
  return result;
}

static DaySecond FromRecord(const struct tm *record) {
  long long days = DaysFromCivil(1900LL + record->tm_year, 1LL + record->tm_mon, record->tm_mday);
  return Carried(days, record->tm_hour * 3600LL + record->tm_min * 60LL + record->tm_sec);
}

static DaySecond FromSystemTime(const SYSTEMTIME *moment) {
  long long days = DaysFromCivil(moment->wYear, moment->wMonth, moment->wDay);
  return Carried(days, moment->wHour * 3600 + moment->wMinute * 60 + moment->wSecond);
}

static void ToRecord(DaySecond moment, struct tm *record) {
  memset(record, 0, sizeof *record);
  SetRecordDays(record, moment.days);
  record->tm_hour = moment.second / 3600;
  record->tm_min = moment.second / 60 % 60;
  record->tm_sec = moment.second % 60;
}

// A clock's reading holds a valid date: taken as it stands, only the day of
// the year counted, which keeps the most common expansion cheap.
static void RecordOfClock(const SYSTEMTIME *now, struct tm *record) {
  memset(record, 0, sizeof *record);
  record->tm_year = now->wYear - 1900;
  record->tm_mon = now->wMonth - 1;
  record->tm_mday = now->wDay;
  record->tm_wday = now->wDayOfWeek;
  record->tm_yday = DayOfYear(now->wYear, now->wMonth, now->wDay);
  record->tm_hour = now->wHour;
  record->tm_min = now->wMinute;
  record->tm_sec = now->wSecond;
}

void ReadLocalClock(struct tm *record) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  RecordOfClock(&now, record);
}

void ReadLocalTime(struct tm *record) {
  int offset;
  ReadLocalTimeAndOffset(record, &offset);
}

void ReadUtcTime(struct tm *record) {
  SYSTEMTIME now;
  GetSystemTime(&now);
  RecordOfClock(&now, record);
}

int ReadLocalOffset(const struct tm *local, int *offsetMinutes, int *isDaylight) {
  return ZoneOffsetAt(&LocalTimeZone, SecondsOfRecord(local), 1, offsetMinutes, isDaylight);
}

// Where the system cannot tell its rules: the local clock, and the offset
// from the UTC clock read with it. The two readings lie microseconds apart,
// and offsets are whole minutes: the difference rounded to the minute is
// the offset at this moment.
static int ReadBothClocks(const SYSTEMTIME *utc, struct tm *record, int *offsetMinutes) {
  SYSTEMTIME local;
  GetLocalTime(&local);
  DaySecond localMoment = FromSystemTime(&local), utcMoment = FromSystemTime(utc);
  RecordOfClock(&local, record);
  *offsetMinutes = 0;
  long long days = localMoment.days - utcMoment.days;
  if (days < -2 || days > 2)
    return 0;
  int milliseconds = ((int)days * SecondsPerDay + localMoment.second - utcMoment.second) * 1000 +
                     local.wMilliseconds - utc->wMilliseconds + 30000;
  *offsetMinutes = milliseconds / 60000 - (milliseconds % 60000 < 0);
  return 1;
}

int ReadLocalTimeAndOffset(struct tm *record, int *offsetMinutes) {
  SYSTEMTIME utc;
  GetSystemTime(&utc);
  DaySecond moment = FromSystemTime(&utc);
  long long seconds = moment.days * SecondsPerDay + moment.second;
  int daylight;
  if (!ZoneOffsetAt(&LocalTimeZone, seconds, 0, offsetMinutes, &daylight))
    return ReadBothClocks(&utc, record, offsetMinutes);
  RecordOfSeconds(seconds + *offsetMinutes * 60LL, record);
  record->tm_isdst = daylight;
  return 1;
}

int LocalToUtc(const struct tm *local, struct tm *utc) {
  return ZoneTimeToUtc(&LocalTimeZone, local, utc);
}

long long SecondsOfRecord(const struct tm *record) {
  DaySecond moment = FromRecord(record);
  return moment.days * SecondsPerDay + moment.second;
}

long long DaysOfSeconds(long long seconds) {
  // 86400 is 128 * 675: a shift and a 32-bit division, which hold the
  // moments of about 8,700 years either way of 1970.
  const long long limit = (1LL << 38) - 256;
  int scaled = (int)((seconds < -limit ? -limit : seconds > limit ? limit : seconds) >> 7);
  return scaled / 675 - (scaled % 675 < 0);
}

void RecordOfSeconds(long long seconds, struct tm *record) {
  long long days = DaysOfSeconds(seconds);
  ToRecord(Carried(days, seconds - days * SecondsPerDay), record);
}
