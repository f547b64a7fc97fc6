// _beginthread over a detached pthread. Windows treats the requested stack
// size as the initial commit and reserves the executable's default (1 MB)
// behind it, so a small request still gets a stack that can grow: here the
// request is raised to that reserve, never below PTHREAD_STACK_MIN.
#include <errno.h>
#include <limits.h>
#include <pthread.h>
#include <stdlib.h>
#include <unistd.h>

#include <process.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

enum { DEFAULT_STACK_RESERVE = 1024 * 1024 };

struct ThreadStart {
  void(__cdecl *start)(void *);
  void *argument;
};

// Counted from _beginthread until the procedure returns, so a test can wait
// for a thread it cannot otherwise see end.
static int LiveThreads = 0;

static void *RunThreadStart(void *opaque) {
  ThreadStart start = *(ThreadStart *)opaque;
  free(opaque);
  start.start(start.argument);
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
  ThreadStart *start = (ThreadStart *)malloc(sizeof *start);
  if (!start) {
    errno = EAGAIN;
    return (uintptr_t)-1;
  }
  start->start = start_address;
  start->argument = arglist;
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  pthread_attr_setstacksize(&attributes, StackSizeFor(stack_size));
  pthread_t thread;
  __atomic_add_fetch(&LiveThreads, 1, __ATOMIC_SEQ_CST);
  int failed = pthread_create(&thread, &attributes, RunThreadStart, start);
  pthread_attr_destroy(&attributes);
  if (failed) {
    __atomic_sub_fetch(&LiveThreads, 1, __ATOMIC_SEQ_CST);
    free(start);
    errno = EAGAIN;
    return (uintptr_t)-1;
  }
  return (uintptr_t)thread;
}

extern "C" DWORD WINAPI GetCurrentProcessId(void) { return (DWORD)getpid(); }
