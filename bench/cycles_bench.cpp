// 1,000 cycles of each operation of the shipped DLL: what the process holds
// afterwards (heap, committed memory, handles) must not have grown.
#include <stdio.h>

#include "bench/bench_clock.h"
#include "bench/bench_host.h"
#include "bench/process_figures.h"
#include "presets/preset_menu.h"

static ShippedPlugin Plugin;
static PluginStartupInfo Host;

static void StartUp(void) {
  PluginInfo info;
  Plugin.SetStartupInfo(&Host);
  Plugin.GetPluginInfo(&info);
}

static void PutOnClipboard(void) { Plugin.PutHoralis("%d %B %Y %H:%M", NULL); }

// Each call in the next of twenty languages: more than the names kept, so
// they are read again and again.
static void PutInTwentyLanguages(void) {
  static const char *const Formats[] = {
      "%{ru}%A %d %B", "%{de}%A %d %B", "%{fr}%A %d %B", "%{es}%A %d %B", "%{it}%A %d %B",
      "%{pt}%A %d %B", "%{pl}%A %d %B", "%{uk}%A %d %B", "%{cs}%A %d %B", "%{sv}%A %d %B",
      "%{fi}%A %d %B", "%{nl}%A %d %B", "%{da}%A %d %B", "%{nb}%A %d %B", "%{hu}%A %d %B",
      "%{tr}%A %d %B", "%{el}%A %d %B", "%{ro}%A %d %B", "%{bg}%A %d %B", "%{en-GB}%c"};
  static int next;
  Plugin.PutHoralis(Formats[next++ % 20], NULL);
}

// Each call in the next of twenty zones, a day on: every zone's rules read
// once and kept.
static void PutInTwentyZones(void) {
  static const char *const Formats[] = {
      "%{@Tokyo +1d}%c %z %Z",         "%{@Moscow +1d}%c %z %Z",   "%{@Pacific +1d}%c %z %Z",
      "%{@Eastern +1d}%c %z %Z",       "%{@Central +1d}%c %z %Z",  "%{@Mountain +1d}%c %z %Z",
      "%{@GMT +1d}%c %z %Z",           "%{@Romance +1d}%c %z %Z",  "%{@India +1d}%c %z %Z",
      "%{@China +1d}%c %z %Z",         "%{@AUS_Eastern +1d}%c %Z", "%{@New_Zealand +1d}%c %Z",
      "%{@E._South_America +1d}%c %Z", "%{@Arabian +1d}%c %z %Z",  "%{@Singapore +1d}%c %Z",
      "%{@Korea +1d}%c %z %Z",         "%{@Hawaiian +1d}%c %Z",    "%{@Alaskan +1d}%c %z %Z",
      "%{@UTC+5:30 +1d}%c %z %Z",      "%{@Nepal +1d}%c %z %Z"};
  static int next;
  Plugin.PutHoralis(Formats[next++ % 20], NULL);
}

static const MenuAnswer QuickInsertion[] = {{0, -1}};
static void InsertIntoEditor(void) { Plugin.OpenPlugin(OPEN_EDITOR, 0); }
static void InsertIntoCommandLine(void) { Plugin.OpenPlugin(OPEN_PLUGINSMENU, 0); }

// The main menu's "Presets...", then Esc in the presets menu; or first F4
// on preset 1 or Ins on preset 9, the preset dialog cancelled.
static const MenuAnswer PresetsThenEsc[] = {{1, -1}, {-1, -1}};
static const MenuAnswer PresetEditCancelled[] = {{1, -1}, {1, PRESET_KEY_EDIT}, {-1, -1}};
static const MenuAnswer PresetNewCancelled[] = {{1, -1}, {9, PRESET_KEY_INSERT}, {-1, -1}};
static void OpenFromEditor(void) { Plugin.OpenPlugin(OPEN_EDITOR, 0); }

// Enter on the configuration menu's first entry opens the "Auto" settings,
// whose dialog is cancelled.
static const MenuAnswer AutoSettingsCancelled[] = {{0, -1}};
static void OpenConfiguration(void) { Plugin.Configure(0); }

// The calendar opened from the editor and left; the clock's and the
// calendar's settings opened from the configuration menu and cancelled.
static const MenuAnswer CalendarLeft[] = {{3, -1}};
static const MenuAnswer ClockSettingsCancelled[] = {{2, -1}};
static const MenuAnswer CalendarSettingsCancelled[] = {{3, -1}};

// A clock display of a few milliseconds from the main menu, its thread
// waited for: a display's growth shows only once its thread has written
// back. The menu entry starts the thread before it returns, and the thread
// outlives the call by the display time, which tells that it ran.
enum { CLOCK_PAUSE = 10 };
static const MenuAnswer ClockShown[] = {{2, -1}};
static long ThreadsBeforeDisplays;
static long ClockDisplaysSeen;
static void ShowClockOnce(void) {
  Plugin.OpenPlugin(OPEN_EDITOR, 0);
  ClockDisplaysSeen += CountProcessThreads() > ThreadsBeforeDisplays;
  WaitForThreadCount(ThreadsBeforeDisplays);
}

// Dialogs the host was asked for, and clock displays seen.
static long ThingsShown(void) { return BenchDialogsShown() + ClockDisplaysSeen; }

// An operation's menu answers and their number, counted from the list.
#define ANSWERS(list) list, (int)(sizeof list / sizeof list[0])
#define NO_ANSWERS NULL, 0

struct Operation {
  const char *Name;
  const MenuAnswer *MenuAnswers;
  int MenuAnswerCount;
  void (*Run)(void);
};

static const Operation Operations[] = {
    {"start-up (SetStartupInfo, GetPluginInfo)", NO_ANSWERS, StartUp},
    {"PutHoralis", NO_ANSWERS, PutOnClipboard},
    {"PutHoralis in 20 languages in turn", NO_ANSWERS, PutInTwentyLanguages},
    {"PutHoralis in 20 zones in turn", NO_ANSWERS, PutInTwentyZones},
    {"quick insertion into the editor", ANSWERS(QuickInsertion), InsertIntoEditor},
    {"quick insertion into the command line", ANSWERS(QuickInsertion), InsertIntoCommandLine},
    {"presets menu opened and left", ANSWERS(PresetsThenEsc), OpenFromEditor},
    {"preset dialog by F4, cancelled", ANSWERS(PresetEditCancelled), OpenFromEditor},
    {"preset dialog by Ins, cancelled", ANSWERS(PresetNewCancelled), OpenFromEditor},
    {"\"Auto\" settings opened and cancelled", ANSWERS(AutoSettingsCancelled), OpenConfiguration},
    {"calendar opened and left", ANSWERS(CalendarLeft), OpenFromEditor},
    {"clock settings opened and cancelled", ANSWERS(ClockSettingsCancelled), OpenConfiguration},
    {"calendar settings opened and cancelled", ANSWERS(CalendarSettingsCancelled),
     OpenConfiguration},
    {"clock display of 10 ms", ANSWERS(ClockShown), ShowClockOnce},
};

enum { CYCLES = 1000, WARM_UP_CYCLES = 20 };

int main() {
  StoreNinePresets();
  StoreBenchClockSettings(CLOCK_PAUSE);
  if (TakeBenchConsole() == INVALID_HANDLE_VALUE)
    printf("no console: the clock's displays draw nothing\n");
  Plugin = LoadShippedPlugin();
  Host = BenchHostTable();
  Plugin.SetStartupInfo(&Host);
  ThreadsBeforeDisplays = CountProcessThreads();
  int grown = 0;
  printf("%-42s %12s %12s %8s %8s\n", "growth after 1,000 cycles", "heap bytes", "committed",
         "handles", "shown");
  for (const Operation &operation : Operations) {
    SetMenuAnswers(operation.MenuAnswers, operation.MenuAnswerCount);
    // The first calls fill the runtime's lasting buffers (locale, time zone).
    for (int i = 0; i < WARM_UP_CYCLES; ++i)
      operation.Run();
    ProcessFigures before = TakeProcessFigures();
    long shownBefore = ThingsShown();
    for (int i = 0; i < CYCLES; ++i)
      operation.Run();
    ProcessFigures after = TakeProcessFigures();
    long long heap = after.HeapBytes - before.HeapBytes;
    long long committed = after.CommittedBytes - before.CommittedBytes;
    long long handles = after.Handles - before.Handles;
    int ok = heap <= 0 && committed <= 0 && handles <= 0;
    printf("%-42s %12lld %12lld %8lld %8ld  %s\n", operation.Name, heap, committed, handles,
           ThingsShown() - shownBefore, ok ? "none" : "GROWN");
    grown += !ok;
  }
  RemoveBenchSettings();
  return grown ? 1 : 0;
}
