// Modules over the dynamic loader. A module handle is what dlopen returned,
// checked against the modules this process loaded, so a made-up handle
// fails with Windows' code instead of crashing dlsym. Reference counts
// follow LoadLibraryA/FreeLibrary pairs as dlopen's do.
#include <dlfcn.h>
#include <link.h>
#include <pthread.h>
#include <stdlib.h>
#include <string.h>
#include <unistd.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

enum { MODULE_SLOTS = 64 };

struct LoadedModule {
  void *handle; // null: slot free
  int references;
};

static pthread_mutex_t ModuleLock = PTHREAD_MUTEX_INITIALIZER;
static LoadedModule Modules[MODULE_SLOTS];
static char ExecutablePath[MAX_PATH];
static int ExecutablePathSet = 0;

// The system module whose exports code looks up at run time, because older
// Windows versions lack them: a handle of its own, and the exports by name.
static char SystemModule;

struct SystemExport {
  const char *name;
  void *address;
};

static FARPROC SystemExportNamed(const char *name) {
  static const SystemExport exports[] = {
      {"TzSpecificLocalTimeToSystemTime", (void *)TzSpecificLocalTimeToSystemTime},
  };
  FARPROC procedure = NULL;
  for (const SystemExport &entry : exports)
    if (!strcmp(entry.name, name))
      memcpy(&procedure, &entry.address, sizeof procedure);
  return procedure;
}

extern "C" HMODULE WINAPI GetModuleHandleA(LPCSTR lpModuleName) {
  if (TakeInjectedFault("GetModuleHandleA"))
    return NULL;
  if (!lpModuleName)
    return NULL; // the program's own image is not a module here
  if (!strcasecmp(lpModuleName, "kernel32.dll") || !strcasecmp(lpModuleName, "kernel32"))
    return (HMODULE)&SystemModule;
  SetLastError(ERROR_MOD_NOT_FOUND);
  return NULL;
}

static LoadedModule *FindModule(void *handle) {
  for (int i = 0; i < MODULE_SLOTS; i++)
    if (Modules[i].handle && Modules[i].handle == handle)
      return &Modules[i];
  return NULL;
}

static int ModulePath(HMODULE hModule, char *path, size_t size);

// The program's own file loads as the program itself, as Windows hands out
// the image already loaded under that name.
static void *OpenModule(const char *name) {
  char program[4096];
  if (ModulePath(NULL, program, sizeof program) && !strcmp(program, name))
    return dlopen(NULL, RTLD_NOW);
  return dlopen(name, RTLD_NOW | RTLD_LOCAL);
}

extern "C" HMODULE WINAPI LoadLibraryA(LPCSTR lpLibFileName) {
  if (TakeInjectedFault("LoadLibraryA"))
    return NULL;
  if (!lpLibFileName || !*lpLibFileName) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return NULL;
  }
  void *handle = OpenModule(lpLibFileName);
  if (!handle) {
    // A file that is there but does not load is a broken module, not a missing one.
    int exists = strchr(lpLibFileName, '/') && access(lpLibFileName, F_OK) == 0;
    SetLastError(exists ? ERROR_BAD_EXE_FORMAT : ERROR_MOD_NOT_FOUND);
    return NULL;
  }
  pthread_mutex_lock(&ModuleLock);
  LoadedModule *module = FindModule(handle);
  if (!module) {
    for (int i = 0; i < MODULE_SLOTS && !module; i++)
      if (!Modules[i].handle)
        module = &Modules[i];
    if (module) {
      module->handle = handle;
      module->references = 0;
    }
  }
  if (module)
    module->references++;
  pthread_mutex_unlock(&ModuleLock);
  if (!module) {
    dlclose(handle);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return NULL;
  }
  return (HMODULE)handle;
}

extern "C" BOOL WINAPI FreeLibrary(HMODULE hLibModule) {
  if (TakeInjectedFault("FreeLibrary"))
    return FALSE;
  if (!hLibModule) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  pthread_mutex_lock(&ModuleLock);
  LoadedModule *module = FindModule(hLibModule);
  if (module && --module->references == 0)
    module->handle = NULL;
  pthread_mutex_unlock(&ModuleLock);
  if (!module) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return FALSE;
  }
  dlclose(hLibModule); // once per dlopen: the loader keeps its own count
  return TRUE;
}

extern "C" FARPROC WINAPI GetProcAddress(HMODULE hModule, LPCSTR lpProcName) {
  if (TakeInjectedFault("GetProcAddress"))
    return NULL;
  if (hModule == (HMODULE)&SystemModule) {
    FARPROC procedure = (uintptr_t)lpProcName >= 0x10000 ? SystemExportNamed(lpProcName) : NULL;
    if (!procedure)
      SetLastError(ERROR_PROC_NOT_FOUND);
    return procedure;
  }
  void *handle = hModule;
  if (!hModule) {
    handle = dlopen(NULL, RTLD_NOW); // the program itself, as Windows takes null
  } else {
    pthread_mutex_lock(&ModuleLock);
    int known = FindModule(hModule) != NULL;
    pthread_mutex_unlock(&ModuleLock);
    if (!known) {
      SetLastError(ERROR_MOD_NOT_FOUND);
      return NULL;
    }
  }
  // Ordinals (values below 0x10000) name nothing here.
  void *symbol = NULL;
  if (handle && (uintptr_t)lpProcName >= 0x10000)
    symbol = dlsym(handle, lpProcName);
  if (!hModule && handle)
    dlclose(handle);
  if (!symbol) {
    SetLastError(ERROR_PROC_NOT_FOUND);
    return NULL;
  }
  FARPROC procedure;
  memcpy(&procedure, &symbol, sizeof procedure);
  return procedure;
}

// The file of a module: for a loaded module its link map entry, for any
// other address the object that contains it.
static int ModulePath(HMODULE hModule, char *path, size_t size) {
  if (!hModule) {
    pthread_mutex_lock(&ModuleLock);
    int set = ExecutablePathSet;
    if (set) {
      strncpy(path, ExecutablePath, size - 1);
      path[size - 1] = 0;
    }
    pthread_mutex_unlock(&ModuleLock);
    if (set)
      return 1;
    ssize_t length = readlink("/proc/self/exe", path, size - 1);
    if (length < 0)
      return 0;
    path[length] = 0;
    return 1;
  }
  pthread_mutex_lock(&ModuleLock);
  int known = FindModule(hModule) != NULL;
  pthread_mutex_unlock(&ModuleLock);
  const char *name = NULL;
  if (known) {
    struct link_map *map = NULL;
    if (dlinfo(hModule, RTLD_DI_LINKMAP, &map) == 0 && map)
      name = map->l_name;
  } else {
    Dl_info info;
    if (dladdr((void *)hModule, &info) && info.dli_fname)
      name = info.dli_fname;
  }
  if (!name)
    return 0;
  if (!*name) // the program's own entry has no name
    return ModulePath(NULL, path, size);
  strncpy(path, name, size - 1);
  path[size - 1] = 0;
  return 1;
}

// Windows' (Vista and later) contract: a name that does not fit is cut to
// nSize characters without a terminator, with ERROR_INSUFFICIENT_BUFFER.
extern "C" DWORD WINAPI GetModuleFileNameA(HMODULE hModule, LPSTR lpFilename, DWORD nSize) {
  if (TakeInjectedFault("GetModuleFileNameA"))
    return 0;
  char path[4096];
  if (!ModulePath(hModule, path, sizeof path)) {
    SetLastError(ERROR_MOD_NOT_FOUND);
    return 0;
  }
  if (nSize == 0 || !lpFilename) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  DWORD length = (DWORD)strlen(path);
  if (length >= nSize) {
    memcpy(lpFilename, path, nSize);
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return nSize;
  }
  memcpy(lpFilename, path, length + 1);
  return length;
}

extern "C" void WinSubset_SetExecutablePath(const char *path) {
  pthread_mutex_lock(&ModuleLock);
  ExecutablePathSet = path != NULL;
  if (path) {
    strncpy(ExecutablePath, path, sizeof ExecutablePath - 1);
    ExecutablePath[sizeof ExecutablePath - 1] = 0;
  }
  pthread_mutex_unlock(&ModuleLock);
}

void ResetModulePath(void) { WinSubset_SetExecutablePath(NULL); }
