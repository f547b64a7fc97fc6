// The entry points the host calls by name.
#include <string.h>

#include "datetext/date_text.h"
#include "datetext/locale_names.h"
#include "datetext/time_zones.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "plugin/names_setting.h"
#include "plugin/plugin.h"
#include "presets/preset_menu.h"
#include "presets/quick_format_settings.h"
#include "settings/settings_store.h"

char QuickFormat[FORMAT_SIZE];

static const char *PluginMenuString[1];

// "NoUseMenu" as start-up read it, for the host's first GetPluginInfo;
// later calls read it anew.
static int NoUseMenuPending;
static DWORD NoUseMenuAtStart;

// Everything start-up takes from "Config", in one open: the names'
// language and, for the GetPluginInfo that follows, "NoUseMenu". The key
// is created when missing, as GetPluginInfo would.
static void ReadStartupConfig(void) {
  LockSettings();
  OpenSettingsKey(ConfigKey);
  DWORD names = ReadLanguageValue();
  NoUseMenuAtStart = ReadNumber("NoUseMenu");
  NoUseMenuPending = 1;
  UnlockSettings();
  ApplyNamesChoice(names);
}

static DWORD ReadNoUseMenu(void) {
  if (NoUseMenuPending) {
    NoUseMenuPending = 0;
    return NoUseMenuAtStart;
  }
  LockSettings();
  DWORD noUseMenu = OpenSettingsKey(ConfigKey) ? ReadNumber("NoUseMenu") : 0;
  UnlockSettings();
  return noUseMenu;
}

extern "C" BOOL WINAPI DllMain(HINSTANCE Instance, DWORD Reason, LPVOID) {
  if (Reason == DLL_PROCESS_ATTACH)
    ModuleInstance = Instance;
  return TRUE;
}

extern "C" void WINAPI SetStartupInfo(const struct PluginStartupInfo *Info) {
  TakeHostTable(Info);
  LoadPresetTable();
  ReadStartupConfig();
  DialogLibraryReady = BindDialogLibrary(ModuleInstance, HostServices);
  ClockHostFormat[0] = 0;
  QuickFormat[0] = 0;
}

extern "C" void WINAPI GetPluginInfo(struct PluginInfo *Info) {
  if (!Info)
    return;
  Info->StructSize = sizeof(struct PluginInfo);
  Info->Flags = PF_EDITOR | PF_VIEWER;
  PluginMenuString[0] = GetMsgText(MSG_PLUGIN_NAME);
  Info->PluginMenuStrings = PluginMenuString;
  Info->PluginMenuStringsNumber = 1;

  if (ReadNoUseMenu() == 0) {
    Info->PluginConfigStrings = PluginMenuString;
    Info->PluginConfigStringsNumber = 1;
  }
}

// Every format, and the clocks the menu starts, take the names of the
// host's language as it is now.
extern "C" HANDLE WINAPI OpenPlugin(int OpenFrom, int) {
  FollowInterfaceLanguage();
  if (DialogLibraryReady)
    RunMainMenuEntry(ShowMainMenu(0), OpenFrom);
  return INVALID_HANDLE_VALUE;
}

extern "C" int WINAPI Configure(int) {
  FollowInterfaceLanguage();
  // Without the dialog library every settings dialog would read null texts.
  if (!DialogLibraryReady)
    return 0;
  return ShowMainMenu(1) != -1 ? 1 : 0;
}

// The host's last call before it unloads the module: the clock is taken
// off the screen first, so the host finds its screen and title as it left
// them and no thread of the module runs on.
extern "C" void WINAPI ExitFAR(void) {
  // A clock thread that did not end in time may still expand a format:
  // the names and zones stay, a small leak at exit rather than a crash.
  if (EndClockForUnload()) {
    ReleaseLocaleNames();
    ReleaseTimeZones();
  }
}
