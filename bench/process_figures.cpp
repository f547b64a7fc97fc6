#include "bench/process_figures.h"

static long long HeapBusyBytes(void) {
  HANDLE heaps[64];
  DWORD count = GetProcessHeaps(64, heaps);
  if (count > 64)
    count = 64;
  long long busy = 0;
  for (DWORD i = 0; i < count; ++i) {
    PROCESS_HEAP_ENTRY entry;
    entry.lpData = NULL;
    HeapLock(heaps[i]);
    while (HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY)
        busy += entry.cbData;
    HeapUnlock(heaps[i]);
  }
  return busy;
}

static long long CommittedBytes(void) {
  SYSTEM_INFO system;
  GetSystemInfo(&system);
  long long committed = 0;
  const char *address = (const char *)system.lpMinimumApplicationAddress;
  MEMORY_BASIC_INFORMATION region;
  while (address < (const char *)system.lpMaximumApplicationAddress &&
         VirtualQuery(address, &region, sizeof region) == sizeof region) {
    if (region.State == MEM_COMMIT)
      committed += (long long)region.RegionSize;
    address = (const char *)region.BaseAddress + region.RegionSize;
  }
  return committed;
}

struct ProcessFigures TakeProcessFigures(void) {
  struct ProcessFigures figures;
  figures.HeapBytes = HeapBusyBytes();
  figures.CommittedBytes = CommittedBytes();
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);
  figures.Handles = handles;
  return figures;
}
