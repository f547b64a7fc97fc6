// Start-up of the shipped DLL (SetStartupInfo, then GetPluginInfo) with nine
// presets stored, against the bare calls it must make: the registry reads of
// the presets, of the "Menu" settings and of "Config" (the names' language
// and "NoUseMenu", in one open), and the binding of the
// dialog library (its path, LoadLibrary, one GetProcAddress per operation
// and its two start calls).
#include <stdio.h>
#include <string.h>

#include "bench/bench_harness.h"
#include "bench/bench_host.h"
#include "dialog_gen.h"

static ShippedPlugin Plugin;
static PluginStartupInfo Host;

static void StartPlugin(void *) {
  PluginInfo info;
  Plugin.SetStartupInfo(&Host);
  Plugin.GetPluginInfo(&info);
}

static void ReadPresetBare(int slot) {
  static char paths[10][80];
  if (!paths[slot][0])
    snprintf(paths[slot], sizeof paths[slot], BENCH_SETTINGS_PATH "\\Format%d", slot);
  HKEY key;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, paths[slot], 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
    return;
  char text[70];
  DWORD type, size = sizeof text;
  RegQueryValueExA(key, "Name", NULL, &type, (BYTE *)text, &size);
  size = sizeof text;
  RegQueryValueExA(key, "Format", NULL, &type, (BYTE *)text, &size);
  RegCloseKey(key);
}

// "Menu" is only read when it exists; "Config" is created when missing,
// and both its values are read in that one open.
static DWORD ReadNumberBare(const char *path, const char *name, const char *second, int create) {
  HKEY key;
  DWORD number = 0, type, size = sizeof number;
  LONG opened = create ? RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, NULL, 0, KEY_ALL_ACCESS, NULL,
                                         &key, NULL)
                       : RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_ALL_ACCESS, &key);
  if (opened != ERROR_SUCCESS)
    return 0;
  RegQueryValueExA(key, name, NULL, &type, (BYTE *)&number, &size);
  if (second) {
    size = sizeof number;
    RegQueryValueExA(key, second, NULL, &type, (BYTE *)&number, &size);
  }
  RegCloseKey(key);
  return number;
}

// Places of the two start calls in DialogGenOperationNames.
enum { DG_INIT_PLACE = 9, GET_ITEM_NULL_PLACE = 15 };

static void StartBare(void *) {
  for (int slot = 1; slot <= 9; ++slot)
    ReadPresetBare(slot);
  ReadNumberBare(BENCH_SETTINGS_PATH "\\Menu", "Custom", NULL, 0);
  ReadNumberBare(BENCH_SETTINGS_PATH "\\Config", "UserLanguage", "NoUseMenu", 1);
  char path[256];
  GetModuleFileNameA(Plugin.Module, path, sizeof path);
  HMODULE library = LoadLibraryA(HORALIS_SHIPPED_DIALOG_GEN);
  FARPROC found[DIALOG_GEN_OPERATIONS];
  for (int i = 0; i < DIALOG_GEN_OPERATIONS; ++i)
    found[i] = GetProcAddress(library, DialogGenOperationNames[i]);
  void *(__cdecl * getItemNull)(void);
  void(__cdecl * init)(PluginStartupInfo);
  memcpy(&getItemNull, &found[GET_ITEM_NULL_PLACE], sizeof found[0]);
  memcpy(&init, &found[DG_INIT_PLACE], sizeof found[0]);
  getItemNull();
  init(Host);
  Host.GetMsg(Host.ModuleNumber, 0);
}

int main() {
  StoreNinePresets();
  Plugin = LoadShippedPlugin();
  Host = BenchHostTable();
  BenchCompare("start-up against its bare calls", StartPlugin, StartBare, NULL, 1.1);
  RemoveBenchSettings();
  return BenchExitCode();
}
