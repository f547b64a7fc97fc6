#include "help.h"

#include "host_log.h"
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
      line.Char[line.Length] = (unsigned char)ch;
      line.Attr[line.Length++] = (unsigned char)(bold ? PAL_HELP_BOLD : base);
      i += 2;
      continue;
    }
    if (ch == '#') {
      bold = !bold;
      ++i;
      continue;
    }
    if (ch == '~') {
      /* ~text~@Topic@ */
      int close = i + 1;
      while (close < length && text[close] != '~')
        ++close;
      int at = close + 1;
      int atEnd = at + 1;
      while (atEnd < length && text[atEnd] != '@')
        ++atEnd;
      if (close >= length || at >= length || text[at] != '@' || atEnd >= length) {
        ++i;
        continue;
      }
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
          line.Char[line.Length] = (unsigned char)text[k];
          line.Attr[line.Length++] = PAL_HELP_LINK;
          ++link.Length;
        }
      }
      i = atEnd + 1;
      continue;
    }
    line.Char[line.Length] = (unsigned char)ch;
    line.Attr[line.Length++] = (unsigned char)(bold ? PAL_HELP_BOLD : base);
    ++i;
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
  ScreenBox(x1, y1, x2, y2, PAL_HELP, 1, "Help");
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
  ScreenBox(x1, y1, x1 + width - 1, y1 + 3, PAL_WARNING, 1, "Help");
  ScreenPut(x1 + 3, y1 + 1, PAL_WARNING, what, width - 6);
  ScreenPut(x1 + (width - 6) / 2, y1 + 2, PAL_WARNING_FOCUS, "[ Ok ]", 6);
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

int HelpShowTopic(const char *topic) {
  char history[HISTORY][HELP_TOPIC_SIZE];
  int depth = 0;
  char current[HELP_TOPIC_SIZE];
  snprintf(current, sizeof current, "%s", topic ? topic : "");
  int start = FindTopic(current);
  if (start < 0) {
    char what[128];
    snprintf(what, sizeof what, "No help topic \"%.60s\"", current);
    HostLog("help: no topic %s", current);
    ShowMissing(what);
    return 0;
  }
  int saved = ScreenSave();
  int x1 = 2, y1 = 1, x2 = ScreenWidth() - 3, y2 = ScreenHeight() - 2;
  int width = x2 - x1 - 3;
  int rows = y2 - y1 - 1;
  HostLog("help: topic %s", current);
  RenderTopic(start, width);
  int top = 0, focusLink = LinkCount ? 0 : -1;
  for (;;) {
    int scrollRows = rows - HeaderLines;
    int maxTop = LineCount - HeaderLines - scrollRows;
    if (maxTop < 0)
      maxTop = 0;
    if (top > maxTop)
      top = maxTop;
    if (top < 0)
      top = 0;
    DrawTopic(x1, y1, x2, y2, top, focusLink);
    HostKey key = InputNextOrEsc();
    if (key.Code == HK_ESC || key.Code == HK_F10)
      break;
    if (key.Code == HK_DOWN)
      ++top;
    else if (key.Code == HK_UP)
      --top;
    else if (key.Code == HK_PGDN)
      top += scrollRows;
    else if (key.Code == HK_PGUP)
      top -= scrollRows;
    else if (key.Code == HK_TAB && LinkCount) {
      focusLink = (focusLink + (key.Mods & KEYMOD_SHIFT ? LinkCount - 1 : 1)) % LinkCount;
      int line = Links[focusLink].Line - HeaderLines;
      if (line < top || line >= top + scrollRows)
        top = line;
    } else if ((key.Code == HK_ENTER && focusLink >= 0) || (key.Code == HK_BS && depth > 0)) {
      char next[HELP_TOPIC_SIZE];
      if (key.Code == HK_ENTER) {
        snprintf(next, sizeof next, "%s", Links[focusLink].Topic);
        if (FindTopic(next) < 0)
          continue;
        if (depth < HISTORY)
          snprintf(history[depth++], HELP_TOPIC_SIZE, "%s", current);
      } else {
        snprintf(next, sizeof next, "%s", history[--depth]);
      }
      snprintf(current, sizeof current, "%s", next);
      HostLog("help: topic %s", current);
      RenderTopic(FindTopic(current), width);
      top = 0;
      focusLink = LinkCount ? 0 : -1;
    }
  }
  ScreenRestore(saved);
  ScreenShow();
  return 1;
}

void ShowPluginHelp(int pluginNumber, const char *topic) {
  PluginSlot *slot = PluginByNumber(pluginNumber);
  if (!topic || !topic[0])
    return;
  if (!slot || !slot->HlfPath[0] || !HelpLoadFile(slot->HlfPath)) {
    HostLog("help: plugin %d has no help file", pluginNumber);
    ShowMissing("This plugin has no help file");
    return;
  }
  HelpShowTopic(topic);
}
