#include "bench/bench_host.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

static const struct MenuAnswer *MenuAnswers;
static int MenuAnswerCount;
static int NextMenuAnswer;

void SetMenuAnswers(const struct MenuAnswer *answers, int count) {
  MenuAnswers = answers;
  MenuAnswerCount = count;
  NextMenuAnswer = 0;
}

// Texts of the English language file the plugin asks for by number.
static const char *BenchMessage(int id) {
  switch (id) {
  case 0:
    return "Horalis date and time";
  case 5:
    return "Horalis";
  case 6:
    return "Free format";
  case 7:
    return "%d %B %Y %H:%M";
  case 8:
    return " %H:%M:%S  %a %d %b %Y ";
  case 9:
    return "3000";
  case 59:
    return "HoralisEng.dlg";
  default:
    return "";
  }
}

static const char *WINAPI BenchGetMsg(int, int id) { return BenchMessage(id); }

static int WINAPI BenchMenu(int, int, int, int, unsigned int, const char *, const char *,
                            const char *, const int *, int *breakCode, const struct FarMenuItem *,
                            int) {
  struct MenuAnswer answer = {-1, -1};
  if (MenuAnswerCount > 0) {
    answer = MenuAnswers[NextMenuAnswer];
    NextMenuAnswer = (NextMenuAnswer + 1) % MenuAnswerCount;
  }
  if (breakCode)
    *breakCode = answer.BreakKey;
  return answer.Item;
}

static long DialogsShown;

long BenchDialogsShown(void) { return DialogsShown; }

static int WINAPI BenchDialog(int, int, int, int, int, const char *, struct FarDialogItem *, int) {
  DialogsShown++;
  return -1;
}

static int WINAPI BenchMessageBox(int, unsigned int, const char *, const char *const *, int, int) {
  return 0;
}

static int WINAPI BenchControl(HANDLE, int, void *) { return 1; }
static int WINAPI BenchEditorControl(int, void *) { return 1; }

struct PluginStartupInfo BenchHostTable(void) {
  struct PluginStartupInfo info;
  memset(&info, 0, sizeof info);
  info.StructSize = sizeof info;
  info.ModuleNumber = 1;
  info.RootKey = BENCH_ROOT_KEY;
  info.Menu = BenchMenu;
  info.Dialog = BenchDialog;
  info.Message = BenchMessageBox;
  info.GetMsg = BenchGetMsg;
  info.Control = BenchControl;
  info.EditorControl = BenchEditorControl;
  return info;
}

void RemoveBenchSettings(void) { RegDeleteTreeA(HKEY_CURRENT_USER, "Software\\HoralisBench"); }

void StoreNinePresets(void) {
  static const char *const Formats[] = {
      "%d.%m.%Y",    "%H:%M",    "%d %B %Y %H:%M",  "%A, %d %B %Y", "%Y-%m-%d %H:%M:%S",
      "%a %d %b %Y", "%I:%M %p", "week %W, day %j", "%c",
  };
  RemoveBenchSettings();
  for (int slot = 1; slot <= 9; ++slot) {
    char path[128], name[32];
    snprintf(path, sizeof path, BENCH_SETTINGS_PATH "\\Format%d", slot);
    snprintf(name, sizeof name, "Preset %d", slot);
    HKEY key;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL) !=
        ERROR_SUCCESS) {
      printf("cannot store the presets\n");
      exit(2);
    }
    const char *format = Formats[slot - 1];
    DWORD mode = 0x10000;
    RegSetValueExA(key, "Name", 0, REG_SZ, (const BYTE *)name, (DWORD)strlen(name) + 1);
    RegSetValueExA(key, "Format", 0, REG_SZ, (const BYTE *)format, (DWORD)strlen(format) + 1);
    RegSetValueExA(key, "Mode", 0, REG_DWORD, (const BYTE *)&mode, sizeof mode);
    RegCloseKey(key);
  }
}

template <typename Function> static void Resolve(HMODULE module, const char *name, Function *slot) {
  FARPROC address = GetProcAddress(module, name);
  if (!address) {
    printf("the shipped Horalis.dll lacks %s\n", name);
    exit(2);
  }
  memcpy(slot, &address, sizeof address);
}

struct ShippedPlugin LoadShippedPlugin(void) {
  struct ShippedPlugin plugin;
  memset(&plugin, 0, sizeof plugin);
  plugin.Module = LoadLibraryA(HORALIS_SHIPPED_DLL);
  if (!plugin.Module) {
    printf("cannot load %s (error %lu)\n", HORALIS_SHIPPED_DLL, GetLastError());
    exit(2);
  }
  Resolve(plugin.Module, "SetStartupInfo", &plugin.SetStartupInfo);
  Resolve(plugin.Module, "GetPluginInfo", &plugin.GetPluginInfo);
  Resolve(plugin.Module, "OpenPlugin", &plugin.OpenPlugin);
  Resolve(plugin.Module, "Configure", &plugin.Configure);
  Resolve(plugin.Module, "PutHoralis", &plugin.PutHoralis);
  return plugin;
}
