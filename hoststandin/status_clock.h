/* The editor's clock at the right end of its status line, HH:MM, as the
   host shows one and writes it again each minute. Its minutes are counted
   from the local time at the start; a test may make them pass faster
   (--minute MS). */
#ifndef HORALIS_HOSTSTANDIN_STATUS_CLOCK_H
#define HORALIS_HOSTSTANDIN_STATUS_CLOCK_H

enum { STATUS_CLOCK_WIDTH = 5, STATUS_MINUTE_DEFAULT = 60000 };

/* Starts counting from now, a minute every `minute` milliseconds. */
void StatusClockStart(unsigned minute);
/* The minute of the day the clock shows now, 0..1439. */
int StatusClockMinute(void);
/* "HH:MM" of that minute; out holds STATUS_CLOCK_WIDTH + 1 bytes. */
void StatusClockText(int minute, char *out);

#endif
