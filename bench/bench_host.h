/* What the benchmarks share: a quiet host table, settings stored under a
   root key of the benchmarks' own, and the shipped DLL loaded as the host
   loads it. */
#ifndef HORALIS_BENCH_BENCH_HOST_H
#define HORALIS_BENCH_BENCH_HOST_H

#include <windows.h>

#include "far_plugin.h"

/* The host's root key handed to the plugin; its settings are beneath
   BENCH_SETTINGS_PATH. */
#define BENCH_ROOT_KEY "Software\\HoralisBench\\Far"
#define BENCH_SETTINGS_PATH BENCH_ROOT_KEY "\\Horalis"

/* One answer of the host's Menu: the item (-1 Esc), and the index of the
   break key that ended the menu (-1 for Enter or Esc). */
struct MenuAnswer {
  int Item;
  int BreakKey;
};

/* What the host's Menu answers, call after call, from the start again after
   the last; Esc when none are set. */
void SetMenuAnswers(const struct MenuAnswer *answers, int count);

/* How many dialogs the host has been asked to show so far: a cycle that
   should open one is seen to open it. */
long BenchDialogsShown(void);

/* A host table whose services show nothing and return at once. */
struct PluginStartupInfo BenchHostTable(void);

/* Removes the benchmarks' settings and stores nine presets, each with a
   name and a format. */
void StoreNinePresets(void);
void RemoveBenchSettings(void);

/* The shipped Horalis.dll and its exports; exits when it cannot be loaded. */
struct ShippedPlugin {
  HMODULE Module;
  PLUGIN_SETSTARTUPINFO SetStartupInfo;
  PLUGIN_GETPLUGININFO GetPluginInfo;
  PLUGIN_OPENPLUGIN OpenPlugin;
  PLUGIN_CONFIGURE Configure;
  void(__cdecl *PutHoralis)(const char *format, const struct tm *moment);
};
struct ShippedPlugin LoadShippedPlugin(void);

#endif
