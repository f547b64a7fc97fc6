#include "bench/cpu_time.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <windows.h>

double ProcessCpuSeconds(void) {
  FILETIME created, exited, kernel, user;
  if (!GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user))
    return 0;
  ULARGE_INTEGER k, u;
  k.LowPart = kernel.dwLowDateTime;
  k.HighPart = kernel.dwHighDateTime;
  u.LowPart = user.dwLowDateTime;
  u.HighPart = user.dwHighDateTime;
  return (double)(k.QuadPart + u.QuadPart) / 1e7;
}

// A file of /proc, read whole through the Unix root Wine maps to Z:.
static int ReadProcFile(const char *path, char *text, DWORD size) {
  HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, NULL,
                            OPEN_EXISTING, 0, NULL);
  if (file == INVALID_HANDLE_VALUE)
    return 0;
  DWORD total = 0, read = 0;
  while (total + 1 < size && ReadFile(file, text + total, size - 1 - total, &read, NULL) && read)
    total += read;
  CloseHandle(file);
  text[total] = 0;
  return (int)total;
}

// The prefix's server: a process named wineserver whose environment names
// this process's prefix (another prefix's server serves other programs).
static int IsOurServer(const char *pid, const char *prefix) {
  char path[64], text[32768];
  snprintf(path, sizeof path, "Z:\\proc\\%s\\comm", pid);
  if (!ReadProcFile(path, text, sizeof text) || strncmp(text, "wineserver", 10) != 0)
    return 0;
  if (!prefix[0])
    return 1;
  snprintf(path, sizeof path, "Z:\\proc\\%s\\environ", pid);
  int length = ReadProcFile(path, text, sizeof text);
  for (int at = 0; at < length; at += (int)strlen(text + at) + 1)
    if (!strncmp(text + at, "WINEPREFIX=", 11) && !strcmp(text + at + 11, prefix))
      return 1;
  return 0;
}

static int FindWineServer(char *pid, size_t size) {
  char prefix[MAX_PATH] = "";
  GetEnvironmentVariableA("WINEPREFIX", prefix, sizeof prefix);
  WIN32_FIND_DATAA found;
  HANDLE find = FindFirstFileA("Z:\\proc\\*", &found);
  if (find == INVALID_HANDLE_VALUE)
    return 0;
  int done = 0;
  do {
    if (found.cFileName[0] >= '1' && found.cFileName[0] <= '9' &&
        IsOurServer(found.cFileName, prefix)) {
      snprintf(pid, size, "%s", found.cFileName);
      done = 1;
    }
  } while (!done && FindNextFileA(find, &found));
  FindClose(find);
  return done;
}

double WineServerCpuSeconds(void) {
  static char pid[16];
  if (!pid[0] && !FindWineServer(pid, sizeof pid))
    return -1;
  char path[64], text[1024];
  snprintf(path, sizeof path, "Z:\\proc\\%s\\stat", pid);
  if (!ReadProcFile(path, text, sizeof text))
    return -1;
  // Fields after the name in parentheses: state is the 3rd, utime the
  // 14th and stime the 15th, in clock ticks of 1/100 s.
  const char *at = strrchr(text, ')');
  if (!at)
    return -1;
  unsigned long utime = 0, stime = 0;
  if (sscanf(at + 2, "%*c %*d %*d %*d %*d %*d %*u %*u %*u %*u %*u %lu %lu", &utime, &stime) != 2)
    return -1;
  return ((double)utime + (double)stime) / 100.0;
}
