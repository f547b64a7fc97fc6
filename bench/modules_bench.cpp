// What each shipped module costs: its file size, and the memory that
// loading it takes (committed pages of any kind, before and after
// LoadLibrary, in a process that has loaded neither).
#include <stdio.h>

#include "bench/bench_host.h"
#include "bench/process_figures.h"

enum { FILE_SIZE_LIMIT = 54 * 1024, LOAD_MEMORY_LIMIT = 80 * 1024 };

static long long FileSize(const char *path) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data))
    return -1;
  return ((long long)data.nFileSizeHigh << 32) | data.nFileSizeLow;
}

// Dialog.gen first: Horalis.dll loads it only at start-up, not at load.
static const char *const Modules[] = {HORALIS_SHIPPED_DIALOG_GEN, HORALIS_SHIPPED_DLL};

// The system DLLs the modules import are in every host's process already;
// loading USER32 first in this one would count Wine's window system.
static const char *const SystemDlls[] = {"kernel32.dll", "user32.dll", "advapi32.dll",
                                         "msvcrt.dll"};

int main() {
  for (const char *dll : SystemDlls)
    LoadLibraryA(dll);
  int over = 0;
  printf("%-60s %10s %14s\n", "module", "file bytes", "load bytes");
  for (const char *path : Modules) {
    ProcessFigures before = TakeProcessFigures();
    HMODULE module = LoadLibraryA(path);
    ProcessFigures after = TakeProcessFigures();
    if (!module) {
      printf("%-60s cannot be loaded (error %lu)\n", path, GetLastError());
      return 2;
    }
    long long size = FileSize(path);
    long long load = after.CommittedBytes - before.CommittedBytes;
    int met = size <= FILE_SIZE_LIMIT && load <= LOAD_MEMORY_LIMIT;
    printf("%-60s %10lld %14lld  %s\n", path, size, load, met ? "met" : "NOT MET");
    over += !met;
  }
  printf("limits: %d bytes per file, %d bytes taken at load\n", FILE_SIZE_LIMIT, LOAD_MEMORY_LIMIT);
  return over ? 1 : 0;
}
