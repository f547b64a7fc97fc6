// One opening of the presets menu (its table read from the registry, each
// preview expanded, each line formatted, the host's menu shown) against the
// registry reads, expansions and line formatting it must make.
#include <stdio.h>
#include <time.h>

#include "bench/bench_harness.h"
#include "bench/bench_host.h"
#include "hostlink/host_table.h"
#include "presets/preset_menu.h"

static void OpenPresetMenu(void *) {
  int breakCode;
  BuildPresetMenu(LoadPresetTable());
  ShowPresetMenu(&breakCode);
}

struct BareEntry {
  char Name[PRESET_TEXT_SIZE];
  char Format[PRESET_TEXT_SIZE];
};

static void OpenPresetMenuBare(void *) {
  static char paths[PRESET_SLOTS][80];
  BareEntry entries[PRESET_SLOTS];
  for (int slot = 1; slot < PRESET_SLOTS; ++slot) {
    if (!paths[slot][0])
      snprintf(paths[slot], sizeof paths[slot], BENCH_SETTINGS_PATH "\\Format%d", slot);
    HKEY key;
    entries[slot].Name[0] = entries[slot].Format[0] = 0;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, paths[slot], 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
      continue;
    DWORD type, size = sizeof entries[slot].Name;
    RegQueryValueExA(key, "Name", NULL, &type, (BYTE *)entries[slot].Name, &size);
    size = sizeof entries[slot].Format;
    RegQueryValueExA(key, "Format", NULL, &type, (BYTE *)entries[slot].Format, &size);
    RegCloseKey(key);
  }
  HKEY menuKey;
  if (RegOpenKeyExA(HKEY_CURRENT_USER, BENCH_SETTINGS_PATH "\\Menu", 0, KEY_ALL_ACCESS, &menuKey) ==
      ERROR_SUCCESS)
    RegCloseKey(menuKey);
  time_t now = time(NULL);
  struct tm moment = *localtime(&now);
  FarMenuItem items[PRESET_SLOTS];
  snprintf(items[0].Text, sizeof items[0].Text, "&%-2d \xB3 %-*s \xB3 ", 0, 10, "Free format");
  for (int slot = 1; slot < PRESET_SLOTS; ++slot) {
    char preview[80];
    strftime(preview, sizeof preview, entries[slot].Format, &moment);
    snprintf(items[slot].Text, sizeof items[slot].Text, "&%-2d \xB3 %-*s \xB3 %-.*s", slot, 10,
             entries[slot].Name, 50, preview);
  }
  int breakCode;
  HostServices.Menu(HostServices.ModuleNumber, -1, -1, 0, FMENU_WRAPMODE, "Horalis", "", "Contents",
                    NULL, &breakCode, items, PRESET_SLOTS);
}

int main() {
  StoreNinePresets();
  PluginStartupInfo host = BenchHostTable();
  TakeHostTable(&host);
  BenchCompare("presets menu opening against its bare calls", OpenPresetMenu, OpenPresetMenuBare,
               NULL, 1.1);
  RemoveBenchSettings();
  return BenchExitCode();
}
