// The registry as an in-process tree under HKEY_CURRENT_USER, and under
// HKEY_LOCAL_MACHINE the few keys the plugin reads there (machine_registry.cpp),
// put back at each reset, with Wine's result codes. Names compare without regard to case (Cyrillic
// included); subkeys are kept in the order Wine enumerates them. A deleted key lives on,
// unreachable, while handles to it are open, and every use of such a handle fails with
// ERROR_KEY_DELETED. One lock guards the whole tree: the host's thread and the clock thread both
// use it.
#include <pthread.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

enum {
  KEY_NAME_LIMIT = 256,    // longest name of one key
  SUBKEY_PATH_LIMIT = 260, // longest subkey path a call takes
  HANDLE_SLOTS = 1024,
  FIRST_HANDLE = 0x1000 // handle values, apart from the predefined keys
};

struct RegValue {
  RegValue *next;
  char *name;
  DWORD type;
  BYTE *data;
  DWORD size;
};

struct RegKey {
  RegKey *parent;
  RegKey *firstChild;
  RegKey *nextSibling;
  RegValue *values;
  char name[KEY_NAME_LIMIT + 1];
  int deleted;
  int openHandles;
};

struct OpenKey {
  uintptr_t value; // 0: slot free
  RegKey *key;
};

static pthread_mutex_t RegistryLock = PTHREAD_MUTEX_INITIALIZER;
static RegKey CurrentUser;
static RegKey LocalMachine;
static int MachineFilled;
static OpenKey Handles[HANDLE_SLOTS];
static uintptr_t NextHandleValue = FIRST_HANDLE;

// Names ------------------------------------------------------------------

static int CompareNames(const char *a, size_t aLength, const char *b, size_t bLength) {
  for (size_t i = 0; i < aLength && i < bLength; i++) {
    WORD x = FoldAnsiChar((BYTE)a[i]), y = FoldAnsiChar((BYTE)b[i]);
    if (x != y)
      return x < y ? -1 : 1;
  }
  return aLength == bLength ? 0 : (aLength < bLength ? -1 : 1);
}

static int SameName(const char *a, const char *b) {
  return CompareNames(a, strlen(a), b, strlen(b)) == 0;
}

// The default value answers to both a null name and "".
static const char *ValueNameOf(LPCSTR name) { return name ? name : ""; }

// Tree --------------------------------------------------------------------

static RegKey *FindChild(RegKey *parent, const char *name, size_t length) {
  for (RegKey *child = parent->firstChild; child; child = child->nextSibling)
    if (CompareNames(child->name, strlen(child->name), name, length) == 0)
      return child;
  return NULL;
}

static RegKey *AddChild(RegKey *parent, const char *name, size_t length) {
  RegKey *child = (RegKey *)calloc(1, sizeof *child);
  if (!child)
    return NULL;
  memcpy(child->name, name, length);
  child->name[length] = 0;
  child->parent = parent;
  RegKey **link = &parent->firstChild;
  while (*link && CompareNames((*link)->name, strlen((*link)->name), name, length) < 0)
    link = &(*link)->nextSibling;
  child->nextSibling = *link;
  *link = child;
  return child;
}

static void FreeValues(RegKey *key) {
  while (key->values) {
    RegValue *value = key->values;
    key->values = value->next;
    free(value->name);
    free(value->data);
    free(value);
  }
}

static void FreeSubtree(RegKey *key) {
  while (key->firstChild) {
    RegKey *child = key->firstChild;
    key->firstChild = child->nextSibling;
    FreeSubtree(child);
    free(child);
  }
  FreeValues(key);
}

static void UnlinkKey(RegKey *key) {
  RegKey **link = &key->parent->firstChild;
  while (*link != key)
    link = &(*link)->nextSibling;
  *link = key->nextSibling;
  key->parent = NULL;
  key->nextSibling = NULL;
  key->deleted = 1;
  FreeValues(key); // a deleted key's values are gone at once
}

// Handles -----------------------------------------------------------------

static void FillMachine(void);

static RegKey *KeyOfHandle(HKEY hKey) {
  if (hKey == HKEY_CURRENT_USER)
    return &CurrentUser;
  if (hKey == HKEY_LOCAL_MACHINE) {
    if (!MachineFilled)
      FillMachine();
    return &LocalMachine;
  }
  uintptr_t value = (uintptr_t)hKey;
  if (!value)
    return NULL;
  for (int i = 0; i < HANDLE_SLOTS; i++)
    if (Handles[i].value == value)
      return Handles[i].key;
  return NULL;
}

static HKEY OpenHandle(RegKey *key) {
  for (int i = 0; i < HANDLE_SLOTS; i++) {
    if (Handles[i].value == 0) {
      Handles[i].value = NextHandleValue;
      NextHandleValue += 4; // never reused: a closed handle stays invalid
      Handles[i].key = key;
      key->openHandles++;
      return (HKEY)Handles[i].value;
    }
  }
  return NULL;
}

static void ReleaseKey(RegKey *key) {
  key->openHandles--;
  if (key->deleted && key->openHandles == 0) {
    FreeSubtree(key);
    free(key);
  }
}

// Paths -------------------------------------------------------------------

// Checks a subkey path as Wine does before touching the tree.
static LSTATUS CheckSubkeyPath(LPCSTR path) {
  size_t length = strlen(path);
  if (length > SUBKEY_PATH_LIMIT)
    return ERROR_MORE_DATA;
  if (path[0] == '\\')
    return ERROR_BAD_PATHNAME;
  size_t component = 0;
  for (size_t i = 0; i <= length; i++) {
    if (path[i] == '\\' || path[i] == 0) {
      if (component > KEY_NAME_LIMIT)
        return ERROR_INVALID_PARAMETER;
      component = 0;
    } else {
      component++;
    }
  }
  return ERROR_SUCCESS;
}

// Walks (and with `create`, builds) `path` below `start`. Empty components
// are skipped. Sets *created when the last key did not exist before.
static LSTATUS WalkPath(RegKey *start, LPCSTR path, int create, RegKey **found, int *created) {
  RegKey *key = start;
  *created = 0;
  const char *cursor = path;
  while (*cursor) {
    const char *end = strchr(cursor, '\\');
    size_t length = end ? (size_t)(end - cursor) : strlen(cursor);
    if (length > 0) {
      RegKey *child = FindChild(key, cursor, length);
      *created = 0;
      if (!child) {
        if (!create)
          return ERROR_FILE_NOT_FOUND;
        child = AddChild(key, cursor, length);
        if (!child)
          return ERROR_NOT_ENOUGH_MEMORY;
        *created = 1;
      }
      key = child;
    }
    cursor += length;
    if (*cursor == '\\')
      cursor++;
  }
  *found = key;
  return ERROR_SUCCESS;
}

// Key operations ------------------------------------------------------------

extern "C" LSTATUS WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass,
                                          DWORD dwOptions, REGSAM samDesired,
                                          const LPSECURITY_ATTRIBUTES lpSecurityAttributes,
                                          PHKEY phkResult, LPDWORD lpdwDisposition) {
  (void)Reserved, (void)lpClass, (void)dwOptions, (void)samDesired, (void)lpSecurityAttributes;
  if (DWORD fault = TakeInjectedFault("RegCreateKeyExA"))
    return (LSTATUS)fault;
  if (!phkResult)
    return ERROR_INVALID_PARAMETER; // Wine would crash writing the handle
  LSTATUS status = ERROR_SUCCESS;
  pthread_mutex_lock(&RegistryLock);
  RegKey *parent = KeyOfHandle(hKey);
  RegKey *key = NULL;
  int created = 0;
  if (!parent)
    status = ERROR_INVALID_HANDLE;
  else if (parent->deleted)
    status = ERROR_KEY_DELETED;
  else if (lpSubKey && (status = CheckSubkeyPath(lpSubKey)) == ERROR_SUCCESS)
    status = WalkPath(parent, lpSubKey, 1, &key, &created);
  if (status == ERROR_SUCCESS && !lpSubKey)
    key = parent;
  if (status == ERROR_SUCCESS) {
    // Wine reports a new key for an empty path too: the same key, opened again.
    if (!lpSubKey || !*lpSubKey)
      created = 1;
    *phkResult = OpenHandle(key);
    if (!*phkResult)
      status = ERROR_NOT_ENOUGH_MEMORY;
    else if (lpdwDisposition)
      *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  }
  pthread_mutex_unlock(&RegistryLock);
  return status;
}

extern "C" LSTATUS WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions,
                                        REGSAM samDesired, PHKEY phkResult) {
  (void)ulOptions, (void)samDesired;
  if (DWORD fault = TakeInjectedFault("RegOpenKeyExA")) {
    if (phkResult)
      *phkResult = NULL;
    return (LSTATUS)fault;
  }
  if (!phkResult)
    return ERROR_INVALID_PARAMETER;
  *phkResult = NULL;
  LSTATUS status = ERROR_SUCCESS;
  pthread_mutex_lock(&RegistryLock);
  RegKey *parent = KeyOfHandle(hKey);
  RegKey *key = NULL;
  int created = 0;
  if (!parent)
    status = ERROR_INVALID_HANDLE;
  else if (parent->deleted)
    status = ERROR_KEY_DELETED;
  else if (!lpSubKey || !*lpSubKey)
    *phkResult = hKey; // Windows hands back the same handle
  else if ((status = CheckSubkeyPath(lpSubKey)) == ERROR_SUCCESS &&
           (status = WalkPath(parent, lpSubKey, 0, &key, &created)) == ERROR_SUCCESS) {
    *phkResult = OpenHandle(key);
    if (!*phkResult)
      status = ERROR_NOT_ENOUGH_MEMORY;
  }
  pthread_mutex_unlock(&RegistryLock);
  return status;
}

extern "C" LSTATUS WINAPI RegCloseKey(HKEY hKey) {
  if (DWORD fault = TakeInjectedFault("RegCloseKey"))
    return (LSTATUS)fault;
  if (hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE)
    return ERROR_SUCCESS;
  LSTATUS status = ERROR_INVALID_HANDLE;
  pthread_mutex_lock(&RegistryLock);
  for (int i = 0; i < HANDLE_SLOTS && hKey; i++) {
    if (Handles[i].value == (uintptr_t)hKey) {
      RegKey *key = Handles[i].key;
      Handles[i].value = 0;
      Handles[i].key = NULL;
      ReleaseKey(key);
      status = ERROR_SUCCESS;
      break;
    }
  }
  pthread_mutex_unlock(&RegistryLock);
  return status;
}

extern "C" LSTATUS WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  if (DWORD fault = TakeInjectedFault("RegDeleteKeyA"))
    return (LSTATUS)fault;
  LSTATUS status = ERROR_SUCCESS;
  pthread_mutex_lock(&RegistryLock);
  RegKey *parent = KeyOfHandle(hKey);
  RegKey *key = NULL;
  int created = 0;
  if (!parent)
    status = ERROR_INVALID_HANDLE;
  else if (!lpSubKey)
    status = ERROR_INVALID_PARAMETER;
  else if (parent->deleted)
    status = ERROR_KEY_DELETED;
  else if ((status = CheckSubkeyPath(lpSubKey)) == ERROR_SUCCESS)
    status = WalkPath(parent, lpSubKey, 0, &key, &created);
  if (status == ERROR_SUCCESS) {
    if (key == &CurrentUser || key == &LocalMachine || key->firstChild)
      status = ERROR_ACCESS_DENIED;
    else {
      UnlinkKey(key);
      if (key->openHandles == 0) {
        FreeSubtree(key);
        free(key);
      }
    }
  }
  pthread_mutex_unlock(&RegistryLock);
  return status;
}

extern "C" LSTATUS WINAPI RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName,
                                        LPDWORD lpReserved, LPSTR lpClass, LPDWORD lpcchClass,
                                        void *lpftLastWriteTime) {
  if (DWORD fault = TakeInjectedFault("RegEnumKeyExA"))
    return (LSTATUS)fault;
  if (lpReserved)
    return ERROR_INVALID_PARAMETER;
  LSTATUS status = ERROR_SUCCESS;
  pthread_mutex_lock(&RegistryLock);
  RegKey *key = KeyOfHandle(hKey);
  if (!key)
    status = ERROR_INVALID_HANDLE;
  else if (key->deleted)
    status = ERROR_KEY_DELETED;
  else if (!lpName || !lpcchName)
    status = ERROR_INVALID_PARAMETER; // Wine would crash
  if (status == ERROR_SUCCESS) {
    RegKey *child = key->firstChild;
    for (DWORD i = 0; child && i < dwIndex; i++)
      child = child->nextSibling;
    if (!child)
      status = ERROR_NO_MORE_ITEMS;
    else {
      DWORD length = (DWORD)strlen(child->name);
      if (length >= *lpcchName)
        status = ERROR_MORE_DATA; // buffer and size left as they were
      else {
        memcpy(lpName, child->name, length + 1);
        *lpcchName = length;
        if (lpClass && lpcchClass && *lpcchClass > 0)
          lpClass[0] = 0;
        if (lpcchClass)
          *lpcchClass = 0;
        if (lpftLastWriteTime)
          memset(lpftLastWriteTime, 0, 8); // a FILETIME: no times are kept
      }
    }
  }
  pthread_mutex_unlock(&RegistryLock);
  return status;
}

// Value operations ------------------------------------------------------------

static RegValue *FindValue(RegKey *key, const char *name) {
  for (RegValue *value = key->values; value; value = value->next)
    if (SameName(value->name, name))
      return value;
  return NULL;
}

static int IsStringType(DWORD type) {
  return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A value handle: the key behind it, or the status to return.
static LSTATUS UsableKey(HKEY hKey, RegKey **key) {
  *key = KeyOfHandle(hKey);
  if (!*key)
    return ERROR_INVALID_HANDLE;
  if ((*key)->deleted)
    return ERROR_KEY_DELETED;
  return ERROR_SUCCESS;
}

// Stores a value, replacing one of the same name.
static LSTATUS StoreValue(RegKey *key, const char *name, DWORD dwType, const BYTE *lpData,
                          DWORD cbData) {
  LSTATUS status = ERROR_SUCCESS;
  BYTE *copy = (BYTE *)malloc(cbData ? cbData : 1);
  if (!copy)
    status = ERROR_NOT_ENOUGH_MEMORY;
  else if (cbData)
    memcpy(copy, lpData, cbData);
  if (status == ERROR_SUCCESS) {
    RegValue *value = FindValue(key, name);
    if (!value) {
      value = (RegValue *)calloc(1, sizeof *value);
      char *nameCopy = strdup(name);
      if (!value || !nameCopy) {
        free(value);
        free(nameCopy);
        free(copy);
        status = ERROR_NOT_ENOUGH_MEMORY;
        value = NULL;
      } else {
        value->name = nameCopy;
        value->next = key->values;
        key->values = value;
      }
    }
    if (value) {
      free(value->data);
      value->data = copy;
      value->size = cbData;
      value->type = dwType;
    }
  }
  return status;
}

// Stores exactly the cbData bytes given, for strings too. (Wine also takes
// the byte after them when it is a terminator the count left out; reading
// past the caller's buffer is not something to copy.)
extern "C" LSTATUS WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved,
                                         DWORD dwType, const BYTE *lpData, DWORD cbData) {
  (void)Reserved;
  if (DWORD fault = TakeInjectedFault("RegSetValueExA"))
    return (LSTATUS)fault;
  pthread_mutex_lock(&RegistryLock);
  RegKey *key = NULL;
  LSTATUS status = UsableKey(hKey, &key);
  if (status == ERROR_SUCCESS && !lpData && cbData > 0)
    status = ERROR_NOACCESS;
  if (status == ERROR_SUCCESS)
    status = StoreValue(key, ValueNameOf(lpValueName), dwType, lpData, cbData);
  pthread_mutex_unlock(&RegistryLock);
  return status;
}

extern "C" LSTATUS WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved,
                                           LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  if (DWORD fault = TakeInjectedFault("RegQueryValueExA"))
    return (LSTATUS)fault;
  if (lpReserved || (lpData && !lpcbData))
    return ERROR_INVALID_PARAMETER;
  pthread_mutex_lock(&RegistryLock);
  RegKey *key = NULL;
  LSTATUS status = UsableKey(hKey, &key);
  RegValue *value = NULL;
  if (status == ERROR_SUCCESS) {
    value = FindValue(key, ValueNameOf(lpValueName));
    if (!value)
      status = ERROR_FILE_NOT_FOUND;
  }
  if (status == ERROR_SUCCESS) {
    if (lpType)
      *lpType = value->type;
    if (lpData) {
      if (value->size > *lpcbData)
        status = ERROR_MORE_DATA; // the buffer is left untouched
      else {
        memcpy(lpData, value->data, value->size);
        // A string stored without its terminator gets one when there is room.
        if (IsStringType(value->type) && value->size > 0 && value->size < *lpcbData &&
            lpData[value->size - 1] != 0)
          lpData[value->size] = 0;
      }
    }
    if (lpcbData)
      *lpcbData = value->size;
  }
  pthread_mutex_unlock(&RegistryLock);
  return status;
}

extern "C" LSTATUS WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
  if (DWORD fault = TakeInjectedFault("RegDeleteValueA"))
    return (LSTATUS)fault;
  pthread_mutex_lock(&RegistryLock);
  RegKey *key = NULL;
  LSTATUS status = UsableKey(hKey, &key);
  if (status == ERROR_SUCCESS) {
    const char *name = ValueNameOf(lpValueName);
    RegValue **link = &key->values;
    while (*link && !SameName((*link)->name, name))
      link = &(*link)->next;
    if (!*link)
      status = ERROR_FILE_NOT_FOUND;
    else {
      RegValue *value = *link;
      *link = value->next;
      free(value->name);
      free(value->data);
      free(value);
    }
  }
  pthread_mutex_unlock(&RegistryLock);
  return status;
}

// Dump ----------------------------------------------------------------------

struct DumpText {
  char *text;
  size_t used, size;
};

static void DumpAppend(DumpText *dump, const char *piece, size_t length) {
  if (dump->used + length + 1 > dump->size) {
    size_t size = (dump->used + length + 1) * 2;
    char *grown = (char *)realloc(dump->text, size);
    if (!grown)
      abort(); // a test helper: nothing sensible to go on with
    dump->text = grown;
    dump->size = size;
  }
  memcpy(dump->text + dump->used, piece, length);
  dump->used += length;
  dump->text[dump->used] = 0;
}

static void DumpString(DumpText *dump, const char *text) { DumpAppend(dump, text, strlen(text)); }

static void DumpKey(DumpText *dump, const RegKey *key, const char *path) {
  DumpString(dump, "K ");
  DumpString(dump, path);
  DumpString(dump, "\n");
  for (const RegValue *value = key->values; value; value = value->next) {
    char number[16];
    snprintf(number, sizeof number, " %lu ", (unsigned long)value->type);
    DumpString(dump, "V ");
    DumpString(dump, path);
    DumpString(dump, "\\");
    DumpString(dump, value->name);
    DumpString(dump, number);
    for (DWORD i = 0; i < value->size; i++) {
      char hex[3];
      snprintf(hex, sizeof hex, "%02x", value->data[i]);
      DumpAppend(dump, hex, 2);
    }
    DumpString(dump, "\n");
  }
  for (const RegKey *child = key->firstChild; child; child = child->nextSibling) {
    size_t length = strlen(path) + 1 + strlen(child->name) + 1;
    char *childPath = (char *)malloc(length);
    if (!childPath)
      abort();
    snprintf(childPath, length, "%s%s%s", path, *path ? "\\" : "", child->name);
    DumpKey(dump, child, childPath);
    free(childPath);
  }
}

extern "C" char *WinSubset_DumpRegistry(void) {
  DumpText dump = {NULL, 0, 0};
  pthread_mutex_lock(&RegistryLock);
  DumpString(&dump, "");
  DumpKey(&dump, &CurrentUser, "");
  pthread_mutex_unlock(&RegistryLock);
  return dump.text;
}

void ResetRegistry(void) {
  pthread_mutex_lock(&RegistryLock);
  for (int i = 0; i < HANDLE_SLOTS; i++) {
    if (Handles[i].value) {
      RegKey *key = Handles[i].key;
      Handles[i].value = 0;
      Handles[i].key = NULL;
      // Keys still in the tree go with the tree below; deleted ones now.
      key->openHandles--;
      if (key->deleted && key->openHandles == 0) {
        FreeSubtree(key);
        free(key);
      }
    }
  }
  FreeSubtree(&CurrentUser);
  FreeSubtree(&LocalMachine);
  MachineFilled = 0;
  pthread_mutex_unlock(&RegistryLock);
}

// The machine's keys as machine_registry.cpp lists them; called with the
// lock held, on the first use of HKEY_LOCAL_MACHINE since a reset.
static void FillMachine(void) {
  MachineFilled = 1;
  for (const MachineValue *value = MachineValues; value->Key; value++) {
    RegKey *key;
    int created;
    if (WalkPath(&LocalMachine, value->Key, 1, &key, &created) == ERROR_SUCCESS)
      StoreValue(key, value->Name, value->Type, (const BYTE *)value->Data, value->Size);
  }
}
