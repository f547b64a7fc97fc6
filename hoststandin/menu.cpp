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

const unsigned char *DisabledRows = nullptr;
int DisabledCount = 0;

int Disabled(int i) { return DisabledRows && i < DisabledCount && DisabledRows[i]; }

int Selectable(const FarMenuItem *items, int i) { return !items[i].Separator && !Disabled(i); }

int TextLength(const char *text, int size) {
  int n = 0;
  while (n < size && text[n])
    ++n;
  return n;
}

/* The virtual-key code a key stands for, and its PKF_* modifiers. A
   Russian letter's key is that of the Latin letter on it. */
int KeyVirtualCode(const HostKey &key) {
  if (key.Code)
    return key.Code;
  int ch = LatinLetterOfKey(key.Char) ? LatinLetterOfKey(key.Char) : key.Char;
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
    int attr = selected ? PAL_MENU_SELECTED : Disabled(top + r) ? PAL_MENU_DISABLED : PAL_MENU;
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

void LogMenu(int plugin, unsigned int flags, const char *title, const FarMenuItem *items,
             int count) {
  char quoted[256];
  QuoteForLog(title, 200, quoted, sizeof quoted);
  HostLog("Menu plugin=%d title=%s items=%d flags=%u", plugin, quoted, count, flags);
  for (int i = 0; i < count && items; ++i) {
    QuoteForLog(items[i].Text, FAR_MENU_TEXT_SIZE, quoted, sizeof quoted);
    HostLog("  item %d %s%s%s%s", i, quoted, items[i].Selected ? " selected" : "",
            items[i].Checked ? " checked" : "", items[i].Separator ? " separator" : "");
  }
}

/* Where a menu stands on screen and how many rows it shows. */
struct MenuPlace {
  int X1, Y1, X2, Y2, Rows;
};

int Widest(const char *title, const char *bottom, const FarMenuItem *items, int count,
           int showAmp) {
  int textWidth = 0;
  for (int i = 0; i < count; ++i) {
    int n = VisibleLength(items[i].Text, TextLength(items[i].Text, FAR_MENU_TEXT_SIZE), showAmp);
    if (n > textWidth)
      textWidth = n;
  }
  int width = textWidth + 4; /* frame, check column, text, a blank */
  if (title && (int)strlen(title) + 4 > width)
    width = (int)strlen(title) + 4;
  if (bottom && (int)strlen(bottom) + 4 > width)
    width = (int)strlen(bottom) + 4;
  return width > ScreenWidth() - 4 ? ScreenWidth() - 4 : width;
}

int Clamp(int value, int low, int high) { return value > high ? high : value < low ? low : value; }

MenuPlace PlaceMenu(int x, int y, int maxHeight, int width, int count) {
  MenuPlace m;
  int maxRows = ScreenHeight() - 4;
  if (maxHeight > 0 && maxHeight < maxRows)
    maxRows = maxHeight;
  m.Rows = Clamp(count, 1, maxRows > 1 ? maxRows : 1);
  int height = m.Rows + 2;
  m.X1 = Clamp(x < 0 ? (ScreenWidth() - width) / 2 : x, 0, ScreenWidth() - width);
  m.Y1 = Clamp(y < 0 ? (ScreenHeight() - height) / 2 : y, 0, ScreenHeight() - height);
  if (m.X1 < 0)
    m.X1 = 0;
  if (m.Y1 < 0)
    m.Y1 = 0;
  m.X2 = m.X1 + width - 1;
  m.Y2 = m.Y1 + height - 1;
  return m;
}

/* The item selected first: the one marked, else the first selectable. */
int FirstCurrent(const FarMenuItem *items, int count) {
  for (int i = 0; i < count; ++i)
    if (items[i].Selected && Selectable(items, i))
      return i;
  for (int i = 0; i < count; ++i)
    if (Selectable(items, i))
      return i;
  return -1;
}

/* The moving keys; the current item after the key. */
int MoveCurrent(const HostKey &key, const FarMenuItem *items, int count, int current, int rows,
                int wrap) {
  if (key.Code == HK_UP)
    return Step(items, count, current, -1, wrap);
  if (key.Code == HK_DOWN)
    return Step(items, count, current, 1, wrap);
  if (key.Code == HK_HOME)
    return Step(items, count, -1, 1, 0);
  if (key.Code == HK_END)
    return Step(items, count, count, -1, 0);
  int direction = key.Code == HK_PGUP ? -1 : key.Code == HK_PGDN ? 1 : 0;
  for (int n = 0; direction && n < rows - 1; ++n)
    current = Step(items, count, current, direction, 0);
  return current;
}

/* The item whose hotkey a typed character presses, in either keyboard
   layout; -1 when none. */
int HotkeyItem(const HostKey &key, const FarMenuItem *items, int count, int showAmp) {
  if (key.Code != 0 || !key.Char || (key.Mods & KEYMOD_CTRL))
    return -1;
  for (int otherLayout = 0; otherLayout < 2; ++otherLayout)
    for (int i = 0; i < count; ++i)
      if (Selectable(items, i) &&
          HotkeyMatches(key.Char, HotkeyChar(items[i].Text, FAR_MENU_TEXT_SIZE, showAmp),
                        otherLayout))
        return i;
  return -1;
}

/* What a menu shows and where, for its loop. */
struct MenuRun {
  int Plugin;
  const char *Title, *Bottom, *HelpTopic;
  const int *BreakKeys;
  int *BreakCode;
  const FarMenuItem *Items;
  int Count, ShowAmp, Wrap;
  MenuPlace Place;
};

/* Shows the menu until an item is chosen (its index) or it is left (-1). */
int RunMenu(const MenuRun &m) {
  int current = FirstCurrent(m.Items, m.Count);
  int top = 0;
  for (;;) {
    if (current >= 0)
      top = Clamp(top, current - m.Place.Rows + 1, current);
    Draw(m.Place.X1, m.Place.Y1, m.Place.X2, m.Place.Y2, m.Title, m.Bottom, m.Items, m.Count, top,
         m.Place.Rows, current, m.ShowAmp);
    HostKey key;
    if (!InputNext(&key))
      return -1;
    int breakIndex = FindBreakKey(m.BreakKeys, key);
    if (breakIndex >= 0) {
      if (m.BreakCode)
        *m.BreakCode = breakIndex;
      return current;
    }
    if (key.Code == HK_ESC && !key.Mods)
      return -1;
    if (key.Code == HK_ENTER && current >= 0)
      return current;
    if (key.Code == HK_F1 && !key.Mods)
      ShowPluginHelp(m.Plugin, m.HelpTopic);
    else if (current >= 0)
      current = MoveCurrent(key, m.Items, m.Count, current, m.Place.Rows, m.Wrap);
    int hit = HotkeyItem(key, m.Items, m.Count, m.ShowAmp);
    if (hit >= 0)
      return hit;
  }
}

} // namespace

int WINAPI HostMenu(int PluginNumber, int X, int Y, int MaxHeight, unsigned int Flags,
                    const char *Title, const char *Bottom, const char *HelpTopic,
                    const int *BreakKeys, int *BreakCode, const FarMenuItem *Item,
                    int ItemsNumber) {
  LogMenu(PluginNumber, Flags, Title, Item, ItemsNumber);
  if (BreakCode)
    *BreakCode = -1;
  if (!Item || ItemsNumber <= 0) {
    DisabledRows = nullptr;
    HostLog("Menu -> -1 (no items)");
    return -1;
  }
  MenuRun m = {PluginNumber,
               Title,
               Bottom,
               HelpTopic,
               BreakKeys,
               BreakCode,
               Item,
               ItemsNumber,
               (Flags & FMENU_SHOWAMPERSAND) != 0,
               (Flags & FMENU_WRAPMODE) != 0,
               {}};
  m.Place =
      PlaceMenu(X, Y, MaxHeight, Widest(Title, Bottom, Item, ItemsNumber, m.ShowAmp), ItemsNumber);
  int saved = ScreenSave();
  int result = RunMenu(m);
  DisabledRows = nullptr;
  ScreenRestore(saved);
  ScreenShow();
  HostLog("Menu -> %d breakcode=%d", result, BreakCode ? *BreakCode : -1);
  return result;
}

void MenuSetDisabledRows(const unsigned char *rows, int count) {
  DisabledRows = rows;
  DisabledCount = count;
}
