#include "plugin_table.h"

#include <stdio.h>
#include <string.h>

PluginSlot Plugins[MAX_PLUGINS];
int PluginCount = 0;

PluginSlot *PluginByNumber(int number) {
  if (number < 0 || number >= PluginCount)
    return nullptr;
  return &Plugins[number];
}

int AddPluginSlot(const char *moduleName) {
  if (PluginCount >= MAX_PLUGINS)
    return -1;
  PluginSlot *slot = &Plugins[PluginCount];
  memset(slot, 0, sizeof *slot);
  snprintf(slot->ModuleName, sizeof slot->ModuleName, "%s", moduleName ? moduleName : "");
  memcpy(slot->Folder, slot->ModuleName, sizeof slot->Folder);
  char *cut = strrchr(slot->Folder, '\\');
  if (!cut)
    cut = strrchr(slot->Folder, '/');
  if (cut)
    cut[1] = 0;
  else
    slot->Folder[0] = 0;
  return PluginCount++;
}

void ClearPlugins(void) { PluginCount = 0; }
