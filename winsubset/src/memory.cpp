// Global memory blocks, as the clipboard takes them. A fixed block's handle
// is its address; a moveable block's handle is a record distinct from its
// data, which a lock count pins. Handles are checked against the live
// blocks, so a stale or made-up handle fails instead of corrupting memory.
#include <pthread.h>
#include <stdlib.h>
#include <string.h>

#include "winsubset_internal.h"

// Larger requests fail as Windows' do when the address space runs out.
enum { LARGEST_BLOCK = 0x40000000 };

struct GlobalBlock {
  GlobalBlock *next;
  int moveable;
  SIZE_T size;
  int locks;
  void *data; // null for a moveable block of size 0 ("discarded")
};

static pthread_mutex_t MemoryLock = PTHREAD_MUTEX_INITIALIZER;
static GlobalBlock *Blocks = NULL;

static HGLOBAL HandleOf(const GlobalBlock *block) {
  return block->moveable ? (HGLOBAL)block : (HGLOBAL)block->data;
}

static GlobalBlock *FindBlock(HGLOBAL handle) {
  for (GlobalBlock *block = Blocks; block; block = block->next)
    if (HandleOf(block) == handle)
      return block;
  return NULL;
}

extern "C" HGLOBAL WINAPI GlobalAlloc(UINT uFlags, SIZE_T dwBytes) {
  if (TakeInjectedFault("GlobalAlloc"))
    return NULL;
  if (dwBytes > LARGEST_BLOCK) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return NULL;
  }
  GlobalBlock *block = (GlobalBlock *)calloc(1, sizeof *block);
  if (!block) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return NULL;
  }
  block->moveable = (uFlags & GMEM_MOVEABLE) != 0;
  block->size = dwBytes;
  if (dwBytes > 0 || !block->moveable) {
    // A fixed block of size 0 still needs an address of its own.
    SIZE_T bytes = dwBytes ? dwBytes : 1;
    block->data = (uFlags & GMEM_ZEROINIT) ? calloc(1, bytes) : malloc(bytes);
    if (!block->data) {
      free(block);
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return NULL;
    }
  }
  pthread_mutex_lock(&MemoryLock);
  block->next = Blocks;
  Blocks = block;
  pthread_mutex_unlock(&MemoryLock);
  return HandleOf(block);
}

extern "C" LPVOID WINAPI GlobalLock(HGLOBAL hMem) {
  if (!hMem)
    return NULL;
  if (TakeInjectedFault("GlobalLock"))
    return NULL;
  void *data = NULL;
  DWORD error = 0;
  pthread_mutex_lock(&MemoryLock);
  GlobalBlock *block = FindBlock(hMem);
  if (!block)
    error = ERROR_INVALID_HANDLE;
  else if (!block->data)
    error = ERROR_DISCARDED;
  else {
    if (block->moveable)
      block->locks++;
    data = block->data;
  }
  pthread_mutex_unlock(&MemoryLock);
  if (error)
    SetLastError(error);
  return data;
}

extern "C" BOOL WINAPI GlobalUnlock(HGLOBAL hMem) {
  BOOL stillLocked = FALSE;
  DWORD error = 0;
  pthread_mutex_lock(&MemoryLock);
  GlobalBlock *block = hMem ? FindBlock(hMem) : NULL;
  if (!block)
    error = ERROR_INVALID_HANDLE;
  else if (!block->moveable)
    stillLocked = TRUE; // fixed blocks are never unlocked
  else if (block->locks == 0)
    error = ERROR_NOT_LOCKED;
  else {
    block->locks--;
    stillLocked = block->locks > 0;
    if (!stillLocked)
      error = ERROR_SUCCESS;
  }
  pthread_mutex_unlock(&MemoryLock);
  if (!stillLocked)
    SetLastError(error);
  return stillLocked;
}

extern "C" HGLOBAL WINAPI GlobalFree(HGLOBAL hMem) {
  if (!hMem)
    return NULL;
  pthread_mutex_lock(&MemoryLock);
  GlobalBlock **link = &Blocks;
  while (*link && HandleOf(*link) != hMem)
    link = &(*link)->next;
  GlobalBlock *block = *link;
  if (block)
    *link = block->next;
  pthread_mutex_unlock(&MemoryLock);
  if (!block) {
    SetLastError(ERROR_INVALID_HANDLE);
    return hMem;
  }
  free(block->data);
  free(block);
  return NULL;
}

extern "C" SIZE_T WINAPI GlobalSize(HGLOBAL hMem) {
  SIZE_T size = 0;
  pthread_mutex_lock(&MemoryLock);
  GlobalBlock *block = hMem ? FindBlock(hMem) : NULL;
  if (block)
    size = block->size;
  pthread_mutex_unlock(&MemoryLock);
  if (!block)
    SetLastError(ERROR_INVALID_HANDLE);
  return size;
}
