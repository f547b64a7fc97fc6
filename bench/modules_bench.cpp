// What each shipped module costs: its file size, and the memory that
// loading it takes (committed pages of any kind, before and after
// LoadLibrary, in a process that has loaded neither).
#include <stdio.h>

#include "bench/bench_host.h"
#include "bench/process_figures.h"

enum { FILE_SIZE_LIMIT = 40 * 1024, LOAD_MEMORY_LIMIT = 64 * 1024, PAGE = 4 * 1024 };

static long long FileSize(const char *path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
    return -1;
  return ((long long)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

// Dialog.gen first: Horalis.dll loads it only at start-up, not at load.
// Horalis.dll's names in other languages take one page more.
static const struct {
  const char *Path;
  long long LoadLimit;
} Modules[] = {{HORALIS_SHIPPED_DIALOG_GEN, LOAD_MEMORY_LIMIT},
               {HORALIS_SHIPPED_DLL, LOAD_MEMORY_LIMIT + PAGE}};

// The system DLLs the modules import are in every host's process already;
// loading USER32 first in this one would count Wine's window system.
static const char *const SystemDlls[] = {"kernel32.dll", "user32.dll", "advapi32.dll",
                                         "msvcrt.dll"};

int main() {
  for (const char *dll : SystemDlls)
    LoadLibraryA(dll);
  int over = 0;
  printf("%-60s %10s %14s %10s\n", "module", "file bytes", "load bytes", "limit");
  for (const auto &entry : Modules) {
    const char *path = entry.Path;
    ProcessFigures before = TakeProcessFigures();
    HMODULE module = LoadLibraryA(path);
    ProcessFigures after = TakeProcessFigures();
    if (!module) {
      printf("%-60s cannot be loaded (error %lu)\n", path, GetLastError());
      return 2;
    }
    long long size = FileSize(path);
    long long load = after.CommittedBytes - before.CommittedBytes;
    int met = size <= FILE_SIZE_LIMIT && load <= entry.LoadLimit;
    printf("%-60s %10lld %14lld %10lld  %s\n", path, size, load, entry.LoadLimit,
           met ? "met" : "NOT MET");
    over += !met;
  }
  printf("limits: %d bytes per file, the load limit above\n", FILE_SIZE_LIMIT);
  return over ? 1 : 0;
}
