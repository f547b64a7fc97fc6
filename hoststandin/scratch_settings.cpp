#include "scratch_settings.h"

#include "host_log.h"

#include <stdio.h>
#include <windows.h>

namespace {

/* RegDeleteKey removes only keys without subkeys: the subkeys go first. */
void DeleteTree(HKEY parent, const char *name) {
  HKEY key;
  if (RegOpenKeyExA(parent, name, 0, KEY_READ | KEY_WRITE, &key) == ERROR_SUCCESS) {
    char child[256];
    DWORD length = sizeof child;
    while (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) ==
           ERROR_SUCCESS) {
      DeleteTree(key, child);
      length = sizeof child;
    }
    RegCloseKey(key);
  }
  RegDeleteKeyA(parent, name);
}

} // namespace

void MakeScratchRoot(char *rootKey, int size) {
  snprintf(rootKey, size, "Software\\HoralisStandIn\\Run%lu", (unsigned long)GetCurrentProcessId());
  DeleteTree(HKEY_CURRENT_USER, rootKey);
  HostLog("settings: scratch root key %s", rootKey);
}

void RemoveScratchRoot(const char *rootKey) { DeleteTree(HKEY_CURRENT_USER, rootKey); }
