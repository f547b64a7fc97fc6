// _beginthread and CreateThread over a detached pthread. Windows treats the requested stack
// size as the initial commit and reserves the executable's default (1 MB)
// behind it, so a small request still gets a stack that can grow: here the
// request is raised to that reserve, never below PTHREAD_STACK_MIN.
#include <errno.h>
#include <limits.h>
#include <pthread.h>
#include <setjmp.h>
#include <stdlib.h>
#include <unistd.h>

#include <process.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

enum { DEFAULT_STACK_RESERVE = 1024 * 1024 };

struct ThreadStart {
  void(__cdecl *start)(void *);   // _beginthread's procedure, or
  LPTHREAD_START_ROUTINE routine; // CreateThread's
  void *argument;
};

// Where FreeLibraryAndExitThread leaves a thread started here: the end of
// its start routine, as ExitThread would.
static thread_local jmp_buf *ThreadExit = NULL;

// Counted from _beginthread until the procedure returns, so a test can wait
// for a thread it cannot otherwise see end.
static int LiveThreads = 0;

static void *RunThreadStart(void *opaque) {
  ThreadStart start = *(ThreadStart *)opaque;
  free(opaque);
  jmp_buf exit;
  if (setjmp(exit) == 0) {
    ThreadExit = &exit;
    if (start.routine)
      start.routine(start.argument);
    else
      start.start(start.argument);
  }
  ThreadExit = NULL;
  __atomic_sub_fetch(&LiveThreads, 1, __ATOMIC_SEQ_CST);
  return NULL;
}

extern "C" int WinSubset_LiveThreads(void) {
  return __atomic_load_n(&LiveThreads, __ATOMIC_SEQ_CST);
}

static size_t StackSizeFor(unsigned requested) {
  size_t size = requested;
  if (size < DEFAULT_STACK_RESERVE)
    size = DEFAULT_STACK_RESERVE;
  if (size < (size_t)PTHREAD_STACK_MIN)
    size = PTHREAD_STACK_MIN;
  size_t page = 4096;
  return (size + page - 1) / page * page;
}

// 1 when the thread runs; errno tells why not.
static int StartThread(const ThreadStart &request, unsigned stackSize) {
  ThreadStart *start = (ThreadStart *)malloc(sizeof *start);
  if (!start) {
    errno = EAGAIN;
    return 0;
  }
  *start = request;
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  pthread_attr_setstacksize(&attributes, StackSizeFor(stackSize));
  pthread_t thread;
  __atomic_add_fetch(&LiveThreads, 1, __ATOMIC_SEQ_CST);
  int failed = pthread_create(&thread, &attributes, RunThreadStart, start);
  pthread_attr_destroy(&attributes);
  if (failed) {
    __atomic_sub_fetch(&LiveThreads, 1, __ATOMIC_SEQ_CST);
    free(start);
    errno = EAGAIN;
    return 0;
  }
  return 1;
}

extern "C" uintptr_t _beginthread(void(__cdecl *start_address)(void *), unsigned stack_size,
                                  void *arglist) {
  if (!start_address) {
    errno = EINVAL;
    return (uintptr_t)-1;
  }
  if (TakeInjectedFault("_beginthread")) {
    errno = EAGAIN;
    return (uintptr_t)-1;
  }
  ThreadStart start = {start_address, NULL, arglist};
  return StartThread(start, stack_size) ? (uintptr_t)1 : (uintptr_t)-1;
}

// The handle is a block of its own, so a handle never closed is a leak the
// sanitizer reports.
struct ThreadHandle {
  DWORD id;
};

extern "C" HANDLE WINAPI CreateThread(LPSECURITY_ATTRIBUTES, SIZE_T dwStackSize,
                                      LPTHREAD_START_ROUTINE lpStartAddress, LPVOID lpParameter,
                                      DWORD, LPDWORD lpThreadId) {
  if (TakeInjectedFault("CreateThread"))
    return NULL;
  if (!lpStartAddress) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return NULL;
  }
  static DWORD lastId = 0;
  ThreadHandle *handle = (ThreadHandle *)malloc(sizeof *handle);
  if (!handle) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return NULL;
  }
  handle->id = __atomic_add_fetch(&lastId, 1, __ATOMIC_SEQ_CST);
  ThreadStart start = {NULL, lpStartAddress, lpParameter};
  if (!StartThread(start, (unsigned)dwStackSize)) {
    free(handle);
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return NULL;
  }
  if (lpThreadId)
    *lpThreadId = handle->id;
  return (HANDLE)handle;
}

extern "C" BOOL WINAPI CloseHandle(HANDLE hObject) {
  if (!hObject || hObject == INVALID_HANDLE_VALUE) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  free(hObject);
  return TRUE;
}

extern "C" void WINAPI FreeLibraryAndExitThread(HMODULE hLibModule, DWORD) {
  FreeLibrary(hLibModule);
  if (ThreadExit)
    longjmp(*ThreadExit, 1);
  pthread_exit(NULL);
}

extern "C" DWORD WINAPI GetCurrentProcessId(void) { return (DWORD)getpid(); }
