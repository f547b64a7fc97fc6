#include "plugin_loader.h"

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

void LoadPlugin(const char *path, const char *language) {
  HMODULE module = LoadLibraryExA(path, nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
  if (!module) {
    char code[16];
    snprintf(code, sizeof code, "%lu", (unsigned long)GetLastError());
    Report("cannot load %s (error %s)", path, code);
    return;
  }
  char moduleName[MAX_PATH];
  if (!GetModuleFileNameA(module, moduleName, sizeof moduleName))
    snprintf(moduleName, sizeof moduleName, "%s", path);
  PLUGIN_SETSTARTUPINFO setStartupInfo =
      (PLUGIN_SETSTARTUPINFO)(void *)GetProcAddress(module, "SetStartupInfo");
  PLUGIN_GETPLUGININFO getPluginInfo =
      (PLUGIN_GETPLUGININFO)(void *)GetProcAddress(module, "GetPluginInfo");
  PLUGIN_OPENPLUGIN openPlugin = (PLUGIN_OPENPLUGIN)(void *)GetProcAddress(module, "OpenPlugin");
  PLUGIN_CONFIGURE configure = (PLUGIN_CONFIGURE)(void *)GetProcAddress(module, "Configure");
  if (!setStartupInfo && !getPluginInfo && !openPlugin && !configure) {
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
  slot.Module = module;
  slot.SetStartupInfo = setStartupInfo;
  slot.GetPluginInfo = getPluginInfo;
  slot.OpenPlugin = openPlugin;
  slot.Configure = configure;
  slot.ExitFAR = (PLUGIN_EXITFAR)(void *)GetProcAddress(module, "ExitFAR");
  HostLog("loader: plugin %d %s (SetStartupInfo %s, GetPluginInfo %s, OpenPlugin %s, Configure %s)",
          number, moduleName, setStartupInfo ? "yes" : "no", getPluginInfo ? "yes" : "no",
          openPlugin ? "yes" : "no", configure ? "yes" : "no");

  FindLanguageFile(slot.Folder, "lng", language, slot.LngPath, sizeof slot.LngPath);
  FindLanguageFile(slot.Folder, "hlf", language, slot.HlfPath, sizeof slot.HlfPath);
  if (!slot.LngPath[0]) {
    Report("%s: no language file (*.lng) beside it%s", moduleName, "");
  } else if (!LoadLngFile(slot.LngPath, &slot.Messages, slot.MessagesError,
                          sizeof slot.MessagesError)) {
    Report("language file refused: %s%s", slot.MessagesError, "");
  } else {
    slot.MessagesLoaded = 1;
    HostLog("loader: messages %s (%s, %d messages)", slot.LngPath, slot.Messages.Language,
            slot.Messages.Count);
  }
  HostLog("loader: help %s", slot.HlfPath[0] ? slot.HlfPath : "(none)");

  if (slot.SetStartupInfo) {
    FillStartupInfo(&StartupInfo[number], number, moduleName, RootKeyText);
    HostLog("SetStartupInfo plugin=%d StructSize=%d RootKey=%s", number,
            StartupInfo[number].StructSize, RootKeyText);
    slot.SetStartupInfo(&StartupInfo[number]);
  }
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
  return PluginCount;
}

void UnloadPlugins(void) {
  for (int number = 0; number < PluginCount; number++) {
    PluginSlot &slot = Plugins[number];
    if (slot.ExitFAR) {
      HostLog("ExitFAR plugin=%d", number);
      slot.ExitFAR();
    }
    if (slot.Module)
      FreeLibrary(slot.Module);
    slot.Module = nullptr;
  }
  ClearPlugins();
}
