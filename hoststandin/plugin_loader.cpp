#include "plugin_loader.h"

#include "face3_host.h"
#include "host_log.h"
#include "plugin_table.h"
#include "services.h"

#include <stdio.h>
#include <string.h>
#include <windows.h>

namespace {

char RootKeyText[ROOT_KEY_TEXT_SIZE];
PluginStartupInfo StartupInfo[MAX_PLUGINS];

void Report(const char *format, const char *a, const char *b) {
  char line[700];
  snprintf(line, sizeof line, format, a, b);
  fprintf(stderr, "farhost: %s\n", line);
  HostLog("loader: %s", line);
}

/* A language table of its own pages, so that freeing it makes every text
   in it unreadable: a plugin that kept a pointer GetMsg gave faults on the
   read, as under a host whose freed memory went back to the system. */
LngFile *NewLanguageTable(void) {
  return (LngFile *)VirtualAlloc(nullptr, sizeof(LngFile), MEM_RESERVE | MEM_COMMIT,
                                 PAGE_READWRITE);
}

/* The pages are given back but their addresses stay reserved until the
   process ends, so that no later table lands there and a stale pointer
   never finds new text where the old stood. */
void FreeLanguageTable(LngFile *table) {
  if (table)
    VirtualFree(table, 0, MEM_DECOMMIT);
}

/* The plugin's language and help files for a language; its texts loaded
   into a new table, which replaces (and frees) the one it had. */
void LoadPluginTexts(PluginSlot &slot, const char *language) {
  FindLanguageFile(slot.Folder, "lng", language, slot.LngPath, sizeof slot.LngPath);
  FindLanguageFile(slot.Folder, "hlf", language, slot.HlfPath, sizeof slot.HlfPath);
  LngFile *fresh = slot.LngPath[0] ? NewLanguageTable() : nullptr;
  if (!slot.LngPath[0]) {
    Report("%s: no language file (*.lng) beside it%s", slot.ModuleName, "");
  } else if (!fresh ||
             !LoadLngFile(slot.LngPath, fresh, slot.MessagesError, sizeof slot.MessagesError)) {
    Report("language file refused: %s%s", fresh ? slot.MessagesError : "no memory", "");
    FreeLanguageTable(fresh);
    fresh = nullptr;
  } else {
    HostLog("loader: messages %s (%s, %d messages)", slot.LngPath, fresh->Language, fresh->Count);
  }
  LngFile *old = slot.Messages;
  slot.Messages = fresh;
  FreeLanguageTable(old);
  HostLog("loader: help %s", slot.HlfPath[0] ? slot.HlfPath : "(none)");
}

/* The entry points by name; 0 when the module has none of them. */
int FindEntryPoints(HMODULE module, PluginSlot *slot) {
  slot->SetStartupInfo = (PLUGIN_SETSTARTUPINFO)(void *)GetProcAddress(module, "SetStartupInfo");
  slot->GetPluginInfo = (PLUGIN_GETPLUGININFO)(void *)GetProcAddress(module, "GetPluginInfo");
  slot->OpenPlugin = (PLUGIN_OPENPLUGIN)(void *)GetProcAddress(module, "OpenPlugin");
  slot->Configure = (PLUGIN_CONFIGURE)(void *)GetProcAddress(module, "Configure");
  slot->ExitFAR = (PLUGIN_EXITFAR)(void *)GetProcAddress(module, "ExitFAR");
  return slot->SetStartupInfo || slot->GetPluginInfo || slot->OpenPlugin || slot->Configure;
}

void LoadPlugin(const char *path, const char *language) {
  HMODULE module = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module) {
    DWORD error = GetLastError();
    char code[16];
    snprintf(code, sizeof code, "%lu", (unsigned long)error);
    Report("cannot load %s (error %s)", path, code);
#ifdef _WIN64
    if (error == ERROR_BAD_EXE_FORMAT)
      Report("%s: a 32-bit plugin cannot load into the 64-bit stand-in; run the x86 one%s", path,
             "");
#endif
    return;
  }
  char moduleName[MAX_PATH];
  if (!GetModuleFileNameA(module, moduleName, sizeof moduleName))
    snprintf(moduleName, sizeof moduleName, "%s", path);
  if (Face3IsPlugin(module)) {
    if (!Face3LoadPlugin(module, moduleName, language, RootKeyText))
      FreeLibrary(module);
    return;
  }
#ifdef _WIN64
  Report("%s is no 3.x plugin (no GetGlobalInfoW): the 64-bit stand-in loads only those%s",
         moduleName, "");
  FreeLibrary(module);
  return;
#endif
  PluginSlot found;
  if (!FindEntryPoints(module, &found)) {
    Report("%s exports none of the plugin entry points%s", moduleName, "");
    FreeLibrary(module);
    return;
  }
  int number = AddPluginSlot(moduleName);
  if (number < 0) {
    Report("too many plugins; %s left out%s", moduleName, "");
    FreeLibrary(module);
    return;
  }
  PluginSlot &slot = Plugins[number];
  FindEntryPoints(module, &slot);
  slot.Module = module;
  HostLog("loader: plugin %d %s (SetStartupInfo %s, GetPluginInfo %s, OpenPlugin %s, Configure %s)",
          number, moduleName, slot.SetStartupInfo ? "yes" : "no", slot.GetPluginInfo ? "yes" : "no",
          slot.OpenPlugin ? "yes" : "no", slot.Configure ? "yes" : "no");
  LoadPluginTexts(slot, language);
  if (slot.SetStartupInfo) {
    FillStartupInfo(&StartupInfo[number], number, moduleName, RootKeyText);
    HostLog("SetStartupInfo plugin=%d StructSize=%d RootKey=%s", number,
            StartupInfo[number].StructSize, RootKeyText);
    slot.SetStartupInfo(&StartupInfo[number]);
  }
}

/* The module freed and forgotten: its number stays, with no entry points,
   so that a late GetMsg for it gets "". */
void ForgetPlugin(PluginSlot &slot) {
  if (slot.Module)
    FreeLibrary(slot.Module);
  slot.Module = nullptr;
  slot.SetStartupInfo = nullptr;
  slot.GetPluginInfo = nullptr;
  slot.OpenPlugin = nullptr;
  slot.Configure = nullptr;
  slot.ExitFAR = nullptr;
}

} // namespace

void FindLanguageFile(const char *folder, const char *extension, const char *language, char *out,
                      int size) {
  char pattern[MAX_PATH + 8];
  snprintf(pattern, sizeof pattern, "%s*.%s", folder, extension);
  char first[MAX_PATH] = "", english[MAX_PATH] = "";
  out[0] = 0;
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(pattern, &found);
  if (find == INVALID_HANDLE_VALUE)
    return;
  do {
    if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      continue;
    char path[MAX_PATH];
    snprintf(path, sizeof path, "%s%s", folder, found.cFileName);
    char name[LNG_NAME_SIZE];
    if (!ReadFileLanguage(path, name, sizeof name))
      continue;
    if (LanguageMatches(name, language)) {
      snprintf(out, size, "%s", path);
      break;
    }
    if (!english[0] && LanguageMatches(name, "English"))
      snprintf(english, sizeof english, "%s", path);
    if (!first[0])
      snprintf(first, sizeof first, "%s", path);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  if (!out[0])
    snprintf(out, size, "%s", english[0] ? english : first);
}

int LoadPlugins(const char *pluginsFolder, const char *language, const char *rootKey) {
  snprintf(RootKeyText, sizeof RootKeyText, "%s", rootKey);
  char pattern[MAX_PATH + 4];
  snprintf(pattern, sizeof pattern, "%s\\*", pluginsFolder);
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(pattern, &found);
  if (find == INVALID_HANDLE_VALUE) {
    Report("no plugins folder %s%s", pluginsFolder, "");
    return 0;
  }
  do {
    if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) || !strcmp(found.cFileName, ".") ||
        !strcmp(found.cFileName, ".."))
      continue;
    char folder[MAX_PATH];
    snprintf(folder, sizeof folder, "%s\\%s\\", pluginsFolder, found.cFileName);
    char dllPattern[MAX_PATH + 8];
    snprintf(dllPattern, sizeof dllPattern, "%s*.dll", folder);
    WIN32_FIND_DATAA dll;
    HANDLE dlls = FindFirstFileA(dllPattern, &dll);
    if (dlls == INVALID_HANDLE_VALUE)
      continue;
    do {
      char path[MAX_PATH];
      snprintf(path, sizeof path, "%s%s", folder, dll.cFileName);
      LoadPlugin(path, language);
    } while (FindNextFileA(dlls, &dll));
    FindClose(dlls);
  } while (FindNextFileA(find, &found));
  FindClose(find);
  return PluginCount + Face3PluginCount();
}

void UnloadPlugins(void) {
  Face3UnloadPlugins();
  for (int number = 0; number < PluginCount; number++) {
    PluginSlot &slot = Plugins[number];
    if (slot.ExitFAR) {
      HostLog("ExitFAR plugin=%d", number);
      slot.ExitFAR();
    }
    ForgetPlugin(slot);
    FreeLanguageTable(slot.Messages);
    slot.Messages = nullptr;
  }
  ClearPlugins();
}

void UnloadPluginsWithoutExit(void) {
  for (int number = 0; number < PluginCount; number++) {
    PluginSlot &slot = Plugins[number];
    if (!slot.Module)
      continue;
    HostLog("host: plugin %d unloaded without ExitFAR, its language table freed", number);
    ForgetPlugin(slot);
    FreeLanguageTable(slot.Messages);
    slot.Messages = nullptr;
  }
}

void SwitchPluginsLanguage(const char *language) {
  Face3SwitchLanguage(language);
  for (int number = 0; number < PluginCount; number++) {
    PluginSlot &slot = Plugins[number];
    if (!slot.Module)
      continue;
    HostLog("host: plugin %d: language %s, the old texts freed", number, language);
    LoadPluginTexts(slot, language);
  }
}
