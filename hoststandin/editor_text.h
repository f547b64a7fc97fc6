/* The editor's text: lines with a cursor, loaded from a file, typed into,
   and inserted into at the cursor by EditorControl(ECTL_INSERTTEXT). Each
   line keeps the line end it was read with ("\r\n", "\n", "\r", or none on
   the last line), so the text written back is the text read, byte for byte,
   with only the edits changed. Lines and texts grow as needed. */
#ifndef HORALIS_HOSTSTANDIN_EDITOR_TEXT_H
#define HORALIS_HOSTSTANDIN_EDITOR_TEXT_H

#include "keys.h"

/* Replaces the text; a line ends at "\r\n", "\n" or "\r". The cursor goes
   to the start; the text is unchanged and editable. */
void EditorSetText(const char *text, int length);
/* A read-only text refuses every change (keys, insertions). */
void EditorSetReadOnly(int readOnly);
int EditorReadOnly(void);
/* Whether the text changed since it was set or last marked saved. */
int EditorModified(void);
void EditorMarkSaved(void);
/* Inserts at the cursor, "\r", "\n" or "\r\n" breaking the line; the
   cursor ends after the text. Returns 0 when the text is read-only. */
int EditorInsertText(const char *text);
/* Editing and cursor keys; 1 when handled. */
int EditorKey(const struct HostKey *key);
void EditorSetCursor(int line, int column);
void EditorGetCursor(int *line, int *column);
int EditorLineCount(void);
const char *EditorLine(int line);
/* The whole text with its line ends, as a save writes it: its length, and
   as much of it as fits into out (always terminated). */
int EditorTextLength(void);
int EditorGetText(char *out, int size);
/* Draws the text into the rectangle, scrolled to the cursor; returns the
   cursor's screen position. */
void EditorDraw(int x1, int y1, int x2, int y2, int attr, int *cursorX, int *cursorY);

#endif
