#include "win32_sources.h"

#include <stdio.h>
#include <string.h>
#include <windows.h>

int ListFolder(const char *folder, PanelFile *files, int max) {
  char pattern[MAX_PATH + 4];
  int n = (int)strlen(folder);
  snprintf(pattern, sizeof pattern, "%s%s*", folder,
           n && (folder[n - 1] == '\\' || folder[n - 1] == '/') ? "" : "\\");
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA(pattern, &found);
  if (find == INVALID_HANDLE_VALUE)
    return -1;
  int count = 0;
  do {
    if (!strcmp(found.cFileName, "."))
      continue;
    if (count >= max)
      break;
    PanelFile &file = files[count++];
    snprintf(file.Name, sizeof file.Name, "%s", found.cFileName);
    file.IsFolder = (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    file.Size = ((unsigned long long)found.nFileSizeHigh << 32) | found.nFileSizeLow;
  } while (FindNextFileA(find, &found));
  FindClose(find);
  /* Folders first, each part in name order, as the panels sort by default. */
  for (int i = 1; i < count; ++i)
    for (int j = i; j > 0; --j) {
      PanelFile &a = files[j - 1], &b = files[j];
      int before = b.IsFolder != a.IsFolder ? b.IsFolder : lstrcmpiA(b.Name, a.Name) < 0;
      if (!strcmp(b.Name, ".."))
        before = 1;
      if (!before)
        break;
      PanelFile t = a;
      a = b;
      b = t;
    }
  return count;
}

unsigned int ReadLastSystemError(char *text, int size) {
  DWORD code = GetLastError();
  text[0] = 0;
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
                           code, 0, text, size, nullptr);
  if (n == 0)
    snprintf(text, size, "System error %lu", (unsigned long)code);
  CharToOemA(text, text);
  SetLastError(code);
  return code;
}
