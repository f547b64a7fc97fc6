/* What the clock's benchmarks share: the console (under Wine the standard
   output is a file, and the clock draws only on a console), the clock's
   settings, and the threads of the process, whose count tells when a
   display's thread has ended. */
#ifndef HORALIS_BENCH_BENCH_CLOCK_H
#define HORALIS_BENCH_BENCH_CLOCK_H

#include <windows.h>

/* Makes the console the standard output; INVALID_HANDLE_VALUE when the
   process has none. */
HANDLE TakeBenchConsole(void);

/* Stores the clock's settings beneath the benchmarks' settings: a display
   of pause milliseconds, in the corner, with the title and a colour. */
void StoreBenchClockSettings(DWORD pause);

/* Threads the process has now; 0 when they cannot be counted. */
long CountProcessThreads(void);

/* Waits until the process has at most threads threads, up to a few
   seconds; 1 when it did. */
int WaitForThreadCount(long threads);

#endif
