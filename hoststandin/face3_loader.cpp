/* Loading a 3.x plugin as the host does: GetGlobalInfoW first (its record's
   size and the host version it needs checked), then SetStartupInfoW with
   the whole service table, the texts of the host's language from its
   UTF-8 language file; at the end ExitFARW and the module freed. */
#include "face3_host.h"
#include "face3_plugins.h"
#include "host_log.h"
#include "plugin_loader.h"

#include <stdio.h>
#include <string.h>

Face3Plugin Face3Plugins[FACE3_MAX_PLUGINS];
int Face3Count = 0;

namespace {

enum { FOREIGN_PLUGIN_BASE_NUMBER = 100 }; /* plugin_menus.h's FOREIGN_PLUGIN_BASE */

char SettingsRoot[256];

void Report(const char *format, const char *a, const char *b) {
  char line[700];
  snprintf(line, sizeof line, format, a, b);
  fprintf(stderr, "farhost: %s\n", line);
  HostLog("face3: %s", line);
}

int VersionAbove(const VersionInfo &a, const VersionInfo &b) {
  if (a.Major != b.Major)
    return a.Major > b.Major;
  if (a.Minor != b.Minor)
    return a.Minor > b.Minor;
  if (a.Revision != b.Revision)
    return a.Revision > b.Revision;
  return a.Build > b.Build;
}

/* GetGlobalInfoW: 0 when the plugin is to be refused. */
int AskGlobalInfo(HMODULE module, const char *path, Face3Plugin *plugin) {
  FAR3_GETGLOBALINFO get = (FAR3_GETGLOBALINFO)(void *)GetProcAddress(module, "GetGlobalInfoW");
  GlobalInfo info;
  memset(&info, 0, sizeof info);
  info.StructSize = sizeof info;
  get(&info);
  char guid[48], title[128];
  Face3GuidText(&info.Guid, guid, sizeof guid);
  WideToUtf8(info.Title, title, sizeof title);
  HostLog("GetGlobalInfoW %s: StructSize=%u guid=%s title=\"%s\" MinFarVersion=%d.%d.%d.%d", path,
          (unsigned)info.StructSize, guid, title, (int)info.MinFarVersion.Major,
          (int)info.MinFarVersion.Minor, (int)info.MinFarVersion.Revision,
          (int)info.MinFarVersion.Build);
  if (info.StructSize < sizeof info) {
    Report("%s: GetGlobalInfoW left StructSize at %s; refused", path,
           info.StructSize ? "a smaller size" : "0");
    return 0;
  }
  VersionInfo host = {FAR3_VERSION_MAJOR, FAR3_VERSION_MINOR, FAR3_VERSION_REVISION, FAR3_SDK_BUILD,
                      VS_RELEASE};
  if (VersionAbove(info.MinFarVersion, host)) {
    Report("%s: needs a newer host than this stand-in (3.0.%s); refused", path, "6564");
    return 0;
  }
  if (Face3ByGuid(&info.Guid)) {
    Report("%s: its GUID %s is another plugin's; refused", path, guid);
    return 0;
  }
  plugin->Guid = info.Guid;
  return 1;
}

void FindEntryPoints(HMODULE module, Face3Plugin *plugin) {
  plugin->SetStartupInfo = (FAR3_SETSTARTUPINFO)(void *)GetProcAddress(module, "SetStartupInfoW");
  plugin->GetPluginInfo = (FAR3_GETPLUGININFO)(void *)GetProcAddress(module, "GetPluginInfoW");
  plugin->Open = (FAR3_OPEN)(void *)GetProcAddress(module, "OpenW");
  plugin->Configure = (FAR3_CONFIGURE)(void *)GetProcAddress(module, "ConfigureW");
  plugin->Exit = (FAR3_EXITFAR)(void *)GetProcAddress(module, "ExitFARW");
  plugin->ProcessSynchroEvent =
      (FAR3_PROCESSSYNCHROEVENT)(void *)GetProcAddress(module, "ProcessSynchroEventW");
}

void LoadTexts(Face3Plugin *plugin, const char *language) {
  char lng[FACE3_PATH_SIZE], error[300];
  FindLanguageFile(plugin->Folder, "lng", language, lng, sizeof lng);
  FindLanguageFile(plugin->Folder, "hlf", language, plugin->HlfPath, sizeof plugin->HlfPath);
  Face3Texts *fresh = lng[0] ? Face3LoadTexts(lng, error, sizeof error) : nullptr;
  if (!lng[0])
    Report("%s: no language file (*.lng) beside it%s", plugin->Folder, "");
  else if (!fresh)
    Report("language file refused: %s: %s", lng, error);
  else
    HostLog("face3: messages %s (%s, %d messages)", lng, fresh->Language, fresh->Count);
  Face3FreeTexts(plugin->Messages);
  plugin->Messages = fresh;
  HostLog("face3: help %s", plugin->HlfPath[0] ? plugin->HlfPath : "(none)");
}

} // namespace

const char *Face3SettingsRoot(void) { return SettingsRoot; }

int Face3PluginCount(void) { return Face3Count; }

int Face3IsPlugin(HMODULE module) { return GetProcAddress(module, "GetGlobalInfoW") != nullptr; }

int Face3LoadPlugin(HMODULE module, const char *path, const char *language, const char *rootKey) {
  snprintf(SettingsRoot, sizeof SettingsRoot, "%s", rootKey ? rootKey : "");
  if (Face3Count >= FACE3_MAX_PLUGINS) {
    Report("too many 3.x plugins; %s left out%s", path, "");
    return 0;
  }
  Face3InstallHooks();
  Face3Plugin *plugin = &Face3Plugins[Face3Count];
  memset(plugin, 0, sizeof *plugin);
  if (!AskGlobalInfo(module, path, plugin))
    return 0;
  plugin->Module = module;
  plugin->Number = FOREIGN_PLUGIN_BASE_NUMBER + Face3Count;
  if (!GetModuleFileNameW(module, plugin->ModuleName, FACE3_PATH_SIZE))
    Utf8ToWide(path, plugin->ModuleName, FACE3_PATH_SIZE);
  snprintf(plugin->Folder, sizeof plugin->Folder, "%s", path);
  char *cut = strrchr(plugin->Folder, '\\');
  if (cut)
    cut[1] = 0;
  FindEntryPoints(module, plugin);
  ++Face3Count;
  HostLog("face3: plugin %d %s (SetStartupInfoW %s, GetPluginInfoW %s, OpenW %s, ConfigureW %s, "
          "ExitFARW %s, ProcessSynchroEventW %s)",
          plugin->Number, path, plugin->SetStartupInfo ? "yes" : "no",
          plugin->GetPluginInfo ? "yes" : "no", plugin->Open ? "yes" : "no",
          plugin->Configure ? "yes" : "no", plugin->Exit ? "yes" : "no",
          plugin->ProcessSynchroEvent ? "yes" : "no");
  LoadTexts(plugin, language);
  Face3FillStartupInfo(plugin);
  if (plugin->SetStartupInfo) {
    HostLog("SetStartupInfoW plugin=%d StructSize=%u FSF.StructSize=%u", plugin->Number,
            (unsigned)plugin->Info.StructSize, (unsigned)plugin->Fsf.StructSize);
    plugin->SetStartupInfo(&plugin->Info);
  }
  return 1;
}

void Face3UnloadPlugins(void) {
  for (int i = 0; i < Face3Count; ++i) {
    Face3Plugin &plugin = Face3Plugins[i];
    if (plugin.Exit) {
      ExitInfo info = {sizeof(ExitInfo), nullptr};
      HostLog("ExitFARW plugin=%d", plugin.Number);
      plugin.Exit(&info);
    }
    FreeLibrary(plugin.Module);
    Face3FreeTexts(plugin.Messages);
    memset(&plugin, 0, sizeof plugin);
  }
  Face3Count = 0;
}

void Face3SwitchLanguage(const char *language) {
  for (int i = 0; i < Face3Count; ++i) {
    HostLog("face3: plugin %d: language %s", Face3Plugins[i].Number, language);
    LoadTexts(&Face3Plugins[i], language);
  }
}

Face3Plugin *Face3ByGuid(const GUID *guid) {
  for (int i = 0; guid && i < Face3Count; ++i)
    if (!memcmp(&Face3Plugins[i].Guid, guid, sizeof *guid))
      return &Face3Plugins[i];
  return nullptr;
}

Face3Plugin *Face3ByNumber(int number) {
  for (int i = 0; i < Face3Count; ++i)
    if (Face3Plugins[i].Number == number)
      return &Face3Plugins[i];
  return nullptr;
}

void Face3GuidText(const GUID *g, char *out, int size) {
  if (!g) {
    snprintf(out, size, "(null)");
    return;
  }
  snprintf(out, size, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
           (unsigned long)g->Data1, g->Data2, g->Data3, g->Data4[0], g->Data4[1], g->Data4[2],
           g->Data4[3], g->Data4[4], g->Data4[5], g->Data4[6], g->Data4[7]);
}
