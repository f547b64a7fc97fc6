// The entry points the host calls by name.
#include <string.h>

#include "datetext/date_text.h"
#include "datetext/locale_names.h"
#include "datetext/time_zones.h"
#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "indicator/clock_indicator.h"
#include "plugin/plugin.h"
#include "presets/preset_menu.h"
#include "presets/quick_format_settings.h"
#include "settings/settings_store.h"

char QuickFormat[FORMAT_SIZE];

static const char *PluginMenuString[1];

extern "C" BOOL WINAPI DllMain(HINSTANCE Instance, DWORD Reason, LPVOID) {
  if (Reason == DLL_PROCESS_ATTACH)
    ModuleInstance = Instance;
  return TRUE;
}

extern "C" void WINAPI SetStartupInfo(const struct PluginStartupInfo *Info) {
  TakeHostTable(Info);
  LoadPresetTable();
  ReadLanguageSetting();
  DialogLibraryReady = BindDialogLibrary(ModuleInstance, HostServices);
  IndicatorFormat[0] = 0;
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

  LockSettings();
  DWORD noUseMenu = OpenSettingsKey("Config") ? ReadNumber("NoUseMenu") : 0;
  UnlockSettings();
  if (noUseMenu == 0) {
    Info->PluginConfigStrings = PluginMenuString;
    Info->PluginConfigStringsNumber = 1;
  }
}

extern "C" HANDLE WINAPI OpenPlugin(int OpenFrom, int) {
  if (DialogLibraryReady)
    RunMainMenuEntry(ShowMainMenu(0), OpenFrom);
  return INVALID_HANDLE_VALUE;
}

extern "C" int WINAPI Configure(int) {
  // Without the dialog library every settings dialog would read null texts.
  if (!DialogLibraryReady)
    return 0;
  return ShowMainMenu(1) != -1 ? 1 : 0;
}

// The host's last call before it unloads the module: the clock is taken
// off the screen first, so the host finds its screen and title as it left
// them and no thread of the module runs on.
extern "C" void WINAPI ExitFAR(void) {
  EndClockForUnload();
  ReleaseLocaleNames();
  ReleaseTimeZones();
}
