#include "help.h"

#include "host_log.h"
#include "host_texts.h"
#include "input.h"
#include "palette.h"
#include "plugin_table.h"
#include "screen.h"

#include <stdio.h>
#include <string.h>
#include <strings.h>

namespace {

enum { MAX_RENDERED = 400, LINE_WIDTH = 200, MAX_LINKS = 100, HISTORY = 16 };

char HelpText[HELP_MAX_FILE + 1];
int HelpLength = 0;

struct RenderedLine {
  unsigned char Char[LINE_WIDTH];
  unsigned char Attr[LINE_WIDTH];
  int Length;
  int Centred;
};

struct Link {
  int Line, Column, Length;
  char Topic[HELP_TOPIC_SIZE];
};

RenderedLine Lines[MAX_RENDERED];
int LineCount = 0;
int HeaderLines = 0; /* "$" lines shown above the scrolling text */
Link Links[MAX_LINKS];
int LinkCount = 0;

/* The topic's first line (just after its "@Name" line), or -1. */
int FindTopic(const char *topic) {
  if (!topic || !topic[0])
    return -1;
  int n = (int)strlen(topic);
  int pos = 0;
  while (pos < HelpLength) {
    int end = pos;
    while (end < HelpLength && HelpText[end] != '\n')
      ++end;
    int lineLength = end - pos;
    if (lineLength > 0 && HelpText[pos + lineLength - 1] == '\r')
      --lineLength;
    if (HelpText[pos] == '@' && lineLength == n + 1 &&
        strncasecmp(HelpText + pos + 1, topic, n) == 0)
      return end < HelpLength ? end + 1 : end;
    pos = end + 1;
  }
  return -1;
}

void PutRendered(RenderedLine &line, int ch, int attr) {
  line.Char[line.Length] = (unsigned char)ch;
  line.Attr[line.Length++] = (unsigned char)attr;
}

/* "~text~@Topic@" at i: the text drawn as a link to the topic. Returns
   where reading goes on; a link not closed is no link, its '~' skipped. */
int RenderLink(const char *text, int length, int i, RenderedLine &line, int limit) {
  int close = i + 1;
  while (close < length && text[close] != '~')
    ++close;
  int at = close + 1;
  int atEnd = at + 1;
  while (atEnd < length && text[atEnd] != '@')
    ++atEnd;
  if (close >= length || at >= length || text[at] != '@' || atEnd >= length)
    return i + 1;
  if (LinkCount < MAX_LINKS) {
    Link &link = Links[LinkCount++];
    link.Line = LineCount;
    link.Column = line.Length;
    int topicLength = atEnd - at - 1;
    if (topicLength > HELP_TOPIC_SIZE - 1)
      topicLength = HELP_TOPIC_SIZE - 1;
    memcpy(link.Topic, text + at + 1, topicLength);
    link.Topic[topicLength] = 0;
    link.Length = 0;
    for (int k = i + 1; k < close && line.Length < limit; ++k) {
      PutRendered(line, text[k], PAL_HELP_LINK);
      ++link.Length;
    }
  }
  return atEnd + 1;
}

/* A lone '@' inside a line opens a link's topic name, which is not shown:
   the host hides everything up to the next '@' or the line's end. */
int SkipHidden(const char *text, int length, int i) {
  ++i;
  while (i < length && text[i] != '@')
    ++i;
  return i < length ? i + 1 : i;
}

void RenderLine(const char *text, int length, int width) {
  if (LineCount >= MAX_RENDERED)
    return;
  RenderedLine &line = Lines[LineCount];
  line.Length = 0;
  line.Centred = 0;
  int i = 0;
  int base = PAL_HELP;
  if (i < length && text[i] == '$') {
    ++i;
    base = PAL_HELP_BOLD;
    ++HeaderLines;
  }
  if (i < length && text[i] == '^') {
    ++i;
    line.Centred = 1;
  }
  int bold = 0;
  int limit = width < LINE_WIDTH ? width : LINE_WIDTH;
  while (i < length && line.Length < limit) {
    char ch = text[i];
    if ((ch == '#' || ch == '~' || ch == '@') && i + 1 < length && text[i + 1] == ch) {
      PutRendered(line, ch, bold ? PAL_HELP_BOLD : base);
      i += 2;
    } else if (ch == '#') {
      bold = !bold;
      ++i;
    } else if (ch == '~') {
      i = RenderLink(text, length, i, line, limit);
    } else if (ch == '@') {
      i = SkipHidden(text, length, i);
    } else {
      PutRendered(line, ch, bold ? PAL_HELP_BOLD : base);
      ++i;
    }
  }
  ++LineCount;
}

void RenderTopic(int start, int width) {
  LineCount = 0;
  HeaderLines = 0;
  LinkCount = 0;
  int pos = start;
  while (pos < HelpLength && LineCount < MAX_RENDERED) {
    int end = pos;
    while (end < HelpLength && HelpText[end] != '\n')
      ++end;
    int length = end - pos;
    if (length > 0 && HelpText[pos + length - 1] == '\r')
      --length;
    if (length > 0 && HelpText[pos] == '@' && !(length > 1 && HelpText[pos + 1] == '@'))
      break;
    RenderLine(HelpText + pos, length, width);
    pos = end + 1;
  }
  while (LineCount > 0 && Lines[LineCount - 1].Length == 0)
    --LineCount;
}

void DrawTopic(int x1, int y1, int x2, int y2, int top, int focusLink) {
  ScreenFill(x1, y1, x2, y2, ' ', PAL_HELP);
  ScreenBox(x1, y1, x2, y2, PAL_HELP, 1, HostText(HT_HELP));
  int width = x2 - x1 - 3;
  int rows = y2 - y1 - 1;
  for (int r = 0; r < rows; ++r) {
    int index = r < HeaderLines ? r : top + r;
    if (index >= LineCount)
      break;
    const RenderedLine &line = Lines[index];
    int x = x1 + 2 + (line.Centred && line.Length < width ? (width - line.Length) / 2 : 0);
    for (int c = 0; c < line.Length && c < width; ++c) {
      int attr = line.Attr[c];
      if (focusLink >= 0 && Links[focusLink].Line == index && c >= Links[focusLink].Column &&
          c < Links[focusLink].Column + Links[focusLink].Length)
        attr = PAL_HELP_LINK_FOCUS;
      ScreenPutChar(x + c, y1 + 1 + r, attr, line.Char[c]);
    }
  }
  ScreenShadow(x1, y1, x2, y2);
  ScreenSetCursor(0, 0, 0);
  ScreenShow();
}

void ShowMissing(const char *what) {
  int saved = ScreenSave();
  int width = (int)strlen(what) + 6;
  if (width > ScreenWidth() - 4)
    width = ScreenWidth() - 4;
  int x1 = (ScreenWidth() - width) / 2, y1 = ScreenHeight() / 2 - 2;
  ScreenFill(x1, y1, x1 + width - 1, y1 + 3, ' ', PAL_WARNING);
  ScreenBox(x1, y1, x1 + width - 1, y1 + 3, PAL_WARNING, 1, HostText(HT_HELP));
  ScreenPut(x1 + 3, y1 + 1, PAL_WARNING, what, width - 6);
  char ok[32];
  int okWidth = snprintf(ok, sizeof ok, "[ %s ]", HostText(HT_OK));
  ScreenPut(x1 + (width - okWidth) / 2, y1 + 2, PAL_WARNING_FOCUS, ok, okWidth);
  ScreenShow();
  InputNextOrEsc();
  ScreenRestore(saved);
  ScreenShow();
}

} // namespace

int HelpLoadFile(const char *path) {
  HelpLength = 0;
  FILE *f = path && path[0] ? fopen(path, "rb") : nullptr;
  if (!f)
    return 0;
  HelpLength = (int)fread(HelpText, 1, HELP_MAX_FILE, f);
  fclose(f);
  HelpText[HelpLength] = 0;
  return 1;
}

void HelpLoadText(const char *text, int length) {
  if (length > HELP_MAX_FILE)
    length = HELP_MAX_FILE;
  HelpLength = length > 0 ? length : 0;
  if (HelpLength)
    memcpy(HelpText, text, HelpLength);
  HelpText[HelpLength] = 0;
}

int HelpHasTopic(const char *topic) { return FindTopic(topic) >= 0; }

int HelpTopicText(const char *topic, char *text, int size) {
  int start = FindTopic(topic);
  if (start < 0 || size < 1)
    return -1;
  RenderTopic(start, LINE_WIDTH);
  int length = 0;
  for (int l = 0; l < LineCount; ++l)
    for (int c = 0; c <= Lines[l].Length && length < size - 1; ++c)
      text[length++] = c < Lines[l].Length ? (char)Lines[l].Char[c] : '\n';
  text[length] = 0;
  return length;
}

namespace {

/* The help window's place, the topic shown and the way back. */
struct HelpView {
  int X1, Y1, X2, Y2;
  int Width, Rows;
  int Top, FocusLink;
  char Current[HELP_TOPIC_SIZE];
  char History[HISTORY][HELP_TOPIC_SIZE];
  int Depth;
};

void OpenTopic(HelpView *v, const char *topic) {
  snprintf(v->Current, sizeof v->Current, "%s", topic);
  HostLog("help: topic %s", v->Current);
  RenderTopic(FindTopic(v->Current), v->Width);
  v->Top = 0;
  v->FocusLink = LinkCount ? 0 : -1;
}

/* Enter on a link opens its topic (when there is one), remembering this
   one; BS goes back. */
void FollowLink(HelpView *v, int back) {
  char next[HELP_TOPIC_SIZE];
  if (back) {
    snprintf(next, sizeof next, "%s", v->History[--v->Depth]);
  } else {
    snprintf(next, sizeof next, "%s", Links[v->FocusLink].Topic);
    if (FindTopic(next) < 0)
      return;
    if (v->Depth < HISTORY)
      snprintf(v->History[v->Depth++], HELP_TOPIC_SIZE, "%s", v->Current);
  }
  OpenTopic(v, next);
}

/* Tab and Shift+Tab: the next or previous link, scrolled into view. */
void FocusNextLink(HelpView *v, int backwards, int scrollRows) {
  v->FocusLink = (v->FocusLink + (backwards ? LinkCount - 1 : 1)) % LinkCount;
  int line = Links[v->FocusLink].Line - HeaderLines;
  if (line < v->Top || line >= v->Top + scrollRows)
    v->Top = line;
}

/* The topic shown until Esc or F10. */
void RunHelp(HelpView *v) {
  for (;;) {
    int scrollRows = v->Rows - HeaderLines;
    int maxTop = LineCount - HeaderLines - scrollRows;
    if (v->Top > maxTop)
      v->Top = maxTop;
    if (v->Top < 0)
      v->Top = 0;
    DrawTopic(v->X1, v->Y1, v->X2, v->Y2, v->Top, v->FocusLink);
    HostKey key = InputNextOrEsc();
    if (key.Code == HK_ESC || key.Code == HK_F10)
      return;
    if (key.Code == HK_DOWN || key.Code == HK_UP)
      v->Top += key.Code == HK_DOWN ? 1 : -1;
    else if (key.Code == HK_PGDN || key.Code == HK_PGUP)
      v->Top += key.Code == HK_PGDN ? scrollRows : -scrollRows;
    else if (key.Code == HK_TAB && LinkCount)
      FocusNextLink(v, key.Mods & KEYMOD_SHIFT, scrollRows);
    else if (key.Code == HK_ENTER && v->FocusLink >= 0)
      FollowLink(v, 0);
    else if (key.Code == HK_BS && v->Depth > 0)
      FollowLink(v, 1);
  }
}

} // namespace

int HelpShowTopic(const char *topic) {
  static HelpView v;
  snprintf(v.Current, sizeof v.Current, "%s", topic ? topic : "");
  if (FindTopic(v.Current) < 0) {
    char what[128];
    snprintf(what, sizeof what, HostText(HT_NO_TOPIC), v.Current);
    HostLog("help: no topic %s", v.Current);
    ShowMissing(what);
    return 0;
  }
  int saved = ScreenSave();
  v.X1 = 2;
  v.Y1 = 1;
  v.X2 = ScreenWidth() - 3;
  v.Y2 = ScreenHeight() - 2;
  v.Width = v.X2 - v.X1 - 3;
  v.Rows = v.Y2 - v.Y1 - 1;
  v.Depth = 0;
  char first[HELP_TOPIC_SIZE];
  snprintf(first, sizeof first, "%s", v.Current);
  OpenTopic(&v, first);
  RunHelp(&v);
  ScreenRestore(saved);
  ScreenShow();
  return 1;
}

namespace {
int (*LoadForeignHelp)(int pluginNumber) = nullptr;
}

void SetForeignPluginHelp(int (*load)(int pluginNumber)) { LoadForeignHelp = load; }

void ShowPluginHelp(int pluginNumber, const char *topic) {
  PluginSlot *slot = PluginByNumber(pluginNumber);
  if (!topic || !topic[0])
    return;
  int foreign = !slot && LoadForeignHelp && LoadForeignHelp(pluginNumber);
  if (!foreign && (!slot || !slot->HlfPath[0] || !HelpLoadFile(slot->HlfPath))) {
    HostLog("help: plugin %d has no help file", pluginNumber);
    ShowMissing(HostText(HT_NO_HELP_FILE));
    return;
  }
  HelpShowTopic(topic);
}
