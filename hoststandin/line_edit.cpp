#include "line_edit.h"

#include "text_units.h"

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
  /* A cut never leaves part of a character. */
  while (TextIsUtf8() && n > 0 && ((unsigned char)text[n] & 0xC0) == 0x80)
    --n;
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
    edit->Cursor = TextStepBack(edit->Text, edit->Cursor);
    return 1;
  case HK_RIGHT:
    edit->Cursor = TextStepForward(edit->Text, edit->Cursor, edit->Length);
    return 1;
  case HK_HOME:
    edit->Cursor = 0;
    return 1;
  case HK_END:
    edit->Cursor = edit->Length;
    return 1;
  case HK_BS:
    if (edit->Cursor > 0) {
      int from = TextStepBack(edit->Text, edit->Cursor);
      memmove(edit->Text + from, edit->Text + edit->Cursor, edit->Length - edit->Cursor + 1);
      edit->Length -= edit->Cursor - from;
      edit->Cursor = from;
    }
    return 1;
  case HK_DEL:
    if (edit->Cursor < edit->Length) {
      int to = TextStepForward(edit->Text, edit->Cursor, edit->Length);
      memmove(edit->Text + edit->Cursor, edit->Text + to, edit->Length - to + 1);
      edit->Length -= to - edit->Cursor;
    }
    return 1;
  case 0:
  case HK_SPACE:
    if (key->Char >= 32) {
      char typed[5] = {0};
      TextTypedBytes(key->Char, typed);
      LineEditInsert(edit, typed);
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
  /* Scroll and the cursor's place count cells: one a character. */
  int cursor = TextCells(edit->Text, edit->Cursor), length = TextCells(edit->Text, edit->Length);
  if (cursor < edit->Scroll)
    edit->Scroll = cursor;
  if (cursor >= edit->Scroll + width)
    edit->Scroll = cursor - width + 1;
  if (edit->Scroll > length)
    edit->Scroll = length;
  int at = TextByteOfCell(edit->Text, edit->Length, edit->Scroll);
  for (int i = 0; i < width; ++i) {
    int ch = at < edit->Length ? (masked ? '*' : TextShownChar(edit->Text, at, edit->Length)) : ' ';
    ScreenPutChar(x + i, y, attr, ch);
    at = TextStepForward(edit->Text, at, edit->Length);
  }
  return x + cursor - edit->Scroll;
}
