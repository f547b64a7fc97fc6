// Clocks: the tick count, the local time and Sleep, with the fixed moment
// and tick base tests can set.
#include <errno.h>
#include <pthread.h>
#include <time.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

static pthread_mutex_t ClockLock = PTHREAD_MUTEX_INITIALIZER;
static int LocalTimeFixed = 0;
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

extern "C" void WINAPI GetLocalTime(LPSYSTEMTIME lpSystemTime) {
  if (!lpSystemTime)
    return;
  pthread_mutex_lock(&ClockLock);
  int fixed = LocalTimeFixed;
  if (fixed)
    *lpSystemTime = FixedLocalTime;
  pthread_mutex_unlock(&ClockLock);
  if (fixed)
    return;
  struct timespec now;
  clock_gettime(CLOCK_REALTIME, &now);
  struct tm local;
  localtime_r(&now.tv_sec, &local);
  lpSystemTime->wYear = (WORD)(local.tm_year + 1900);
  lpSystemTime->wMonth = (WORD)(local.tm_mon + 1);
  lpSystemTime->wDayOfWeek = (WORD)local.tm_wday;
  lpSystemTime->wDay = (WORD)local.tm_mday;
  lpSystemTime->wHour = (WORD)local.tm_hour;
  lpSystemTime->wMinute = (WORD)local.tm_min;
  lpSystemTime->wSecond = (WORD)(local.tm_sec > 59 ? 59 : local.tm_sec);
  lpSystemTime->wMilliseconds = (WORD)(now.tv_nsec / 1000000);
}

extern "C" void WINAPI Sleep(DWORD dwMilliseconds) {
  struct timespec delay;
  delay.tv_sec = dwMilliseconds / 1000;
  delay.tv_nsec = (long)(dwMilliseconds % 1000) * 1000000L;
  while (nanosleep(&delay, &delay) != 0 && errno == EINTR) {
  }
}

extern "C" void WinSubset_SetLocalTime(const SYSTEMTIME *moment) {
  pthread_mutex_lock(&ClockLock);
  LocalTimeFixed = moment != NULL;
  if (moment)
    FixedLocalTime = *moment;
  pthread_mutex_unlock(&ClockLock);
}

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
