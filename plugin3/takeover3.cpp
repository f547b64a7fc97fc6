#include "plugin3/takeover3.h"

#include <string.h>

#include "plugin3/host3.h"
#include "plugin3/settings3.h"

// The 1.60 plugin's key under the 3.x host's own registry root.
static const char OldKeyPath[] = "Software\\Far Manager\\Plugins\\Horalis";
// At the top of our settings: the takeover was looked for already.
static const wchar_t TakenOverValue[] = L"TakenOver160";

enum { NAME_SIZE = 256, VALUE_SIZE = 4096, KEY_DEPTH = 4 };

// The 1.60 plugin wrote its texts in the OEM code page; a text is read as
// the bytes it wrote, and may lack its terminator.
static void CopyValue(HANDLE settings, size_t key, const wchar_t *name, DWORD type, BYTE *data,
                      DWORD size) {
  static wchar_t text[VALUE_SIZE];
  if (type == REG_DWORD && size == sizeof(DWORD)) {
    DWORD number;
    memcpy(&number, data, sizeof number);
    WriteNumber3(settings, key, name, number);
  } else if (type == REG_SZ || type == REG_EXPAND_SZ) {
    data[size < VALUE_SIZE ? size : VALUE_SIZE - 1] = 0;
    if (MultiByteToWideChar(CP_OEMCP, 0, (const char *)data, -1, text, VALUE_SIZE) <= 0)
      text[0] = 0;
    WriteText3(settings, key, name, text);
  } else {
    WriteData3(settings, key, name, data, size);
  }
}

static void CopyValues(HKEY from, HANDLE settings, size_t key) {
  static BYTE data[VALUE_SIZE + 1];
  for (DWORD index = 0;; index++) {
    char name[NAME_SIZE];
    wchar_t wideName[NAME_SIZE];
    DWORD nameSize = sizeof name, dataSize = VALUE_SIZE, type = 0;
    LONG result = RegEnumValueA(from, index, name, &nameSize, NULL, &type, data, &dataSize);
    if (result == ERROR_NO_MORE_ITEMS)
      return;
    // A value too big for any setting of ours is no setting of ours.
    if (result != ERROR_SUCCESS)
      continue;
    if (MultiByteToWideChar(CP_ACP, 0, name, -1, wideName, NAME_SIZE) > 0)
      CopyValue(settings, key, wideName, type, data, dataSize);
  }
}

static void CopyKey(HKEY from, HANDLE settings, size_t key, int depth) {
  CopyValues(from, settings, key);
  for (DWORD index = 0; depth < KEY_DEPTH; index++) {
    char name[NAME_SIZE];
    wchar_t wideName[NAME_SIZE];
    DWORD nameSize = sizeof name;
    LONG result = RegEnumKeyExA(from, index, name, &nameSize, NULL, NULL, NULL, NULL);
    if (result == ERROR_NO_MORE_ITEMS)
      return;
    HKEY sub;
    if (result != ERROR_SUCCESS ||
        MultiByteToWideChar(CP_ACP, 0, name, -1, wideName, NAME_SIZE) <= 0 ||
        RegOpenKeyExA(from, name, 0, KEY_READ, &sub) != ERROR_SUCCESS)
      continue;
    CopyKey(sub, settings, SettingsKey3(settings, key, wideName, 1), depth + 1);
    RegCloseKey(sub);
  }
}

int TakeOverOldSettings(void) {
  HANDLE settings = OpenSettings3();
  if (!settings)
    return 0;
  int taken = 0;
  if (!ReadNumber3(settings, FSSF_ROOT, TakenOverValue, 0)) {
    HKEY old;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, OldKeyPath, 0, KEY_READ, &old) == ERROR_SUCCESS) {
      CopyKey(old, settings, FSSF_ROOT, 0);
      RegCloseKey(old);
      taken = 1;
    }
    // Without a 1.60 key there is nothing to take, now or later.
    WriteNumber3(settings, FSSF_ROOT, TakenOverValue, 1);
  }
  CloseSettings3(settings);
  return taken;
}
