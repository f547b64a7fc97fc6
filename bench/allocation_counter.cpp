#include "bench/allocation_counter.h"

#include <stdlib.h>
#include <string.h>

#include <windows.h>

static DWORD CountingThread;
static volatile LONG Allocations;

static void Count(void) {
  if (GetCurrentThreadId() != CountingThread)
    InterlockedIncrement(&Allocations);
}

typedef void *(__cdecl *MallocCall)(size_t);
typedef void *(__cdecl *CallocCall)(size_t, size_t);
typedef void *(__cdecl *ReallocCall)(void *, size_t);
typedef LPVOID(WINAPI *HeapAllocCall)(HANDLE, DWORD, SIZE_T);
typedef LPVOID(WINAPI *HeapReAllocCall)(HANDLE, DWORD, LPVOID, SIZE_T);
typedef HLOCAL(WINAPI *LocalAllocCall)(UINT, SIZE_T);
typedef HGLOBAL(WINAPI *GlobalAllocCall)(UINT, SIZE_T);

static MallocCall RealMalloc;
static CallocCall RealCalloc;
static ReallocCall RealRealloc;
static HeapAllocCall RealHeapAlloc;
static HeapReAllocCall RealHeapReAlloc;
static LocalAllocCall RealLocalAlloc;
static GlobalAllocCall RealGlobalAlloc;

static void *__cdecl CountedMalloc(size_t size) {
  Count();
  return RealMalloc(size);
}
static void *__cdecl CountedCalloc(size_t count, size_t size) {
  Count();
  return RealCalloc(count, size);
}
static void *__cdecl CountedRealloc(void *block, size_t size) {
  Count();
  return RealRealloc(block, size);
}
static LPVOID WINAPI CountedHeapAlloc(HANDLE heap, DWORD flags, SIZE_T size) {
  Count();
  return RealHeapAlloc(heap, flags, size);
}
static LPVOID WINAPI CountedHeapReAlloc(HANDLE heap, DWORD flags, LPVOID block, SIZE_T size) {
  Count();
  return RealHeapReAlloc(heap, flags, block, size);
}
static HLOCAL WINAPI CountedLocalAlloc(UINT flags, SIZE_T size) {
  Count();
  return RealLocalAlloc(flags, size);
}
static HGLOBAL WINAPI CountedGlobalAlloc(UINT flags, SIZE_T size) {
  Count();
  return RealGlobalAlloc(flags, size);
}

struct Redirection {
  const char *Name;
  void *Wrapper;
  void **Real;
};

static const Redirection Redirections[] = {
    {"malloc", (void *)CountedMalloc, (void **)&RealMalloc},
    {"calloc", (void *)CountedCalloc, (void **)&RealCalloc},
    {"realloc", (void *)CountedRealloc, (void **)&RealRealloc},
    {"HeapAlloc", (void *)CountedHeapAlloc, (void **)&RealHeapAlloc},
    {"HeapReAlloc", (void *)CountedHeapReAlloc, (void **)&RealHeapReAlloc},
    {"LocalAlloc", (void *)CountedLocalAlloc, (void **)&RealLocalAlloc},
    {"GlobalAlloc", (void *)CountedGlobalAlloc, (void **)&RealGlobalAlloc},
};

// One slot of the import address table pointed at its wrapper.
static int Redirect(void **slot, const char *name) {
  for (const Redirection &redirection : Redirections) {
    if (strcmp(name, redirection.Name) != 0 || *slot == redirection.Wrapper)
      continue;
    DWORD protection;
    if (!VirtualProtect(slot, sizeof *slot, PAGE_READWRITE, &protection))
      return 0;
    *redirection.Real = *slot;
    *slot = redirection.Wrapper;
    VirtualProtect(slot, sizeof *slot, protection, &protection);
    return 1;
  }
  return 0;
}

int CountAllocationsOffThisThread(void) {
  CountingThread = GetCurrentThreadId();
  Allocations = 0;
  BYTE *image = (BYTE *)GetModuleHandleA(NULL);
  IMAGE_NT_HEADERS *headers = (IMAGE_NT_HEADERS *)(image + ((IMAGE_DOS_HEADER *)image)->e_lfanew);
  IMAGE_DATA_DIRECTORY directory =
      headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!directory.VirtualAddress)
    return 0;
  int redirected = 0;
  for (IMAGE_IMPORT_DESCRIPTOR *library =
           (IMAGE_IMPORT_DESCRIPTOR *)(image + directory.VirtualAddress);
       library->Name; ++library) {
    if (!library->OriginalFirstThunk)
      continue;
    IMAGE_THUNK_DATA *names = (IMAGE_THUNK_DATA *)(image + library->OriginalFirstThunk);
    void **slots = (void **)(image + library->FirstThunk);
    for (; names->u1.AddressOfData; ++names, ++slots) {
      if (IMAGE_SNAP_BY_ORDINAL(names->u1.Ordinal))
        continue;
      IMAGE_IMPORT_BY_NAME *byName = (IMAGE_IMPORT_BY_NAME *)(image + names->u1.AddressOfData);
      redirected += Redirect(slots, (const char *)byName->Name);
    }
  }
  return redirected;
}

long AllocationsOffThread(void) { return Allocations; }
