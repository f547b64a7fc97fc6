#include "message.h"

#include "help.h"
#include "host_log.h"
#include "hotkey_text.h"
#include "input.h"
#include "palette.h"
#include "screen.h"

#include <stdio.h>
#include <string.h>

namespace {

enum { MAX_LINES = 64, MAX_BUTTONS = 16, LINE_SIZE = 256, ERROR_TEXT_SIZE = 512 };

LastErrorSource ErrorSource = nullptr;

struct Line {
  char Text[LINE_SIZE];
  int Separator;
};

Line Lines[MAX_LINES];

int AddLine(int count, const char *text, int length) {
  if (count >= MAX_LINES)
    return count;
  Line &line = Lines[count];
  line.Separator = text && text[0] == 1;
  if (length > LINE_SIZE - 1)
    length = LINE_SIZE - 1;
  if (line.Separator || !text)
    length = 0;
  memcpy(line.Text, text ? text : "", length);
  line.Text[length] = 0;
  return count + 1;
}

/* The error text, split at its line breaks and wrapped at width. */
int AddWrapped(int count, const char *text, int width) {
  const char *p = text;
  while (*p) {
    int n = 0;
    while (p[n] && p[n] != '\r' && p[n] != '\n')
      ++n;
    int start = 0;
    while (start < n) {
      int take = n - start;
      if (take > width) {
        take = width;
        for (int i = width; i > width / 2; --i)
          if (p[start + i] == ' ') {
            take = i;
            break;
          }
      }
      count = AddLine(count, p + start, take);
      start += take;
      while (start < n && p[start] == ' ')
        ++start;
    }
    p += n;
    while (*p == '\r' || *p == '\n')
      ++p;
  }
  return count;
}

} // namespace

void MessageSetErrorSource(LastErrorSource source) { ErrorSource = source; }

int WINAPI HostMessage(int PluginNumber, unsigned int Flags, const char *HelpTopic,
                       const char *const *Items, int ItemsNumber, int ButtonsNumber) {
  /* The plugin's error comes first, before any call of ours can replace it. */
  char errorText[ERROR_TEXT_SIZE] = "";
  unsigned int errorCode = 0;
  if ((Flags & FMSG_ERRORTYPE) && ErrorSource)
    errorCode = ErrorSource(errorText, sizeof errorText);

  HostLog("Message plugin=%d flags=%u items=%d buttons=%d", PluginNumber, Flags, ItemsNumber,
          ButtonsNumber);
  if (!Items || ItemsNumber <= 0) {
    HostLog("Message -> -1 (no items)");
    return -1;
  }
  char quoted[256];
  for (int i = 0; i < ItemsNumber; ++i) {
    QuoteForLog(Items[i], 200, quoted, sizeof quoted);
    HostLog("  line %d %s", i, quoted);
  }
  if (Flags & FMSG_ERRORTYPE) {
    QuoteForLog(errorText, 200, quoted, sizeof quoted);
    HostLog("  system error %u %s", errorCode, quoted);
  }
  if (ButtonsNumber < 0)
    ButtonsNumber = 0;
  if (ButtonsNumber > ItemsNumber - 1)
    ButtonsNumber = ItemsNumber - 1;
  if (ButtonsNumber > MAX_BUTTONS)
    ButtonsNumber = MAX_BUTTONS;
  const int warning = (Flags & FMSG_WARNING) != 0;
  const int attr = warning ? PAL_WARNING : PAL_DIALOG;
  const int hotAttr = warning ? PAL_WARNING_HOTKEY : PAL_DIALOG_HOTKEY;
  const int focusAttr = warning ? PAL_WARNING_FOCUS : PAL_DIALOG_FOCUS;
  const int focusHot = warning ? PAL_WARNING_FOCUS_HOTKEY : PAL_DIALOG_FOCUS_HOTKEY;
  const char *title = Items[0] ? Items[0] : "";
  const int maxText = ScreenWidth() - 12;

  int count = 0;
  if ((Flags & FMSG_ERRORTYPE) && errorText[0])
    count = AddWrapped(count, errorText, maxText);
  int firstButton = ItemsNumber - ButtonsNumber;
  for (int i = 1; i < firstButton; ++i)
    count = AddLine(count, Items[i], Items[i] ? (int)strlen(Items[i]) : 0);

  int buttonsWidth = 0;
  for (int b = 0; b < ButtonsNumber; ++b) {
    const char *text = Items[firstButton + b] ? Items[firstButton + b] : "";
    buttonsWidth += VisibleLength(text, LINE_SIZE, 0) + 4 + (b ? 1 : 0);
  }
  int inner = buttonsWidth;
  int titleLength = (int)strlen(title);
  if (titleLength + 2 > inner)
    inner = titleLength + 2;
  for (int i = 0; i < count; ++i) {
    int n = (int)strlen(Lines[i].Text);
    if (n > inner)
      inner = n;
  }
  if (inner > maxText)
    inner = maxText;
  int width = inner + 10; /* margin 3, frame, blank 1, text, blank 1, frame, margin 3 */
  int height = count + (ButtonsNumber ? 1 : 0) + 4;
  if (height > ScreenHeight())
    height = ScreenHeight();
  int x1 = (ScreenWidth() - width) / 2, y1 = (ScreenHeight() - height) / 2;
  int x2 = x1 + width - 1, y2 = y1 + height - 1;

  int focus = 0;
  int saved = ButtonsNumber ? ScreenSave() : -1;
  int result = -1;
  for (;;) {
    ScreenFill(x1, y1, x2, y2, ' ', attr);
    ScreenBox(x1 + 3, y1 + 1, x2 - 3, y2 - 1, attr, 1, title);
    for (int i = 0; i < count && y1 + 2 + i < y2 - 1; ++i) {
      int y = y1 + 2 + i;
      if (Lines[i].Separator) {
        ScreenSeparator(x1 + 3, x2 - 3, y, attr, 1);
        continue;
      }
      int n = (int)strlen(Lines[i].Text);
      if (n > inner)
        n = inner;
      ScreenPut(x1 + 5 + (inner - n) / 2, y, attr, Lines[i].Text, n);
    }
    if (ButtonsNumber) {
      int x = x1 + 5 + (inner - buttonsWidth) / 2;
      int y = y2 - 2;
      for (int b = 0; b < ButtonsNumber; ++b) {
        const char *text = Items[firstButton + b] ? Items[firstButton + b] : "";
        int a = b == focus ? focusAttr : attr, h = b == focus ? focusHot : hotAttr;
        ScreenPut(x, y, a, "[ ", 2);
        int n = DrawHotkeyText(x + 2, y, x2 - 5 - x, text, LINE_SIZE, a, h, 0);
        ScreenPut(x + 2 + n, y, a, " ]", 2);
        x += n + 5;
      }
    }
    ScreenShadow(x1, y1, x2, y2);
    ScreenSetCursor(0, 0, 0);
    ScreenShow();
    if (!ButtonsNumber)
      break;
    HostKey key;
    if (!InputNext(&key))
      break;
    if (key.Code == HK_ESC) {
      result = -1;
      break;
    }
    if (key.Code == HK_ENTER || key.Code == HK_SPACE) {
      result = focus;
      break;
    }
    if (key.Code == HK_F1 && !key.Mods) {
      ShowPluginHelp(PluginNumber, HelpTopic);
      continue;
    }
    if (key.Code == HK_RIGHT || (key.Code == HK_TAB && !(key.Mods & KEYMOD_SHIFT)))
      focus = (focus + 1) % ButtonsNumber;
    else if (key.Code == HK_LEFT || key.Code == HK_TAB)
      focus = (focus + ButtonsNumber - 1) % ButtonsNumber;
    else if (key.Code == 0 && key.Char) {
      int wanted = OemLower(key.Char);
      for (int b = 0; b < ButtonsNumber && result < 0; ++b)
        if (HotkeyChar(Items[firstButton + b], LINE_SIZE, 0) == wanted)
          result = b;
      if (result >= 0)
        break;
    }
  }
  if (saved >= 0) {
    ScreenRestore(saved);
    ScreenShow();
  }
  HostLog("Message -> %d", result);
  return result;
}
