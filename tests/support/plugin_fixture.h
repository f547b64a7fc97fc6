// A fresh plugin for each test: a scripted host handed over through
// SetStartupInfo, settings under a scratch key, and no dialog library
// unless the test installs the fake one.
#ifndef HORALIS_TESTS_PLUGIN_FIXTURE_H
#define HORALIS_TESTS_PLUGIN_FIXTURE_H

#include <gtest/gtest.h>

#include <string>

#include "support/fake_dialogs.h"
#include "support/fake_host.h"
#include "support/test_registry.h"

class PluginTest : public ::testing::Test {
protected:
  void SetUp() override;
  void TearDown() override;
  // The path of a key under the plugin's own key: Key("Auto").
  std::string Key(const std::string &name) const { return root + "\\Horalis\\" + name; }
  void StorePreset(int slot, const std::string &name, const std::string &format, DWORD mode) {
    PutPreset(Key("Format" + std::to_string(slot)), name, format, mode);
  }
  std::string root;
};

// The same bound to the fake dialog library.
class FakeDialogsTest : public PluginTest {
protected:
  void SetUp() override;
};

// The same with the presets' "Main" dialog loaded from it.
class MainDialogTest : public FakeDialogsTest {
protected:
  void SetUp() override;
  DialogHandle dialog = 0;
  FakeDialog *fake = nullptr;
};

#endif
