/* One line of editable text with a cursor: the command line and the edit
   fields of dialogs. Text never grows past Limit - 1 bytes. */
#ifndef HORALIS_HOSTSTANDIN_LINE_EDIT_H
#define HORALIS_HOSTSTANDIN_LINE_EDIT_H

#include "keys.h"

enum { LINE_EDIT_SIZE = 1024 };

struct LineEdit {
  char Text[LINE_EDIT_SIZE];
  int Length;
  int Cursor;
  int Scroll; /* first shown character */
  int Limit;  /* buffer size the text must fit, terminator included */
};

/* Sets the text (cut to fit) and puts the cursor at its end. */
void LineEditSet(struct LineEdit *edit, const char *text, int maxLength, int limit);
/* Inserts at the cursor as much as fits; returns the bytes inserted. */
int LineEditInsert(struct LineEdit *edit, const char *text);
/* Typing and cursor keys; 1 when the key was for the line. */
int LineEditKey(struct LineEdit *edit, const struct HostKey *key);
/* Draws into width cells, scrolled so the cursor shows; returns the
   cursor's column on screen. */
int LineEditDraw(struct LineEdit *edit, int x, int y, int width, int attr, int masked);

#endif
