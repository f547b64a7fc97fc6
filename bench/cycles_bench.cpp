// 1,000 cycles of each operation of the shipped DLL: what the process holds
// afterwards (heap, committed memory, handles) must not have grown.
#include <stdio.h>

#include "bench/bench_host.h"
#include "bench/process_figures.h"

static ShippedPlugin Plugin;
static PluginStartupInfo Host;

static void StartUp(void) {
  PluginInfo info;
  Plugin.SetStartupInfo(&Host);
  Plugin.GetPluginInfo(&info);
}

static void PutOnClipboard(void) { Plugin.PutHoralis("%d %B %Y %H:%M", NULL); }

static const int QuickInsertion[] = {0};
static void InsertIntoEditor(void) { Plugin.OpenPlugin(OPEN_EDITOR, 0); }
static void InsertIntoCommandLine(void) { Plugin.OpenPlugin(OPEN_PLUGINSMENU, 0); }

// The main menu's "Presets..." entry, then Esc in the presets menu.
static const int PresetsThenEsc[] = {1, -1};
static void OpenPresetsMenu(void) { Plugin.OpenPlugin(OPEN_EDITOR, 0); }

// The configuration menu's first entry opens the "Auto" settings; the
// dialog is cancelled, then the menu left with Esc.
static const int AutoSettingsThenEsc[] = {0, -1};
static void OpenAutoSettings(void) { Plugin.Configure(0); }

struct Operation {
  const char *Name;
  const int *MenuAnswers;
  int MenuAnswerCount;
  void (*Run)(void);
};

static const Operation Operations[] = {
    {"start-up (SetStartupInfo, GetPluginInfo)", NULL, 0, StartUp},
    {"PutHoralis", NULL, 0, PutOnClipboard},
    {"quick insertion into the editor", QuickInsertion, 1, InsertIntoEditor},
    {"quick insertion into the command line", QuickInsertion, 1, InsertIntoCommandLine},
    {"presets menu opened and left", PresetsThenEsc, 2, OpenPresetsMenu},
    {"\"Auto\" settings opened and cancelled", AutoSettingsThenEsc, 2, OpenAutoSettings},
};

enum { CYCLES = 1000, WARM_UP_CYCLES = 20 };

int main() {
  StoreNinePresets();
  Plugin = LoadShippedPlugin();
  Host = BenchHostTable();
  Plugin.SetStartupInfo(&Host);
  int grown = 0;
  printf("%-42s %12s %12s %8s\n", "growth after 1,000 cycles", "heap bytes", "committed",
         "handles");
  for (const Operation &operation : Operations) {
    SetMenuAnswers(operation.MenuAnswers, operation.MenuAnswerCount);
    // The first calls fill the runtime's lasting buffers (locale, time zone).
    for (int i = 0; i < WARM_UP_CYCLES; ++i)
      operation.Run();
    ProcessFigures before = TakeProcessFigures();
    for (int i = 0; i < CYCLES; ++i)
      operation.Run();
    ProcessFigures after = TakeProcessFigures();
    long long heap = after.HeapBytes - before.HeapBytes;
    long long committed = after.CommittedBytes - before.CommittedBytes;
    long long handles = after.Handles - before.Handles;
    int ok = heap <= 0 && committed <= 0 && handles <= 0;
    printf("%-42s %12lld %12lld %8lld  %s\n", operation.Name, heap, committed, handles,
           ok ? "none" : "GROWN");
    grown += !ok;
  }
  RemoveBenchSettings();
  return grown ? 1 : 0;
}
