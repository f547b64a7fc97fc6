/* What a process holds, for the growth and load-memory benchmarks. */
#ifndef HORALIS_BENCH_PROCESS_FIGURES_H
#define HORALIS_BENCH_PROCESS_FIGURES_H

#include <windows.h>

struct ProcessFigures {
  long long HeapBytes;      /* busy blocks of every heap */
  long long CommittedBytes; /* committed pages of the address space, any kind */
  long long Handles;
};

struct ProcessFigures TakeProcessFigures(void);

#endif
