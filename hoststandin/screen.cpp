#include "screen.h"

#include "palette.h"

#include <string.h>

namespace {

ScreenCell Cells[SCREEN_MAX_HEIGHT][SCREEN_MAX_WIDTH];
int Width = 80;
int Height = 25;
int CursorX = 0, CursorY = 0, CursorVisible = 0;
ScreenFlushHook FlushHook = nullptr;
int Flushes = 0;

struct SavedScreen {
  int InUse;
  int CursorX, CursorY, CursorVisible;
  ScreenCell Cells[SCREEN_MAX_HEIGHT][SCREEN_MAX_WIDTH];
};
SavedScreen Saves[SCREEN_SAVES];

int Inside(int x, int y) { return x >= 0 && y >= 0 && x < Width && y < Height; }

} // namespace

void ScreenResize(int width, int height) {
  Width = width < 20 ? 20 : width > SCREEN_MAX_WIDTH ? SCREEN_MAX_WIDTH : width;
  Height = height < 10 ? 10 : height > SCREEN_MAX_HEIGHT ? SCREEN_MAX_HEIGHT : height;
}

int ScreenWidth(void) { return Width; }
int ScreenHeight(void) { return Height; }

void ScreenPutChar(int x, int y, int attr, int ch) {
  if (Inside(x, y)) {
    Cells[y][x].Char = (unsigned char)ch;
    Cells[y][x].Attr = (unsigned char)attr;
  }
}

void ScreenPut(int x, int y, int attr, const char *text, int maxLength) {
  if (!text)
    return;
  for (int i = 0; i < maxLength && text[i]; ++i)
    ScreenPutChar(x + i, y, attr, (unsigned char)text[i]);
}

void ScreenFill(int x1, int y1, int x2, int y2, int ch, int attr) {
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      ScreenPutChar(x, y, attr, ch);
}

void ScreenSetAttr(int x1, int y1, int x2, int y2, int attr) {
  for (int y = y1; y <= y2; ++y)
    for (int x = x1; x <= x2; ++x)
      if (Inside(x, y))
        Cells[y][x].Attr = (unsigned char)attr;
}

void ScreenBox(int x1, int y1, int x2, int y2, int attr, int doubleLine, const char *title) {
  int h = doubleLine ? BOX2_H : BOX_H, v = doubleLine ? BOX2_V : BOX_V;
  for (int x = x1 + 1; x < x2; ++x) {
    ScreenPutChar(x, y1, attr, h);
    ScreenPutChar(x, y2, attr, h);
  }
  for (int y = y1 + 1; y < y2; ++y) {
    ScreenPutChar(x1, y, attr, v);
    ScreenPutChar(x2, y, attr, v);
  }
  ScreenPutChar(x1, y1, attr, doubleLine ? BOX2_TL : BOX_TL);
  ScreenPutChar(x2, y1, attr, doubleLine ? BOX2_TR : BOX_TR);
  ScreenPutChar(x1, y2, attr, doubleLine ? BOX2_BL : BOX_BL);
  ScreenPutChar(x2, y2, attr, doubleLine ? BOX2_BR : BOX_BR);
  if (title && title[0]) {
    int room = x2 - x1 - 3;
    int length = (int)strlen(title);
    if (length > room)
      length = room;
    if (length > 0) {
      int x = x1 + (x2 - x1 + 1 - (length + 2)) / 2;
      ScreenPutChar(x, y1, attr, ' ');
      ScreenPut(x + 1, y1, attr, title, length);
      ScreenPutChar(x + 1 + length, y1, attr, ' ');
    }
  }
}

void ScreenSeparator(int x1, int x2, int y, int attr, int doubleSides) {
  ScreenPutChar(x1, y, attr, doubleSides ? BOX_JOIN2_L : BOX_JOIN_L);
  for (int x = x1 + 1; x < x2; ++x)
    ScreenPutChar(x, y, attr, BOX_H);
  ScreenPutChar(x2, y, attr, doubleSides ? BOX_JOIN2_R : BOX_JOIN_R);
}

void ScreenShadow(int x1, int y1, int x2, int y2) {
  ScreenSetAttr(x2 + 1, y1 + 1, x2 + 2, y2 + 1, PAL_SHADOW);
  ScreenSetAttr(x1 + 2, y2 + 1, x2 + 2, y2 + 1, PAL_SHADOW);
}

ScreenCell ScreenAt(int x, int y) {
  if (Inside(x, y))
    return Cells[y][x];
  ScreenCell none = {0, 0};
  return none;
}

void ScreenRowText(int y, char *out, int size) {
  if (size <= 0)
    return;
  int n = 0;
  if (y >= 0 && y < Height)
    for (int x = 0; x < Width && n < size - 1; ++x)
      out[n++] = Cells[y][x].Char ? (char)Cells[y][x].Char : ' ';
  while (n > 0 && out[n - 1] == ' ')
    --n;
  out[n] = 0;
}

void ScreenSetCursor(int x, int y, int visible) {
  CursorX = x;
  CursorY = y;
  CursorVisible = visible;
}

void ScreenGetCursor(int *x, int *y, int *visible) {
  *x = CursorX;
  *y = CursorY;
  *visible = CursorVisible;
}

int ScreenSave(void) {
  for (int i = 0; i < SCREEN_SAVES; ++i) {
    if (!Saves[i].InUse) {
      Saves[i].InUse = 1;
      memcpy(Saves[i].Cells, Cells, sizeof Cells);
      Saves[i].CursorX = CursorX;
      Saves[i].CursorY = CursorY;
      Saves[i].CursorVisible = CursorVisible;
      return i;
    }
  }
  return -1;
}

void ScreenRestore(int handle) {
  if (handle < 0 || handle >= SCREEN_SAVES || !Saves[handle].InUse)
    return;
  memcpy(Cells, Saves[handle].Cells, sizeof Cells);
  CursorX = Saves[handle].CursorX;
  CursorY = Saves[handle].CursorY;
  CursorVisible = Saves[handle].CursorVisible;
  Saves[handle].InUse = 0;
}

void ScreenSetFlushHook(ScreenFlushHook hook) { FlushHook = hook; }

void ScreenShow(void) {
  ++Flushes;
  if (FlushHook)
    FlushHook();
}

int ScreenFlushCount(void) { return Flushes; }
