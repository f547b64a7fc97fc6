#include "settings/settings_store.h"

#include <string.h>

#include "hostlink/format_text.h"
#include "hostlink/host_table.h"

const char ConfigKey[] = "Config", NameValue[] = "Name", FormatValue[] = "Format",
           ModeValue[] = "Mode", CustomValue[] = "Custom";

HKEY CurrentKey;
// Why no key is current: the failed open's result, or that none was opened.
static LONG CurrentKeyError = ERROR_INVALID_HANDLE;

static volatile LONG SettingsLock;

void LockSettings(void) {
  while (InterlockedCompareExchange(&SettingsLock, 1, 0) != 0)
    Sleep(0);
}

void UnlockSettings(void) { InterlockedExchange(&SettingsLock, 0); }

// The path below the root key. One that does not fit is refused, never
// cut: a cut path names another key, and settings would go there.
static int ComposePresetPath(char *path, int slot) {
  int length = FormatText(path, KEY_PATH_SIZE, "%s\\Format%d", "Horalis", slot);
  return length > 0 && length < KEY_PATH_SIZE;
}

static int ComposeSettingsPath(char *path, const char *name) {
  if (!name)
    return 0;
  int length = FormatText(path, KEY_PATH_SIZE, "%s\\%s", "Horalis", name);
  return length > 0 && length < KEY_PATH_SIZE;
}

static LONG OpenKeyBelow(HKEY parent, const char *path, HKEY *key, int create) {
  DWORD disposition = 0;
  return create ? RegCreateKeyExA(parent, path, 0, NULL, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                                  NULL, key, &disposition)
                : RegOpenKeyExA(parent, path, 0, KEY_ALL_ACCESS, key);
}

// The root and the path below it in one call when they fit the system's A
// calls, which take 260 characters at most; a longer root (it may have 255
// on its own) is opened first, then the path below it, at twice the calls.
static LONG OpenBelowRoot(const char *path, HKEY *key, int create) {
  if (!RootKeyCopy[0])
    return ERROR_BADKEY;
  char full[MAX_PATH];
  int length = path ? FormatText(full, sizeof full, "%s\\%s", RootKeyCopy, path) : -1;
  if (length > 0 && length < (int)sizeof full)
    return OpenKeyBelow(HKEY_CURRENT_USER, full, key, create);
  HKEY root = NULL;
  LONG result = OpenKeyBelow(HKEY_CURRENT_USER, RootKeyCopy, &root, create);
  if (result != ERROR_SUCCESS)
    return result;
  if (!path) // only the root, for a delete below it
    *key = root;
  else {
    result = OpenKeyBelow(root, path, key, create);
    RegCloseKey(root);
  }
  return result;
}

static void CloseCurrentKey(void) {
  if (CurrentKey)
    RegCloseKey(CurrentKey);
  CurrentKey = NULL;
  CurrentKeyError = ERROR_INVALID_HANDLE;
}

static LONG CreateKey(const char *path, HKEY *key) { return OpenBelowRoot(path, key, 1); }

static LONG OpenKey(const char *path, HKEY *key) { return OpenBelowRoot(path, key, 0); }

// Every open closes the key before it, whether or not the new one opens.
static HKEY MakeCurrent(int composed, const char *path, LONG (*open)(const char *, HKEY *)) {
  CloseCurrentKey();
  HKEY key = NULL;
  LONG result = composed ? open(path, &key) : ERROR_BADKEY;
  if (result == ERROR_SUCCESS && key)
    CurrentKey = key;
  else
    CurrentKeyError = result != ERROR_SUCCESS ? result : ERROR_INVALID_HANDLE;
  return CurrentKey;
}

HKEY OpenPresetKey(int slot) {
  char path[KEY_PATH_SIZE];
  return MakeCurrent(ComposePresetPath(path, slot), path, CreateKey);
}

HKEY OpenExistingPresetKey(int slot) {
  char path[KEY_PATH_SIZE];
  return MakeCurrent(ComposePresetPath(path, slot), path, OpenKey);
}

HKEY OpenSettingsKey(const char *name) {
  char path[KEY_PATH_SIZE];
  return MakeCurrent(ComposeSettingsPath(path, name), path, CreateKey);
}

HKEY OpenExistingSettingsKey(const char *name) {
  char path[KEY_PATH_SIZE];
  return MakeCurrent(ComposeSettingsPath(path, name), path, OpenKey);
}

int PresetSlotIsFree(int slot) {
  char path[KEY_PATH_SIZE];
  CloseCurrentKey();
  if (!ComposePresetPath(path, slot))
    return 0;
  HKEY key = NULL;
  LONG opened = OpenKey(path, &key);
  if (opened != ERROR_SUCCESS)
    return opened == ERROR_FILE_NOT_FOUND;
  LONG named = RegQueryValueExA(key, NameValue, NULL, NULL, NULL, NULL);
  RegCloseKey(key);
  return named == ERROR_FILE_NOT_FOUND;
}

LONG DeletePresetKey(int slot) {
  char path[KEY_PATH_SIZE];
  CloseCurrentKey();
  HKEY root = NULL;
  if (!ComposePresetPath(path, slot))
    return ERROR_BADKEY;
  LONG result = OpenBelowRoot(NULL, &root, 0);
  if (result != ERROR_SUCCESS)
    return result;
  result = RegDeleteKeyA(root, path);
  RegCloseKey(root);
  return result;
}

// The stored type is not compared with what the caller expects: the bytes
// are taken as stored.
static LONG QueryCurrentKey(const char *name, void *buffer, DWORD *length) {
  DWORD type = 0;
  if (!CurrentKey)
    return ERROR_INVALID_HANDLE;
  return RegQueryValueExA(CurrentKey, name, NULL, &type, (LPBYTE)buffer, length);
}

LONG ReadValue(const char *name, void *buffer, int size) {
  if (!buffer || size <= 0)
    return ERROR_INVALID_PARAMETER;
  DWORD length = (DWORD)size;
  LONG result = QueryCurrentKey(name, buffer, &length);
  if (result != ERROR_SUCCESS)
    *(char *)buffer = 0;
  return result;
}

LONG ReadText(const char *name, char *buffer, int size) {
  if (!buffer || size <= 0)
    return ERROR_INVALID_PARAMETER;
  DWORD length = (DWORD)size;
  LONG result = QueryCurrentKey(name, buffer, &length);
  if (result == ERROR_SUCCESS && length > (DWORD)size)
    result = ERROR_MORE_DATA;
  // Whatever was stored (no terminator, binary bytes), the caller gets a
  // terminated text inside its buffer; one that cannot have its terminator
  // reads as empty, like any other value too long for the buffer.
  if (result == ERROR_SUCCESS && !memchr(buffer, 0, length)) {
    if (length < (DWORD)size)
      buffer[length] = 0;
    else
      result = ERROR_MORE_DATA;
  }
  if (result != ERROR_SUCCESS)
    buffer[0] = 0;
  return result;
}

DWORD ReadNumberOr(const char *name, DWORD missing) {
  DWORD number = 0;
  if (ReadValue(name, &number, sizeof number) != ERROR_SUCCESS)
    return missing;
  return number;
}

DWORD ReadNumber(const char *name) { return ReadNumberOr(name, 0); }

LONG WriteValue(const char *name, const void *data, int type) {
  DWORD length;
  if (type == REG_SZ)
    length = data ? (DWORD)strlen((const char *)data) + 1 : 0;
  else if (type == REG_DWORD)
    length = sizeof(DWORD);
  else
    return ERROR_SUCCESS;
  if (!data)
    return ERROR_INVALID_PARAMETER;
  if (!CurrentKey)
    return CurrentKeyError;
  return RegSetValueExA(CurrentKey, name, 0, (DWORD)type, (const BYTE *)data, length);
}

LONG FirstFailure(LONG sofar, LONG next) { return sofar != ERROR_SUCCESS ? sofar : next; }

void ReadPreset(struct FormatPreset *preset, int slot) {
  if (!preset)
    return;
  LockSettings();
  OpenPresetKey(slot);
  ReadText(NameValue, preset->Name, sizeof preset->Name);
  ReadText(FormatValue, preset->Format, sizeof preset->Format);
  preset->Mode = ReadNumber(ModeValue);
  UnlockSettings();
}

DWORD PackPresetMode(int quickInsert, int viewOnly, int atCursor) {
  return ((DWORD)(quickInsert != 0) << MODE_QUICK_INSERT_SHIFT) |
         ((DWORD)(viewOnly != 0) << MODE_VIEW_ONLY_SHIFT) |
         ((DWORD)(atCursor != 0) << MODE_AT_CURSOR_SHIFT);
}

int PresetModeQuickInsert(DWORD mode) { return ((mode >> MODE_QUICK_INSERT_SHIFT) & 0xFF) != 0; }
int PresetModeViewOnly(DWORD mode) { return ((mode >> MODE_VIEW_ONLY_SHIFT) & 0xFF) != 0; }
int PresetModeAtCursor(DWORD mode) { return ((mode >> MODE_AT_CURSOR_SHIFT) & 0xFF) != 0; }
int PresetModeWeekNumbers(DWORD mode) { return (mode >> MODE_WEEK_NUMBERS_SHIFT) != 0; }
