/* Processor time as a display costs it: the process's own and the Wine
   server's, which runs every console call of the process. */
#ifndef HORALIS_BENCH_CPU_TIME_H
#define HORALIS_BENCH_CPU_TIME_H

/* Seconds of processor time this process has used (user and kernel). */
double ProcessCpuSeconds(void);

/* Seconds the Wine server of this process's prefix has used, from its
   /proc stat; a negative number when it cannot be found (not under Wine). */
double WineServerCpuSeconds(void);

#endif
