// What a display does to the console: take the host's cells, draw the
// text where it is missing, and put the host's cells back.
#include "indicator/clock_indicator.h"

#include <string.h>

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

static int SameCell(const CHAR_INFO *a, const CHAR_INFO *b) {
  return a->Char.UnicodeChar == b->Char.UnicodeChar && a->Attributes == b->Attributes;
}

// Writes cells[i] for each i below count with write[i] set, a run of
// neighbours in one call. 1 when it wrote any.
static int WriteMarkedRuns(HANDLE console, const CHAR_INFO *cells, const unsigned char *write,
                           DWORD count, COORD position) {
  int wrote = 0;
  for (DWORD first = 0; first < count;) {
    if (!write[first]) {
      first++;
      continue;
    }
    DWORD end = first;
    while (end < count && write[end])
      end++;
    COORD at = {(SHORT)(position.X + (SHORT)first), position.Y};
    WriteClockCells(console, cells + first, end - first, at);
    wrote = 1;
    first = end;
  }
  return wrote;
}

// The host's cells are taken before anything is drawn; a cell that already
// shows the text is left alone, so a host write there between this read
// and the write below is never covered unseen.
int RunClockPass(struct ClockDisplay *display) {
  CHAR_INFO cells[CLOCK_TEXT_SIZE];
  DWORD length = display->Length < CLOCK_TEXT_SIZE ? display->Length : CLOCK_TEXT_SIZE - 1;
  DWORD read = ReadClockCells(display->Console, cells, length, display->Position);
  unsigned char draw[CLOCK_TEXT_SIZE];
  for (DWORD i = 0; i < read; i++) {
    if (!display->Drawn[i] || !SameCell(&cells[i], &display->DrawnCells[i]))
      display->SavedCells[i] = cells[i];
    CHAR_INFO shown;
    shown.Char.UnicodeChar = display->WideText[i];
    shown.Attributes = display->Color;
    draw[i] = !SameCell(&cells[i], &shown);
    cells[i] = shown;
    display->DrawnCells[i] = shown;
    display->Drawn[i] = 1;
  }
  return WriteMarkedRuns(display->Console, cells, draw, read, display->Position);
}

void PutBackClockCells(struct ClockDisplay *display) {
  CHAR_INFO cells[CLOCK_TEXT_SIZE];
  unsigned char back[CLOCK_TEXT_SIZE];
  DWORD length = display->Length < CLOCK_TEXT_SIZE ? display->Length : CLOCK_TEXT_SIZE - 1;
  DWORD read = ReadClockCells(display->Console, cells, length, display->Position);
  for (DWORD i = 0; i < length; i++) {
    back[i] = display->Drawn[i] && (i >= read || SameCell(&cells[i], &display->DrawnCells[i]));
    display->Drawn[i] = 0;
  }
  WriteMarkedRuns(display->Console, display->SavedCells, back, length, display->Position);
}

void MoveClockCells(struct ClockDisplay *display, COORD position, DWORD count, const WCHAR *text) {
  CHAR_INFO saved[CLOCK_TEXT_SIZE], drawn[CLOCK_TEXT_SIZE] = {};
  unsigned char kept[CLOCK_TEXT_SIZE];
  DWORD length = count < CLOCK_TEXT_SIZE ? count : CLOCK_TEXT_SIZE - 1;
  length = ReadClockCells(display->Console, saved, length, position);
  for (DWORD j = 0; j < length; j++) {
    LONG i = (LONG)position.X + (LONG)j - display->Position.X;
    kept[j] = position.Y == display->Position.Y && i >= 0 && (DWORD)i < display->Length &&
              display->Drawn[i];
    if (kept[j]) {
      saved[j] = display->SavedCells[i];
      drawn[j] = display->DrawnCells[i];
      display->Drawn[i] = 0; // not the text's to put back: it stays covered
    }
  }
  PutBackClockCells(display);
  memcpy(display->SavedCells, saved, length * sizeof *saved);
  memcpy(display->DrawnCells, drawn, length * sizeof *drawn);
  memcpy(display->Drawn, kept, length);
  memcpy(display->WideText, text, length * sizeof(WCHAR));
  display->WideText[length] = 0;
  display->Position = position;
  display->Length = length;
}
