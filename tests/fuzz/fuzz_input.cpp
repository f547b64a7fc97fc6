#include "fuzz_input.h"

#include "hostlink/host_table.h"
#include "settings/settings_store.h"
#include "support/fake_host.h"
#include "winsubset_control.h"

const char FuzzRootKey[] = "Software\\Far\\Plugins";

uint8_t TakeByte(FuzzInput *in) {
  if (!in->size)
    return 0;
  in->size--;
  return *in->data++;
}

uint32_t TakeNumber(FuzzInput *in) {
  uint32_t number = 0;
  for (int i = 0; i < 4; i++)
    number |= (uint32_t)TakeByte(in) << (8 * i);
  return number;
}

const uint8_t *TakeBytes(FuzzInput *in, size_t limit, size_t *length) {
  const uint8_t *start = in->data;
  *length = limit < in->size ? limit : in->size;
  in->data += *length;
  in->size -= *length;
  return start;
}

void StoreFuzzedValue(HKEY key, const char *name, FuzzInput *in) {
  uint8_t kind = TakeByte(in);
  if (kind % 5 == 0)
    return; // absent
  static const DWORD types[] = {REG_SZ, REG_DWORD, REG_BINARY, REG_SZ};
  DWORD type = kind % 5 == 4 ? TakeNumber(in) : types[kind % 5 - 1];
  // Lengths around every reader's limit: 4, 70 and 512.
  size_t wanted = (TakeByte(in) | (size_t)TakeByte(in) << 8) % 1100;
  size_t length;
  const uint8_t *bytes = TakeBytes(in, wanted, &length);
  RegSetValueExA(key, name, 0, type, bytes, (DWORD)length);
}

void StartPluginAfresh(void) {
  WinSubset_Reset();
  CurrentKey = NULL; // the reset closed every handle
  PluginStartupInfo info = NewFakeHost(FuzzRootKey);
  TakeHostTable(&info);
}
