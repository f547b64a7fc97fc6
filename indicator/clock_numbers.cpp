#include "indicator/clock_numbers.h"

DWORD StoredClockPause(DWORD stored) {
  const DWORD longest = CLOCK_LONGEST_PAUSE;
  return stored > longest ? longest : stored;
}

LONG StoredClockPlace(DWORD stored) {
  const LONG lowest = CLOCK_PLACE_LOWEST, highest = CLOCK_PLACE_HIGHEST;
  LONG place = (LONG)stored;
  return place < lowest ? lowest : place > highest ? highest : place;
}
