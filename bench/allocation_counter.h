/* Counts the heap allocations a benchmark program's other threads make:
   the program's own imports of the allocators are redirected to counting
   wrappers, so every allocation of code linked into it is seen, including
   those freed at once, which a heap walk before and after would miss. */
#ifndef HORALIS_BENCH_ALLOCATION_COUNTER_H
#define HORALIS_BENCH_ALLOCATION_COUNTER_H

/* Redirects the imports; the number of allocators found and redirected. */
int CountAllocationsOffThisThread(void);

/* Allocations made since by threads other than the one that called
   CountAllocationsOffThisThread. */
long AllocationsOffThread(void);

#endif
