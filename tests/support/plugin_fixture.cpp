#include "support/plugin_fixture.h"

#include "hostlink/dialog_binding.h"
#include "hostlink/host_table.h"
#include "plugin/plugin.h"
#include "presets/preset_menu.h"
#include "settings/settings_store.h"

void PluginTest::SetUp() {
  root = ScratchRootKey();
  DeleteRegTree(root);
  PresetDialog = 0;
  PluginStartupInfo info = NewFakeHost(root.c_str());
  SetStartupInfo(&info);
}

void PluginTest::TearDown() {
  if (CurrentKey)
    RegCloseKey(CurrentKey);
  CurrentKey = NULL;
  DeleteRegTree(root);
  DialogLibraryReady = 0;
}

void FakeDialogsTest::SetUp() {
  PluginTest::SetUp();
  InstallFakeDialogs();
}

void MainDialogTest::SetUp() {
  FakeDialogsTest::SetUp();
  dialog = Dialogs.LoadDialogEx(NULL, 0, "HoralisEng.dlg", "Main");
  fake = LastLoaded("Main");
}
