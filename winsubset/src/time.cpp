// Clocks: the tick count, the local and UTC time, the zone and Sleep, with
// the fixed moment and tick base tests can set. The zone is glibc's, from
// the TZ environment variable; the zone's rules as GetTimeZoneInformation
// gives them are this year's, as on Windows.
#include <errno.h>
#include <pthread.h>
#include <string.h>
#include <time.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

static pthread_mutex_t ClockLock = PTHREAD_MUTEX_INITIALIZER;
static int LocalTimeFixed = 0;
static int FixedInUtc = 0; // the fixed moment is UTC, not local
static SYSTEMTIME FixedLocalTime;
static int TickBaseSet = 0;
static DWORD TickBase = 0;
static unsigned long long TickBaseTakenAt = 0;

static unsigned long long MonotonicMilliseconds(void) {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return (unsigned long long)now.tv_sec * 1000u + (unsigned long long)now.tv_nsec / 1000000u;
}

extern "C" DWORD WINAPI GetTickCount(void) {
  unsigned long long now = MonotonicMilliseconds();
  pthread_mutex_lock(&ClockLock);
  DWORD tick = TickBaseSet ? (DWORD)(TickBase + (now - TickBaseTakenAt)) : (DWORD)now;
  pthread_mutex_unlock(&ClockLock);
  return tick; // wraps at 2^32 as Windows' does
}

static void ToSystemTime(const struct tm *record, WORD milliseconds, SYSTEMTIME *result) {
  result->wYear = (WORD)(record->tm_year + 1900);
  result->wMonth = (WORD)(record->tm_mon + 1);
  result->wDayOfWeek = (WORD)record->tm_wday;
  result->wDay = (WORD)record->tm_mday;
  result->wHour = (WORD)record->tm_hour;
  result->wMinute = (WORD)record->tm_min;
  result->wSecond = (WORD)(record->tm_sec > 59 ? 59 : record->tm_sec);
  result->wMilliseconds = milliseconds;
}

static int IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

// What SystemTimeToFileTime accepts (the day of the week is ignored).
static int IsValidSystemTime(const SYSTEMTIME *moment) {
  static const int monthDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (moment->wYear < 1601 || moment->wYear > 30827 || moment->wMonth < 1 || moment->wMonth > 12)
    return 0;
  int days = monthDays[moment->wMonth - 1] + (moment->wMonth == 2 && IsLeapYear(moment->wYear));
  return moment->wDay >= 1 && moment->wDay <= days && moment->wHour < 24 && moment->wMinute < 60 &&
         moment->wSecond < 60 && moment->wMilliseconds < 1000;
}

// A SYSTEMTIME as a count of seconds: in UTC (isdst 2), or read on the
// process's zone's standard (0) or daylight (1) clock, or as glibc likes (-1).
static time_t SecondsOf(const SYSTEMTIME *moment, int isdst) {
  struct tm record;
  memset(&record, 0, sizeof record);
  record.tm_year = moment->wYear - 1900;
  record.tm_mon = moment->wMonth - 1;
  record.tm_mday = moment->wDay;
  record.tm_hour = moment->wHour;
  record.tm_min = moment->wMinute;
  record.tm_sec = moment->wSecond;
  record.tm_isdst = isdst;
  return isdst == 2 ? timegm(&record) : mktime(&record);
}

static int ReadsBack(time_t moment, const SYSTEMTIME *local) {
  struct tm back;
  return localtime_r(&moment, &back) && back.tm_year == local->wYear - 1900 &&
         back.tm_mon == local->wMonth - 1 && back.tm_mday == local->wDay &&
         back.tm_hour == local->wHour && back.tm_min == local->wMinute;
}

// As Windows reads a local time: daylight time from the change to it until
// the change back, so that a time repeated when it ends is the first,
// daylight one, and a time skipped when it starts is read on the daylight
// clock (2:30 is 1:30 standard time).
static time_t FromLocalSystemTime(const SYSTEMTIME *local) {
  time_t daylight = SecondsOf(local, 1), standard = SecondsOf(local, 0);
  if (ReadsBack(daylight, local) || !ReadsBack(standard, local))
    return daylight != (time_t)-1 ? daylight : standard;
  return standard;
}

// The fixed moment as set (1 local, 2 UTC), or 0 for the real clock.
static int TakeFixedTime(SYSTEMTIME *moment) {
  pthread_mutex_lock(&ClockLock);
  int fixed = LocalTimeFixed ? 1 + FixedInUtc : 0;
  if (fixed)
    *moment = FixedLocalTime;
  pthread_mutex_unlock(&ClockLock);
  return fixed;
}

// Now as a count of seconds, from the fixed moment or the real clock.
static void ReadNow(struct timespec *now) {
  SYSTEMTIME fixed;
  int kind = TakeFixedTime(&fixed);
  if (kind == 0) {
    clock_gettime(CLOCK_REALTIME, now);
    return;
  }
  now->tv_sec = SecondsOf(&fixed, kind == 2 ? 2 : -1);
  now->tv_nsec = fixed.wMilliseconds * 1000000L;
}

extern "C" void WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime) {
  if (!lpSystemTime || TakeFixedTime(lpSystemTime) == 1)
    return;
  struct timespec now;
  ReadNow(&now);
  struct tm local;
  localtime_r(&now.tv_sec, &local);
  ToSystemTime(&local, (WORD)(now.tv_nsec / 1000000), lpSystemTime);
}

extern "C" void WINAPI GetSystemTime(LPSYSTEMTIME lpSystemTime) {
  if (!lpSystemTime || TakeFixedTime(lpSystemTime) == 2)
    return;
  struct timespec now;
  ReadNow(&now);
  struct tm utc;
  gmtime_r(&now.tv_sec, &utc);
  ToSystemTime(&utc, (WORD)(now.tv_nsec / 1000000), lpSystemTime);
}

static void CopyZoneName(WCHAR *target, const char *name) {
  for (int i = 0; i < 31 && name && name[i]; i++)
    target[i] = (WCHAR)(unsigned char)name[i];
}

// A change of this year as Windows encodes it: the wDay-th wDayOfWeek of
// its month (5: the last), at the time on the clock it leaves.
static void EncodeChange(time_t change, long offsetBefore, SYSTEMTIME *rule) {
  time_t wall = change + offsetBefore, nextWeek = wall + 7 * 86400;
  struct tm at, later;
  gmtime_r(&wall, &at);
  gmtime_r(&nextWeek, &later);
  rule->wMonth = (WORD)(at.tm_mon + 1);
  rule->wDayOfWeek = (WORD)at.tm_wday;
  rule->wDay = (WORD)(later.tm_mon != at.tm_mon ? 5 : (at.tm_mday - 1) / 7 + 1);
  rule->wHour = (WORD)at.tm_hour;
  rule->wMinute = (WORD)at.tm_min;
  rule->wSecond = (WORD)at.tm_sec;
}

static struct tm LocalAt(time_t moment) {
  struct tm local;
  localtime_r(&moment, &local);
  return local;
}

// This year's changes between standard and daylight time in the process's
// zone, found day by day and then to the second.
static void FindChanges(int year, LPTIME_ZONE_INFORMATION zone) {
  struct tm start = {};
  start.tm_year = year;
  start.tm_mday = 1;
  time_t day = timegm(&start);
  for (int i = 0; i < 366; i++, day += 86400) {
    struct tm before = LocalAt(day), after = LocalAt(day + 86400);
    if (before.tm_isdst == after.tm_isdst || before.tm_isdst < 0 || after.tm_isdst < 0)
      continue;
    time_t low = day, high = day + 86400; // the change lies in (low, high]
    while (high - low > 1) {
      time_t middle = low + (high - low) / 2;
      (LocalAt(middle).tm_isdst == before.tm_isdst ? low : high) = middle;
    }
    EncodeChange(high, before.tm_gmtoff,
                 after.tm_isdst > 0 ? &zone->DaylightDate : &zone->StandardDate);
  }
}

// The zone's offsets in January and July of a year: one of them is summer
// on either side of the equator. Returns which is daylight time, -1 none.
static int ProbeYear(int year, struct tm probes[2]) {
  int daylight = -1;
  for (int i = 0; i < 2; i++) {
    memset(&probes[i], 0, sizeof probes[i]);
    probes[i].tm_year = year;
    probes[i].tm_mon = i * 6;
    probes[i].tm_mday = 1;
    probes[i].tm_hour = 12;
    probes[i].tm_isdst = -1;
    mktime(&probes[i]);
    if (probes[i].tm_isdst > 0)
      daylight = i;
  }
  return daylight;
}

// This year's standard and daylight offsets and the changes between them,
// which Windows applies to every year; "this year" is the fixed moment's
// when a test set one. As Wine, a zone without daylight time still has a
// daylight bias of an hour, unused.
extern "C" DWORD WINAPI GetTimeZoneInformation(LPTIME_ZONE_INFORMATION lpTimeZoneInformation) {
  if (TakeInjectedFault("GetTimeZoneInformation"))
    return TIME_ZONE_ID_INVALID;
  if (!lpTimeZoneInformation) {
    SetLastError(ERROR_NOACCESS);
    return TIME_ZONE_ID_INVALID;
  }
  memset(lpTimeZoneInformation, 0, sizeof *lpTimeZoneInformation);
  struct timespec now;
  ReadNow(&now);
  struct tm today, probes[2];
  localtime_r(&now.tv_sec, &today);
  int daylightProbe = ProbeYear(today.tm_year, probes);
  const struct tm &standard = probes[daylightProbe == 0 ? 1 : 0];
  const struct tm &daylight = probes[daylightProbe < 0 ? 0 : daylightProbe];
  lpTimeZoneInformation->Bias = (LONG)(-standard.tm_gmtoff / 60);
  lpTimeZoneInformation->DaylightBias = -60;
  CopyZoneName(lpTimeZoneInformation->StandardName, standard.tm_zone);
  if (daylightProbe < 0)
    return TIME_ZONE_ID_UNKNOWN;
  lpTimeZoneInformation->DaylightBias = (LONG)(-(daylight.tm_gmtoff - standard.tm_gmtoff) / 60);
  CopyZoneName(lpTimeZoneInformation->DaylightName, daylight.tm_zone);
  FindChanges(today.tm_year, lpTimeZoneInformation);
  return today.tm_isdst > 0 ? TIME_ZONE_ID_DAYLIGHT : TIME_ZONE_ID_STANDARD;
}

// Only the process's own zone (a null record), which is all that is used.
extern "C" BOOL WINAPI
TzSpecificLocalTimeToSystemTime(const TIME_ZONE_INFORMATION *lpTimeZoneInformation,
                                const SYSTEMTIME *lpLocalTime, LPSYSTEMTIME lpUniversalTime) {
  if (TakeInjectedFault("TzSpecificLocalTimeToSystemTime"))
    return FALSE;
  if (lpTimeZoneInformation || !lpLocalTime || !lpUniversalTime ||
      !IsValidSystemTime(lpLocalTime)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  time_t moment = FromLocalSystemTime(lpLocalTime);
  struct tm utc;
  // Windows goes through a FILETIME: a UTC moment before 1601 fails.
  if (!gmtime_r(&moment, &utc) || utc.tm_year + 1900 < 1601) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  ToSystemTime(&utc, lpLocalTime->wMilliseconds, lpUniversalTime);
  return TRUE;
}

// Only the process's own zone (a null record), as above.
extern "C" BOOL WINAPI
SystemTimeToTzSpecificLocalTime(const TIME_ZONE_INFORMATION *lpTimeZoneInformation,
                                const SYSTEMTIME *lpUniversalTime, LPSYSTEMTIME lpLocalTime) {
  if (TakeInjectedFault("SystemTimeToTzSpecificLocalTime"))
    return FALSE;
  struct tm local;
  if (lpTimeZoneInformation || !lpUniversalTime || !lpLocalTime ||
      !IsValidSystemTime(lpUniversalTime)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  time_t moment = SecondsOf(lpUniversalTime, 2);
  if (!localtime_r(&moment, &local) || local.tm_year + 1900 < 1601) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  ToSystemTime(&local, lpUniversalTime->wMilliseconds, lpLocalTime);
  return TRUE;
}

extern "C" void WINAPI Sleep(DWORD dwMilliseconds) {
  struct timespec delay;
  delay.tv_sec = dwMilliseconds / 1000;
  delay.tv_nsec = (long)(dwMilliseconds % 1000) * 1000000L;
  while (nanosleep(&delay, &delay) != 0 && errno == EINTR) {
  }
}

// Windows' clocks always give the right day of the week, whatever a test
// left in the field.
static void FixTime(const SYSTEMTIME *moment, int inUtc) {
  SYSTEMTIME fixed = {};
  if (moment) {
    fixed = *moment;
    time_t day = SecondsOf(moment, 2);
    struct tm utc;
    if (gmtime_r(&day, &utc))
      fixed.wDayOfWeek = (WORD)utc.tm_wday;
  }
  pthread_mutex_lock(&ClockLock);
  LocalTimeFixed = moment != NULL;
  FixedInUtc = inUtc;
  FixedLocalTime = fixed;
  pthread_mutex_unlock(&ClockLock);
}

extern "C" void WinSubset_SetLocalTime(const SYSTEMTIME *moment) { FixTime(moment, 0); }

extern "C" void WinSubset_SetUtcTime(const SYSTEMTIME *moment) { FixTime(moment, 1); }

extern "C" void WinSubset_SetTickBase(DWORD tick) {
  unsigned long long now = MonotonicMilliseconds();
  pthread_mutex_lock(&ClockLock);
  TickBaseSet = 1;
  TickBase = tick;
  TickBaseTakenAt = now;
  pthread_mutex_unlock(&ClockLock);
}

void ResetClock(void) {
  pthread_mutex_lock(&ClockLock);
  LocalTimeFixed = 0;
  TickBaseSet = 0;
  pthread_mutex_unlock(&ClockLock);
}
