/* libFuzzer target: the presets menu built from any stored presets (every
   slot's "Name", "Format" and "Mode", and the "Menu" settings that give the
   free-format line its format). Every line ends inside its item. */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "fuzz_input.h"
#include "presets/preset_menu.h"
#include "settings/settings_store.h"

static void StoreKey(const char *name, const char *const *values, int count, FuzzInput *in) {
  if (TakeByte(in) % 8 == 0)
    return; // no key at all
  char path[128];
  snprintf(path, sizeof path, "%s\\Horalis\\%s", FuzzRootKey, name);
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, path, 0, NULL, 0, KEY_ALL_ACCESS, NULL, &key, NULL) !=
      ERROR_SUCCESS)
    return;
  for (int i = 0; i < count; i++)
    StoreFuzzedValue(key, values[i], in);
  RegCloseKey(key);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
  FuzzInput in = {Data, Size};
  StartPluginAfresh();
  static const char *const presetValues[] = {"Name", "Format", "Mode"};
  static const char *const menuValues[] = {"Custom", "Format"};
  StoreKey("Menu", menuValues, 2, &in);
  for (int slot = 0; slot < PRESET_SLOTS && in.size; slot++) {
    char name[16];
    snprintf(name, sizeof name, "Format%d", slot);
    StoreKey(name, presetValues, 3, &in);
  }
  BuildPresetMenu(LoadPresetTable());
  for (int slot = 0; slot < PRESET_SLOTS; slot++) {
    const FarMenuItem &item = PresetMenuItems[slot];
    if (!memchr(item.Text, 0, sizeof item.Text))
      abort();
    const PresetTableEntry &entry = PresetTable[slot];
    if (entry.Name && strlen(entry.Name) >= PRESET_TEXT_SIZE)
      abort();
  }
  int breakCode;
  ShowPresetMenu(&breakCode);
  return 0;
}
