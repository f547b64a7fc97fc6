/* The clock's numbers: a display time of 0 (the default time) or 1 ms to
   a day, and columns and rows a console can address. Stored values out of
   range are clamped when read, never wrapped; typed ones are refused. */
#ifndef HORALIS_INDICATOR_CLOCK_NUMBERS_H
#define HORALIS_INDICATOR_CLOCK_NUMBERS_H

#include <windows.h>

enum {
  CLOCK_LONGEST_PAUSE = 24 * 60 * 60 * 1000,
  CLOCK_PLACE_LOWEST = -32768,
  CLOCK_PLACE_HIGHEST = 32767
};

/* A stored "Pause" (unsigned): above a day reads as a day. */
DWORD StoredClockPause(DWORD stored);

/* A stored "Xcoord" or "Ycoord" (signed 32 bits), clamped to the range. */
LONG StoredClockPlace(DWORD stored);

#endif
