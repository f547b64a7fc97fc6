/* libFuzzer target: the settings store's readers over stored values of any
   type, size and termination, into buffers of any size. A text read is
   always terminated inside its buffer; nothing is written past one. */
#include <stdlib.h>
#include <string.h>

#include "fuzz_input.h"
#include "settings/settings_store.h"

static void ReadIntoExactBuffer(const char *name, int size, int asText) {
  char *buffer = (char *)malloc((size_t)size);
  if (asText) {
    if (ReadText(name, buffer, size) == ERROR_SUCCESS ? !memchr(buffer, 0, (size_t)size)
                                                      : buffer[0] != 0)
      abort();
  } else if (ReadValue(name, buffer, size) != ERROR_SUCCESS && buffer[0] != 0) {
    abort();
  }
  free(buffer);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *Data, size_t Size) {
  FuzzInput in = {Data, Size};
  StartPluginAfresh();
  static const char *const names[] = {"Name", "Format", "Mode"};
  LockSettings();
  HKEY key = OpenPresetKey(1);
  for (const char *name : names)
    StoreFuzzedValue(key, name, &in);
  for (const char *name : names) {
    uint8_t choice = TakeByte(&in);
    static const int sizes[] = {1, 4, 70, 512};
    int size = choice & 0x80 ? (choice & 0x7F) + 1 : sizes[choice % 4];
    ReadIntoExactBuffer(name, size, choice & 0x40);
    ReadNumber(name);
  }
  UnlockSettings();
  struct FormatPreset *preset = (struct FormatPreset *)malloc(sizeof *preset);
  memset(preset, 'x', sizeof *preset);
  ReadPreset(preset, 1);
  if (!memchr(preset->Name, 0, sizeof preset->Name) ||
      !memchr(preset->Format, 0, sizeof preset->Format))
    abort();
  free(preset);
  return 0;
}
