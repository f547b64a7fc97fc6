#include "editor_text.h"

#include "screen.h"

#include <string.h>

namespace {

char Text[EDITOR_MAX_LINES][EDITOR_LINE_SIZE];
int Length[EDITOR_MAX_LINES];
int Lines = 1;
int CurLine = 0, CurColumn = 0;
int TopLine = 0, LeftColumn = 0;

/* Splits the current line at the cursor; 0 when there is no room. */
int BreakLine(void) {
  if (Lines >= EDITOR_MAX_LINES)
    return 0;
  memmove(&Text[CurLine + 2], &Text[CurLine + 1], (size_t)(Lines - CurLine - 1) * sizeof Text[0]);
  memmove(&Length[CurLine + 2], &Length[CurLine + 1],
          (size_t)(Lines - CurLine - 1) * sizeof Length[0]);
  ++Lines;
  int rest = Length[CurLine] - CurColumn;
  memcpy(Text[CurLine + 1], Text[CurLine] + CurColumn, rest);
  Text[CurLine + 1][rest] = 0;
  Length[CurLine + 1] = rest;
  Length[CurLine] = CurColumn;
  Text[CurLine][CurColumn] = 0;
  ++CurLine;
  CurColumn = 0;
  return 1;
}

int InsertChars(const char *chars, int n) {
  int room = EDITOR_LINE_SIZE - 1 - Length[CurLine];
  int fitted = 1;
  if (n > room) {
    n = room;
    fitted = 0;
  }
  char *line = Text[CurLine];
  memmove(line + CurColumn + n, line + CurColumn, Length[CurLine] - CurColumn);
  memcpy(line + CurColumn, chars, n);
  Length[CurLine] += n;
  line[Length[CurLine]] = 0;
  CurColumn += n;
  return fitted;
}

void JoinWithNext(void) {
  if (CurLine + 1 >= Lines)
    return;
  int room = EDITOR_LINE_SIZE - 1 - Length[CurLine];
  if (Length[CurLine + 1] > room)
    return;
  memcpy(Text[CurLine] + Length[CurLine], Text[CurLine + 1], Length[CurLine + 1] + 1);
  Length[CurLine] += Length[CurLine + 1];
  memmove(&Text[CurLine + 1], &Text[CurLine + 2], (size_t)(Lines - CurLine - 2) * sizeof Text[0]);
  memmove(&Length[CurLine + 1], &Length[CurLine + 2],
          (size_t)(Lines - CurLine - 2) * sizeof Length[0]);
  --Lines;
}

void ClampCursor(void) {
  if (CurLine >= Lines)
    CurLine = Lines - 1;
  if (CurLine < 0)
    CurLine = 0;
  if (CurColumn > Length[CurLine])
    CurColumn = Length[CurLine];
  if (CurColumn < 0)
    CurColumn = 0;
}

} // namespace

int EditorSetText(const char *text, int length) {
  Lines = 1;
  Length[0] = 0;
  Text[0][0] = 0;
  CurLine = CurColumn = TopLine = LeftColumn = 0;
  int fitted = 1;
  for (int i = 0; text && i < length; ++i) {
    char ch = text[i];
    if (ch == '\r' && i + 1 < length && text[i + 1] == '\n')
      continue;
    if (ch == '\n' || ch == '\r') {
      if (!BreakLine()) {
        fitted = 0;
        break;
      }
      continue;
    }
    if (!InsertChars(&ch, 1))
      fitted = 0;
  }
  CurLine = CurColumn = 0;
  return fitted;
}

int EditorInsertText(const char *text) {
  if (!text)
    return 0;
  ClampCursor();
  int fitted = 1;
  while (*text) {
    int n = 0;
    while (text[n] && text[n] != '\r' && text[n] != '\n')
      ++n;
    if (n && !InsertChars(text, n))
      fitted = 0;
    text += n;
    if (*text) {
      if (text[0] == '\r' && text[1] == '\n')
        ++text;
      ++text;
      if (!BreakLine())
        return 0;
    }
  }
  return fitted;
}

int EditorKey(const HostKey *key) {
  ClampCursor();
  if (key->Mods & (KEYMOD_CTRL | KEYMOD_ALT))
    return 0;
  switch (key->Code) {
  case HK_LEFT:
    if (CurColumn > 0)
      --CurColumn;
    else if (CurLine > 0) {
      --CurLine;
      CurColumn = Length[CurLine];
    }
    return 1;
  case HK_RIGHT:
    if (CurColumn < Length[CurLine])
      ++CurColumn;
    else if (CurLine + 1 < Lines) {
      ++CurLine;
      CurColumn = 0;
    }
    return 1;
  case HK_UP:
    if (CurLine > 0)
      --CurLine;
    ClampCursor();
    return 1;
  case HK_DOWN:
    if (CurLine + 1 < Lines)
      ++CurLine;
    ClampCursor();
    return 1;
  case HK_HOME:
    CurColumn = 0;
    return 1;
  case HK_END:
    CurColumn = Length[CurLine];
    return 1;
  case HK_PGUP:
    CurLine -= 10;
    ClampCursor();
    return 1;
  case HK_PGDN:
    CurLine += 10;
    ClampCursor();
    return 1;
  case HK_ENTER:
    BreakLine();
    return 1;
  case HK_BS:
    if (CurColumn > 0) {
      char *line = Text[CurLine];
      memmove(line + CurColumn - 1, line + CurColumn, Length[CurLine] - CurColumn + 1);
      --Length[CurLine];
      --CurColumn;
    } else if (CurLine > 0) {
      --CurLine;
      CurColumn = Length[CurLine];
      JoinWithNext();
    }
    return 1;
  case HK_DEL:
    if (CurColumn < Length[CurLine]) {
      char *line = Text[CurLine];
      memmove(line + CurColumn, line + CurColumn + 1, Length[CurLine] - CurColumn);
      --Length[CurLine];
    } else {
      JoinWithNext();
    }
    return 1;
  case HK_TAB:
  case HK_SPACE:
  case 0:
    if (key->Char >= 32 || key->Char == '\t') {
      char ch = (char)key->Char;
      InsertChars(&ch, 1);
      return 1;
    }
    return 0;
  default:
    return 0;
  }
}

void EditorSetCursor(int line, int column) {
  CurLine = line;
  CurColumn = column;
  ClampCursor();
}

void EditorGetCursor(int *line, int *column) {
  *line = CurLine;
  *column = CurColumn;
}

int EditorLineCount(void) { return Lines; }

const char *EditorLine(int line) { return line >= 0 && line < Lines ? Text[line] : nullptr; }

int EditorGetText(char *out, int size) {
  if (size <= 0)
    return 0;
  int n = 0;
  for (int i = 0; i < Lines; ++i) {
    if (i && n < size - 1)
      out[n++] = '\n';
    int take = Length[i];
    if (take > size - 1 - n)
      take = size - 1 - n;
    memcpy(out + n, Text[i], take);
    n += take;
  }
  out[n] = 0;
  return n;
}

void EditorDraw(int x1, int y1, int x2, int y2, int attr, int *cursorX, int *cursorY) {
  ClampCursor();
  int rows = y2 - y1 + 1, columns = x2 - x1 + 1;
  if (CurLine < TopLine)
    TopLine = CurLine;
  if (CurLine >= TopLine + rows)
    TopLine = CurLine - rows + 1;
  if (CurColumn < LeftColumn)
    LeftColumn = CurColumn;
  if (CurColumn >= LeftColumn + columns)
    LeftColumn = CurColumn - columns + 1;
  ScreenFill(x1, y1, x2, y2, ' ', attr);
  for (int r = 0; r < rows && TopLine + r < Lines; ++r) {
    int line = TopLine + r;
    if (Length[line] > LeftColumn)
      ScreenPut(x1, y1 + r, attr, Text[line] + LeftColumn, columns);
  }
  *cursorX = x1 + CurColumn - LeftColumn;
  *cursorY = y1 + CurLine - TopLine;
}
