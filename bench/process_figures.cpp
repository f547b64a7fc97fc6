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

// Wine's GetProcessHandleCount does not count: every handle value is tried
// instead (they are multiples of 4).
enum { HIGHEST_HANDLE_TRIED = 0x10000 };

static long long OpenHandles(void) {
  long long count = 0;
  for (ULONG_PTR value = 4; value <= HIGHEST_HANDLE_TRIED; value += 4) {
    DWORD flags;
    if (GetHandleInformation((HANDLE)value, &flags))
      ++count;
  }
  return count;
}

struct ProcessFigures TakeProcessFigures(void) {
  struct ProcessFigures figures;
  figures.HeapBytes = HeapBusyBytes();
  figures.CommittedBytes = CommittedBytes();
  figures.Handles = OpenHandles();
  return figures;
}
