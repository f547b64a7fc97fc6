// Windows' time zones: finding a zone by its word and telling its wall
// clock, against one strftime of a short format; and what 1,000 rounds
// across twenty zones leave behind once the zones are read.
#include <stdio.h>
#include <string.h>
#include <time.h>

#include "bench/bench_harness.h"
#include "bench/process_figures.h"
#include "datetext/time_zones.h"

// Twenty zones, found at every step of the order: key names, key words,
// display words, fixed offsets.
static const char *const Words[20] = {
    "Tokyo",    "Pacific",      "Eastern",   "Central_Europe",
    "Moscow",   "Sydney",       "Adelaide",  "Kathmandu",
    "India",    "Newfoundland", "Santiago",  "New_Zealand",
    "UTC",      "UTC+5:30",     "Lord_Howe", "Cairo",
    "Brasilia", "Mountain",     "GMT",       "Tokyo_Standard_Time"};

struct ZoneContext {
  const char *Word;
  struct tm Utc;
  char Buffer[80];
};

static void Reference(void *context) {
  ZoneContext *c = (ZoneContext *)context;
  strftime(c->Buffer, sizeof c->Buffer, "%d %B %Y %H:%M", &c->Utc);
}

static void FindAndConvert(void *context) {
  ZoneContext *c = (ZoneContext *)context;
  TimeZoneRef zone;
  struct tm local;
  int offset;
  if (FindTimeZone(c->Word, (int)strlen(c->Word), &zone))
    ZoneTimeFromUtc(&zone, &c->Utc, &local, &offset);
}

static void ConvertOnly(void *context) {
  static TimeZoneRef zone;
  ZoneContext *c = (ZoneContext *)context;
  if (!zone.kind)
    FindTimeZone("Pacific", 7, &zone);
  struct tm local;
  int offset;
  ZoneTimeFromUtc(&zone, &c->Utc, &local, &offset);
}

// Each zone found, its wall clock told and read back, its name taken.
static void RoundOfTwenty(ZoneContext *c) {
  for (const char *word : Words) {
    TimeZoneRef zone;
    struct tm local, utc;
    int offset;
    if (!FindTimeZone(word, (int)strlen(word), &zone))
      continue;
    ZoneTimeFromUtc(&zone, &c->Utc, &local, &offset);
    ZoneTimeToUtc(&zone, &local, &utc);
    ZoneName(&zone, local.tm_isdst, CP_OEMCP, c->Buffer, sizeof c->Buffer);
  }
}

int main() {
  ZoneContext context = {};
  // Monday 7 December 2026, 14:05:09 UTC.
  context.Utc.tm_year = 126;
  context.Utc.tm_mon = 11;
  context.Utc.tm_mday = 7;
  context.Utc.tm_hour = 14;
  context.Utc.tm_min = 5;
  context.Utc.tm_sec = 9;
  double start = BenchNow();
  RoundOfTwenty(&context);
  printf("zones first read and twenty found: %.1f ms\n", (BenchNow() - start) * 1000);
  static const struct {
    const char *Name, *Word;
  } Cases[] = {{"zone by key name (Tokyo), its wall clock", "Tokyo"},
               {"zone by display word (Moscow), wall clock", "Moscow"},
               {"zone by fixed offset (UTC+5:30), wall clock", "UTC+5:30"}};
  for (const auto &c : Cases) {
    context.Word = c.Word;
    BenchCompare(c.Name, FindAndConvert, Reference, &context, 1.0);
  }
  BenchCompare("wall clock of a zone found before (Pacific)", ConvertOnly, Reference, &context,
               1.0);

  ProcessFigures before = TakeProcessFigures();
  for (int round = 0; round < 50; round++)
    RoundOfTwenty(&context);
  ProcessFigures after = TakeProcessFigures();
  long long heap = after.HeapBytes - before.HeapBytes;
  long long committed = after.CommittedBytes - before.CommittedBytes;
  long long handles = after.Handles - before.Handles;
  int grown = heap > 0 || committed > 0 || handles > 0;
  printf(
      "growth after 1,000 conversions in 20 zones: heap %lld, committed %lld, handles %lld  %s\n",
      heap, committed, handles, grown ? "GROWN" : "none");
  ReleaseTimeZones();
  return grown || BenchExitCode();
}
