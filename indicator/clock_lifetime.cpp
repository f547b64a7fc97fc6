// The clock thread's life: started by the menu entry with a reference to
// this module of its own, so the host may unload the module at any moment
// without the thread running freed code, and ended before an unload.
#include "indicator/clock_indicator.h"

#include "hostlink/host_table.h"
#include "indicator/indicator_settings.h"
#include "presets/format_checks.h"

std::atomic<LONG> ClockThreads(0);

// The thread's own reference to this module, taken by full path: the
// system only counts a load of the module already mapped. Windows 2000
// lacks GetModuleHandleEx. Null when the path does not fit or fails to load.
static HMODULE ReferenceThisModule(void) {
  char path[MAX_PATH];
  DWORD length = GetModuleFileNameA(ModuleInstance, path, sizeof path);
  if (length == 0 || length >= sizeof path)
    return NULL;
  return LoadLibraryA(path);
}

static DWORD WINAPI ClockThreadMain(LPVOID module) {
  RunClockIndicator(NULL);
  ClockThreads--;
  // Frees the module and ends the thread in one call, so nothing of the
  // module runs once it may be gone.
  FreeLibraryAndExitThread((HMODULE)module, 0);
  return 0;
}

// A thread that cannot start goes unnoticed: there is nothing to show. No
// reference, no thread: an unload could otherwise pull the code from
// under it.
static void StartClockThread(void) {
  HMODULE module = ReferenceThisModule();
  if (!module)
    return;
  ClockThreads++;
  HANDLE thread = CreateThread(NULL, CLOCK_STACK_SIZE, ClockThreadMain, module, 0, NULL);
  if (!thread) {
    ClockThreads--;
    FreeLibrary(module);
    return;
  }
  CloseHandle(thread);
}

// A silent mistake in the format would show a plausible wrong time under
// the clock's label: said as a display starts, on the host's thread before
// the clock's starts, and the display then goes on. The format is the one
// the display is about to read.
static void NoteClockFormatMistake(void) {
  char format[FORMAT_SIZE];
  ReadClockFormat(format);
  const unsigned char note[4] = {MSG_CLOCK_NUMBERS_TITLE, MSG_CLOCK_FORMAT_MISTAKE, MSG_OK, 0};
  AnswerToMistake(format, note);
}

void InvokeClockIndicator(void) {
  if (ClockRunning.load() == 1 && EntrySwitchesClockOff())
    ClockStopRequest.store(1);
  if (ClockRunning.load() != 0)
    return;
  TakeClockHostTexts();
  NoteClockFormatMistake();
  StartClockThread();
}

int EndClockForUnload(void) {
  ClockUnloading.store(1);
  DWORD start = GetTickCount();
  while (ClockThreads.load() != 0 && GetTickCount() - start < CLOCK_EXIT_WAIT)
    Sleep(1);
  if (ClockThreads.load() != 0)
    return 0; // a thread still drawing keeps its own reference and ends later
  ClockUnloading.store(0);
  return 1;
}
