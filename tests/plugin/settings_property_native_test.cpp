// Opening a settings dialog and confirming it without an edit must leave the
// registry byte for byte as it was, whatever was stored: every value of the
// dialog's key absent, as it should be, of the wrong type, too long for its
// reader, or cut short without its terminator, in every combination (a fixed
// sample of them where a dialog has too many values for all).
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "plugin/plugin.h"
#include "presets/preset_menu.h"
#include "settings/settings_store.h"
#include "support/fake_dialogs.h"
#include "support/fake_host.h"
#include "support/fresh_process_native.h"
#include "support/test_registry.h"
#include "winsubset_control.h"

namespace {

const char Root[] = "Software\\Far\\Plugins";

enum ValueKind { TEXT_VALUE, NUMBER_VALUE };

struct StoredVariant {
  const char *what;
  DWORD type;
  std::string bytes; // empty with type 0: absent
};

// What a value may hold, for a text and for a number.
const std::vector<StoredVariant> &Variants(ValueKind kind) {
  static const std::vector<StoredVariant> text = {
      {"absent", 0, ""},
      {"a text", REG_SZ, std::string("%d %B \xE0\xFF", 9) + '\0'},
      {"a number", REG_DWORD, std::string("1\0\0\0", 4)},
      {"600 characters", REG_SZ, std::string(600, 't') + '\0'},
      {"no terminator", REG_SZ, "abc"},
  };
  static const std::vector<StoredVariant> number = {
      {"absent", 0, ""},
      {"a number", REG_DWORD, std::string("\x01\x00\x01\x00", 4)},
      {"a text", REG_SZ, std::string("1\0", 2)},
      {"8 bytes", REG_BINARY, std::string("\x01\x01\x01\x01\x01\x01\x01\x01", 8)},
      {"2 bytes", REG_DWORD, std::string("\x01\x00", 2)},
  };
  return kind == TEXT_VALUE ? text : number;
}

struct StoredValueSpec {
  const char *name;
  ValueKind kind;
};

struct SettingsDialog {
  std::string what;
  std::string key; // under the plugin's key
  std::vector<StoredValueSpec> values;
  std::vector<MenuReply> menus;
  std::function<void()> open;
};

std::vector<SettingsDialog> SettingsDialogs() {
  auto configure = [] { Configure(0); };
  const std::vector<StoredValueSpec> quick = {{"Custom", NUMBER_VALUE}, {"Format", TEXT_VALUE}};
  const std::vector<StoredValueSpec> preset = {
      {"Name", TEXT_VALUE}, {"Format", TEXT_VALUE}, {"Mode", NUMBER_VALUE}};
  std::vector<StoredValueSpec> clock = quick;
  for (const char *name : {"Title", "Color", "Pause", "Xcoord", "Ycoord", "SwitchMode", "CtrlOff"})
    clock.push_back({name, NUMBER_VALUE});
  std::vector<SettingsDialog> dialogs = {
      {"\"Auto\"", "Auto", quick, {Enter(0)}, configure},
      {"\"Menu\"", "Menu", quick, {Enter(1)}, configure},
      {"the clock indicator's", "Indicator", clock, {Enter(2)}, configure},
      {"the calendar format", "Format11", preset, {Enter(3)}, configure},
  };
  for (int slot = 1; slot < PRESET_SLOTS; slot++)
    dialogs.push_back({"F4 on preset " + std::to_string(slot),
                       "Format" + std::to_string(slot),
                       preset,
                       {Enter(1), BreakKey(slot, PRESET_KEY_EDIT), Esc()},
                       [] { OpenPlugin(OPEN_EDITOR, 0); }});
  return dialogs;
}

// A stored state: for each of the dialog's values, which variant it holds.
typedef std::vector<int> StoredState;

// Every combination while there are at most 625; beyond, each value in
// each variant at once, then a fixed pseudo-random sample of the rest.
std::vector<StoredState> StatesOf(const SettingsDialog &dialog) {
  const size_t values = dialog.values.size(), variants = 5, most = 625;
  size_t combinations = 1;
  for (size_t i = 0; i < values && combinations <= most; i++)
    combinations *= variants;
  std::vector<StoredState> states;
  if (combinations <= most) {
    for (size_t number = 0; number < combinations; number++) {
      StoredState state;
      for (size_t i = 0, rest = number; i < values; i++, rest /= variants)
        state.push_back((int)(rest % variants));
      states.push_back(state);
    }
    return states;
  }
  for (size_t variant = 0; variant < variants; variant++)
    states.push_back(StoredState(values, (int)variant));
  unsigned seed = 12345;
  while (states.size() < most) {
    StoredState state;
    for (size_t i = 0; i < values; i++) {
      seed = seed * 1103515245u + 12345u;
      state.push_back((int)((seed >> 16) % variants));
    }
    states.push_back(state);
  }
  return states;
}

// Stores the state under the dialog's key and names it.
std::string StoreState(const SettingsDialog &dialog, const StoredState &state) {
  std::string path = std::string(Root) + "\\Horalis\\" + dialog.key, named;
  HKEY key;
  RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL);
  for (size_t i = 0; i < dialog.values.size(); i++) {
    const StoredValueSpec &value = dialog.values[i];
    const StoredVariant &variant = Variants(value.kind)[state[i]];
    if (variant.type)
      RegSetValueExA(key, value.name, 0, variant.type, (const BYTE *)variant.bytes.data(),
                     (DWORD)variant.bytes.size());
    named += std::string(named.empty() ? "" : ", ") + value.name + " " + variant.what;
  }
  RegCloseKey(key);
  return named;
}

} // namespace

TEST(SettingsProperty, ConfirmingWithoutAnEditLeavesTheRegistryByteIdentical) {
  int runs = 0;
  for (const SettingsDialog &dialog : SettingsDialogs()) {
    for (const StoredState &state : StatesOf(dialog)) {
      StartFreshProcess();
      std::string stored = StoreState(dialog, state);
      int shown = 0;
      ScriptHost(Root, true, dialog.menus, {[&shown](FakeDialog &) {
                   shown++;
                   return 0; // confirmed as it stands
                 }});
      std::string before = RegistryDump();
      dialog.open();
      EXPECT_EQ(1, shown) << dialog.what << " was shown";
      EXPECT_EQ(before, RegistryDump()) << dialog.what << " confirmed over " << stored;
      runs++;
    }
  }
  printf("settings property: %d stored states confirmed\n", runs);
  EndFreshProcess();
}
