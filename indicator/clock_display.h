/* One display of the clock, run on a thread of its own: its settings, the
   text kept visible while the host repaints, and the screen and title put
   back. It knows nothing of how its thread is started or ended. */
#ifndef HORALIS_INDICATOR_CLOCK_DISPLAY_H
#define HORALIS_INDICATOR_CLOCK_DISPLAY_H

#include <atomic>

#include <windows.h>

#include "hostlink/module_state.h"

enum {
  CLOCK_TEXT_SIZE = 80,     /* the text and the saved cells */
  CLOCK_TITLE_SIZE = 32768, /* a console title is shorter than 64 KiB */
  CLOCK_STACK_SIZE = 1024,  /* the initial stack; the system lets it grow */
  CLOCK_DEFAULT_PAUSE = 1000,
  CLOCK_PASS_SPACING = 10, /* ms between passes */
  CLOCK_EXIT_WAIT = 1000   /* how long an unload waits for the screen to come back */
};

/* ModifierMask bits. */
enum { CLOCK_MASK_CTRL = 0x100, CLOCK_MASK_SHIFT = 0x10, CLOCK_MASK_ALT = 0x1 };

/* Shared between the host's thread and the clock thread, hence atomic.
   ClockRunning: a thread has claimed the display and not yet written the
   screen back. ClockStopRequest: non-zero ends the display at its next
   check. ClockSwitchMode: the "SwitchMode" setting as last loaded.
   ClockUnloading: the host is about to unload the module; every
   display ends. ClockStaying: the display shown is kept until the entry
   is chosen again. */
extern std::atomic<LONG> ClockRunning;
extern std::atomic<LONG> ClockStopRequest;
extern std::atomic<LONG> ClockSwitchMode;
extern std::atomic<LONG> ClockUnloading;
extern std::atomic<LONG> ClockStaying;

/* The host's texts a display starts from, the default format (message 8)
   and display time (message 9), copied on the host's thread when it starts
   a display: the host may switch its language and free its texts while a
   clock is shown, so the clock thread never reads them. Guarded by the
   settings lock; emptied at start-up. */
extern char ClockHostFormat[FORMAT_SIZE];
void TakeClockHostTexts(void);

/* 1 when choosing the entry takes a shown clock away. */
LONG EntrySwitchesClockOff(void);

/* Everything the thread owns for one display; on its stack, nothing
   allocated. Cell i lies at Position.X + i. */
struct ClockDisplay {
  char Text[CLOCK_TEXT_SIZE];
  WCHAR WideText[CLOCK_TEXT_SIZE];       /* the part of the text on the screen */
  CHAR_INFO SavedCells[CLOCK_TEXT_SIZE]; /* the host's last, to put back */
  CHAR_INFO DrawnCells[CLOCK_TEXT_SIZE]; /* what the display last wrote */
  unsigned char Drawn[CLOCK_TEXT_SIZE];  /* 1 where DrawnCells holds that */
  HANDLE Console;
  COORD Position; /* of the first cell on the screen */
  WORD Color;
  DWORD Length; /* cells on the screen */
};

/* The procedure of one display, run on the clock thread; the argument is
   ignored. */
void __cdecl RunClockIndicator(void *);

/* One pass of the display loop, one read of the covered cells: every cell
   that differs from what the display last drew there was written by the
   host since, and becomes the cell to put back; then the cells that do not
   show the text are drawn, and only those. 1 when it drew. */
int RunClockPass(struct ClockDisplay *display);

/* Ctrl, Shift and Alt held at this moment, as CLOCK_MASK_* bits. */
LONG ReadModifierMask(void);

/* The covered cells are read and written as rectangles of one row, the
   characters (Unicode) and attributes of a run in one call: a host that
   repaints between two calls would otherwise pair its characters with the
   clock's colours, and what comes back at the end would not be the host's.
   Unicode, so no output code page has to be set: the host's stays, and
   frame characters come back whatever it is. The text is the expansion read
   as the OEM code page, the one of the host's texts and of the format typed
   in the dialog. A run never goes past the end of its row. */

/* A run of count cells (at most 80) from position, in one call each; the
   number of cells done. */
DWORD ReadClockCells(HANDLE console, CHAR_INFO *cells, DWORD count, COORD position);
DWORD WriteClockCells(HANDLE console, const CHAR_INFO *cells, DWORD count, COORD position);

/* Moves the display to text (count cells from position, on its row): the
   cells it keeps covering keep what was saved and drawn there, the cells it
   leaves are put back, the cells it newly covers are saved as read. The
   length becomes the number of cells the read reported. */
void MoveClockCells(struct ClockDisplay *display, COORD position, DWORD count, const WCHAR *text);

/* Puts the saved cells back where the screen still shows what the display
   drew; a cell the host wrote since keeps the host's content, untouched. A
   cell the read did not report gets its saved content, so a failed read
   never leaves the clock behind. */
void PutBackClockCells(struct ClockDisplay *display);

#endif
