/* The editor's text: lines with a cursor, loaded from a file, typed into,
   and inserted into at the cursor by EditorControl(ECTL_INSERTTEXT). */
#ifndef HORALIS_HOSTSTANDIN_EDITOR_TEXT_H
#define HORALIS_HOSTSTANDIN_EDITOR_TEXT_H

#include "keys.h"

enum { EDITOR_MAX_LINES = 1000, EDITOR_LINE_SIZE = 1024 };

/* Replaces the text; a line break is "\n" or "\r\n". Returns 0 when the
   text did not fit (it is then cut). The cursor goes to the start. */
int EditorSetText(const char *text, int length);
/* Inserts at the cursor, "\r", "\n" or "\r\n" breaking the line; the
   cursor ends after the text. Returns 0 when not all of it fitted. */
int EditorInsertText(const char *text);
/* Editing and cursor keys; 1 when handled. */
int EditorKey(const struct HostKey *key);
void EditorSetCursor(int line, int column);
void EditorGetCursor(int *line, int *column);
int EditorLineCount(void);
const char *EditorLine(int line);
/* The whole text, lines joined with "\n"; returns its length. */
int EditorGetText(char *out, int size);
/* Draws the text into the rectangle, scrolled to the cursor; returns the
   cursor's screen position. */
void EditorDraw(int x1, int y1, int x2, int y2, int attr, int *cursorX, int *cursorY);

#endif
