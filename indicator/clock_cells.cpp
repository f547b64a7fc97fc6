// What a display does to the console: compare the covered cells with the
// text, paint it again, and put the cells back.
#include "indicator/clock_indicator.h"

// Never more than the 80-entry buffers hold, whatever the caller passes.
static DWORD ClockTextLength(const WCHAR *text) {
  DWORD length = 0;
  while (text[length] && length < CLOCK_TEXT_SIZE - 1)
    length++;
  return length;
}

LONG ReadModifierMask(void) {
  LONG mask = 0;
  if (GetAsyncKeyState(VK_CONTROL) & 0x8000)
    mask += CLOCK_MASK_CTRL;
  if (GetAsyncKeyState(VK_SHIFT) & 0x8000)
    mask += CLOCK_MASK_SHIFT;
  if (GetAsyncKeyState(VK_MENU) & 0x8000)
    mask += CLOCK_MASK_ALT;
  return mask;
}

// One row from position, count cells long: the rectangle of a run.
static DWORD TransferCells(HANDLE console, CHAR_INFO *cells, DWORD count, COORD position,
                           int write) {
  if (count == 0 || count > CLOCK_TEXT_SIZE)
    return 0;
  COORD size = {(SHORT)count, 1};
  COORD origin = {0, 0};
  SMALL_RECT region = {position.X, position.Y, (SHORT)(position.X + (SHORT)count - 1), position.Y};
  BOOL done = write ? WriteConsoleOutputW(console, cells, size, origin, &region)
                    : ReadConsoleOutputW(console, cells, size, origin, &region);
  // Only a run that starts where it was asked to counts.
  if (!done || region.Left != position.X || region.Top != position.Y || region.Right < region.Left)
    return 0;
  DWORD transferred = (DWORD)(region.Right - region.Left + 1);
  return transferred < count ? transferred : count;
}

DWORD ReadClockCells(HANDLE console, CHAR_INFO *cells, DWORD count, COORD position) {
  return TransferCells(console, cells, count, position, 0);
}

DWORD WriteClockCells(HANDLE console, const CHAR_INFO *cells, DWORD count, COORD position) {
  return TransferCells(console, (CHAR_INFO *)cells, count, position, 1);
}

void DrawClockText(HANDLE console, SHORT x, SHORT y, WORD attribute, const WCHAR *text) {
  if (!text)
    return;
  CHAR_INFO cells[CLOCK_TEXT_SIZE];
  DWORD length = ClockTextLength(text);
  for (DWORD i = 0; i < length; i++) {
    cells[i].Char.UnicodeChar = text[i];
    cells[i].Attributes = attribute;
  }
  COORD position = {x, y};
  WriteClockCells(console, cells, length, position);
}

static int ShowsClock(const CHAR_INFO *cell, WCHAR character, WORD attribute) {
  return cell->Char.UnicodeChar == character && cell->Attributes == attribute;
}

int CheckClockCells(HANDLE console, CHAR_INFO *savedCells, const WCHAR *text, WORD attribute,
                    COORD position) {
  if (!text)
    return 0;
  CHAR_INFO cells[CLOCK_TEXT_SIZE];
  DWORD read = ReadClockCells(console, cells, ClockTextLength(text), position);
  int changed = 0;
  for (DWORD i = 0; i < read; i++) {
    if (!ShowsClock(&cells[i], text[i], attribute)) {
      savedCells[i] = cells[i];
      changed = 1;
    }
  }
  return changed;
}

// The host may have painted since the last pass: its cells are the newer
// content and stay. The run is written in one call, the host's cells
// written as just read. A cell the read did not report gets its saved
// content, so a failed read never leaves the clock behind.
void RestoreClockCells(HANDLE console, const CHAR_INFO *savedCells, const WCHAR *text,
                       WORD attribute, COORD position) {
  if (!text)
    return;
  CHAR_INFO cells[CLOCK_TEXT_SIZE];
  DWORD length = ClockTextLength(text);
  DWORD read = ReadClockCells(console, cells, length, position);
  for (DWORD i = 0; i < length; i++)
    if (i >= read || ShowsClock(&cells[i], text[i], attribute))
      cells[i] = savedCells[i];
  WriteClockCells(console, cells, length, position);
}
