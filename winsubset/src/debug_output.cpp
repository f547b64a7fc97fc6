// OutputDebugStringA: with no debugger, the text is kept for tests to take.
#include <pthread.h>
#include <stdlib.h>
#include <string.h>

#include "winsubset_control.h"
#include "winsubset_internal.h"

// Enough for any test; later text is dropped rather than grown without end.
enum { DEBUG_OUTPUT_LIMIT = 64 * 1024 };

static pthread_mutex_t DebugLock = PTHREAD_MUTEX_INITIALIZER;
static char DebugText[DEBUG_OUTPUT_LIMIT];
static size_t DebugLength = 0;

extern "C" void WINAPI OutputDebugStringA(LPCSTR lpOutputString) {
  if (!lpOutputString)
    return;
  pthread_mutex_lock(&DebugLock);
  size_t room = DEBUG_OUTPUT_LIMIT - 1 - DebugLength;
  size_t length = strnlen(lpOutputString, room);
  memcpy(DebugText + DebugLength, lpOutputString, length);
  DebugLength += length;
  DebugText[DebugLength] = 0;
  pthread_mutex_unlock(&DebugLock);
}

extern "C" char *WinSubset_TakeDebugOutput(void) {
  pthread_mutex_lock(&DebugLock);
  char *text = (char *)malloc(DebugLength + 1);
  if (text) {
    memcpy(text, DebugText, DebugLength);
    text[DebugLength] = 0;
    DebugLength = 0;
    DebugText[0] = 0;
  }
  pthread_mutex_unlock(&DebugLock);
  return text;
}

void ResetDebugOutput(void) {
  pthread_mutex_lock(&DebugLock);
  DebugLength = 0;
  DebugText[0] = 0;
  pthread_mutex_unlock(&DebugLock);
}
