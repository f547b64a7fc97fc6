/* Side-by-side timing for the benchmarks: a measured loop against a
   reference loop that does the bare work, interleaved and repeated in one
   run so that both see the same machine. Each ratio is printed with its
   median and minimum, beside a control that times the reference against
   itself: the spread the control shows is the noise of the run. */
#ifndef HORALIS_BENCH_BENCH_HARNESS_H
#define HORALIS_BENCH_BENCH_HARNESS_H

#include <stdio.h>
#include <stdlib.h>

#include <windows.h>

/* One pass of the work a loop repeats. */
typedef void (*BenchBody)(void *context);

struct RatioFigures {
  double Median;
  double Minimum;
};

enum { BENCH_ROUNDS = 31, BENCH_MAX_ROUNDS = 201, BENCH_SLICES = 8 };

/* A round runs each loop in slices of a few milliseconds, long enough for
   the timer, short enough that most slices run without being preempted. */
const double BenchSliceSeconds = 0.002;

inline double BenchNow(void) {
  static LARGE_INTEGER frequency;
  if (!frequency.QuadPart)
    QueryPerformanceFrequency(&frequency);
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return (double)now.QuadPart / (double)frequency.QuadPart;
}

inline double BenchTimeSlice(BenchBody body, void *context, long passes) {
  double start = BenchNow();
  for (long i = 0; i < passes; ++i)
    body(context);
  return BenchNow() - start;
}

/* Passes of the reference that fill one slice. */
inline long BenchCalibrate(BenchBody reference, void *context) {
  long passes = 1;
  for (;;) {
    double seconds = BenchTimeSlice(reference, context, passes);
    if (seconds >= BenchSliceSeconds || passes >= (1L << 24))
      return passes;
    if (seconds < BenchSliceSeconds / 16)
      passes *= 8;
    else
      passes = (long)(passes * (BenchSliceSeconds / seconds)) + 1;
  }
}

inline int BenchCompareDoubles(const void *a, const void *b) {
  double x = *(const double *)a, y = *(const double *)b;
  return x < y ? -1 : x > y ? 1 : 0;
}

inline int BenchRounds(void) {
  const char *text = getenv("HORALIS_BENCH_ROUNDS");
  int rounds = text ? atoi(text) : BENCH_ROUNDS;
  return rounds < 3 ? 3 : rounds > BENCH_MAX_ROUNDS ? BENCH_MAX_ROUNDS : rounds;
}

/* Time of measured over time of reference, round by round. In a round the
   slices of the two loops alternate, and each loop counts its fastest slice:
   the one a busy machine disturbed least. */
inline struct RatioFigures BenchRatio(BenchBody measured, BenchBody reference, void *context) {
  long passes = BenchCalibrate(reference, context);
  int rounds = BenchRounds();
  double ratios[BENCH_MAX_ROUNDS];
  for (int round = 0; round < rounds; ++round) {
    double measuredSeconds = 1e9, referenceSeconds = 1e9;
    for (int slice = 0; slice < BENCH_SLICES; ++slice) {
      // Either loop goes first in turn, so that neither always runs warm.
      int measuredFirst = (round + slice) % 2 == 0;
      double first = BenchTimeSlice(measuredFirst ? measured : reference, context, passes);
      double second = BenchTimeSlice(measuredFirst ? reference : measured, context, passes);
      double measuredSlice = measuredFirst ? first : second;
      double referenceSlice = measuredFirst ? second : first;
      if (measuredSlice < measuredSeconds)
        measuredSeconds = measuredSlice;
      if (referenceSlice < referenceSeconds)
        referenceSeconds = referenceSlice;
    }
    ratios[round] = measuredSeconds / referenceSeconds;
  }
  qsort(ratios, (size_t)rounds, sizeof ratios[0], BenchCompareDoubles);
  struct RatioFigures figures = {ratios[rounds / 2], ratios[0]};
  return figures;
}

inline int BenchFailures = 0;

/* Prints one ratio and its control; the median decides against the limit.
   Returns 1 when the limit is met. */
inline int BenchCompare(const char *name, BenchBody measured, BenchBody reference, void *context,
                        double limit) {
  struct RatioFigures ratio = BenchRatio(measured, reference, context);
  struct RatioFigures control = BenchRatio(reference, reference, context);
  int met = ratio.Median <= limit;
  printf("%-44s median %.3f  min %.3f  limit %.2f  %s\n", name, ratio.Median, ratio.Minimum, limit,
         met ? "met" : "NOT MET");
  printf("  %-42s median %.3f  min %.3f\n", "control: reference against itself", control.Median,
         control.Minimum);
  fflush(stdout);
  if (!met)
    ++BenchFailures;
  return met;
}

/* What a benchmark program's main returns: 1 when any limit was not met. */
inline int BenchExitCode(void) { return BenchFailures ? 1 : 0; }

#endif
