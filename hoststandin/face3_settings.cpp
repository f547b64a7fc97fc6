/* SettingsControl: the stand-in keeps each 3.x plugin's settings in the
   registry, under HKCU\<the run's settings root>\Far3\<plugin GUID>, so
   they last from one run to the next as the host's own store does (and
   a scratch root takes them away with it). Roots are numbers: 0 the
   plugin's key, each subkey opened or created the next. Texts and data
   SCTL_GET and SCTL_ENUM return are the host's, kept until SCTL_FREE. */
#include "face3_plugins.h"
#include "host_log.h"

#include <deque>
#include <string>
#include <vector>

namespace {

enum { MAX_STORES = 16, MAX_ROOTS = 256 };

struct Store {
  std::vector<HKEY> Keys;          /* by root number */
  std::vector<std::wstring> Paths; /* HKCU-relative, by root number */
  std::deque<std::wstring> Texts;  /* what GET and ENUM returned */
  std::deque<std::string> Data;
  std::deque<std::vector<FarSettingsName>> Lists;
};

Store *Stores[MAX_STORES];

Store *Find(HANDLE handle) {
  for (Store *store : Stores)
    if (store && (HANDLE)store == handle)
      return store;
  return nullptr;
}

HKEY RootKey(Store *store, size_t root) {
  return root < store->Keys.size() ? store->Keys[root] : nullptr;
}

intptr_t Create(FarSettingsCreate *create) {
  if (!create || create->StructSize < sizeof *create)
    return FALSE;
  char guid[48];
  Face3GuidText(&create->Guid, guid, sizeof guid);
  wchar_t path[600];
  swprintf(path, 600, L"%hs\\Far3\\%hs", Face3SettingsRoot(), guid);
  HKEY key;
  int slot = 0;
  while (slot < MAX_STORES && Stores[slot])
    ++slot;
  if (slot == MAX_STORES || RegCreateKeyExW(HKEY_CURRENT_USER, path, 0, nullptr, 0, KEY_ALL_ACCESS,
                                            nullptr, &key, nullptr) != ERROR_SUCCESS) {
    HostLog("SettingsControl SCTL_CREATE %s -> 0", guid);
    return FALSE;
  }
  Store *store = new Store;
  store->Keys.push_back(key);
  store->Paths.push_back(path);
  Stores[slot] = store;
  create->Handle = (HANDLE)store;
  HostLog("SettingsControl SCTL_CREATE %s -> 1", guid);
  return TRUE;
}

void Free(Store *store) {
  for (HKEY key : store->Keys)
    if (key)
      RegCloseKey(key);
  for (Store *&slot : Stores)
    if (slot == store)
      slot = nullptr;
  delete store;
}

intptr_t Set(Store *store, const FarSettingsItem *item) {
  HKEY key = item && item->Name ? RootKey(store, item->Root) : nullptr;
  if (!key)
    return FALSE;
  LONG result = ERROR_INVALID_PARAMETER;
  if (item->Type == FST_QWORD)
    result = RegSetValueExW(key, item->Name, 0, REG_QWORD, (const BYTE *)&item->Number, 8);
  else if (item->Type == FST_STRING && item->String)
    result = RegSetValueExW(key, item->Name, 0, REG_SZ, (const BYTE *)item->String,
                            (DWORD)((wcslen(item->String) + 1) * sizeof(wchar_t)));
  else if (item->Type == FST_DATA && (item->Data.Data || !item->Data.Size))
    result = RegSetValueExW(key, item->Name, 0, REG_BINARY, (const BYTE *)item->Data.Data,
                            (DWORD)item->Data.Size);
  return result == ERROR_SUCCESS;
}

intptr_t Get(Store *store, FarSettingsItem *item) {
  HKEY key = item && item->Name ? RootKey(store, item->Root) : nullptr;
  DWORD type = 0, size = 0;
  if (!key || RegQueryValueExW(key, item->Name, nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
    return FALSE;
  std::string bytes(size + 2, '\0');
  if (RegQueryValueExW(key, item->Name, nullptr, &type, (BYTE *)&bytes[0], &size) != ERROR_SUCCESS)
    return FALSE;
  if (item->Type == FST_QWORD && type == REG_QWORD && size == 8) {
    memcpy(&item->Number, bytes.data(), 8);
    return TRUE;
  }
  if (item->Type == FST_STRING && type == REG_SZ) {
    store->Texts.push_back(std::wstring((const wchar_t *)bytes.data(), size / sizeof(wchar_t)));
    store->Texts.back().resize(wcslen(store->Texts.back().c_str()));
    item->String = store->Texts.back().c_str();
    return TRUE;
  }
  if (item->Type == FST_DATA && type == REG_BINARY) {
    store->Data.push_back(bytes.substr(0, size));
    item->Data.Size = size;
    item->Data.Data = store->Data.back().data();
    return TRUE;
  }
  return FALSE;
}

FARSETTINGSTYPES TypeOf(DWORD type) {
  return type == REG_QWORD    ? FST_QWORD
         : type == REG_SZ     ? FST_STRING
         : type == REG_BINARY ? FST_DATA
                              : FST_UNKNOWN;
}

intptr_t Enum(Store *store, FarSettingsEnum *list) {
  HKEY key = list ? RootKey(store, list->Root) : nullptr;
  if (!key)
    return FALSE;
  store->Lists.emplace_back();
  std::vector<FarSettingsName> &names = store->Lists.back();
  wchar_t name[256];
  for (DWORD i = 0;; ++i) {
    DWORD length = 256;
    if (RegEnumKeyExW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    store->Texts.push_back(name);
    names.push_back({store->Texts.back().c_str(), FST_SUBKEY});
  }
  for (DWORD i = 0;; ++i) {
    DWORD length = 256, type = 0;
    if (RegEnumValueW(key, i, name, &length, nullptr, &type, nullptr, nullptr) != ERROR_SUCCESS)
      break;
    store->Texts.push_back(name);
    names.push_back({store->Texts.back().c_str(), TypeOf(type)});
  }
  list->Count = names.size();
  list->Items = names.empty() ? nullptr : names.data();
  return TRUE;
}

intptr_t Delete(Store *store, const FarSettingsValue *value) {
  HKEY key = value ? RootKey(store, value->Root) : nullptr;
  if (!key)
    return FALSE;
  if (!value->Value)
    return RegDeleteTreeW(HKEY_CURRENT_USER, store->Paths[value->Root].c_str()) == ERROR_SUCCESS;
  if (RegDeleteValueW(key, value->Value) == ERROR_SUCCESS)
    return TRUE;
  return RegDeleteTreeW(key, value->Value) == ERROR_SUCCESS;
}

intptr_t Subkey(Store *store, const FarSettingsValue *value, int create) {
  HKEY parent = value && value->Value ? RootKey(store, value->Root) : nullptr;
  HKEY key = nullptr;
  if (!parent || store->Keys.size() >= MAX_ROOTS)
    return 0;
  LONG result = create ? RegCreateKeyExW(parent, value->Value, 0, nullptr, 0, KEY_ALL_ACCESS,
                                         nullptr, &key, nullptr)
                       : RegOpenKeyExW(parent, value->Value, 0, KEY_ALL_ACCESS, &key);
  if (result != ERROR_SUCCESS)
    return 0;
  store->Keys.push_back(key);
  store->Paths.push_back(store->Paths[value->Root] + L"\\" + value->Value);
  return (intptr_t)(store->Keys.size() - 1);
}

intptr_t Run(Store *store, FAR_SETTINGS_CONTROL_COMMANDS command, void *param2) {
  switch (command) {
  case SCTL_SET:
    return Set(store, (const FarSettingsItem *)param2);
  case SCTL_GET:
    return Get(store, (FarSettingsItem *)param2);
  case SCTL_ENUM:
    return Enum(store, (FarSettingsEnum *)param2);
  case SCTL_DELETE:
    return Delete(store, (const FarSettingsValue *)param2);
  case SCTL_CREATESUBKEY:
  case SCTL_OPENSUBKEY:
    return Subkey(store, (const FarSettingsValue *)param2, command == SCTL_CREATESUBKEY);
  default:
    return FALSE;
  }
}

} // namespace

intptr_t WINAPI Face3SettingsControl(HANDLE handle, enum FAR_SETTINGS_CONTROL_COMMANDS command,
                                     intptr_t, void *param2) {
  if (command == SCTL_CREATE)
    return Create((FarSettingsCreate *)param2);
  Store *store = Find(handle);
  if (!store) {
    HostLog("SettingsControl command=%d on an unknown handle -> 0", (int)command);
    return FALSE;
  }
  if (command == SCTL_FREE) {
    Free(store);
    HostLog("SettingsControl SCTL_FREE -> 1");
    return TRUE;
  }
  intptr_t result = Run(store, command, param2);
  HostLog("SettingsControl command=%d -> %ld", (int)command, (long)result);
  return result;
}
