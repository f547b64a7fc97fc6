#include "status_clock.h"

#include <windows.h>

namespace {

DWORD MinuteLength = STATUS_MINUTE_DEFAULT;
DWORD StartTick = 0;
int StartMinute = 0; /* of the day, at StartTick */

} // namespace

/* The part of the current minute gone at the start counts, so that with
   real minutes the clock turns when the local time does. */
void StatusClockStart(unsigned minute) {
  MinuteLength = minute ? minute : (DWORD)STATUS_MINUTE_DEFAULT;
  SYSTEMTIME now;
  GetLocalTime(&now);
  StartMinute = now.wHour * 60 + now.wMinute;
  DWORD gone = (DWORD)(now.wSecond * 1000 + now.wMilliseconds);
  StartTick = GetTickCount() - (DWORD)((unsigned long long)gone * MinuteLength / 60000);
}

int StatusClockMinute(void) {
  DWORD minutes = (GetTickCount() - StartTick) / MinuteLength;
  return (int)((StartMinute + minutes) % 1440);
}

void StatusClockText(int minute, char *out) {
  unsigned of = (unsigned)minute % 1440;
  out[0] = (char)('0' + of / 600);
  out[1] = (char)('0' + of / 60 % 10);
  out[2] = ':';
  out[3] = (char)('0' + of % 60 / 10);
  out[4] = (char)('0' + of % 10);
  out[5] = 0;
}
