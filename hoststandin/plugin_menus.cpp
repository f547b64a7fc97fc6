#include "plugin_menus.h"

#include "host_log.h"
#include "host_state.h"
#include "host_texts.h"
#include "menu.h"
#include "message.h"
#include "plugin_table.h"
#include "screen.h"

#include <stdio.h>
#include <string.h>

namespace {

enum { MAX_STRINGS_PER_PLUGIN = 16 };

int ConfigureResult = -1;
ForeignPluginMenus Foreign = {nullptr, nullptr, nullptr};

void AddEntries(int plugin, const char *const *strings, int number, PluginMenuEntry *entries,
                int max, int *count) {
  if (!strings || number <= 0)
    return;
  if (number > MAX_STRINGS_PER_PLUGIN)
    number = MAX_STRINGS_PER_PLUGIN;
  for (int i = 0; i < number && *count < max; ++i) {
    PluginMenuEntry &entry = entries[(*count)++];
    entry.Plugin = plugin;
    entry.Item = i;
    snprintf(entry.Text, sizeof entry.Text, "%s", strings[i] ? strings[i] : "");
  }
}

int ShowEntries(const char *title, const PluginMenuEntry *entries, int count, int selected) {
  if (count == 0) {
    const char *lines[] = {title, HostText(HT_NO_ENTRY), HostText(HT_OK)};
    HostMessage(-1, 0, nullptr, lines, 3, 1);
    return -1;
  }
  static FarMenuItem items[MENU_MAX_ENTRIES];
  for (int i = 0; i < count; ++i) {
    memset(&items[i], 0, sizeof items[i]);
    snprintf(items[i].Text, sizeof items[i].Text, "%s", entries[i].Text);
    items[i].Selected = i == selected;
  }
  return HostMenu(-1, -1, -1, 0, FMENU_WRAPMODE, title, nullptr, nullptr, nullptr, nullptr, items,
                  count);
}

} // namespace

int CollectPluginEntries(int area, int config, PluginMenuEntry *entries, int max) {
  int count = 0;
  for (int p = 0; p < PluginCount; ++p) {
    PluginSlot &slot = Plugins[p];
    if (!slot.GetPluginInfo)
      continue;
    PluginInfo info;
    memset(&info, 0, sizeof info);
    slot.GetPluginInfo(&info);
    HostLog("GetPluginInfo plugin=%d flags=%lu menu=%d config=%d", p, (unsigned long)info.Flags,
            info.PluginMenuStringsNumber, info.PluginConfigStringsNumber);
    if (config) {
      if (slot.Configure)
        AddEntries(p, info.PluginConfigStrings, info.PluginConfigStringsNumber, entries, max,
                   &count);
      continue;
    }
    if (!slot.OpenPlugin)
      continue;
    if (area == AREA_EDITOR && !(info.Flags & PF_EDITOR))
      continue;
    if (area == AREA_VIEWER && !(info.Flags & PF_VIEWER))
      continue;
    if (area == AREA_PANELS && (info.Flags & PF_DISABLEPANELS))
      continue;
    AddEntries(p, info.PluginMenuStrings, info.PluginMenuStringsNumber, entries, max, &count);
  }
  return Foreign.Collect ? Foreign.Collect(area, config, entries, max, count) : count;
}

int RunPluginsMenu(int area) {
  static PluginMenuEntry entries[MENU_MAX_ENTRIES];
  int count = CollectPluginEntries(area, 0, entries, MENU_MAX_ENTRIES);
  HostLog("plugins menu from %s: %d entries", AreaName(area), count);
  int chosen = ShowEntries(HostText(HT_PLUGIN_COMMANDS), entries, count, 0);
  if (chosen < 0)
    return -1;
  const PluginMenuEntry &entry = entries[chosen];
  if (entry.Plugin >= FOREIGN_PLUGIN_BASE) {
    if (Foreign.Open)
      Foreign.Open(&entry, area);
    ScreenShow();
    return chosen;
  }
  int openFrom = OpenFromOfArea(area);
  HostLog("OpenPlugin plugin=%d from=%d item=%d", entry.Plugin, openFrom, entry.Item);
  HANDLE panel = Plugins[entry.Plugin].OpenPlugin(openFrom, entry.Item);
  if (panel == INVALID_HANDLE_VALUE)
    HostLog("OpenPlugin -> INVALID_HANDLE_VALUE");
  else
    HostLog("OpenPlugin -> %p (a plugin panel; the stand-in has no plugin panels)", panel);
  ScreenShow();
  return chosen;
}

int RunConfigMenu(void) {
  static PluginMenuEntry entries[MENU_MAX_ENTRIES];
  int calls = 0;
  int selected = 0;
  for (;;) {
    int count = CollectPluginEntries(AREA_PANELS, 1, entries, MENU_MAX_ENTRIES);
    HostLog("configuration menu: %d entries", count);
    int chosen = ShowEntries(HostText(HT_PLUGINS_CONFIGURATION), entries, count, selected);
    if (chosen < 0)
      return calls;
    const PluginMenuEntry &entry = entries[chosen];
    HostLog("Configure plugin=%d item=%d", entry.Plugin, entry.Item);
    if (entry.Plugin >= FOREIGN_PLUGIN_BASE)
      ConfigureResult = Foreign.Configure ? Foreign.Configure(&entry) : 0;
    else
      ConfigureResult = Plugins[entry.Plugin].Configure(entry.Item);
    HostLog("Configure -> %d", ConfigureResult);
    ++calls;
    selected = chosen;
  }
}

int LastConfigureResult(void) { return ConfigureResult; }

void SetForeignPluginMenus(ForeignPluginMenus menus) { Foreign = menus; }
