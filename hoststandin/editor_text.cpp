#include "editor_text.h"

#include "text_units.h"

#include "screen.h"

#include <string>
#include <vector>

namespace {

struct Line {
  std::string Text;
  std::string End; /* "\r\n", "\n", "\r", or "" on the last line */
};

/* A file written on Windows ends its lines so. */
const char DefaultEnd[] = "\r\n";

std::vector<Line> Lines(1);
int CurLine = 0, CurColumn = 0;
int TopLine = 0, LeftColumn = 0;
int ReadOnly = 0;
int Modified = 0;

int LineCount(void) { return (int)Lines.size(); }

int LineLength(int line) { return (int)Lines[line].Text.size(); }

/* A new break ends its line as the current line ends, or else as the
   nearest line above does, so an edited file keeps one style. */
std::string NewBreakEnd(void) {
  for (int line = CurLine; line >= 0; --line)
    if (!Lines[line].End.empty())
      return Lines[line].End;
  return DefaultEnd;
}

/* Splits the current line at the cursor; the tail keeps the line's end. */
void BreakLine(void) {
  Line &line = Lines[CurLine];
  Line tail = {line.Text.substr(CurColumn), line.End};
  line.End = NewBreakEnd();
  line.Text.erase(CurColumn);
  Lines.insert(Lines.begin() + CurLine + 1, tail);
  ++CurLine;
  CurColumn = 0;
}

void InsertChars(const char *chars, int n) {
  Lines[CurLine].Text.insert(CurColumn, chars, n);
  CurColumn += n;
}

/* The next line joins the current one, whose end becomes the next's. */
void JoinWithNext(void) {
  if (CurLine + 1 >= LineCount())
    return;
  Line &line = Lines[CurLine];
  line.Text += Lines[CurLine + 1].Text;
  line.End = Lines[CurLine + 1].End;
  Lines.erase(Lines.begin() + CurLine + 1);
}

void ClampCursor(void) {
  if (CurLine >= LineCount())
    CurLine = LineCount() - 1;
  if (CurLine < 0)
    CurLine = 0;
  if (CurColumn > LineLength(CurLine))
    CurColumn = LineLength(CurLine);
  if (CurColumn < 0)
    CurColumn = 0;
  /* Never inside a character's bytes. */
  const char *text = Lines[CurLine].Text.c_str();
  while (TextIsUtf8() && CurColumn > 0 && ((unsigned char)text[CurColumn] & 0xC0) == 0x80)
    --CurColumn;
}

/* Keys that change the text; a read-only text ignores them. */
int EditKey(const HostKey *key) {
  switch (key->Code) {
  case HK_ENTER:
    BreakLine();
    return 1;
  case HK_BS:
    if (CurColumn > 0) {
      int from = TextStepBack(Lines[CurLine].Text.c_str(), CurColumn);
      Lines[CurLine].Text.erase(from, CurColumn - from);
      CurColumn = from;
    } else if (CurLine > 0) {
      --CurLine;
      CurColumn = LineLength(CurLine);
      JoinWithNext();
    } else {
      return 0;
    }
    return 1;
  case HK_DEL:
    if (CurColumn < LineLength(CurLine))
      Lines[CurLine].Text.erase(
          CurColumn,
          TextStepForward(Lines[CurLine].Text.c_str(), CurColumn, LineLength(CurLine)) - CurColumn);
    else if (CurLine + 1 < LineCount())
      JoinWithNext();
    else
      return 0;
    return 1;
  default:
    if (key->Char >= 32 || key->Char == '\t') {
      char bytes[4];
      InsertChars(bytes, TextTypedBytes(key->Char, bytes));
      return 1;
    }
    return 0;
  }
}

int IsEditKey(const HostKey *key) {
  return key->Code == HK_ENTER || key->Code == HK_BS || key->Code == HK_DEL ||
         key->Code == HK_TAB || key->Code == HK_SPACE || key->Code == 0;
}

} // namespace

void EditorSetText(const char *text, int length) {
  Lines.assign(1, Line());
  CurLine = CurColumn = TopLine = LeftColumn = 0;
  ReadOnly = Modified = 0;
  int start = 0;
  for (int i = 0; text && i < length; ++i) {
    if (text[i] != '\r' && text[i] != '\n')
      continue;
    int endLength = text[i] == '\r' && i + 1 < length && text[i + 1] == '\n' ? 2 : 1;
    Line &line = Lines.back();
    line.Text.assign(text + start, i - start);
    line.End.assign(text + i, endLength);
    i += endLength - 1;
    start = i + 1;
    Lines.push_back(Line());
  }
  if (text && length > start)
    Lines.back().Text.assign(text + start, length - start);
}

void EditorSetReadOnly(int readOnly) { ReadOnly = readOnly != 0; }

int EditorReadOnly(void) { return ReadOnly; }

int EditorModified(void) { return Modified; }

void EditorMarkSaved(void) { Modified = 0; }

int EditorInsertText(const char *text) {
  if (!text || ReadOnly)
    return 0;
  ClampCursor();
  while (*text) {
    int n = 0;
    while (text[n] && text[n] != '\r' && text[n] != '\n')
      ++n;
    if (n) {
      InsertChars(text, n);
      Modified = 1;
    }
    text += n;
    if (*text) {
      if (text[0] == '\r' && text[1] == '\n')
        ++text;
      ++text;
      BreakLine();
      Modified = 1;
    }
  }
  return 1;
}

int EditorKey(const HostKey *key) {
  ClampCursor();
  if (key->Mods & (KEYMOD_CTRL | KEYMOD_ALT))
    return 0;
  switch (key->Code) {
  case HK_LEFT:
    if (CurColumn > 0)
      CurColumn = TextStepBack(Lines[CurLine].Text.c_str(), CurColumn);
    else if (CurLine > 0) {
      --CurLine;
      CurColumn = LineLength(CurLine);
    }
    return 1;
  case HK_RIGHT:
    if (CurColumn < LineLength(CurLine))
      CurColumn = TextStepForward(Lines[CurLine].Text.c_str(), CurColumn, LineLength(CurLine));
    else if (CurLine + 1 < LineCount()) {
      ++CurLine;
      CurColumn = 0;
    }
    return 1;
  case HK_UP:
  case HK_DOWN:
  case HK_PGUP:
  case HK_PGDN: {
    int step = key->Code == HK_UP || key->Code == HK_DOWN ? 1 : 10;
    CurLine += key->Code == HK_UP || key->Code == HK_PGUP ? -step : step;
    ClampCursor();
    return 1;
  }
  case HK_HOME:
    CurColumn = 0;
    return 1;
  case HK_END:
    CurColumn = LineLength(CurLine);
    return 1;
  default:
    if (!IsEditKey(key))
      return 0;
    if (ReadOnly)
      return 1;
    if (EditKey(key))
      Modified = 1;
    return 1;
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

int EditorLineCount(void) { return LineCount(); }

const char *EditorLine(int line) {
  return line >= 0 && line < LineCount() ? Lines[line].Text.c_str() : nullptr;
}

int EditorTextLength(void) {
  size_t n = 0;
  for (const Line &line : Lines)
    n += line.Text.size() + line.End.size();
  return (int)n;
}

int EditorGetText(char *out, int size) {
  if (size <= 0)
    return 0;
  int n = 0;
  for (const Line &line : Lines)
    for (const std::string *part : {&line.Text, &line.End}) {
      int take = (int)part->size();
      if (take > size - 1 - n)
        take = size - 1 - n;
      part->copy(out + n, take);
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
  /* Columns are cells: one a character, whatever its bytes. */
  int cursorCell = TextCells(Lines[CurLine].Text.c_str(), CurColumn);
  if (cursorCell < LeftColumn)
    LeftColumn = cursorCell;
  if (cursorCell >= LeftColumn + columns)
    LeftColumn = cursorCell - columns + 1;
  ScreenFill(x1, y1, x2, y2, ' ', attr);
  for (int r = 0; r < rows && TopLine + r < LineCount(); ++r) {
    const std::string &text = Lines[TopLine + r].Text;
    int at = TextByteOfCell(text.c_str(), (int)text.size(), LeftColumn);
    for (int c = 0; c < columns && at < (int)text.size(); ++c) {
      ScreenPutChar(x1 + c, y1 + r, attr, TextShownChar(text.c_str(), at, (int)text.size()));
      at = TextStepForward(text.c_str(), at, (int)text.size());
    }
  }
  *cursorX = x1 + cursorCell - LeftColumn;
  *cursorY = y1 + CurLine - TopLine;
}
