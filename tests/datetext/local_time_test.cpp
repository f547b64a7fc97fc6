// The local time and offset of now agree with the runtime's own reading of
// the clock, on the subset and under Wine alike.
#include <string.h>
#include <time.h>

#include <gtest/gtest.h>

#include "datetext/civil_date.h"
#include "datetext/local_time.h"

static long long MinutesOf(const struct tm &t) {
  return (DaysFromCivil(t.tm_year + 1900LL, t.tm_mon + 1LL, t.tm_mday) * 24 + t.tm_hour) * 60 +
         t.tm_min;
}

// Taken twice around the runtime's reading, so that a minute turning over
// in between is retried rather than failed.
TEST(LocalTime, NowAgreesWithTheRuntimesLocaltime) {
  for (int attempt = 0; attempt < 3; attempt++) {
    struct tm ours, utc;
    memset(&ours, 0x55, sizeof ours);
    ReadLocalTime(&ours);
    ReadUtcTime(&utc);
    time_t now = time(NULL);
    struct tm runtime = *localtime(&now);
    struct tm runtimeUtc = *gmtime(&now);
    struct tm again;
    ReadLocalTime(&again);
    if (MinutesOf(ours) != MinutesOf(again))
      continue;
    EXPECT_EQ(MinutesOf(runtime), MinutesOf(ours)) << "the same local minute";
    EXPECT_EQ(MinutesOf(runtimeUtc), MinutesOf(utc)) << "the same UTC minute";
    EXPECT_EQ(runtime.tm_wday, ours.tm_wday) << "weekday";
    EXPECT_EQ(runtime.tm_yday, ours.tm_yday) << "day of the year";
    EXPECT_EQ(runtime.tm_isdst > 0, ours.tm_isdst) << "daylight flag";
    EXPECT_EQ(runtimeUtc.tm_wday, utc.tm_wday) << "UTC weekday";

    int offset = -1, daylight = -1;
    EXPECT_EQ(1, ReadLocalOffset(&ours, &offset, &daylight));
    EXPECT_EQ(MinutesOf(runtime) - MinutesOf(runtimeUtc), offset) << "offset of now from UTC";
    EXPECT_EQ(ours.tm_isdst, daylight);
    return;
  }
  FAIL() << "the minute kept turning over";
}
