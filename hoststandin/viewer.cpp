#include "viewer.h"

#include "palette.h"
#include "screen.h"

#include <string.h>

namespace {

char Text[VIEWER_MAX_TEXT];
int Length = 0;
int TopLine = 0;

int LineCount(void) {
  int lines = 1;
  for (int i = 0; i < Length; ++i)
    lines += Text[i] == '\n' && i + 1 < Length;
  return lines;
}

int LineStart(int line) {
  int pos = 0;
  for (int n = 0; n < line && pos < Length; ++pos)
    if (Text[pos] == '\n')
      ++n;
  return pos;
}

} // namespace

void ViewerSetText(const char *text, int length) {
  if (length > VIEWER_MAX_TEXT)
    length = VIEWER_MAX_TEXT;
  Length = text && length > 0 ? length : 0;
  if (Length)
    memcpy(Text, text, Length);
  TopLine = 0;
}

int ViewerKey(const HostKey *key) {
  int last = LineCount() - 1;
  switch (key->Code) {
  case HK_UP:
    TopLine -= TopLine > 0;
    return 1;
  case HK_DOWN:
    TopLine += TopLine < last;
    return 1;
  case HK_PGUP:
    TopLine = TopLine > 10 ? TopLine - 10 : 0;
    return 1;
  case HK_PGDN:
    TopLine = TopLine + 10 < last ? TopLine + 10 : last;
    return 1;
  case HK_HOME:
    TopLine = 0;
    return 1;
  case HK_END:
    TopLine = last;
    return 1;
  default:
    return 0;
  }
}

void ViewerDraw(int x1, int y1, int x2, int y2) {
  ScreenFill(x1, y1, x2, y2, ' ', PAL_VIEWER);
  int pos = LineStart(TopLine);
  for (int y = y1; y <= y2 && pos < Length; ++y) {
    int x = x1;
    while (pos < Length && Text[pos] != '\n') {
      if (Text[pos] != '\r' && x <= x2)
        ScreenPutChar(x++, y, PAL_VIEWER, (unsigned char)Text[pos]);
      ++pos;
    }
    ++pos;
  }
}
