// The expansion of a format against one strftime of the same format: the
// plugin's own work around the runtime's conversions.
#include <string.h>
#include <time.h>

#include "bench/bench_harness.h"
#include "datetext/date_text.h"

struct ExpansionCase {
  const char *Name;
  const char *Format;
  const char *Baseline; // what strftime is given, when not the same format
  double Limit;
  int Now; // expanded for now: the baseline reads the local clock first
};

static const ExpansionCase Cases[] = {
    {"expansion, default quick format", "%d %B %Y %H:%M", NULL, 1.2, 0},
    {"expansion, default clock format", " %H:%M:%S  %a %d %b %Y ", NULL, 1.2, 0},
    {"expansion, literal text only", "Horalis date and time", NULL, 1.2, 0},
    {"expansion, long format cut at 79", "%A %d %B %Y, %H:%M:%S, day %j, week %W, %A %d %B %Y",
     NULL, 1.2, 0},
    // Names in a language: read from Windows once, then kept.
    {"expansion, names in Russian", "%{ru}%A, %d %B %Y", "%A, %d %B %Y", 1.5, 0},
    {"expansion, names in Russian with GNU flags", "%{ru}%^a, %-d %B %Y", "%a, %d %B %Y", 1.5, 0},
    // A zone's rules read once, then kept; the day stepped in its time. For
    // now, as a clock or an insertion asks: the local and UTC clocks read,
    // against the local clock and strftime.
    {"expansion for now, a zone and an offset", "%{@Tokyo +1d}%d %B %Y %H:%M", "%d %B %Y %H:%M",
     1.5, 1},
    {"expansion for now, the same without a block", "%d %B %Y %H:%M", NULL, 1.2, 1},
    // For a given day, as the calendar asks: its local time told in UTC by
    // the local zone's rules, kept as the named zones' are.
    {"expansion, a zone and an offset", "%{@Tokyo +1d}%d %B %Y %H:%M", "%d %B %Y %H:%M", 1.5, 0},
};

struct ExpansionContext {
  const char *Format;
  const char *Baseline;
  int Now;
  struct tm Moment;
  char Buffer[DATE_TEXT_SIZE];
};

static void ExpandWithPlugin(void *context) {
  ExpansionContext *c = (ExpansionContext *)context;
  ExpandDateText(c->Buffer, DATE_TEXT_SIZE, c->Format, c->Now ? NULL : &c->Moment);
}

static void ExpandWithStrftime(void *context) {
  ExpansionContext *c = (ExpansionContext *)context;
  if (c->Now) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    c->Moment.tm_hour = now.wHour;
    c->Moment.tm_min = now.wMinute;
    c->Moment.tm_sec = now.wSecond;
  }
  strftime(c->Buffer, DATE_TEXT_SIZE, c->Baseline, &c->Moment);
}

int main() {
  ExpansionContext context = {};
  // Monday 7 December 2026, 14:05:09.
  context.Moment.tm_year = 126;
  context.Moment.tm_mon = 11;
  context.Moment.tm_mday = 7;
  context.Moment.tm_hour = 14;
  context.Moment.tm_min = 5;
  context.Moment.tm_sec = 9;
  context.Moment.tm_wday = 1;
  context.Moment.tm_yday = 340;
  for (const ExpansionCase &c : Cases) {
    context.Format = c.Format;
    context.Baseline = c.Baseline ? c.Baseline : c.Format;
    context.Now = c.Now;
    BenchCompare(c.Name, ExpandWithPlugin, ExpandWithStrftime, &context, c.Limit);
  }
  return BenchExitCode();
}
