#include "dialog.h"

#include "help.h"
#include "host_log.h"
#include "hotkey_text.h"
#include "input.h"
#include "line_edit.h"
#include "palette.h"
#include "screen.h"

#include <string.h>

namespace {

struct ItemState {
  LineEdit Edit; /* edit fields */
  int Selected;  /* check boxes and radio buttons */
  int Group;     /* radio group number, -1 for anything else */
  int X, Y;      /* where a button or centred text starts, screen cells */
  int Width;
};

ItemState States[DIALOG_MAX_ITEMS];
int Active = 0;

int IsEdit(int type) { return type == DI_EDIT || type == DI_PSWEDIT || type == DI_FIXEDIT; }

int Focusable(const FarDialogItem &item) {
  return IsEdit(item.Type) || item.Type == DI_BUTTON || item.Type == DI_CHECKBOX ||
         item.Type == DI_RADIOBUTTON;
}

int DataLength(const FarDialogItem &item) {
  int n = 0;
  while (n < FAR_DIALOG_DATA_SIZE - 1 && item.Data[n])
    ++n;
  return n;
}

int ItemAttr(const FarDialogItem &item, int normal) {
  if (item.Flags & DIF_SETCOLOR)
    return item.Flags & DIF_COLORMASK;
  return normal;
}

/* Columns before a check box's or radio button's text: the host draws a
   radio button of a DIF_MOVESELECT group as " * ", without parentheses or
   the space after them, so its text starts a column further left. */
int MarkWidth(const FarDialogItem &item) {
  return item.Type == DI_RADIOBUTTON && (item.Flags & DIF_MOVESELECT) ? 3 : 4;
}

int ButtonWidth(const FarDialogItem &item) {
  int n = VisibleLength(item.Data, DataLength(item), (item.Flags & DIF_SHOWAMPERSAND) != 0);
  return item.Flags & DIF_NOBRACKETS ? n : n + 4;
}

/* Radio groups: a DIF_GROUP radio button starts one; the radio buttons that
   follow it directly, without DIF_GROUP, belong to it. */
void AssignGroups(const FarDialogItem *items, int count) {
  int group = -1;
  for (int i = 0; i < count; ++i) {
    if (items[i].Type != DI_RADIOBUTTON) {
      States[i].Group = -1;
      group = -1;
      continue;
    }
    if ((items[i].Flags & DIF_GROUP) || group < 0)
      group = i;
    States[i].Group = group;
  }
}

int GroupMoveSelect(const FarDialogItem *items, int count, int group) {
  for (int i = group; i < count && States[i].Group == group; ++i)
    if (items[i].Flags & DIF_MOVESELECT)
      return 1;
  return 0;
}

void SelectRadio(int count, int index) {
  int group = States[index].Group;
  for (int i = 0; i < count; ++i)
    if (States[i].Group == group)
      States[i].Selected = i == index;
}

/* Buttons and texts of one row with DIF_CENTERGROUP are centred together;
   the host counts four columns for any check box's or radio button's mark
   there, with DIF_MOVESELECT too. */
void PlaceItems(const FarDialogItem *items, int count, int dx, int dy, int width) {
  for (int i = 0; i < count; ++i) {
    States[i].X = dx + items[i].X1;
    States[i].Y = dy + items[i].Y1;
    States[i].Width = items[i].Type == DI_BUTTON ? ButtonWidth(items[i]) : 0;
    if (items[i].Type == DI_TEXT && items[i].X1 == -1) {
      int n = VisibleLength(items[i].Data, DataLength(items[i]),
                            (items[i].Flags & DIF_SHOWAMPERSAND) != 0);
      States[i].X = dx + (width - n) / 2;
    }
  }
  for (int i = 0; i < count; ++i) {
    if (!(items[i].Flags & DIF_CENTERGROUP) ||
        (items[i].Type != DI_BUTTON && items[i].Type != DI_CHECKBOX &&
         items[i].Type != DI_RADIOBUTTON && items[i].Type != DI_TEXT))
      continue;
    int row = items[i].Y1;
    int first = 1;
    for (int j = 0; j < i; ++j)
      if ((items[j].Flags & DIF_CENTERGROUP) && items[j].Y1 == row)
        first = 0;
    if (!first)
      continue;
    int total = 0, n = 0;
    for (int j = i; j < count; ++j) {
      if (!(items[j].Flags & DIF_CENTERGROUP) || items[j].Y1 != row)
        continue;
      int w = items[j].Type == DI_BUTTON ? ButtonWidth(items[j])
                                         : VisibleLength(items[j].Data, DataLength(items[j]), 0) +
                                               (items[j].Type == DI_TEXT ? 0 : 4);
      total += w + (n ? 1 : 0);
      ++n;
    }
    int x = dx + (width - total) / 2;
    for (int j = i; j < count; ++j) {
      if (!(items[j].Flags & DIF_CENTERGROUP) || items[j].Y1 != row)
        continue;
      int w = items[j].Type == DI_BUTTON ? ButtonWidth(items[j])
                                         : VisibleLength(items[j].Data, DataLength(items[j]), 0) +
                                               (items[j].Type == DI_TEXT ? 0 : 4);
      States[j].X = x;
      x += w + 1;
    }
  }
}

/* Where the dialog stands and where its items draw their cursor. */
struct DialogView {
  int X1, Y1, X2, Y2;
  int Focus;
  int CursorX, CursorY;
};

void DrawTextItem(const FarDialogItem &item, const ItemState &st, const DialogView &v) {
  const int showAmp = (item.Flags & DIF_SHOWAMPERSAND) != 0;
  const int length = DataLength(item);
  int attr = ItemAttr(item, PAL_DIALOG);
  if (item.Type == DI_VTEXT) {
    for (int i = 0; i < length; ++i)
      ScreenPutChar(st.X, st.Y + i, attr, (unsigned char)item.Data[i]);
    return;
  }
  if (!(item.Flags & DIF_SEPARATOR)) {
    DrawHotkeyText(st.X, st.Y, ScreenWidth(), item.Data, length, attr, PAL_DIALOG_HOTKEY, showAmp);
    return;
  }
  ScreenSeparator(v.X1 + 3, v.X2 - 3, st.Y, item.Flags & DIF_BOXCOLOR ? PAL_DIALOG : attr, 1);
  if (length) {
    int n = VisibleLength(item.Data, length, showAmp);
    int tx = item.X1 == -1 ? v.X1 + (v.X2 - v.X1 + 1 - n) / 2 : st.X;
    DrawHotkeyText(tx, st.Y, n, item.Data, length, attr, PAL_DIALOG_HOTKEY, showAmp);
  }
}

void DrawBoxItem(const FarDialogItem &item, const ItemState &st, const DialogView &v) {
  const int length = DataLength(item);
  int attr = ItemAttr(item, PAL_DIALOG);
  int x = st.X, y = st.Y, x2 = v.X1 + item.X2, y2 = v.Y1 + item.Y2;
  ScreenBox(x, y, x2, y2, attr, item.Type == DI_DOUBLEBOX, nullptr);
  int room = x2 - x - 3;
  int n = length < room ? length : room;
  if (n <= 0)
    return;
  int tx = item.Flags & DIF_LEFTTEXT ? x + 1 : x + (x2 - x + 1 - (n + 2)) / 2;
  ScreenPutChar(tx, y, attr, ' ');
  DrawHotkeyText(tx + 1, y, n, item.Data, length, attr, PAL_DIALOG_HOTKEY,
                 (item.Flags & DIF_SHOWAMPERSAND) != 0);
  ScreenPutChar(tx + 1 + n, y, attr, ' ');
}

void DrawButtonItem(const FarDialogItem &item, const ItemState &st, int focused) {
  int attr = focused ? PAL_DIALOG_FOCUS : ItemAttr(item, PAL_DIALOG);
  int hot = focused ? PAL_DIALOG_FOCUS_HOTKEY : PAL_DIALOG_HOTKEY;
  const int brackets = !(item.Flags & DIF_NOBRACKETS);
  int cx = st.X;
  if (brackets) {
    ScreenPut(cx, st.Y, attr, item.DefaultButton ? "{ " : "[ ", 2);
    cx += 2;
  }
  int n = DrawHotkeyText(cx, st.Y, ScreenWidth(), item.Data, DataLength(item), attr, hot,
                         (item.Flags & DIF_SHOWAMPERSAND) != 0);
  if (brackets)
    ScreenPut(cx + n, st.Y, attr, item.DefaultButton ? " }" : " ]", 2);
}

void DrawCheckItem(const FarDialogItem &item, const ItemState &st, int focused) {
  int attr = ItemAttr(item, PAL_DIALOG);
  const int radio = item.Type == DI_RADIOBUTTON;
  char mark = radio ? (st.Selected ? (char)RADIO_DOT : ' ')
                    : (st.Selected == 2 ? '?'
                       : st.Selected    ? 'x'
                                        : ' ');
  char box[5] = {radio ? '(' : '[', mark, radio ? ')' : ']', ' ', 0};
  const int width = MarkWidth(item);
  if (width == 3)
    box[0] = box[2] = ' ';
  ScreenPut(st.X, st.Y, attr, box, width);
  DrawHotkeyText(st.X + width, st.Y, ScreenWidth(), item.Data, DataLength(item),
                 focused ? PAL_DIALOG_FOCUS : attr,
                 focused ? PAL_DIALOG_FOCUS_HOTKEY : PAL_DIALOG_HOTKEY,
                 (item.Flags & DIF_SHOWAMPERSAND) != 0);
}

/* Draws one item; the focused one places the cursor (none on a button). */
void DrawItem(const FarDialogItem &item, int index, DialogView *v) {
  ItemState &st = States[index];
  const int focused = index == v->Focus;
  if (item.Type == DI_TEXT || item.Type == DI_VTEXT) {
    DrawTextItem(item, st, *v);
  } else if (item.Type == DI_SINGLEBOX || item.Type == DI_DOUBLEBOX) {
    DrawBoxItem(item, st, *v);
  } else if (IsEdit(item.Type)) {
    int width = item.X2 - item.X1 + 1;
    int cx = LineEditDraw(&st.Edit, st.X, st.Y, width < 1 ? 1 : width, PAL_DIALOG_EDIT,
                          item.Type == DI_PSWEDIT);
    if (focused) {
      v->CursorX = cx;
      v->CursorY = st.Y;
    }
  } else if (item.Type == DI_BUTTON) {
    DrawButtonItem(item, st, focused);
    if (focused)
      v->CursorX = -1;
  } else if (item.Type == DI_CHECKBOX || item.Type == DI_RADIOBUTTON) {
    DrawCheckItem(item, st, focused);
    if (focused) {
      v->CursorX = st.X + 1;
      v->CursorY = st.Y;
    }
  }
}

int NextFocus(const FarDialogItem *items, int count, int from, int direction) {
  int i = from;
  for (int n = 0; n < count; ++n) {
    i = (i + direction + count) % count;
    if (Focusable(items[i]))
      return i;
  }
  return from;
}

/* Arrow keys move by place on screen: Up and Down to the nearest row
   above or below (the closest column there), Left and Right to the nearest
   item on the same row. When there is none in that direction, the order of
   the items decides, as with Tab. */
int SpatialFocus(const FarDialogItem *items, int count, int from, int dx, int dy) {
  const int fx = States[from].X, fy = States[from].Y;
  int best = -1, bestRow = 0, bestColumn = 0;
  for (int i = 0; i < count; ++i) {
    if (i == from || !Focusable(items[i]))
      continue;
    int row = (States[i].Y - fy) * dy, column = (States[i].X - fx) * dx;
    if (dy ? row <= 0 : (States[i].Y != fy || column <= 0))
      continue;
    int distanceRow = dy ? row : 0;
    int distanceColumn = dy ? (States[i].X > fx ? States[i].X - fx : fx - States[i].X) : column;
    if (best < 0 || distanceRow < bestRow ||
        (distanceRow == bestRow && distanceColumn < bestColumn)) {
      best = i;
      bestRow = distanceRow;
      bestColumn = distanceColumn;
    }
  }
  return best >= 0 ? best : NextFocus(items, count, from, dx + dy);
}

/* The item a hotkey names: the item itself, or for a text label the first
   focusable item after it. A typed character presses a hotkey in either
   keyboard layout, its own first. -1 when none. */
int HotkeyTarget(const FarDialogItem *items, int count, int typed) {
  for (int otherLayout = 0; otherLayout < 2; ++otherLayout)
    for (int i = 0; i < count; ++i) {
      if (IsEdit(items[i].Type))
        continue;
      int hotkey = HotkeyChar(items[i].Data, DataLength(items[i]),
                              (items[i].Flags & DIF_SHOWAMPERSAND) != 0);
      if (!HotkeyMatches(typed, hotkey, otherLayout))
        continue;
      if (Focusable(items[i]))
        return i;
      for (int j = i + 1; j < count; ++j)
        if (Focusable(items[j]))
          return j;
    }
  return -1;
}

void WriteBack(FarDialogItem *items, int count, int focus) {
  for (int i = 0; i < count; ++i) {
    if (IsEdit(items[i].Type)) {
      memcpy(items[i].Data, States[i].Edit.Text, States[i].Edit.Length);
      items[i].Data[States[i].Edit.Length] = 0;
    } else if (items[i].Type == DI_CHECKBOX || items[i].Type == DI_RADIOBUTTON) {
      items[i].Selected = States[i].Selected;
    }
    items[i].Focus = i == focus;
  }
}

/* Each item's state from its record; the item to focus first, -1 when
   none can take the focus. */
int LoadStates(const FarDialogItem *items, int count) {
  AssignGroups(items, count);
  int focus = -1;
  for (int i = 0; i < count; ++i) {
    States[i].Selected = items[i].Selected;
    if (IsEdit(items[i].Type)) {
      int limit = FAR_DIALOG_DATA_SIZE;
      if (items[i].Type == DI_FIXEDIT && items[i].X2 >= items[i].X1 &&
          items[i].X2 - items[i].X1 + 2 < limit)
        limit = items[i].X2 - items[i].X1 + 2;
      LineEditSet(&States[i].Edit, items[i].Data, FAR_DIALOG_DATA_SIZE - 1, limit);
    }
    if (focus < 0 && items[i].Focus && Focusable(items[i]))
      focus = i;
  }
  if (focus < 0)
    focus = NextFocus(items, count, count - 1, 1);
  return Focusable(items[focus]) ? focus : -1;
}

DialogView PlaceDialog(int x1, int y1, int x2, int y2) {
  int width = x1 == -1 ? x2 : x2 - x1 + 1;
  int height = y1 == -1 ? y2 : y2 - y1 + 1;
  if (width < 1)
    width = 1;
  if (height < 1)
    height = 1;
  DialogView v;
  v.X1 = x1 == -1 ? (ScreenWidth() - width) / 2 : x1;
  v.Y1 = y1 == -1 ? (ScreenHeight() - height) / 2 : y1;
  v.X2 = v.X1 + width - 1;
  v.Y2 = v.Y1 + height - 1;
  v.Focus = -1;
  return v;
}

void DrawDialog(const FarDialogItem *items, int count, DialogView *v) {
  ScreenFill(v->X1, v->Y1, v->X2, v->Y2, ' ', PAL_DIALOG);
  v->CursorX = v->CursorY = -1;
  for (int i = 0; i < count; ++i)
    DrawItem(items[i], i, v);
  ScreenShadow(v->X1, v->Y1, v->X2, v->Y2);
  ScreenSetCursor(v->CursorX, v->CursorY, v->CursorX >= 0);
  ScreenShow();
}

enum { KEEP_OPEN = -2 };

/* Enter: the focused button, else the default button, else the focused
   item closes the dialog. */
int EnterResult(const FarDialogItem *items, int count, int focus) {
  if (focus >= 0 && items[focus].Type == DI_BUTTON)
    return focus;
  for (int i = 0; i < count; ++i)
    if (items[i].DefaultButton)
      return i;
  return focus;
}

/* A check box or radio button toggled or picked, a button pressed (its
   number); KEEP_OPEN for the others. */
int PressItem(const FarDialogItem *items, int count, int index) {
  if (items[index].Type == DI_BUTTON)
    return index;
  if (items[index].Type == DI_CHECKBOX)
    States[index].Selected = !States[index].Selected;
  else if (items[index].Type == DI_RADIOBUTTON)
    SelectRadio(count, index);
  return KEEP_OPEN;
}

/* The arrows move the focus by place; in a group with DIF_MOVESELECT they
   select as they go. */
void MoveFocus(const FarDialogItem *items, int count, DialogView *v, int code) {
  int dxStep = code == HK_LEFT ? -1 : code == HK_RIGHT ? 1 : 0;
  int dyStep = code == HK_UP ? -1 : code == HK_DOWN ? 1 : 0;
  int next = SpatialFocus(items, count, v->Focus, dxStep, dyStep);
  if (items[v->Focus].Type == DI_RADIOBUTTON && States[next].Group == States[v->Focus].Group &&
      GroupMoveSelect(items, count, States[v->Focus].Group))
    SelectRadio(count, next);
  v->Focus = next;
}

/* One key: the item number that closes the dialog, -1 for Esc, or
   KEEP_OPEN. */
int DialogKey(const HostKey &key, const FarDialogItem *items, int count, DialogView *v) {
  if (key.Code == HK_ENTER)
    return EnterResult(items, count, v->Focus);
  if (v->Focus < 0)
    return KEEP_OPEN;
  const FarDialogItem &current = items[v->Focus];
  if (key.Code == HK_TAB)
    v->Focus = NextFocus(items, count, v->Focus, key.Mods & KEYMOD_SHIFT ? -1 : 1);
  else if (IsEdit(current.Type) && LineEditKey(&States[v->Focus].Edit, &key))
    return KEEP_OPEN;
  else if (key.Code == HK_UP || key.Code == HK_DOWN || key.Code == HK_LEFT || key.Code == HK_RIGHT)
    MoveFocus(items, count, v, key.Code);
  else if (key.Code == HK_SPACE && !IsEdit(current.Type))
    return PressItem(items, count, v->Focus);
  else if (key.Code == 0 && key.Char && ((key.Mods & KEYMOD_ALT) || !IsEdit(current.Type))) {
    int target = HotkeyTarget(items, count, key.Char);
    if (target < 0)
      return KEEP_OPEN;
    v->Focus = target;
    return PressItem(items, count, target);
  }
  return KEEP_OPEN;
}

} // namespace

int WINAPI HostDialog(int PluginNumber, int X1, int Y1, int X2, int Y2, const char *HelpTopic,
                      FarDialogItem *Item, int ItemsNumber) {
  HostLog("Dialog plugin=%d rect=%d,%d,%d,%d items=%d", PluginNumber, X1, Y1, X2, Y2, ItemsNumber);
  if (!Item || ItemsNumber <= 0 || ItemsNumber > DIALOG_MAX_ITEMS || Active) {
    HostLog("Dialog -> -1 (refused: %s)", Active                           ? "already open"
                                          : ItemsNumber > DIALOG_MAX_ITEMS ? "too many items"
                                                                           : "no items");
    return -1;
  }
  Active = 1;
  DialogView v = PlaceDialog(X1, Y1, X2, Y2);
  v.Focus = LoadStates(Item, ItemsNumber);
  PlaceItems(Item, ItemsNumber, v.X1, v.Y1, v.X2 - v.X1 + 1);
  int saved = ScreenSave();
  int result = KEEP_OPEN;
  while (result == KEEP_OPEN) {
    DrawDialog(Item, ItemsNumber, &v);
    HostKey key;
    if (!InputNext(&key) || key.Code == HK_ESC)
      result = -1;
    else if (key.Code == HK_F1 && !key.Mods)
      ShowPluginHelp(PluginNumber, HelpTopic);
    else
      result = DialogKey(key, Item, ItemsNumber, &v);
  }
  WriteBack(Item, ItemsNumber, v.Focus);
  ScreenRestore(saved);
  ScreenShow();
  Active = 0;
  HostLog("Dialog -> %d", result);
  return result;
}
