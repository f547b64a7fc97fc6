/* The stand-in's picture of the console: a grid of character cells that
   every screen, menu and dialog draws into, shown on the console screen
   buffer by a flush (console_io), so a plugin drawing on the same buffer
   sees what the host shows. Drawing is clipped to the grid. */
#ifndef HORALIS_HOSTSTANDIN_SCREEN_H
#define HORALIS_HOSTSTANDIN_SCREEN_H

enum { SCREEN_MAX_WIDTH = 250, SCREEN_MAX_HEIGHT = 100, SCREEN_SAVES = 32 };

struct ScreenCell {
  unsigned char Char;
  unsigned char Attr;
};

void ScreenResize(int width, int height);
int ScreenWidth(void);
int ScreenHeight(void);

void ScreenPut(int x, int y, int attr, const char *text, int maxLength);
void ScreenPutChar(int x, int y, int attr, int ch);
void ScreenFill(int x1, int y1, int x2, int y2, int ch, int attr);
void ScreenSetAttr(int x1, int y1, int x2, int y2, int attr);
/* A frame, single or double lined, with an optional title centred on top. */
void ScreenBox(int x1, int y1, int x2, int y2, int attr, int doubleLine, const char *title);
/* A horizontal line through a box from x1 to x2, joined to its sides. */
void ScreenSeparator(int x1, int x2, int y, int attr, int doubleSides);
/* The shadow right of and below a box. */
void ScreenShadow(int x1, int y1, int x2, int y2);
struct ScreenCell ScreenAt(int x, int y);
/* One row as text, trailing blanks cut. */
void ScreenRowText(int y, char *out, int size);

void ScreenSetCursor(int x, int y, int visible);
void ScreenGetCursor(int *x, int *y, int *visible);

/* Saving and restoring the whole grid around a modal window; -1 when all
   save slots are in use (the window then simply leaves its picture). */
int ScreenSave(void);
void ScreenRestore(int handle);

/* Shows the grid: calls the flush hook console_io installs; none in tests. */
typedef void (*ScreenFlushHook)(void);
void ScreenSetFlushHook(ScreenFlushHook hook);
void ScreenShow(void);
int ScreenFlushCount(void);

/* Box-drawing characters of the OEM code page. */
enum {
  BOX_H = 0xC4,
  BOX_V = 0xB3,
  BOX_TL = 0xDA,
  BOX_TR = 0xBF,
  BOX_BL = 0xC0,
  BOX_BR = 0xD9,
  BOX2_H = 0xCD,
  BOX2_V = 0xBA,
  BOX2_TL = 0xC9,
  BOX2_TR = 0xBB,
  BOX2_BL = 0xC8,
  BOX2_BR = 0xBC,
  BOX_JOIN2_L = 0xC7, /* double side, single line going right */
  BOX_JOIN2_R = 0xB6,
  BOX_JOIN_L = 0xC3,
  BOX_JOIN_R = 0xB4,
  CHECK_MARK = 0xFB,
  RADIO_DOT = 0xF9 /* a middle dot; 0x07 would reach a terminal as a bell */
};

#endif
