#include "datetext/local_time.h"

#include <string.h>

#include <windows.h>

#include "datetext/civil_date.h"

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

// The years a SYSTEMTIME holds.
static int ToSystemTime(DaySecond moment, SYSTEMTIME *result) {
  long long year;
  int month, day;
  CivilFromDays(moment.days, &year, &month, &day);
  if (year < 1601 || year > 30827)
    return 0;
  memset(result, 0, sizeof *result);
  result->wYear = (WORD)year;
  result->wMonth = (WORD)month;
  result->wDay = (WORD)day;
  result->wDayOfWeek = (WORD)WeekdayOfDays(moment.days);
  result->wHour = (WORD)(moment.second / 3600);
  result->wMinute = (WORD)(moment.second / 60 % 60);
  result->wSecond = (WORD)(moment.second % 60);
  return 1;
}

void ReadLocalClock(struct tm *record) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  ToRecord(FromSystemTime(&now), record);
}

void ReadLocalTime(struct tm *record) {
  int offset;
  ReadLocalTimeAndOffset(record, &offset);
}

void ReadUtcTime(struct tm *record) {
  SYSTEMTIME now;
  GetSystemTime(&now);
  ToRecord(FromSystemTime(&now), record);
}

typedef BOOL(WINAPI *LocalToSystemTimeCall)(const TIME_ZONE_INFORMATION *, const SYSTEMTIME *,
                                            LPSYSTEMTIME);

// Windows XP and later have it; looked up when used, so that the plugin
// still loads on Windows 2000, where offsets cannot be told.
static LocalToSystemTimeCall FindLocalToSystemTime(void) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  FARPROC found = kernel ? GetProcAddress(kernel, "TzSpecificLocalTimeToSystemTime") : NULL;
  LocalToSystemTimeCall call = NULL;
  if (found)
    memcpy(&call, &found, sizeof call);
  return call;
}

static int OffsetOf(DaySecond local, int *offsetMinutes) {
  SYSTEMTIME localTime, utcTime;
  LocalToSystemTimeCall localToSystemTime = FindLocalToSystemTime();
  if (!localToSystemTime || !ToSystemTime(local, &localTime) ||
      !localToSystemTime(NULL, &localTime, &utcTime))
    return 0;
  DaySecond utc = FromSystemTime(&utcTime);
  // Offsets lie within a day or so either way; anything else is no zone's.
  long long dayDifference = local.days - utc.days;
  if (dayDifference < -2 || dayDifference > 2)
    return 0;
  *offsetMinutes = ((int)dayDifference * SecondsPerDay + (local.second - utc.second)) / 60;
  return 1;
}

// Daylight saving is the zone's daylight offset; a zone whose standard
// offset moved over the years keeps its old standard time standard.
static int IsDaylightOffset(int offset) {
  TIME_ZONE_INFORMATION zone;
  DWORD kind = GetTimeZoneInformation(&zone);
  if (kind != TIME_ZONE_ID_STANDARD && kind != TIME_ZONE_ID_DAYLIGHT)
    return 0;
  return zone.DaylightBias != zone.StandardBias && offset == -(int)(zone.Bias + zone.DaylightBias);
}

int ReadLocalOffset(const struct tm *local, int *offsetMinutes, int *isDaylight) {
  *offsetMinutes = 0;
  *isDaylight = 0;
  int offset;
  if (!OffsetOf(FromRecord(local), &offset))
    return 0;
  *offsetMinutes = offset;
  *isDaylight = IsDaylightOffset(offset);
  return 1;
}

int ReadLocalTimeAndOffset(struct tm *record, int *offsetMinutes) {
  int known = ReadClocks(record, offsetMinutes);
  record->tm_isdst = known ? IsDaylightOffset(*offsetMinutes) : 0;
  return known;
}

int ReadClocks(struct tm *record, int *offsetMinutes) {
  SYSTEMTIME utc, local;
  GetSystemTime(&utc);
  GetLocalTime(&local);
  DaySecond localMoment = FromSystemTime(&local), utcMoment = FromSystemTime(&utc);
  ToRecord(localMoment, record);
  *offsetMinutes = 0;
  long long days = localMoment.days - utcMoment.days;
  if (days < -2 || days > 2)
    return 0;
  // The two readings lie microseconds apart, and offsets are whole minutes:
  // the difference rounded to the minute is the offset at this moment.
  int milliseconds = ((int)days * SecondsPerDay + localMoment.second - utcMoment.second) * 1000 +
                     local.wMilliseconds - utc.wMilliseconds + 30000;
  *offsetMinutes = milliseconds / 60000 - (milliseconds % 60000 < 0);
  return 1;
}

int LocalToUtc(const struct tm *local, struct tm *utc) {
  DaySecond moment = FromRecord(local);
  int offset;
  if (!OffsetOf(moment, &offset))
    return 0;
  ToRecord(Carried(moment.days, moment.second - offset * 60LL), utc);
  return 1;
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

int UtcToLocal(const struct tm *utc, struct tm *local, int *offsetMinutes) {
  SYSTEMTIME utcTime, localTime;
  DaySecond moment = FromRecord(utc);
  if (!ToSystemTime(moment, &utcTime) ||
      !SystemTimeToTzSpecificLocalTime(NULL, &utcTime, &localTime))
    return 0;
  DaySecond wall = FromSystemTime(&localTime);
  *offsetMinutes =
      (int)((wall.days - moment.days) * SecondsPerDay + wall.second - moment.second) / 60;
  ToRecord(wall, local);
  local->tm_isdst = IsDaylightOffset(*offsetMinutes);
  return 1;
}
