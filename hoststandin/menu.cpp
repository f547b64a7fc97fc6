#include "menu.h"

#include "help.h"
#include "host_log.h"
#include "hotkey_text.h"
#include "input.h"
#include "palette.h"
#include "screen.h"

#include <string.h>

namespace {

enum { MAX_BREAK_KEYS = 64 };

int Selectable(const FarMenuItem *items, int i) { return !items[i].Separator; }

int TextLength(const char *text, int size) {
  int n = 0;
  while (n < size && text[n])
    ++n;
  return n;
}

/* The virtual-key code a key stands for, and its PKF_* modifiers. */
int KeyVirtualCode(const HostKey &key) {
  if (key.Code)
    return key.Code;
  int ch = key.Char;
  if (ch >= 'a' && ch <= 'z')
    return ch - 32;
  return ch;
}

int KeyPkfMods(const HostKey &key) {
  return (key.Mods & KEYMOD_CTRL ? PKF_CONTROL : 0) | (key.Mods & KEYMOD_ALT ? PKF_ALT : 0) |
         (key.Mods & KEYMOD_SHIFT ? PKF_SHIFT : 0);
}

int FindBreakKey(const int *breakKeys, const HostKey &key) {
  if (!breakKeys)
    return -1;
  int code = KeyVirtualCode(key), mods = KeyPkfMods(key);
  for (int i = 0; i < MAX_BREAK_KEYS && breakKeys[i]; ++i)
    if ((breakKeys[i] & 0xFFFF) == code && ((breakKeys[i] >> 16) & 0xFFFF) == mods)
      return i;
  return -1;
}

int Step(const FarMenuItem *items, int count, int from, int direction, int wrap) {
  int i = from;
  for (int n = 0; n < count; ++n) {
    i += direction;
    if (i < 0 || i >= count) {
      if (!wrap)
        return from;
      i = i < 0 ? count - 1 : 0;
    }
    if (Selectable(items, i))
      return i;
  }
  return from;
}

void Draw(int x1, int y1, int x2, int y2, const char *title, const char *bottom,
          const FarMenuItem *items, int count, int top, int rows, int current, int showAmp) {
  ScreenFill(x1, y1, x2, y2, ' ', PAL_MENU);
  ScreenBox(x1, y1, x2, y2, PAL_MENU, 1, title);
  if (bottom && bottom[0]) {
    int length = (int)strlen(bottom);
    int room = x2 - x1 - 3;
    if (length > room)
      length = room;
    int x = x1 + (x2 - x1 + 1 - (length + 2)) / 2;
    ScreenPutChar(x, y2, PAL_MENU, ' ');
    ScreenPut(x + 1, y2, PAL_MENU, bottom, length);
    ScreenPutChar(x + 1 + length, y2, PAL_MENU, ' ');
  }
  for (int r = 0; r < rows && top + r < count; ++r) {
    const FarMenuItem &item = items[top + r];
    int y = y1 + 1 + r;
    if (item.Separator) {
      ScreenSeparator(x1, x2, y, PAL_MENU, 1);
      continue;
    }
    int selected = top + r == current;
    int attr = selected ? PAL_MENU_SELECTED : PAL_MENU;
    int hot = selected ? PAL_MENU_SELECTED_HOTKEY : PAL_MENU_HOTKEY;
    ScreenFill(x1 + 1, y, x2 - 1, y, ' ', attr);
    if (item.Checked)
      ScreenPutChar(x1 + 1, y, attr, CHECK_MARK);
    DrawHotkeyText(x1 + 2, y, x2 - x1 - 3, item.Text, FAR_MENU_TEXT_SIZE, attr, hot, showAmp);
  }
  ScreenShadow(x1, y1, x2, y2);
  ScreenSetCursor(0, 0, 0);
  ScreenShow();
}

} // namespace

int WINAPI HostMenu(int PluginNumber, int X, int Y, int MaxHeight, unsigned int Flags,
                    const char *Title, const char *Bottom, const char *HelpTopic,
                    const int *BreakKeys, int *BreakCode, const FarMenuItem *Item,
                    int ItemsNumber) {
  char quoted[256];
  QuoteForLog(Title, 200, quoted, sizeof quoted);
  HostLog("Menu plugin=%d title=%s items=%d flags=%u", PluginNumber, quoted, ItemsNumber, Flags);
  if (BreakCode)
    *BreakCode = -1;
  if (!Item || ItemsNumber <= 0) {
    HostLog("Menu -> -1 (no items)");
    return -1;
  }
  for (int i = 0; i < ItemsNumber; ++i) {
    QuoteForLog(Item[i].Text, FAR_MENU_TEXT_SIZE, quoted, sizeof quoted);
    HostLog("  item %d %s%s%s%s", i, quoted, Item[i].Selected ? " selected" : "",
            Item[i].Checked ? " checked" : "", Item[i].Separator ? " separator" : "");
  }
  const int showAmp = (Flags & FMENU_SHOWAMPERSAND) != 0;
  const int wrap = (Flags & FMENU_WRAPMODE) != 0;

  int textWidth = 0;
  for (int i = 0; i < ItemsNumber; ++i) {
    int n = VisibleLength(Item[i].Text, TextLength(Item[i].Text, FAR_MENU_TEXT_SIZE), showAmp);
    if (n > textWidth)
      textWidth = n;
  }
  int titleWidth = Title ? (int)strlen(Title) + 4 : 0;
  int bottomWidth = Bottom ? (int)strlen(Bottom) + 4 : 0;
  int width = textWidth + 4; /* frame, check column, text, a blank */
  if (titleWidth > width)
    width = titleWidth;
  if (bottomWidth > width)
    width = bottomWidth;
  if (width > ScreenWidth() - 4)
    width = ScreenWidth() - 4;
  int rows = ItemsNumber;
  int maxRows = ScreenHeight() - 4;
  if (MaxHeight > 0 && MaxHeight < maxRows)
    maxRows = MaxHeight;
  if (rows > maxRows)
    rows = maxRows;
  if (rows < 1)
    rows = 1;
  int height = rows + 2;
  int x1 = X < 0 ? (ScreenWidth() - width) / 2 : X;
  int y1 = Y < 0 ? (ScreenHeight() - height) / 2 : Y;
  if (x1 + width > ScreenWidth())
    x1 = ScreenWidth() - width;
  if (y1 + height > ScreenHeight())
    y1 = ScreenHeight() - height;
  if (x1 < 0)
    x1 = 0;
  if (y1 < 0)
    y1 = 0;
  int x2 = x1 + width - 1, y2 = y1 + height - 1;

  int current = -1;
  for (int i = 0; i < ItemsNumber && current < 0; ++i)
    if (Item[i].Selected && Selectable(Item, i))
      current = i;
  for (int i = 0; i < ItemsNumber && current < 0; ++i)
    if (Selectable(Item, i))
      current = i;

  int saved = ScreenSave();
  int top = 0;
  int result = -1;
  for (;;) {
    if (current >= 0) {
      if (current < top)
        top = current;
      if (current >= top + rows)
        top = current - rows + 1;
    }
    Draw(x1, y1, x2, y2, Title, Bottom, Item, ItemsNumber, top, rows, current, showAmp);
    HostKey key;
    if (!InputNext(&key)) {
      result = -1;
      break;
    }
    int breakIndex = FindBreakKey(BreakKeys, key);
    if (breakIndex >= 0) {
      if (BreakCode)
        *BreakCode = breakIndex;
      result = current;
      break;
    }
    if (key.Code == HK_ESC && !key.Mods) {
      result = -1;
      break;
    }
    if (key.Code == HK_ENTER) {
      result = current;
      if (current >= 0)
        break;
      continue;
    }
    if (key.Code == HK_F1 && !key.Mods) {
      ShowPluginHelp(PluginNumber, HelpTopic);
      continue;
    }
    if (current >= 0) {
      if (key.Code == HK_UP)
        current = Step(Item, ItemsNumber, current, -1, wrap);
      else if (key.Code == HK_DOWN)
        current = Step(Item, ItemsNumber, current, 1, wrap);
      else if (key.Code == HK_HOME)
        current = Step(Item, ItemsNumber, -1, 1, 0);
      else if (key.Code == HK_END)
        current = Step(Item, ItemsNumber, ItemsNumber, -1, 0);
      else if (key.Code == HK_PGUP)
        for (int n = 0; n < rows - 1; ++n)
          current = Step(Item, ItemsNumber, current, -1, 0);
      else if (key.Code == HK_PGDN)
        for (int n = 0; n < rows - 1; ++n)
          current = Step(Item, ItemsNumber, current, 1, 0);
    }
    if (key.Code == 0 && key.Char && !(key.Mods & KEYMOD_CTRL)) {
      int wanted = OemLower(key.Char);
      int hit = -1;
      for (int i = 0; i < ItemsNumber && hit < 0; ++i)
        if (Selectable(Item, i) && HotkeyChar(Item[i].Text, FAR_MENU_TEXT_SIZE, showAmp) == wanted)
          hit = i;
      if (hit >= 0) {
        current = hit;
        result = hit;
        break;
      }
    }
  }
  ScreenRestore(saved);
  ScreenShow();
  HostLog("Menu -> %d breakcode=%d", result, BreakCode ? *BreakCode : -1);
  return result;
}
