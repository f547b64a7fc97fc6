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

void LogMessage(int plugin, unsigned int flags, const char *const *items, int count, int buttons) {
  HostLog("Message plugin=%d flags=%u items=%d buttons=%d", plugin, flags, count, buttons);
  char quoted[256];
  for (int i = 0; i < count && items; ++i) {
    QuoteForLog(items[i], 200, quoted, sizeof quoted);
    HostLog("  line %d %s", i, quoted);
  }
}

/* A message box as drawn: its colours, lines, buttons and place. */
struct MessageFrame {
  int Attr, HotAttr, FocusAttr, FocusHot;
  const char *Title;
  int Count; /* lines in Lines */
  const char *const *Buttons;
  int ButtonCount, ButtonsWidth;
  int Inner; /* the text's width */
  int X1, Y1, X2, Y2;
};

void SetColours(MessageFrame *box, int warning) {
  box->Attr = warning ? PAL_WARNING : PAL_DIALOG;
  box->HotAttr = warning ? PAL_WARNING_HOTKEY : PAL_DIALOG_HOTKEY;
  box->FocusAttr = warning ? PAL_WARNING_FOCUS : PAL_DIALOG_FOCUS;
  box->FocusHot = warning ? PAL_WARNING_FOCUS_HOTKEY : PAL_DIALOG_FOCUS_HOTKEY;
}

const char *ButtonText(const MessageFrame &box, int b) {
  return box.Buttons[b] ? box.Buttons[b] : "";
}

/* The width the text needs, at most maxText, and the box around it,
   centred. */
void PlaceBox(MessageFrame *box, int maxText) {
  box->ButtonsWidth = 0;
  for (int b = 0; b < box->ButtonCount; ++b)
    box->ButtonsWidth += VisibleLength(ButtonText(*box, b), LINE_SIZE, 0) + 4 + (b ? 1 : 0);
  int inner = box->ButtonsWidth;
  if ((int)strlen(box->Title) + 2 > inner)
    inner = (int)strlen(box->Title) + 2;
  for (int i = 0; i < box->Count; ++i)
    if ((int)strlen(Lines[i].Text) > inner)
      inner = (int)strlen(Lines[i].Text);
  box->Inner = inner > maxText ? maxText : inner;
  int width = box->Inner + 10; /* margin 3, frame, blank 1, text, blank 1, frame, margin 3 */
  int height = box->Count + (box->ButtonCount ? 1 : 0) + 4;
  if (height > ScreenHeight())
    height = ScreenHeight();
  box->X1 = (ScreenWidth() - width) / 2;
  box->Y1 = (ScreenHeight() - height) / 2;
  box->X2 = box->X1 + width - 1;
  box->Y2 = box->Y1 + height - 1;
}

void DrawButtons(const MessageFrame &box, int focus) {
  int x = box.X1 + 5 + (box.Inner - box.ButtonsWidth) / 2;
  int y = box.Y2 - 2;
  for (int b = 0; b < box.ButtonCount; ++b) {
    int a = b == focus ? box.FocusAttr : box.Attr, h = b == focus ? box.FocusHot : box.HotAttr;
    ScreenPut(x, y, a, "[ ", 2);
    int n = DrawHotkeyText(x + 2, y, box.X2 - 5 - x, ButtonText(box, b), LINE_SIZE, a, h, 0);
    ScreenPut(x + 2 + n, y, a, " ]", 2);
    x += n + 5;
  }
}

void DrawBox(const MessageFrame &box, int focus) {
  ScreenFill(box.X1, box.Y1, box.X2, box.Y2, ' ', box.Attr);
  ScreenBox(box.X1 + 3, box.Y1 + 1, box.X2 - 3, box.Y2 - 1, box.Attr, 1, box.Title);
  for (int i = 0; i < box.Count && box.Y1 + 2 + i < box.Y2 - 1; ++i) {
    int y = box.Y1 + 2 + i;
    if (Lines[i].Separator) {
      ScreenSeparator(box.X1 + 3, box.X2 - 3, y, box.Attr, 1);
      continue;
    }
    int n = (int)strlen(Lines[i].Text);
    if (n > box.Inner)
      n = box.Inner;
    ScreenPut(box.X1 + 5 + (box.Inner - n) / 2, y, box.Attr, Lines[i].Text, n);
  }
  DrawButtons(box, focus);
  ScreenShadow(box.X1, box.Y1, box.X2, box.Y2);
  ScreenSetCursor(0, 0, 0);
  ScreenShow();
}

/* The button whose hotkey a typed character presses, in either keyboard
   layout; -1 when none. */
int HotkeyButton(const MessageFrame &box, const HostKey &key) {
  if (key.Code != 0 || !key.Char)
    return -1;
  for (int otherLayout = 0; otherLayout < 2; ++otherLayout)
    for (int b = 0; b < box.ButtonCount; ++b)
      if (HotkeyMatches(key.Char, HotkeyChar(box.Buttons[b], LINE_SIZE, 0), otherLayout))
        return b;
  return -1;
}

/* The buttons' keys until one is pressed (its number) or Esc (-1). */
int RunButtons(const MessageFrame &box, int plugin, const char *helpTopic) {
  int focus = 0;
  for (;;) {
    DrawBox(box, focus);
    HostKey key;
    if (!InputNext(&key) || key.Code == HK_ESC)
      return -1;
    if (key.Code == HK_ENTER || key.Code == HK_SPACE)
      return focus;
    if (key.Code == HK_F1 && !key.Mods)
      ShowPluginHelp(plugin, helpTopic);
    else if (key.Code == HK_RIGHT || (key.Code == HK_TAB && !(key.Mods & KEYMOD_SHIFT)))
      focus = (focus + 1) % box.ButtonCount;
    else if (key.Code == HK_LEFT || key.Code == HK_TAB)
      focus = (focus + box.ButtonCount - 1) % box.ButtonCount;
    else if (HotkeyButton(box, key) >= 0)
      return HotkeyButton(box, key);
  }
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
  LogMessage(PluginNumber, Flags, Items, ItemsNumber, ButtonsNumber);
  if (!Items || ItemsNumber <= 0) {
    HostLog("Message -> -1 (no items)");
    return -1;
  }
  if (Flags & FMSG_ERRORTYPE) {
    char quoted[256];
    QuoteForLog(errorText, 200, quoted, sizeof quoted);
    HostLog("  system error %u %s", errorCode, quoted);
  }
  MessageFrame box;
  SetColours(&box, (Flags & FMSG_WARNING) != 0);
  box.Title = Items[0] ? Items[0] : "";
  box.ButtonCount = ButtonsNumber < 0 ? 0 : ButtonsNumber;
  if (box.ButtonCount > ItemsNumber - 1)
    box.ButtonCount = ItemsNumber - 1;
  if (box.ButtonCount > MAX_BUTTONS)
    box.ButtonCount = MAX_BUTTONS;
  box.Buttons = Items + ItemsNumber - box.ButtonCount;
  const int maxText = ScreenWidth() - 12;
  box.Count = (Flags & FMSG_ERRORTYPE) && errorText[0] ? AddWrapped(0, errorText, maxText) : 0;
  for (int i = 1; i < ItemsNumber - box.ButtonCount; ++i)
    box.Count = AddLine(box.Count, Items[i], Items[i] ? (int)strlen(Items[i]) : 0);
  PlaceBox(&box, maxText);
  if (!box.ButtonCount) {
    DrawBox(box, 0);
    HostLog("Message -> -1");
    return -1;
  }
  int saved = ScreenSave();
  int result = RunButtons(box, PluginNumber, HelpTopic);
  ScreenRestore(saved);
  ScreenShow();
  HostLog("Message -> %d", result);
  return result;
}
