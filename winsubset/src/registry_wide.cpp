// The wide forms of the registry calls the plugin makes. The subset keeps
// names as ANSI text, so each call is its ANSI form with the names
// converted, as Wine's registry gives the same names both ways.
#include "winsubset_internal.h"

enum { NAME_LIMIT = 256 };

extern "C" LSTATUS WINAPI RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD ulOptions,
                                        REGSAM samDesired, PHKEY phkResult) {
  char name[4 * NAME_LIMIT];
  if (lpSubKey && !WideCharToMultiByte(CP_ACP, 0, lpSubKey, -1, name, sizeof name, NULL, NULL)) {
    if (phkResult)
      *phkResult = NULL;
    return ERROR_INVALID_PARAMETER;
  }
  return RegOpenKeyExA(hKey, lpSubKey ? name : NULL, ulOptions, samDesired, phkResult);
}

extern "C" LSTATUS WINAPI RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName,
                                        LPDWORD lpReserved, LPWSTR lpClass, LPDWORD lpcchClass,
                                        void *lpftLastWriteTime) {
  char name[4 * NAME_LIMIT];
  DWORD length = sizeof name;
  if (!lpName || !lpcchName)
    return ERROR_INVALID_PARAMETER;
  LSTATUS status =
      RegEnumKeyExA(hKey, dwIndex, name, &length, lpReserved, NULL, NULL, lpftLastWriteTime);
  if (status != ERROR_SUCCESS)
    return status;
  WCHAR wide[NAME_LIMIT + 1];
  int count = MultiByteToWideChar(CP_ACP, 0, name, -1, wide, NAME_LIMIT + 1);
  if (count <= 0)
    return ERROR_MORE_DATA;
  if ((DWORD)count > *lpcchName)
    return ERROR_MORE_DATA; // buffer and size left as they were
  for (int i = 0; i < count; i++)
    lpName[i] = wide[i];
  *lpcchName = (DWORD)count - 1;
  if (lpClass && lpcchClass && *lpcchClass > 0)
    lpClass[0] = 0;
  if (lpcchClass)
    *lpcchClass = 0;
  return ERROR_SUCCESS;
}
