/* Reading and writing items between showings. Unknown handles and item
   numbers are ignored: getters give 0, null or -1, setters do nothing. */
#include "dialog_list.h"
#include "dialoggen.h"

extern "C" {

int __cdecl GetItemStatus(DialogHandle Dialog, int Item) {
  DialogItem *item = FindItem(Dialog, Item);
  return item ? item->Record.Selected : 0;
}

void __cdecl SetItemStatus(DialogHandle Dialog, int Item, int State) {
  DialogItem *item = FindItem(Dialog, Item);
  if (!item)
    return;
  if (item->Group >= 0) {
    /* A group always has one selected button: clearing it changes nothing. */
    if (State)
      SelectInGroup(Dialog, item);
    return;
  }
  item->Record.Selected = State != 0;
}

int __cdecl GetRadioStatus(DialogHandle Dialog, int Item) {
  DialogItem *item = FindItem(Dialog, Item);
  if (!item || item->Group < 0)
    return -1;
  const RadioGroup *group = &Dialog->Groups[item->Group];
  if (group->Choose)
    return group->Choice;
  for (int i = 0; i < Dialog->ItemCount; ++i)
    if (Dialog->Items[i].Group == item->Group && Dialog->Items[i].Record.Selected)
      return Dialog->Items[i].Value;
  return -1;
}

void __cdecl SetRadioStatus(DialogHandle Dialog, int Item, int Value) {
  DialogItem *item = FindItem(Dialog, Item);
  if (!item || item->Group < 0)
    return;
  for (int i = 0; i < Dialog->ItemCount; ++i)
    if (Dialog->Items[i].Group == item->Group && Dialog->Items[i].Value == Value) {
      SelectInGroup(Dialog, &Dialog->Items[i]);
      return;
    }
}

char *__cdecl GetItemData(DialogHandle Dialog, int Item) {
  DialogItem *item = FindItem(Dialog, Item);
  return item ? item->Record.Data : 0;
}

struct FarDialogItem *__cdecl GetItemAddr(DialogHandle Dialog, int Item) {
  DialogItem *item = FindItem(Dialog, Item);
  return item ? &item->Record : 0;
}

void __cdecl SetItemColor(DialogHandle Dialog, int Item, int Color) {
  DialogItem *item = FindItem(Dialog, Item);
  if (!item)
    return;
  unsigned flags = item->Record.Flags & ~(unsigned)(DIF_SETCOLOR | DIF_COLORMASK);
  /* A negative colour gives the item back the host's colours. */
  if (Color >= 0)
    flags |= DIF_SETCOLOR | ((unsigned)Color & DIF_COLORMASK);
  item->Record.Flags = flags;
}

void __cdecl HideItem(DialogHandle Dialog, int Item) {
  DialogItem *item = FindItem(Dialog, Item);
  if (item)
    item->Attributes |= ITEM_HIDDEN;
}

void __cdecl RestoreItem(DialogHandle Dialog, int Item) {
  DialogItem *item = FindItem(Dialog, Item);
  if (item)
    item->Attributes &= ~(unsigned)ITEM_HIDDEN;
}

void __cdecl SetItemFocus(DialogHandle Dialog, int Item) {
  DialogItem *item = FindItem(Dialog, Item);
  if (!item)
    return;
  for (int i = 0; i < Dialog->ItemCount; ++i)
    Dialog->Items[i].Record.Focus = &Dialog->Items[i] == item;
  Dialog->FocusChosen = 1;
}

int __cdecl GetNumById(DialogHandle Dialog, int Item) {
  DialogItem *item = FindItem(Dialog, Item);
  if (!item || (item->Attributes & ITEM_HIDDEN))
    return -1;
  int position = 0;
  for (const DialogItem *i = Dialog->Items; i != item; ++i)
    position += !(i->Attributes & ITEM_HIDDEN);
  return position;
}

} // extern "C"
