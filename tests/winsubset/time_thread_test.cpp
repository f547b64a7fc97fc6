// Clocks and the clock indicator's thread start.
#include <process.h>
#include <string.h>
#include <time.h>

#include "test_scratch.h"

namespace {

time_t AsTime(const SYSTEMTIME &moment) {
  struct tm fields;
  memset(&fields, 0, sizeof fields);
  fields.tm_year = moment.wYear - 1900;
  fields.tm_mon = moment.wMonth - 1;
  fields.tm_mday = moment.wDay;
  fields.tm_hour = moment.wHour;
  fields.tm_min = moment.wMinute;
  fields.tm_sec = moment.wSecond;
  fields.tm_isdst = -1;
  return mktime(&fields);
}

volatile LONG ThreadDone = 0;
volatile LONG StackBytesUsed = 0;

void __cdecl UseStack(void *argument) {
  // More than the 1024 bytes asked for: the stack must be larger than that.
  volatile char buffer[32 * 1024];
  memset((char *)buffer, (int)(intptr_t)argument, sizeof buffer);
  InterlockedExchange(&StackBytesUsed, (LONG)sizeof buffer + buffer[100]);
  InterlockedExchange(&ThreadDone, 1);
}

} // namespace

TEST(Clock, LocalTimeIsTheLocalClock) {
  time_t before = time(NULL);
  SYSTEMTIME now;
  GetLocalTime(&now);
  time_t after = time(NULL);
  time_t reported = AsTime(now);
  EXPECT_GE(reported, before - 1) << "not before the call (local time as the C library has it)";
  EXPECT_LE(reported, after + 1) << "not after the call";
  EXPECT_LT(now.wMilliseconds, 1000) << "milliseconds in range";
  struct tm fields;
  time_t seconds = reported;
  fields = *localtime(&seconds);
  EXPECT_EQ(fields.tm_wday, now.wDayOfWeek) << "the day of the week matches the date";
}

TEST(Clock, TheTickCountMovesOnWithSleep) {
  DWORD start = GetTickCount();
  DWORD now = start;
  for (int i = 0; i < 1000 && now == start; i++) {
    Sleep(5);
    now = GetTickCount();
  }
  EXPECT_NE(start, now) << "the tick count advances while the thread sleeps";
  EXPECT_LT(now - start, 0x80000000u) << "and does not go back";
}

TEST(Thread, ASmallStackRequestStillGetsAUsableStack) {
  InterlockedExchange(&ThreadDone, 0);
  uintptr_t started = _beginthread(UseStack, 1024, (void *)(intptr_t)1);
  ASSERT_NE((uintptr_t)-1, started) << "the thread starts";
  for (int i = 0; i < 10000 && !InterlockedCompareExchange(&ThreadDone, 0, 0); i++)
    Sleep(1);
  EXPECT_EQ(1, InterlockedCompareExchange(&ThreadDone, 0, 0)) << "the thread ran to its end";
  EXPECT_EQ(32 * 1024 + 1, InterlockedCompareExchange(&StackBytesUsed, 0, 0))
      << "with 32 KB of locals";
}
