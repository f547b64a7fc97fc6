/* The 3.x plugins' rows in the host's plugin menu (F11) and configuration
   menu (F9): GetPluginInfoW asked anew each time, rows by PF_* flags, each
   row's GUID handed back in OpenInfo.Guid or ConfigureInfo.Guid. And the
   help files of those plugins for F1 in the host's windows. */
#include "face3_plugins.h"
#include "face3_services.h"
#include "help.h"
#include "host_log.h"
#include "host_state.h"
#include "plugin_menus.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

namespace {

PluginInfo AskPluginInfo(Face3Plugin *plugin) {
  PluginInfo info;
  memset(&info, 0, sizeof info);
  info.StructSize = sizeof info;
  if (plugin->GetPluginInfo)
    plugin->GetPluginInfo(&info);
  HostLog("GetPluginInfoW plugin=%d flags=%llu menu=%u config=%u", plugin->Number,
          (unsigned long long)info.Flags, (unsigned)info.PluginMenu.Count,
          (unsigned)info.PluginConfig.Count);
  return info;
}

int ShownIn(PLUGIN_FLAGS flags, int area) {
  if (area == AREA_EDITOR)
    return (flags & PF_EDITOR) != 0;
  if (area == AREA_VIEWER)
    return (flags & PF_VIEWER) != 0;
  return !(flags & PF_DISABLEPANELS);
}

int Collect(int area, int config, PluginMenuEntry *entries, int max, int count) {
  for (int i = 0; i < Face3Count; ++i) {
    Face3Plugin *plugin = &Face3Plugins[i];
    PluginInfo info = AskPluginInfo(plugin);
    const PluginMenuItem &rows = config ? info.PluginConfig : info.PluginMenu;
    if ((config ? !plugin->Configure : !plugin->Open || !ShownIn(info.Flags, area)) ||
        !rows.Strings || !rows.Guids)
      continue;
    for (size_t row = 0; row < rows.Count && row < 16 && count < max; ++row) {
      PluginMenuEntry &entry = entries[count++];
      entry.Plugin = plugin->Number;
      entry.Item = (int)row;
      WideToOem(rows.Strings[row], entry.Text, sizeof entry.Text);
    }
  }
  return count;
}

/* The GUID of a chosen row, asked again as the host keeps it. */
int RowGuid(Face3Plugin *plugin, int config, int row, GUID *guid) {
  PluginInfo info = AskPluginInfo(plugin);
  const PluginMenuItem &rows = config ? info.PluginConfig : info.PluginMenu;
  if (!rows.Guids || row < 0 || (size_t)row >= rows.Count)
    return 0;
  *guid = rows.Guids[row];
  return 1;
}

enum OPENFROM OpenFromOf(int area) {
  return area == AREA_EDITOR ? OPEN_EDITOR : area == AREA_VIEWER ? OPEN_VIEWER : OPEN_PLUGINSMENU;
}

void OpenRow(const PluginMenuEntry *entry, int area) {
  Face3Plugin *plugin = Face3ByNumber(entry->Plugin);
  GUID guid;
  if (!plugin || !RowGuid(plugin, 0, entry->Item, &guid)) {
    HostLog("face3: the row %d of plugin %d is gone", entry->Item, entry->Plugin);
    return;
  }
  HANDLE panel = Face3Open(plugin, OpenFromOf(area), &guid, 0);
  if (panel)
    HostLog("OpenW -> %p (a plugin panel; the stand-in has no plugin panels)", panel);
}

int ConfigureRow(const PluginMenuEntry *entry) {
  Face3Plugin *plugin = Face3ByNumber(entry->Plugin);
  GUID guid;
  if (!plugin || !plugin->Configure || !RowGuid(plugin, 1, entry->Item, &guid))
    return 0;
  char text[48];
  Face3GuidText(&guid, text, sizeof text);
  ConfigureInfo info = {sizeof(ConfigureInfo), &guid, nullptr};
  HostLog("ConfigureW plugin=%d guid=%s", plugin->Number, text);
  intptr_t result = plugin->Configure(&info);
  HostLog("ConfigureW -> %ld", (long)result);
  return (int)result;
}

/* The help file (UTF-8) for the host's help viewer, which reads OEM. */
int LoadHelpOf(int number) {
  Face3Plugin *plugin = Face3ByNumber(number);
  FILE *f = plugin && plugin->HlfPath[0] ? fopen(plugin->HlfPath, "rb") : nullptr;
  if (!f)
    return 0;
  static char bytes[HELP_MAX_FILE], oem[HELP_MAX_FILE];
  static wchar_t wide[HELP_MAX_FILE];
  size_t length = fread(bytes, 1, sizeof bytes - 1, f);
  fclose(f);
  bytes[length] = 0;
  const char *text = length >= 3 && !memcmp(bytes, "\xEF\xBB\xBF", 3) ? bytes + 3 : bytes;
  Utf8ToWide(text, wide, HELP_MAX_FILE);
  WideToOem(wide, oem, sizeof oem);
  HelpLoadText(oem, (int)strlen(oem));
  return 1;
}

} // namespace

void Face3InstallHooks(void) {
  SetForeignPluginMenus({Collect, OpenRow, ConfigureRow});
  SetForeignPluginHelp(LoadHelpOf);
}

HANDLE Face3Open(Face3Plugin *plugin, enum OPENFROM from, const GUID *item, intptr_t data) {
  char text[48];
  Face3GuidText(item, text, sizeof text);
  OpenInfo info = {sizeof(OpenInfo), from, item, data, nullptr};
  HostLog("OpenW plugin=%d from=%d guid=%s", plugin->Number, (int)from, text);
  HANDLE result = plugin->Open ? plugin->Open(&info) : nullptr;
  HostLog("OpenW -> %s", result ? "a handle" : "null");
  return result;
}

int Face3LoadHelp(int pluginNumber) { return LoadHelpOf(pluginNumber); }
