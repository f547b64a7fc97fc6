/* The clock indicator: a thread of its own shows the date text for a while
   in a corner of the console screen buffer, keeps it visible while the host
   repaints, and then puts back what lies under it. This is the thread's
   life: started by the menu entry, ended before an unload. */
#ifndef HORALIS_INDICATOR_CLOCK_INDICATOR_H
#define HORALIS_INDICATOR_CLOCK_INDICATOR_H

#include "indicator/clock_display.h"

/* Clock threads started and still running code of this module. */
extern std::atomic<LONG> ClockThreads;

/* Main-menu entry 2: asks a shown clock to stop when SwitchMode is on or
   the clock is kept until switched off, and starts a display when none is
   shown. */
void InvokeClockIndicator(void);

/* 1 while a display kept until the entry is chosen again is shown. */
inline int KeptClockShown(void) { return ClockRunning.load() == 1 && ClockStaying.load() == 1; }

/* Before the host unloads the module: ends a display and waits, at most
   CLOCK_EXIT_WAIT ms, until no clock thread runs code of the module. 1 when
   none does any more. */
int EndClockForUnload(void);

#endif
