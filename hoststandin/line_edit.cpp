#include "line_edit.h"

#include "screen.h"

#include <string.h>

void LineEditSet(LineEdit *edit, const char *text, int maxLength, int limit) {
  if (limit < 1 || limit > LINE_EDIT_SIZE)
    limit = LINE_EDIT_SIZE;
  edit->Limit = limit;
  int n = 0;
  if (text)
    while (n < maxLength && n < limit - 1 && text[n])
      ++n;
  if (n)
    memcpy(edit->Text, text, n);
  edit->Text[n] = 0;
  edit->Length = n;
  edit->Cursor = n;
  edit->Scroll = 0;
}

int LineEditInsert(LineEdit *edit, const char *text) {
  if (!text)
    return 0;
  int room = edit->Limit - 1 - edit->Length;
  int n = (int)strlen(text);
  if (n > room)
    n = room;
  if (n <= 0)
    return 0;
  memmove(edit->Text + edit->Cursor + n, edit->Text + edit->Cursor, edit->Length - edit->Cursor);
  memcpy(edit->Text + edit->Cursor, text, n);
  edit->Length += n;
  edit->Cursor += n;
  edit->Text[edit->Length] = 0;
  return n;
}

int LineEditKey(LineEdit *edit, const HostKey *key) {
  // Ctrl+Y empties the line, as in the host's own edit lines.
  if (key->Code == 0 && (key->Char == 'y' || key->Char == 'Y') && key->Mods == KEYMOD_CTRL) {
    LineEditSet(edit, "", 0, edit->Limit);
    return 1;
  }
  if (key->Mods & (KEYMOD_CTRL | KEYMOD_ALT))
    return 0;
  switch (key->Code) {
  case HK_LEFT:
    if (edit->Cursor > 0)
      --edit->Cursor;
    return 1;
  case HK_RIGHT:
    if (edit->Cursor < edit->Length)
      ++edit->Cursor;
    return 1;
  case HK_HOME:
    edit->Cursor = 0;
    return 1;
  case HK_END:
    edit->Cursor = edit->Length;
    return 1;
  case HK_BS:
    if (edit->Cursor > 0) {
      memmove(edit->Text + edit->Cursor - 1, edit->Text + edit->Cursor,
              edit->Length - edit->Cursor + 1);
      --edit->Cursor;
      --edit->Length;
    }
    return 1;
  case HK_DEL:
    if (edit->Cursor < edit->Length) {
      memmove(edit->Text + edit->Cursor, edit->Text + edit->Cursor + 1,
              edit->Length - edit->Cursor);
      --edit->Length;
    }
    return 1;
  case 0:
  case HK_SPACE:
    if (key->Char >= 32) {
      char one[2] = {(char)key->Char, 0};
      LineEditInsert(edit, one);
      return 1;
    }
    return 0;
  default:
    return 0;
  }
}

int LineEditDraw(LineEdit *edit, int x, int y, int width, int attr, int masked) {
  if (width < 1)
    return x;
  if (edit->Cursor < edit->Scroll)
    edit->Scroll = edit->Cursor;
  if (edit->Cursor >= edit->Scroll + width)
    edit->Scroll = edit->Cursor - width + 1;
  if (edit->Scroll > edit->Length)
    edit->Scroll = edit->Length;
  for (int i = 0; i < width; ++i) {
    int at = edit->Scroll + i;
    int ch = at < edit->Length ? (masked ? '*' : (unsigned char)edit->Text[at]) : ' ';
    ScreenPutChar(x + i, y, attr, ch);
  }
  return x + edit->Cursor - edit->Scroll;
}
