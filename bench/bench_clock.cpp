#include "bench/bench_clock.h"

#include "bench/bench_host.h"

#include <tlhelp32.h>

HANDLE TakeBenchConsole(void) {
  HANDLE console = CreateFileA("CONOUT$", GENERIC_READ | GENERIC_WRITE,
                               FILE_SHARE_READ | FILE_SHARE_WRITE, NULL, OPEN_EXISTING, 0, NULL);
  if (console != INVALID_HANDLE_VALUE)
    SetStdHandle(STD_OUTPUT_HANDLE, console);
  return console;
}

void StoreBenchClockSettings(DWORD pause) {
  HKEY key;
  if (RegCreateKeyExA(HKEY_CURRENT_USER, BENCH_SETTINGS_PATH "\\Indicator", 0, NULL, 0, KEY_WRITE,
                      NULL, &key, NULL) != ERROR_SUCCESS)
    return;
  const struct {
    const char *Name;
    DWORD Value;
  } values[] = {{"Pause", pause}, {"Xcoord", 0},   {"Ycoord", 0},  {"Title", 1},
                {"Custom", 0},    {"Color", 0x1F}, {"CtrlOff", 0}, {"SwitchMode", 0}};
  for (const auto &value : values)
    RegSetValueExA(key, value.Name, 0, REG_DWORD, (const BYTE *)&value.Value, sizeof value.Value);
  RegCloseKey(key);
}

long CountProcessThreads(void) {
  HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE)
    return 0;
  long threads = 0;
  THREADENTRY32 entry;
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId())
      ++threads;
  CloseHandle(snapshot);
  return threads;
}

int WaitForThreadCount(long threads) {
  for (int waited = 0; waited < 5000; ++waited) {
    if (CountProcessThreads() <= threads)
      return 1;
    Sleep(1);
  }
  return 0;
}
