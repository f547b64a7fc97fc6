/* The clock indicator: a thread of its own shows the date text for a while
   in a corner of the console screen buffer, keeps it visible while the host
   repaints, and then puts back what lies under it. */
#ifndef HORALIS_INDICATOR_CLOCK_INDICATOR_H
#define HORALIS_INDICATOR_CLOCK_INDICATOR_H

#include <atomic>

#include <windows.h>

#include "hostlink/module_state.h"

enum {
  CLOCK_TEXT_SIZE = 80,    /* the text, the saved cells and the saved title */
  CLOCK_STACK_SIZE = 1024, /* requested of _beginthread; the system lets it grow */
  CLOCK_CODE_PAGE = 1251,  /* the output code page the text is drawn under */
  CLOCK_DEFAULT_PAUSE = 1000
};

/* ModifierMask bits. */
enum { CLOCK_MASK_CTRL = 0x100, CLOCK_MASK_SHIFT = 0x10, CLOCK_MASK_ALT = 0x1 };

/* Shared between the host's thread and the clock thread, hence atomic.
   ClockRunning: a thread has claimed the display and not yet written the
   screen back. ClockStopRequest: non-zero ends the display at its next
   check. ClockSwitchMode: the "SwitchMode" setting as last loaded. */
extern std::atomic<LONG> ClockRunning;
extern std::atomic<LONG> ClockStopRequest;
extern std::atomic<LONG> ClockSwitchMode;

/* The custom format while a display uses it; emptied at start-up. */
extern char IndicatorFormat[FORMAT_SIZE];

/* Everything the thread owns for one display; on its stack, nothing
   allocated. */
struct ClockDisplay {
  char Text[CLOCK_TEXT_SIZE];
  WCHAR WideText[CLOCK_TEXT_SIZE];
  CHAR_INFO SavedCells[CLOCK_TEXT_SIZE];
  WCHAR SavedTitle[CLOCK_TEXT_SIZE];
  HANDLE Console;
  COORD Position;
  WORD Color;
  DWORD Length;
};

/* Main-menu entry 2: asks a shown clock to stop when SwitchMode is on, and
   starts a display when none is shown. */
void InvokeClockIndicator(void);

/* The thread procedure of one display; the argument is ignored. */
void __cdecl RunClockIndicator(void *);

/* One pass of the display loop: the output code page set, the covered
   cells compared with the text, and the text painted again where the host
   has repainted (the cells it put there saved). 1 when it painted. */
int RunClockPass(struct ClockDisplay *display);

/* Ctrl, Shift and Alt held at this moment, as CLOCK_MASK_* bits. */
LONG ReadModifierMask(void);

/* The covered cells are read and written as rectangles of one row, the
   characters (Unicode) and attributes of a run in one call: a host that
   repaints between two calls would otherwise pair its characters with the
   clock's colours, and what comes back at the end would not be the host's.
   Unicode, since the output code page the display sets (1251) lacks the
   host's frame characters. The text is the expansion read as code page
   1251. A run never goes past the end of its row. */

/* Paints text (at most 79 characters) in attribute from (x, y) on. */
void DrawClockText(HANDLE console, SHORT x, SHORT y, WORD attribute, const WCHAR *text);

/* Reads the cells text covers at position; every cell that no longer shows
   the text's character in attribute is taken over into savedCells. 1 when
   at least one was. */
int CheckClockCells(HANDLE console, CHAR_INFO *savedCells, const WCHAR *text, WORD attribute,
                    COORD position);

/* A run of count cells (at most 80) from position, in one call each; the
   number of cells done. */
DWORD ReadClockCells(HANDLE console, CHAR_INFO *cells, DWORD count, COORD position);
DWORD WriteClockCells(HANDLE console, const CHAR_INFO *cells, DWORD count, COORD position);

#endif
