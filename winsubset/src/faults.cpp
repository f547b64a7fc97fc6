// Fault injection: tests arm a function name with an error code and a
// count, and every subset function that can fail asks here first.
#include <pthread.h>
#include <stdio.h>
#include <string.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

enum { FAULT_SLOTS = 32, FAULT_NAME_SIZE = 64 };

struct InjectedFault {
  char name[FAULT_NAME_SIZE];
  DWORD error;
  int remaining; // -1: every call until the next reset
};

static pthread_mutex_t FaultLock = PTHREAD_MUTEX_INITIALIZER;
static InjectedFault Faults[FAULT_SLOTS];

// The k-th call sweep: every fallible call is counted while it is on.
static int Counting;
static int CountedCalls;
static int FailAt;
static DWORD FailAtError;
static char FailedCallName[FAULT_NAME_SIZE];

static InjectedFault *FindFault(const char *name) {
  for (int i = 0; i < FAULT_SLOTS; i++)
    if (Faults[i].remaining != 0 && strcmp(Faults[i].name, name) == 0)
      return &Faults[i];
  return NULL;
}

extern "C" void WinSubset_FailCall(const char *name, DWORD error, int count) {
  if (!name || strlen(name) >= FAULT_NAME_SIZE)
    return;
  pthread_mutex_lock(&FaultLock);
  InjectedFault *fault = FindFault(name);
  if (!fault) {
    for (int i = 0; i < FAULT_SLOTS && !fault; i++)
      if (Faults[i].remaining == 0)
        fault = &Faults[i];
  }
  if (fault) {
    strcpy(fault->name, name);
    fault->error = error;
    fault->remaining = count < 0 ? -1 : count;
  }
  pthread_mutex_unlock(&FaultLock);
}

extern "C" void WinSubset_FailNthCall(int k, DWORD error) {
  pthread_mutex_lock(&FaultLock);
  Counting = 1;
  CountedCalls = 0;
  FailAt = k;
  FailAtError = error;
  FailedCallName[0] = 0;
  pthread_mutex_unlock(&FaultLock);
}

extern "C" int WinSubset_CountedCalls(void) {
  pthread_mutex_lock(&FaultLock);
  int count = CountedCalls;
  pthread_mutex_unlock(&FaultLock);
  return count;
}

extern "C" const char *WinSubset_FailedCallName(void) { return FailedCallName; }

DWORD TakeInjectedFault(const char *name) {
  DWORD error = 0;
  pthread_mutex_lock(&FaultLock);
  InjectedFault *fault = FindFault(name);
  if (fault) {
    error = fault->error;
    if (fault->remaining > 0)
      fault->remaining--;
  }
  if (Counting && ++CountedCalls == FailAt) {
    error = FailAtError;
    snprintf(FailedCallName, sizeof FailedCallName, "%s", name);
  }
  pthread_mutex_unlock(&FaultLock);
  if (error)
    SetLastError(error);
  return error;
}

void ResetFaults(void) {
  pthread_mutex_lock(&FaultLock);
  memset(Faults, 0, sizeof Faults);
  Counting = 0;
  CountedCalls = 0;
  FailAt = 0;
  FailedCallName[0] = 0;
  pthread_mutex_unlock(&FaultLock);
}
