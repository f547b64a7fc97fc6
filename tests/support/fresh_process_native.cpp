#include "support/fresh_process_native.h"

#include <stdlib.h>

#include "hostlink/module_state.h"
#include "indicator/clock_indicator.h"
#include "plugin/plugin.h"
#include "presets/preset_menu.h"
#include "settings/settings_store.h"
#include "winsubset_control.h"

void StartFreshProcess() {
  WinSubset_Reset();
  CurrentKey = NULL; // the reset closed every handle
  PresetDialog = 0;
  ClockRunning.store(0);
  ClockStopRequest.store(0);
  ClockSwitchMode.store(0);
}

void ScriptHost(const char *root, bool startUp, const std::vector<MenuReply> &menus,
                const std::vector<Person> &people) {
  PluginStartupInfo info = NewFakeHost(root);
  if (startUp)
    SetStartupInfo(&info);
  InstallFakeDialogs();
  Host().menuReplies.assign(menus.begin(), menus.end());
  FakeDialogs().people.assign(people.begin(), people.end());
}

std::string RegistryDump() {
  char *dump = WinSubset_DumpRegistry();
  std::string text = dump ? dump : "";
  free(dump);
  return text;
}

void EndFreshProcess() {
  StartFreshProcess();
  DialogLibraryReady = 0;
}
