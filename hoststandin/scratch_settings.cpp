#include "scratch_settings.h"

#include "host_log.h"

#include <stdio.h>
#include <windows.h>

namespace {

/* RegDeleteKey removes only keys without subkeys: the subkeys go first.
   A subkey that stays (no right to delete it) ends the walk, which would
   otherwise find it first again forever. */
int DeleteTree(HKEY parent, const char *name) {
  HKEY key;
  if (RegOpenKeyExA(parent, name, 0, KEY_READ | KEY_WRITE, &key) == ERROR_SUCCESS) {
    char child[256];
    DWORD length = sizeof child;
    while (RegEnumKeyExA(key, 0, child, &length, nullptr, nullptr, nullptr, nullptr) ==
               ERROR_SUCCESS &&
           DeleteTree(key, child))
      length = sizeof child;
    RegCloseKey(key);
  }
  return RegDeleteKeyA(parent, name) == ERROR_SUCCESS;
}

} // namespace

void MakeScratchRoot(char *rootKey, int size) {
  snprintf(rootKey, size, "Software\\HoralisStandIn\\Run%lu", (unsigned long)GetCurrentProcessId());
  DeleteTree(HKEY_CURRENT_USER, rootKey);
  HostLog("settings: scratch root key %s", rootKey);
}

void RemoveScratchRoot(const char *rootKey) { DeleteTree(HKEY_CURRENT_USER, rootKey); }
