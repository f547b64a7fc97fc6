// The entry points the 3.x host calls by name.
#include <string.h>

#include "datetext/locale_names.h"
#include "datetext/time_zones.h"
#include "horalis_version.h"
#include "plugin3/delivery3.h"
#include "plugin3/host3.h"
#include "plugin3/macro3.h"
#include "plugin3/menu3.h"
#include "plugin3/names3.h"
#include "plugin3/takeover3.h"

// Set at start-up when the 1.60 plugin's settings were taken over; the
// next menu says so, once.
static int TakeoverNotePending;

extern "C" void WINAPI GetGlobalInfoW(struct GlobalInfo *info) {
  static const DWORD version[] = {HORALIS_VERSION_NUMBERS};
  info->StructSize = sizeof *info;
  // 3.0 build 2927, the first stable release of the 3.0 interface: the
  // plugin uses nothing later without checking the record's size first,
  // so older 3.0 hosts are not refused for a build number they lack.
  info->MinFarVersion.Major = FAR3_VERSION_MAJOR;
  info->MinFarVersion.Minor = FAR3_VERSION_MINOR;
  info->MinFarVersion.Revision = FAR3_VERSION_REVISION;
  info->MinFarVersion.Build = 2927;
  info->MinFarVersion.Stage = VS_RELEASE;
  info->Version.Major = version[0];
  info->Version.Minor = version[1];
  info->Version.Revision = version[2];
  info->Version.Build = version[3];
  info->Version.Stage = VS_RELEASE;
  info->Guid = PluginGuid;
  info->Title = L"Horalis";
  info->Description = L"Date and time in the editor, the command line and dialogs";
  info->Author = L"Horalis developers";
}

extern "C" void WINAPI SetStartupInfoW(const struct PluginStartupInfo *info) {
  TakeStartupInfo(info);
  TakeoverNotePending = TakeOverOldSettings();
}

extern "C" void WINAPI GetPluginInfoW(struct PluginInfo *info) {
  static const wchar_t *menuText[1];
  static const GUID menuGuid[1] = {PluginMenuGuid}, configGuid[1] = {ConfigMenuGuid};
  info->StructSize = sizeof *info;
  info->Flags = PF_EDITOR | PF_VIEWER | PF_DIALOG;
  menuText[0] = Msg3(MSG3_PLUGIN_NAME);
  info->PluginMenu.Guids = menuGuid;
  info->PluginMenu.Strings = menuText;
  info->PluginMenu.Count = 1;
  info->PluginConfig.Guids = configGuid;
  info->PluginConfig.Strings = menuText;
  info->PluginConfig.Count = 1;
}

static void SayTakenOver(void) {
  if (TakeoverNotePending) {
    TakeoverNotePending = 0;
    ShowNote3(MSG3_TAKEN_OVER, 0);
  }
}

extern "C" HANDLE WINAPI OpenW(const struct OpenInfo *info) {
  if (!info)
    return NULL;
  // The interface's language may have changed since the last call.
  ApplyNames3();
  if (info->OpenFrom == OPEN_FROMMACRO)
    return RunMacro3((const struct OpenMacroInfo *)info->Data);
  SayTakenOver();
  struct Place3 place = PlaceOfOpen(info);
  RunMainMenu3(&place);
  return NULL;
}

extern "C" intptr_t WINAPI ConfigureW(const struct ConfigureInfo *) {
  ApplyNames3();
  SayTakenOver();
  return RunConfigureMenu3();
}

extern "C" void WINAPI ExitFARW(const struct ExitInfo *) {
  ReleaseLocaleNames();
  ReleaseTimeZones();
}
