#include "plugin3/settings3.h"

#include <string.h>

#include "plugin3/host3.h"

HANDLE OpenSettings3(void) {
  if (!Far.SettingsControl)
    return NULL;
  struct FarSettingsCreate create;
  memset(&create, 0, sizeof create);
  create.StructSize = sizeof create;
  create.Guid = PluginGuid;
  if (!Far.SettingsControl(INVALID_HANDLE_VALUE, SCTL_CREATE, PSL_ROAMING, &create))
    return NULL;
  return create.Handle;
}

void CloseSettings3(HANDLE settings) {
  if (settings && Far.SettingsControl)
    Far.SettingsControl(settings, SCTL_FREE, 0, NULL);
}

size_t SettingsKey3(HANDLE settings, size_t parent, const wchar_t *name, int create) {
  if (!settings || parent == NO_KEY3)
    return NO_KEY3;
  struct FarSettingsValue value = {sizeof value, parent, name};
  size_t key = (size_t)Far.SettingsControl(settings, create ? SCTL_CREATESUBKEY : SCTL_OPENSUBKEY,
                                           0, &value);
  return key ? key : NO_KEY3;
}

static void StartItem(struct FarSettingsItem *item, size_t key, const wchar_t *name,
                      enum FARSETTINGSTYPES type) {
  memset(item, 0, sizeof *item);
  item->StructSize = sizeof *item;
  item->Root = key;
  item->Name = name;
  item->Type = type;
}

// A value of the given type, read into item; 0 when it cannot be had.
static int GetItem(HANDLE settings, size_t key, const wchar_t *name, enum FARSETTINGSTYPES type,
                   struct FarSettingsItem *item) {
  StartItem(item, key, name, type);
  return settings && key != NO_KEY3 && Far.SettingsControl(settings, SCTL_GET, 0, item) != 0;
}

unsigned long long ReadNumber3(HANDLE settings, size_t key, const wchar_t *name,
                               unsigned long long missing) {
  struct FarSettingsItem item;
  return GetItem(settings, key, name, FST_QWORD, &item) ? item.Number : missing;
}

void ReadText3(HANDLE settings, size_t key, const wchar_t *name, wchar_t *text, size_t size) {
  if (!size)
    return;
  text[0] = 0;
  struct FarSettingsItem item;
  if (!GetItem(settings, key, name, FST_STRING, &item) || !item.String)
    return;
  size_t length = wcslen(item.String);
  if (length < size)
    memcpy(text, item.String, (length + 1) * sizeof(wchar_t));
}

static int SetItem(HANDLE settings, struct FarSettingsItem *item) {
  return settings && item->Root != NO_KEY3 && Far.SettingsControl(settings, SCTL_SET, 0, item) != 0;
}

int WriteNumber3(HANDLE settings, size_t key, const wchar_t *name, unsigned long long value) {
  struct FarSettingsItem item;
  StartItem(&item, key, name, FST_QWORD);
  item.Number = value;
  return SetItem(settings, &item);
}

int WriteText3(HANDLE settings, size_t key, const wchar_t *name, const wchar_t *text) {
  struct FarSettingsItem item;
  StartItem(&item, key, name, FST_STRING);
  item.String = text;
  return SetItem(settings, &item);
}

int WriteData3(HANDLE settings, size_t key, const wchar_t *name, const void *data, size_t size) {
  struct FarSettingsItem item;
  StartItem(&item, key, name, FST_DATA);
  item.Data.Size = size;
  item.Data.Data = data;
  return SetItem(settings, &item);
}
