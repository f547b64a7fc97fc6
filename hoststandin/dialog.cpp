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

/* Buttons and texts of one row with DIF_CENTERGROUP are centred together. */
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

void DrawItem(const FarDialogItem &item, int index, int focus, int dx, int dy, int dialogX2,
              int *cursorX, int *cursorY) {
  const ItemState &st = States[index];
  const int showAmp = (item.Flags & DIF_SHOWAMPERSAND) != 0;
  const int length = DataLength(item);
  const int focused = index == focus;
  const int x = st.X, y = st.Y;
  switch (item.Type) {
  case DI_TEXT: {
    int attr = ItemAttr(item, PAL_DIALOG);
    if (item.Flags & DIF_SEPARATOR) {
      ScreenSeparator(dx + 3, dialogX2 - 3, y, item.Flags & DIF_BOXCOLOR ? PAL_DIALOG : attr, 1);
      if (length) {
        int n = VisibleLength(item.Data, length, showAmp);
        int tx = item.X1 == -1 ? dx + (dialogX2 - dx + 1 - n) / 2 : x;
        DrawHotkeyText(tx, y, n, item.Data, length, attr, PAL_DIALOG_HOTKEY, showAmp);
      }
      break;
    }
    DrawHotkeyText(x, y, ScreenWidth(), item.Data, length, attr, PAL_DIALOG_HOTKEY, showAmp);
    break;
  }
  case DI_VTEXT: {
    int attr = ItemAttr(item, PAL_DIALOG);
    for (int i = 0; i < length; ++i)
      ScreenPutChar(x, y + i, attr, (unsigned char)item.Data[i]);
    break;
  }
  case DI_SINGLEBOX:
  case DI_DOUBLEBOX: {
    int attr = ItemAttr(item, PAL_DIALOG);
    int x2 = dx + item.X2, y2 = dy + item.Y2;
    ScreenBox(x, y, x2, y2, attr, item.Type == DI_DOUBLEBOX, nullptr);
    if (length) {
      int room = x2 - x - 3;
      int n = length < room ? length : room;
      if (n > 0) {
        int tx = item.Flags & DIF_LEFTTEXT ? x + 1 : x + (x2 - x + 1 - (n + 2)) / 2;
        ScreenPutChar(tx, y, attr, ' ');
        DrawHotkeyText(tx + 1, y, n, item.Data, length, attr, PAL_DIALOG_HOTKEY, showAmp);
        ScreenPutChar(tx + 1 + n, y, attr, ' ');
      }
    }
    break;
  }
  case DI_EDIT:
  case DI_PSWEDIT:
  case DI_FIXEDIT: {
    int width = item.X2 - item.X1 + 1;
    if (width < 1)
      width = 1;
    int cx = LineEditDraw(const_cast<LineEdit *>(&st.Edit), x, y, width, PAL_DIALOG_EDIT,
                          item.Type == DI_PSWEDIT);
    if (focused) {
      *cursorX = cx;
      *cursorY = y;
    }
    break;
  }
  case DI_BUTTON: {
    int attr = focused ? PAL_DIALOG_FOCUS : ItemAttr(item, PAL_DIALOG);
    int hot = focused ? PAL_DIALOG_FOCUS_HOTKEY : PAL_DIALOG_HOTKEY;
    int cx = x;
    if (!(item.Flags & DIF_NOBRACKETS)) {
      ScreenPut(cx, y, attr, item.DefaultButton ? "{ " : "[ ", 2);
      cx += 2;
    }
    int n = DrawHotkeyText(cx, y, ScreenWidth(), item.Data, length, attr, hot, showAmp);
    if (!(item.Flags & DIF_NOBRACKETS))
      ScreenPut(cx + n, y, attr, item.DefaultButton ? " }" : " ]", 2);
    if (focused) {
      *cursorX = -1;
    }
    break;
  }
  case DI_CHECKBOX:
  case DI_RADIOBUTTON: {
    int attr = ItemAttr(item, PAL_DIALOG);
    int hotText = focused ? PAL_DIALOG_FOCUS : attr;
    const int radio = item.Type == DI_RADIOBUTTON;
    char mark = radio ? (st.Selected ? (char)RADIO_DOT : ' ')
                      : (st.Selected == 2 ? '?'
                         : st.Selected    ? 'x'
                                          : ' ');
    char box[5] = {radio ? '(' : '[', mark, radio ? ')' : ']', ' ', 0};
    ScreenPut(x, y, attr, box, 4);
    DrawHotkeyText(x + 4, y, ScreenWidth(), item.Data, length, hotText,
                   focused ? PAL_DIALOG_FOCUS_HOTKEY : PAL_DIALOG_HOTKEY, showAmp);
    if (focused) {
      *cursorX = x + 1;
      *cursorY = y;
    }
    break;
  }
  default:
    break;
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
   focusable item after it. -1 when none. */
int HotkeyTarget(const FarDialogItem *items, int count, int wanted) {
  for (int i = 0; i < count; ++i) {
    if (IsEdit(items[i].Type))
      continue;
    if (HotkeyChar(items[i].Data, DataLength(items[i]),
                   (items[i].Flags & DIF_SHOWAMPERSAND) != 0) != wanted)
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
  int width = X1 == -1 ? X2 : X2 - X1 + 1;
  int height = Y1 == -1 ? Y2 : Y2 - Y1 + 1;
  if (width < 1)
    width = 1;
  if (height < 1)
    height = 1;
  int dx = X1 == -1 ? (ScreenWidth() - width) / 2 : X1;
  int dy = Y1 == -1 ? (ScreenHeight() - height) / 2 : Y1;
  int dx2 = dx + width - 1, dy2 = dy + height - 1;

  AssignGroups(Item, ItemsNumber);
  int focus = -1;
  for (int i = 0; i < ItemsNumber; ++i) {
    States[i].Selected = Item[i].Selected;
    if (IsEdit(Item[i].Type)) {
      int limit = FAR_DIALOG_DATA_SIZE;
      if (Item[i].Type == DI_FIXEDIT && Item[i].X2 >= Item[i].X1 &&
          Item[i].X2 - Item[i].X1 + 2 < limit)
        limit = Item[i].X2 - Item[i].X1 + 2;
      LineEditSet(&States[i].Edit, Item[i].Data, FAR_DIALOG_DATA_SIZE - 1, limit);
    }
    if (focus < 0 && Item[i].Focus && Focusable(Item[i]))
      focus = i;
  }
  if (focus < 0)
    focus = NextFocus(Item, ItemsNumber, ItemsNumber - 1, 1);
  if (!Focusable(Item[focus]))
    focus = -1;
  PlaceItems(Item, ItemsNumber, dx, dy, width);

  int saved = ScreenSave();
  int result = -1;
  for (;;) {
    ScreenFill(dx, dy, dx2, dy2, ' ', PAL_DIALOG);
    int cursorX = -1, cursorY = -1;
    for (int i = 0; i < ItemsNumber; ++i)
      DrawItem(Item[i], i, focus, dx, dy, dx2, &cursorX, &cursorY);
    ScreenShadow(dx, dy, dx2, dy2);
    ScreenSetCursor(cursorX, cursorY, cursorX >= 0);
    ScreenShow();

    HostKey key;
    if (!InputNext(&key)) {
      result = -1;
      break;
    }
    const FarDialogItem *current = focus >= 0 ? &Item[focus] : nullptr;
    if (key.Code == HK_ESC) {
      result = -1;
      break;
    }
    if (key.Code == HK_F1 && !key.Mods) {
      ShowPluginHelp(PluginNumber, HelpTopic);
      continue;
    }
    if (key.Code == HK_ENTER) {
      if (current && current->Type == DI_BUTTON) {
        result = focus;
        break;
      }
      int defaultButton = -1;
      for (int i = 0; i < ItemsNumber && defaultButton < 0; ++i)
        if (Item[i].DefaultButton)
          defaultButton = i;
      result = defaultButton >= 0 ? defaultButton : focus;
      break;
    }
    if (focus < 0)
      continue;
    if (key.Code == HK_TAB) {
      focus = NextFocus(Item, ItemsNumber, focus, key.Mods & KEYMOD_SHIFT ? -1 : 1);
      continue;
    }
    if (IsEdit(current->Type) && LineEditKey(&States[focus].Edit, &key))
      continue;
    if (key.Code == HK_UP || key.Code == HK_DOWN || key.Code == HK_LEFT || key.Code == HK_RIGHT) {
      int dxStep = key.Code == HK_LEFT ? -1 : key.Code == HK_RIGHT ? 1 : 0;
      int dyStep = key.Code == HK_UP ? -1 : key.Code == HK_DOWN ? 1 : 0;
      int next = SpatialFocus(Item, ItemsNumber, focus, dxStep, dyStep);
      if (current->Type == DI_RADIOBUTTON && States[next].Group == States[focus].Group &&
          GroupMoveSelect(Item, ItemsNumber, States[focus].Group))
        SelectRadio(ItemsNumber, next);
      focus = next;
      continue;
    }
    if (key.Code == HK_SPACE && !IsEdit(current->Type)) {
      if (current->Type == DI_CHECKBOX)
        States[focus].Selected = !States[focus].Selected;
      else if (current->Type == DI_RADIOBUTTON)
        SelectRadio(ItemsNumber, focus);
      else if (current->Type == DI_BUTTON) {
        result = focus;
        break;
      }
      continue;
    }
    if (key.Code == 0 && key.Char && ((key.Mods & KEYMOD_ALT) || !IsEdit(current->Type))) {
      int target = HotkeyTarget(Item, ItemsNumber, OemLower(key.Char));
      if (target < 0)
        continue;
      focus = target;
      if (Item[target].Type == DI_BUTTON) {
        result = target;
        break;
      }
      if (Item[target].Type == DI_CHECKBOX)
        States[target].Selected = !States[target].Selected;
      else if (Item[target].Type == DI_RADIOBUTTON)
        SelectRadio(ItemsNumber, target);
    }
  }
  WriteBack(Item, ItemsNumber, focus);
  ScreenRestore(saved);
  ScreenShow();
  Active = 0;
  HostLog("Dialog -> %d", result);
  return result;
}
